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

// The image's indices and its palette, padded to the power of two of at least 2 entries that giflib wants
// (the unused entries are black).
std::string IndexImage(const RasterImage& image, IndexedImage& indexed)
{
    if (image.IsNull())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "There is no picture to save"));
    if (image.Width() > MaxDimension || image.Height() > MaxDimension)
        return WriterMessage("FileError",
                             VARTEL_TRANSLATE_NOOP("FileError", "The picture is too large for a GIF file"));
    if (!IndexExactly(image, indexed)) {
        const std::string error = Quantise(image, indexed);
        if (!error.empty())
            return error;
    }
    int entries = 2;
    while (entries < static_cast<int>(indexed.Palette.size()))
        entries *= 2;
    indexed.Palette.resize(static_cast<std::size_t>(entries), GifColorType{0, 0, 0});
    return {};
}

std::string PaletteMemoryError()
{
    return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "Not enough memory for the GIF palette"));
}

// The image descriptor and the rows of `indexed`, of width x height, at the top left.
bool PutImage(GifFileType* gif, IndexedImage& indexed, int width, int height, ColorMapObject* localMap)
{
    bool ok = EGifPutImageDesc(gif, 0, 0, width, height, false, localMap) == GIF_OK;
    for (int y = 0; ok && y < height; ++y)
        ok = EGifPutLine(gif, indexed.Indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                         width) == GIF_OK;
    return ok;
}

// Closes `gif` (which frees it) and returns the error of the first failure, or "".
std::string Close(GifFileType* gif, bool ok)
{
    int error = ok ? 0 : gif->Error;
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) != GIF_OK && ok) {
        ok = false;
        error = closeError;
    }
    return ok ? std::string() : GifError(error);
}

} // namespace

std::string EncodeGif(const RasterImage& image, std::string& out)
{
    IndexedImage indexed;
    if (const std::string error = IndexImage(image, indexed); !error.empty())
        return error;
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(indexed.Palette.size()), indexed.Palette.data());
    if (map == nullptr)
        return PaletteMemoryError();

    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToString, &error);
    if (gif == nullptr) {
        GifFreeMapObject(map);
        return GifError(error);
    }
    const bool ok = EGifPutScreenDesc(gif, image.Width(), image.Height(), 8, 0, map) == GIF_OK &&
                    PutImage(gif, indexed, image.Width(), image.Height(), nullptr);
    const std::string closed = Close(gif, ok);
    GifFreeMapObject(map);
    if (!closed.empty())
        return closed;
    out = std::move(bytes);
    return {};
}

std::string EncodeAnimatedGif(PixelSize size, int frameCount, const FrameDrawing& drawFrame, std::string& out)
{
    std::string bytes;
    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, AppendToString, &error);
    if (gif == nullptr)
        return GifError(error);
    // Frame delays and the loop need the 89a version.
    EGifSetGifVersion(gif, true);
    static const GifByteType Netscape[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType LoopForEver[] = {1, 0, 0};
    bool ok = EGifPutScreenDesc(gif, size.Width, size.Height, 8, 0, nullptr) == GIF_OK &&
              EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
              EGifPutExtensionBlock(gif, sizeof Netscape, Netscape) == GIF_OK &&
              EGifPutExtensionBlock(gif, sizeof LoopForEver, LoopForEver) == GIF_OK &&
              EGifPutExtensionTrailer(gif) == GIF_OK;
    RasterImage frame(size.Width, size.Height);
    for (int index = 0; ok && index < frameCount; ++index) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, std::clamp(drawFrame(index, frame), 0, 65535),
                                     NO_TRANSPARENT_COLOR};
        IndexedImage indexed;
        if (const std::string indexError = IndexImage(frame, indexed); !indexError.empty()) {
            EGifCloseFile(gif, nullptr);
            return indexError;
        }
        ColorMapObject* map = GifMakeMapObject(static_cast<int>(indexed.Palette.size()), indexed.Palette.data());
        if (map == nullptr) {
            EGifCloseFile(gif, nullptr);
            return PaletteMemoryError();
        }
        GifByteType extension[4];
        const int length = static_cast<int>(EGifGCBToExtension(&control, extension));
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension) == GIF_OK &&
             PutImage(gif, indexed, size.Width, size.Height, map);
        GifFreeMapObject(map);
    }
    if (const std::string closed = Close(gif, ok); !closed.empty())
        return closed;
    out = std::move(bytes);
    return {};
}

} // namespace vartel
