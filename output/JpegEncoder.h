#pragma once
#include "views/RasterImage.h"

#include <string>

namespace vartel {

// Encodes `image` as a baseline colour JPEG at `quality` 0..100 into `out`: no chroma subsampling (1x1 for
// all three components) and a JFIF density of 96 dots per inch, libjpeg's defaults otherwise.
// Returns "" on success, otherwise libjpeg's reason; never ends the process.
std::string EncodeJpeg(const RasterImage& image, int quality, std::string& out);

} // namespace vartel
