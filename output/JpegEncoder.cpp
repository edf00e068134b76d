#include "output/JpegEncoder.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "output/PackedRgb.h"
#include "output/ScreenResolution.h"
#include "output/WriterMessages.h"

namespace vartel {

namespace {

// libjpeg's own error_exit ends the process; this one returns to the encoder through longjmp.
struct JumpingErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void JumpOnError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

// Kept free of objects with destructors, so the longjmp skips nothing that must be cleaned up.
bool Compress(const unsigned char* rgb, int width, int height, int quality, unsigned char** buffer, unsigned long* size,
              JumpingErrorManager& errors)
{
    jpeg_compress_struct info;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = JumpOnError;
    if (setjmp(errors.Jump) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    // Full colour resolution: the default halves it both ways, which smears the 1-pixel coloured lines.
    for (int i = 0; i < info.num_components; ++i) {
        info.comp_info[i].h_samp_factor = 1;
        info.comp_info[i].v_samp_factor = 1;
    }
    info.density_unit = 1; // dots per inch, the screen's 96
    info.X_density = ScreenDotsPerInch;
    info.Y_density = ScreenDotsPerInch;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(rgb + static_cast<std::size_t>(info.next_scanline) * width * 3);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::string EncodeJpeg(const RasterImage& image, int quality, std::string& out)
{
    if (image.IsNull())
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "There is no picture to save"));
    const std::vector<unsigned char> pixels = PackedRgb(image);
    // Our own buffer, larger than any quality-100 result, so jpeg_mem_dest never needs to replace it:
    // a replaced buffer is not handed back when compression fails.
    const unsigned long capacity = static_cast<unsigned long>(pixels.size()) * 2 + 65536;
    auto* const original = static_cast<unsigned char*>(std::malloc(capacity));
    if (original == nullptr)
        return WriterMessage("FileError", VARTEL_TRANSLATE_NOOP("FileError", "Not enough memory for the JPEG picture"));
    unsigned char* buffer = original;
    unsigned long size = capacity;
    JumpingErrorManager errors{};
    const bool ok = Compress(pixels.data(), image.Width(), image.Height(), quality, &buffer, &size, errors);
    if (ok)
        out.assign(reinterpret_cast<const char*>(buffer), size);
    if (buffer != original)
        std::free(buffer);
    std::free(original);
    return ok ? std::string() : std::string("JPEG error: ") + errors.Message;
}

} // namespace vartel
