#pragma once
#include "views/RasterImage.h"

#include <string>

namespace vartel {

// Encodes `image` as a single-image GIF with one global palette into `out`. The palette is exact when the
// image has at most 256 colours; otherwise the colours are reduced by giflib's median-cut quantiser.
// Returns "" on success, otherwise giflib's reason.
std::string EncodeGif(const RasterImage& image, std::string& out);

} // namespace vartel
