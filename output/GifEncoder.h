#pragma once
#include "views/RasterImage.h"

#include <functional>
#include <string>

namespace vartel {

// Encodes `image` as a single-image GIF with one global palette into `out`. The palette is exact when the
// image has at most 256 colours; otherwise the colours are reduced by giflib's median-cut quantiser.
// Returns "" on success, otherwise giflib's reason.
std::string EncodeGif(const RasterImage& image, std::string& out);

// Draws frame `index` over the whole of `frame` and returns how long it shows, in hundredths of a second.
using FrameDrawing = std::function<int(int index, RasterImage& frame)>;

// Encodes `frameCount` frames of `size` as an animated GIF that loops for ever into `out`. Each frame is a
// whole picture with its own palette, made as EncodeGif makes it. Returns "" on success, otherwise the reason.
std::string EncodeAnimatedGif(PixelSize size, int frameCount, const FrameDrawing& drawFrame, std::string& out);

} // namespace vartel
