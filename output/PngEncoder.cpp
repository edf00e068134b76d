#include "output/PngEncoder.h"

#include "output/PackedRgb.h"
#include "output/ScreenResolution.h"
#include "output/WriterMessages.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace vartel {

namespace {

struct PngTarget {
    std::string* Bytes;
    char Message[200];
};

void AppendToString(png_structp png, png_bytep data, png_size_t length)
{
    static_cast<PngTarget*>(png_get_io_ptr(png))->Bytes->append(reinterpret_cast<const char*>(data), length);
}

void NoFlush(png_structp) {}

// libpng's default error handler ends the process when no jump is set; this one keeps the text and jumps.
void JumpOnError(png_structp png, png_const_charp message)
{
    auto* target = static_cast<PngTarget*>(png_get_error_ptr(png));
    std::strncpy(target->Message, message, sizeof target->Message - 1);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Kept free of objects with destructors, so the longjmp skips nothing that must be cleaned up.
bool Compress(const unsigned char* rgb, int width, int height, PngTarget& target)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &target, JumpOnError, IgnoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png)) != 0) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &target, AppendToString, NoFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_RGB,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_pHYs(png, info, ScreenPixelsPerMetre, ScreenPixelsPerMetre, PNG_RESOLUTION_METER);
    png_write_info(png, info);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        png_write_row(png, rgb + static_cast<std::size_t>(y) * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

std::string EncodePng(const RasterImage& image, std::string& out)
{
    if (image.IsNull())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "There is no picture to save"));
    const std::vector<unsigned char> rgb = PackedRgb(image);
    std::string bytes;
    PngTarget target{&bytes, {}};
    if (!Compress(rgb.data(), image.Width(), image.Height(), target))
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "The picture could not be encoded as %1"),
                             {"PNG"}) +
               (target.Message[0] != '\0' ? std::string(": ") + target.Message : std::string());
    out = std::move(bytes);
    return {};
}

} // namespace vartel
