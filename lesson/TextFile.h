#pragma once
// Reading a small file whole, for the lesson file and the data files a lesson embeds.
#include <cstddef>
#include <string>

namespace vartel {

// Reads the file at `path` into `bytes`. Returns "" or the message, naming the file, why not: it cannot
// be read, is no regular file (so a pipe never blocks the reader) or holds more than `maxBytes`.
std::string ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

} // namespace vartel
