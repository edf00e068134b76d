#pragma once
// The canvas of an image control: draws into a RasterImage with the raster rules of the original toolkit
// (right and bottom edges excluded, line end points left out, 3-on-3-off dots), pixel for pixel.
//
// On a screen with a device pixel ratio d above 1 the image holds the view at the screen's resolution while
// the drawing keeps its logical coordinates: logical pixel x covers device columns Edge(x)..Edge(x + 1) - 1,
// so rectangles, thin lines and dots are the 1x pixels magnified on the device grid, and wide pens and
// text are drawn at d times their size, as sharp as the screen allows.
#include "views/Canvas.h"
#include "views/RasterImage.h"

#include <QFont>
#include <QFontMetrics>

#include <cstdint>
#include <memory>
#include <optional>

namespace vartel {

class PenDisc;

class RasterCanvas final : public Canvas {
public:
    // Draws into `image`, which must outlive the canvas. With a deviceRatio above 1 the image is
    // DeviceSize(logical size, deviceRatio); ratios below 1 count as 1.
    explicit RasterCanvas(RasterImage& image, double deviceRatio = 1.0);
    ~RasterCanvas() override;

    // The device pixels of a logical size: Edge(width) x Edge(height).
    static PixelSize DeviceSize(PixelSize logical, double deviceRatio);

    // Logical size.
    int Width() const override;
    int Height() const override;
    double DeviceRatio() const { return ratio_; }

    void Rectangle(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const std::string& text) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // Colour of one logical pixel (its top-left device pixel); black (0) outside the image.
    Color Pixel(int x, int y) const;

private:
    bool Magnified() const { return ratio_ != 1.0; }
    // The device pixel edge of a logical coordinate: round(v d), halves up.
    std::int64_t Edge(std::int64_t v) const;
    void DrawSegment(Point from, Point to);
    void DrawThinOnDevice(Point from, Point to, bool dotted, Color color);
    // A wide pen on the device grid: round dots of `width` device pixels along the Bresenham line, both
    // ends included.
    void StampLine(std::int64_t ax, std::int64_t ay, std::int64_t bx, std::int64_t by, int width, Color color);
    // Logical pixels, inclusive bounds.
    void FillBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, Color color);
    // Device pixels, inclusive bounds.
    void FillDeviceBox(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom, Color color);
    void StampPen(std::int64_t x, std::int64_t y, const PenDisc& disc, std::uint32_t value);

    // The Qt fonts of the current font, made again only when its face, size or boldness changes: a view
    // writes most of its texts in one font.
    struct QtFonts {
        std::string Face;
        int Size;
        bool Bold;
        QFontMetrics Metrics; // of the logical font
        QFont Device;         // at the device's resolution
        int DeviceAscent;
    };
    const QtFonts& CurrentQtFonts();

    // The last dot a wide pen left, and the image's revision just after it.
    struct LastStamp {
        std::int64_t X, Y;
        int Width;
        std::uint32_t Value;
        std::uint64_t ImageRevision;
        bool operator==(const LastStamp&) const = default;
    };

    RasterImage& image_;
    double ratio_ = 1.0;
    std::unique_ptr<PenDisc> disc_; // the last wide pen's rows
    std::optional<LastStamp> lastStamp_;
    std::optional<QtFonts> qtFonts_;
};

} // namespace vartel
