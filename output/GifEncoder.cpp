#include "output/GifEncoder.h"

#include <gif_lib.h>

#include "output/WriterMessages.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace vartel {

namespace {

constexpr int MaxColours = 256;
constexpr int MaxDimension = 65535;

struct IndexedImage {
    std::vector<GifColorType> Palette;
    std::vector<GifByteType> Indices; // row by row
};

// The exact palette in order of first appearance, or false when there are more than 256 colours.
GifColorType Entry(std::uint32_t pixel)
{
    return GifColorType{static_cast<GifByteType>(pixel >> 16), static_cast<GifByteType>(pixel >> 8),
                        static_cast<GifByteType>(pixel)};
}

bool IndexExactly(const RasterImage& image, IndexedImage& result)
{
    std::unordered_map<std::uint32_t, int> indexOf;
    result.Indices.reserve(static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()));
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* line = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            const std::uint32_t colour = line[x] | 0xFF000000U;
            auto found = indexOf.find(colour);
            if (found == indexOf.end()) {
                if (indexOf.size() == MaxColours)
                    return false;
                found = indexOf.emplace(colour, static_cast<int>(result.Palette.size())).first;
                result.Palette.push_back(Entry(colour));
            }
            result.Indices.push_back(static_cast<GifByteType>(found->second));
        }
    }
    return true;
}

std::string Quantise(const RasterImage& image, IndexedImage& result)
{
    const std::size_t count = static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height());
    std::vector<GifByteType> red(count), green(count), blue(count);
    std::size_t i = 0;
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* line = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, ++i) {
            const GifColorType entry = Entry(line[x]);
            red[i] = entry.Red;
            green[i] = entry.Green;
            blue[i] = entry.Blue;
        }
    }
    int colours = MaxColours;
    result.Palette.assign(MaxColours, GifColorType{0, 0, 0});
    result.Indices.assign(count, 0);
    if (GifQuantizeBuffer(static_cast<unsigned>(image.Width()), static_cast<unsigned>(image.Height()), &colours,
                          red.data(), green.data(), blue.data(), result.Indices.data(),
                          result.Palette.data()) != GIF_OK)
        return WriterMessage("FileError",
                             VARTEL_TRANSLATE_NOOP("FileError", "GIF error: the colours could not be reduced to 256"));
    result.Palette.resize(static_cast<std::size_t>(std::clamp(colours, 1, MaxColours)));
    return {};
}

int AppendToString(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<std::string*>(gif->UserData)
        ->append(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length));
    return length;
}

std::string GifError(int code)
{
    const char* text = GifErrorString(code);
    return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "GIF error: %1"),
                         {text != nullptr ? text : "unknown"});
}

} // namespace

std::string EncodeGif(const RasterImage& image, std::string& out)
{
    if (image.IsNull())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "There is no picture to save"));
    if (image.Width() > MaxDimension || image.Height() > MaxDimension)
        return WriterMessage("FileError",
                             VARTEL_TRANSLATE_NOOP("FileError", "The picture is too large for a GIF file"));
    IndexedImage indexed;
    if (!IndexExactly(image, indexed)) {
        const std::string error = Quantise(image, indexed);
        if (!error.empty())
            return error;
    }
    // giflib wants a power of two of at least 2 entries; the unused ones are black.
    int entries = 2;
    while (entries < static_cast<int>(indexed.Palette.size()))
        entries *= 2;
    indexed.Palette.resize(static_cast<std::size_t>(entries), GifColorType{0, 0, 0});
    ColorMapObject* map = GifMakeMapObject(entries, indexed.Palette.data());
    if (map == nullptr)
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "Not enough memory for the GIF palette"));

    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToString, &error);
    if (gif == nullptr) {
        GifFreeMapObject(map);
        return GifError(error);
    }
    const int width = image.Width();
    bool ok = EGifPutScreenDesc(gif, width, image.Height(), 8, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, width, image.Height(), false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < image.Height(); ++y)
        ok = EGifPutLine(gif, indexed.Indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                         width) == GIF_OK;
    if (!ok)
        error = gif->Error;
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) { // frees gif in every case
        ok = false;
        error = closeError;
    }
    GifFreeMapObject(map);
    if (!ok)
        return GifError(error);
    out = std::move(bytes);
    return {};
}

} // namespace vartel
