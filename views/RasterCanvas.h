#pragma once
// The canvas of an image control: draws into a QImage with the raster rules of the original toolkit
// (right and bottom edges excluded, line end points left out, 3-on-3-off dots), pixel for pixel.
#include "views/Canvas.h"

#include <QImage>

#include <cstdint>

namespace vartel {

// A pixel rectangle; right and bottom are exclusive.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

class RasterCanvas final : public Canvas {
public:
    // Draws into `image`, which must outlive the canvas; converted to Format_RGB32 if needed.
    explicit RasterCanvas(QImage& image);

    int Width() const override;
    int Height() const override;

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // Colour of one pixel; black (0) outside the image.
    Color Pixel(int x, int y) const;

    // Copies `from` of `source` onto `to` of this image, stretched nearest-neighbour when the sizes differ.
    // Parts outside either image are left out.
    void CopyRect(const PixelRect& to, const QImage& source, const PixelRect& from);
    void CopyRect(const PixelRect& to, const RasterCanvas& source, const PixelRect& from);

    const QImage& Image() const { return image_; }

private:
    void DrawSegment(Point from, Point to);
    void FillBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, Color color);
    void StampPen(std::int64_t x, std::int64_t y, int width, std::uint32_t value);

    QImage& image_;
};

} // namespace vartel
