#include "MetafileWalk.h"

namespace vartel::test {

std::uint16_t U16At(const std::string& b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b.at(at)) |
                                      (static_cast<unsigned char>(b.at(at + 1)) << 8));
}
std::int16_t I16At(const std::string& b, std::size_t at)
{
    return static_cast<std::int16_t>(U16At(b, at));
}
std::uint32_t U32At(const std::string& b, std::size_t at)
{
    return U16At(b, at) | (static_cast<std::uint32_t>(U16At(b, at + 2)) << 16);
}
std::int32_t I32At(const std::string& b, std::size_t at)
{
    return static_cast<std::int32_t>(U32At(b, at));
}

std::vector<EmfRecord> WalkEmf(const std::string& bytes, std::string& problem)
{
    std::vector<EmfRecord> records;
    std::size_t at = 0;
    while (at + 8 <= bytes.size()) {
        const EmfRecord r{U32At(bytes, at), U32At(bytes, at + 4), at};
        if (r.size < 8 || r.size % 4 != 0 || at + r.size > bytes.size()) {
            problem = "record " + std::to_string(records.size()) + " has size " + std::to_string(r.size);
            return records;
        }
        records.push_back(r);
        at += r.size;
        if (r.type == 14)
            break;
    }
    if (records.empty() || records.back().type != 14)
        problem = "no EMR_EOF";
    else if (at != bytes.size())
        problem = std::to_string(bytes.size() - at) + " bytes after EMR_EOF";
    return records;
}

std::vector<WmfRecord> WalkWmf(const std::string& bytes, std::string& problem)
{
    std::vector<WmfRecord> records;
    std::size_t at = 22 + 18;
    while (at + 6 <= bytes.size()) {
        const WmfRecord r{U16At(bytes, at + 4), U32At(bytes, at), at};
        if (r.words < 3 || at + 2 * std::size_t{r.words} > bytes.size()) {
            problem = "record " + std::to_string(records.size()) + " has " + std::to_string(r.words) + " words";
            return records;
        }
        records.push_back(r);
        at += 2 * std::size_t{r.words};
        if (r.function == 0)
            break;
    }
    if (records.empty() || records.back().function != 0)
        problem = "no META_EOF";
    else if (at != bytes.size())
        problem = std::to_string(bytes.size() - at) + " bytes after META_EOF";
    return records;
}

} // namespace vartel::test
