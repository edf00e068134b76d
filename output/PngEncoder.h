#pragma once
#include "views/RasterImage.h"

#include <string>

namespace vartel {

// Encodes `image` as an 8-bit RGB PNG with the screen's resolution in a pHYs chunk into `out`, through libpng.
// Returns "" on success, otherwise libpng's reason; never ends the process.
std::string EncodePng(const RasterImage& image, std::string& out);

} // namespace vartel
