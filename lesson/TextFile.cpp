#include "lesson/TextFile.h"

#include <filesystem>
#include <fstream>

namespace vartel {

std::string ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& bytes)
{
    const std::string named = "'" + path + "'";
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error)
        return named + " cannot be read: " + error.message();
    if (!std::filesystem::is_regular_file(status))
        return named + " is not a file";
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return named + " cannot be opened";
    // In pieces, so that a small file does not take the whole allowance; one byte more than allowed tells
    // a file that is too large, or grew, without reading all of it.
    bytes.clear();
    char piece[65536];
    while (bytes.size() <= maxBytes && in.read(piece, sizeof piece).gcount() > 0)
        bytes.append(piece, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return named + " cannot be read";
    if (bytes.size() > maxBytes)
        return named + " is larger than " + std::to_string(maxBytes) + " bytes";
    return {};
}

} // namespace vartel
