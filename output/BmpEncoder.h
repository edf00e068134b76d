#pragma once
#include "views/RasterImage.h"

#include <string>

namespace vartel {

// Encodes `image` as an uncompressed 24-bit BMP (BITMAPINFOHEADER, rows bottom-up, each padded to four
// bytes, the screen's resolution), byte for byte as Qt wrote it for the screen's pictures.
// Returns "" on success, otherwise the reason.
std::string EncodeBmp(const RasterImage& image, std::string& out);

} // namespace vartel
