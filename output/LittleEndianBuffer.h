#pragma once
// A growing byte buffer for the metafile records; every integer is stored little-endian.
#include <cstdint>
#include <cstring>
#include <string>

namespace vartel {

class LittleEndianBuffer {
public:
    void U8(std::uint8_t v) { bytes_.push_back(static_cast<char>(v)); }
    void U16(std::uint16_t v)
    {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void U32(std::uint32_t v)
    {
        U16(static_cast<std::uint16_t>(v));
        U16(static_cast<std::uint16_t>(v >> 16));
    }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void F32(float v)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        U32(bits);
    }
    void Append(const std::string& more) { bytes_ += more; }
    // Zero bytes up to the next multiple of `alignment`.
    void PadTo(std::size_t alignment)
    {
        while (bytes_.size() % alignment != 0)
            U8(0);
    }
    std::size_t Size() const { return bytes_.size(); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
};

} // namespace vartel
