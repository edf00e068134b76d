#include "views/RasterImage.h"

#include <algorithm>
#include <utility>

namespace vartel {

RasterImage::RasterImage(int width, int height, Color fill)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), ValueOf(fill))
{
}

RasterImage& RasterImage::operator=(const RasterImage& other)
{
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        pixels_ = other.pixels_;
        ++revision_;
    }
    return *this;
}

RasterImage& RasterImage::operator=(RasterImage&& other) noexcept
{
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        pixels_ = std::move(other.pixels_);
        other.width_ = other.height_ = 0;
        other.pixels_.clear();
        ++revision_;
    }
    return *this;
}

Color RasterImage::PixelColor(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return 0;
    return ColorOf(Row(y)[x]);
}

void RasterImage::Fill(Color color)
{
    ++revision_;
    std::fill(pixels_.begin(), pixels_.end(), ValueOf(color));
}

} // namespace vartel
