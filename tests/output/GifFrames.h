#pragma once
// An animated GIF read back with giflib, for the tests of the writers that make one.
#include "views/RasterImage.h"

#include <string>
#include <vector>

namespace vartel::test {

struct GifFrames {
    std::string Error; // giflib's reason when the file could not be read
    PixelSize Size;
    bool LoopsForEver = false; // the NETSCAPE2.0 block with a loop count of 0
    std::vector<RasterImage> Frames;
    std::vector<int> Delays; // hundredths of a second
};

GifFrames ReadGifFrames(const std::string& path);

// The part of `frame` of `size` whose top left corner is at (left, top).
RasterImage PartOf(const RasterImage& frame, int left, int top, PixelSize size);

} // namespace vartel::test
