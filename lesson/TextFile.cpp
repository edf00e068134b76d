#include "lesson/TextFile.h"

#include "output/WholeFile.h"

#include <cstring>

namespace vartel {

std::string ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    const std::string named = "'" + path + "'";
    const WholeFileReading reading = ReadWholeFile(path, maxBytes, bytes);
    switch (reading.Problem) {
    case WholeFileProblem::None:
        break;
    case WholeFileProblem::CannotRead:
        return named + " cannot be read: " + std::strerror(reading.Error);
    case WholeFileProblem::NotAFile:
        return named + " is not a file";
    case WholeFileProblem::TooLarge:
        return named + " is larger than " + std::to_string(maxBytes) + " bytes";
    }
    return {};
}

} // namespace vartel
