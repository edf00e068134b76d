#pragma once
// A picture in plain memory, as the raster canvas draws it and the picture writers read it: 32-bit pixels
// 0xffRRGGBB (the layout of Qt's Format_RGB32, so the window can wrap the pixels without a copy), rows top
// to bottom without padding.
#include "model/Color.h"

#include <cstdint>
#include <vector>

namespace vartel {

struct PixelSize {
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelSize&) const = default;
};

class RasterImage {
public:
    RasterImage() = default;
    // Sizes below 0 count as 0.
    RasterImage(int width, int height, Color fill = Rgb(255, 255, 255));
    RasterImage(const RasterImage&) = default;
    RasterImage(RasterImage&&) = default;
    // A picture assigned over this one counts as drawn on (see Revision).
    RasterImage& operator=(const RasterImage& other);
    RasterImage& operator=(RasterImage&& other) noexcept;

    int Width() const { return width_; }
    int Height() const { return height_; }
    PixelSize Size() const { return {width_, height_}; }
    bool IsNull() const { return pixels_.empty(); }

    std::uint32_t* Row(int y)
    {
        ++revision_;
        return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    const std::uint32_t* Row(int y) const
    {
        return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    std::uint32_t* Bits()
    {
        ++revision_;
        return pixels_.data();
    }
    const std::uint32_t* Bits() const { return pixels_.data(); }

    // The colour of a pixel inside the picture; black outside.
    Color PixelColor(int x, int y) const;
    void Fill(Color color);

    static std::uint32_t ValueOf(Color c)
    {
        return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) |
               (static_cast<std::uint32_t>(GreenOf(c)) << 8) | static_cast<std::uint32_t>(BlueOf(c));
    }
    static Color ColorOf(std::uint32_t value)
    {
        return Rgb(static_cast<int>((value >> 16) & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                   static_cast<int>(value & 0xFF));
    }

    // Counts the times the pixels were handed out for writing, so a drawer can tell that nothing was drawn
    // since it last drew.
    std::uint64_t Revision() const { return revision_; }

    // The same size and pixels.
    bool operator==(const RasterImage& other) const
    {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    std::uint64_t revision_ = 0;
};

} // namespace vartel
