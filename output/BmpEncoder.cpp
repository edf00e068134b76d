#include "output/BmpEncoder.h"

#include "output/LittleEndianBuffer.h"
#include "output/ScreenResolution.h"
#include "output/WriterMessages.h"

#include <cstdint>
#include <limits>
#include <utility>

namespace vartel {

namespace {

constexpr std::uint32_t FileHeaderSize = 14;
constexpr std::uint32_t InfoHeaderSize = 40;

} // namespace

std::string EncodeBmp(const RasterImage& image, std::string& out)
{
    if (image.IsNull())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "There is no picture to save"));
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(image.Width()) * 3 + 3) / 4 * 4;
    const std::uint64_t imageBytes = rowBytes * static_cast<std::uint64_t>(image.Height());
    if (imageBytes + FileHeaderSize + InfoHeaderSize > std::numeric_limits<std::uint32_t>::max())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "The picture could not be encoded as %1"),
                             {"BMP"});
    LittleEndianBuffer file;
    file.U8('B');
    file.U8('M');
    file.U32(static_cast<std::uint32_t>(FileHeaderSize + InfoHeaderSize + imageBytes));
    file.U32(0); // reserved
    file.U32(FileHeaderSize + InfoHeaderSize);
    file.U32(InfoHeaderSize);
    file.I32(image.Width());
    file.I32(image.Height()); // positive: bottom-up
    file.U16(1);              // planes
    file.U16(24);             // bits per pixel
    file.U32(0);              // BI_RGB, uncompressed
    file.U32(static_cast<std::uint32_t>(imageBytes));
    file.I32(ScreenPixelsPerMetre);
    file.I32(ScreenPixelsPerMetre);
    file.U32(0); // colours used: none, no palette
    file.U32(0); // important colours
    std::string bytes = file.Bytes();
    bytes.reserve(bytes.size() + imageBytes);
    const std::size_t padding = rowBytes - static_cast<std::size_t>(image.Width()) * 3;
    for (int y = image.Height() - 1; y >= 0; --y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            bytes += static_cast<char>(row[x] & 0xFF);
            bytes += static_cast<char>((row[x] >> 8) & 0xFF);
            bytes += static_cast<char>((row[x] >> 16) & 0xFF);
        }
        bytes.append(padding, '\0');
    }
    out = std::move(bytes);
    return {};
}

} // namespace vartel
