#pragma once
// The R, G, B bytes of a picture's pixels, row after row, as libjpeg and libpng take them.
#include "views/RasterImage.h"

#include <vector>

namespace vartel {

inline std::vector<unsigned char> PackedRgb(const RasterImage& image)
{
    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()) * 3);
    for (int y = 0; y < image.Height(); ++y)
        for (const std::uint32_t* p = image.Row(y); p != image.Row(y) + image.Width(); ++p) {
            rgb.push_back(static_cast<unsigned char>(*p >> 16));
            rgb.push_back(static_cast<unsigned char>(*p >> 8));
            rgb.push_back(static_cast<unsigned char>(*p));
        }
    return rgb;
}

} // namespace vartel
