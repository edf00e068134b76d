#pragma once
// An independent reading of the metafile structures the writers produce.
#include <cstdint>
#include <string>
#include <vector>

namespace vartel::test {

std::uint16_t U16At(const std::string& b, std::size_t at);
std::int16_t I16At(const std::string& b, std::size_t at);
std::uint32_t U32At(const std::string& b, std::size_t at);
std::int32_t I32At(const std::string& b, std::size_t at);

struct EmfRecord {
    std::uint32_t type;
    std::uint32_t size;
    std::size_t offset;
};
// Every record from the header to EOF; `problem` says what is wrong when the walk cannot finish.
std::vector<EmfRecord> WalkEmf(const std::string& bytes, std::string& problem);

struct WmfRecord {
    std::uint16_t function;
    std::uint32_t words;
    std::size_t offset; // of the record's first byte in the file
};
// The records after the placeable and metafile headers, META_EOF included.
std::vector<WmfRecord> WalkWmf(const std::string& bytes, std::string& problem);

} // namespace vartel::test
