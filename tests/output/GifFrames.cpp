#include "tests/output/GifFrames.h"

#include <gif_lib.h>

#include <cstring>

namespace vartel::test {

namespace {

bool IsLoopForEver(const SavedImage& image)
{
    for (int i = 0; i + 1 < image.ExtensionBlockCount; ++i) {
        const ExtensionBlock& name = image.ExtensionBlocks[i];
        const ExtensionBlock& data = image.ExtensionBlocks[i + 1];
        if (name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11 &&
            std::memcmp(name.Bytes, "NETSCAPE2.0", 11) == 0)
            return data.ByteCount == 3 && data.Bytes[0] == 1 && data.Bytes[1] == 0 && data.Bytes[2] == 0;
    }
    return false;
}

RasterImage Pixels(const GifFileType& gif, const SavedImage& image)
{
    const GifImageDesc& desc = image.ImageDesc;
    const ColorMapObject* map = desc.ColorMap != nullptr ? desc.ColorMap : gif.SColorMap;
    RasterImage pixels(desc.Width, desc.Height, Rgb(0, 0, 0));
    for (int y = 0; y < desc.Height; ++y)
        for (int x = 0; x < desc.Width; ++x) {
            const GifColorType c = map->Colors[image.RasterBits[y * desc.Width + x]];
            pixels.Row(y)[x] = RasterImage::ValueOf(Rgb(c.Red, c.Green, c.Blue));
        }
    return pixels;
}

} // namespace

GifFrames ReadGifFrames(const std::string& path)
{
    GifFrames result;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (gif == nullptr) {
        result.Error = GifErrorString(error);
        return result;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        result.Error = GifErrorString(gif->Error);
        DGifCloseFile(gif, &error);
        return result;
    }
    result.Size = {gif->SWidth, gif->SHeight};
    result.LoopsForEver = gif->ImageCount > 0 && IsLoopForEver(gif->SavedImages[0]);
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control{};
        result.Delays.push_back(DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK ? control.DelayTime : -1);
        result.Frames.push_back(Pixels(*gif, gif->SavedImages[i]));
    }
    DGifCloseFile(gif, &error);
    return result;
}

RasterImage PartOf(const RasterImage& frame, int left, int top, PixelSize size)
{
    RasterImage part(size.Width, size.Height);
    for (int y = 0; y < size.Height; ++y)
        for (int x = 0; x < size.Width; ++x)
            part.Row(y)[x] = frame.Row(top + y)[left + x];
    return part;
}

} // namespace vartel::test
