#pragma once
#include <string>

namespace vartel {

// Writes `bytes` to `path` through a temporary file in the same folder that replaces the target only when
// everything is written, so a failed save never truncates an existing file. An existing file is written in
// place instead (keeping its inode, owner and hard links) when it has other hard links, belongs to another
// user, or its folder takes no temporary file; a save that cannot open it leaves it as it was. A target
// that is not a regular file (a device, a pipe) is written directly. Returns "" on success, otherwise an
// error text naming the file and the system's reason.
std::string WriteFileSafely(const std::string& path, const std::string& bytes);

} // namespace vartel
