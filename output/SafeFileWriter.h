#pragma once
#include <string>

namespace vartel {

// Writes `bytes` to `path` through a temporary file in the same folder that replaces the target only when
// everything is written, so a failed save never truncates an existing file. A target that exists and is
// not a regular file (a device, a pipe) is written directly. Returns "" on success, otherwise an error
// text naming the file and the system's reason.
std::string WriteFileSafely(const std::string& path, const std::string& bytes);

} // namespace vartel
