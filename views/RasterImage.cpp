#include "views/RasterImage.h"

#include <algorithm>

namespace vartel {

RasterImage::RasterImage(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), ValueOf(fill))
{
}

Color RasterImage::PixelColor(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return ColorOf(Row(y)[x]);
}

void RasterImage::Fill(Color color)
{
    std::fill(pixels_.begin(), pixels_.end(), ValueOf(color));
}

} // namespace vartel
