#pragma once
// Reading a file whole, for the readers of data and lesson files, each of which words its own messages.
#include <cstddef>
#include <string>

namespace vartel {

enum class WholeFileProblem {
    None,
    CannotRead, // it cannot be opened or read: `Error` says why
    NotAFile,   // a folder, a pipe, a device: never waited for
    TooLarge,   // more than the allowance, or it grew beyond it while being read
};

struct WholeFileReading {
    WholeFileProblem Problem = WholeFileProblem::None;
    int Error = 0; // errno where the system refused
};

// Reads the file at `path` into `bytes` (emptied first).
WholeFileReading ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

} // namespace vartel
