#include "views/RasterCanvas.h"

#include "views/QtColor.h"
#include "views/QtFont.h"
#include "views/QtRasterImage.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace vartel {

namespace {

using i64 = std::int64_t;
using i128 = __int128;

// Wider pens are drawn as this wide at most, so a nonsense width cannot make a line slow.
constexpr int MaxPenWidth = 256;
// Dotted cosmetic pen: 3 pixels on, 3 off, counted from the start of each line.
constexpr i64 DotPeriod = 6;
constexpr i64 DotOn = 3;

double UsableRatio(double ratio)
{
    return std::isfinite(ratio) && ratio > 1.0 ? ratio : 1.0;
}

i64 EdgeAt(i64 v, double ratio)
{
    return static_cast<i64>(std::floor(static_cast<double>(v) * ratio + 0.5));
}

// The pixel sequence of a Bresenham line from a to b, addressable by step number, so that a line coming
// from far outside can start drawing where it enters the image and still hit the same pixels.
class BresenhamLine {
public:
    BresenhamLine(i64 ax, i64 ay, i64 bx, i64 by)
        : x0_(ax), y0_(ay), dx_(bx - ax), dy_(by - ay), adx_(std::llabs(dx_)), ady_(std::llabs(dy_)),
          steps_(std::max(adx_, ady_)), xMajor_(adx_ >= ady_)
    {
    }
    BresenhamLine(Point a, Point b) : BresenhamLine(a.x, a.y, b.x, b.y) {}

    bool AxisParallel() const { return dx_ == 0 || dy_ == 0; }

    i64 Steps() const { return steps_; }
    i64 X(i64 i) const { return x0_ + Offset(i, dx_, adx_, xMajor_); }
    i64 Y(i64 i) const { return y0_ + Offset(i, dy_, ady_, !xMajor_); }

    // Steps 0..last whose pixel lies within [lo, hi] in both coordinates; false when there are none.
    bool StepsWithin(i64 last, i64 xLo, i64 xHi, i64 yLo, i64 yHi, i64& first, i64& final) const
    {
        first = 0;
        final = last;
        return Narrow(first, final, xLo, xHi, [this](i64 i) { return X(i); }) &&
               Narrow(first, final, yLo, yHi, [this](i64 i) { return Y(i); });
    }

private:
    i64 Offset(i64 i, i64 d, i64 ad, bool major) const
    {
        if (major || steps_ == 0 || ad == 0) // axis-parallel lines, most of the drawing, skip the division
            return major ? (d < 0 ? -i : i) : 0;
        const i128 along = (i128{2} * i * ad + steps_) / (i128{2} * steps_);
        return d < 0 ? -static_cast<i64>(along) : static_cast<i64>(along);
    }

    // Each coordinate is monotonic in the step, so the steps inside [lo, hi] form one interval.
    template <typename Coordinate> static bool Narrow(i64& first, i64& final, i64 lo, i64 hi, Coordinate coordinate)
    {
        if (first > final)
            return false;
        const bool rising = coordinate(final) >= coordinate(first);
        auto beyondStart = [&](i64 i) { return rising ? coordinate(i) >= lo : coordinate(i) <= hi; };
        auto beforeEnd = [&](i64 i) { return rising ? coordinate(i) <= hi : coordinate(i) >= lo; };
        // First step that has passed the near bound.
        i64 low = first, high = final + 1;
        while (low < high) {
            const i64 mid = low + (high - low) / 2;
            if (beyondStart(mid))
                high = mid;
            else
                low = mid + 1;
        }
        const i64 newFirst = low;
        // Last step that has not yet passed the far bound.
        low = first - 1;
        high = final;
        while (low < high) {
            const i64 mid = low + (high - low + 1) / 2;
            if (beforeEnd(mid))
                low = mid;
            else
                high = mid - 1;
        }
        first = newFirst;
        final = low;
        return first <= final;
    }

    i64 x0_, y0_, dx_, dy_, adx_, ady_, steps_;
    bool xMajor_;
};

} // namespace

RasterCanvas::RasterCanvas(RasterImage& image, double deviceRatio) : image_(image), ratio_(UsableRatio(deviceRatio)) {}

PixelSize RasterCanvas::DeviceSize(PixelSize logical, double deviceRatio)
{
    const double ratio = UsableRatio(deviceRatio);
    return {static_cast<int>(EdgeAt(logical.Width, ratio)), static_cast<int>(EdgeAt(logical.Height, ratio))};
}

// Edge() is within half a device pixel of v d, so the logical size comes back exactly.
int RasterCanvas::Width() const
{
    return Magnified() ? static_cast<int>(std::lround(image_.Width() / ratio_)) : image_.Width();
}

int RasterCanvas::Height() const
{
    return Magnified() ? static_cast<int>(std::lround(image_.Height() / ratio_)) : image_.Height();
}

i64 RasterCanvas::Edge(i64 v) const
{
    return Magnified() ? EdgeAt(v, ratio_) : v;
}

void RasterCanvas::FillBox(i64 left, i64 top, i64 right, i64 bottom, Color color)
{
    FillDeviceBox(Edge(left), Edge(top), Edge(right + 1) - 1, Edge(bottom + 1) - 1, color);
}

void RasterCanvas::FillDeviceBox(i64 left, i64 top, i64 right, i64 bottom, Color color)
{
    left = std::max<i64>(left, 0);
    top = std::max<i64>(top, 0);
    right = std::min<i64>(right, image_.Width() - 1);
    bottom = std::min<i64>(bottom, image_.Height() - 1);
    if (left > right || top > bottom)
        return;
    const std::uint32_t value = RasterImage::ValueOf(color);
    std::uint32_t* bits = image_.Bits();
    const i64 stride = image_.Width();
    for (i64 y = top; y <= bottom; ++y) {
        std::uint32_t* row = bits + y * stride;
        std::fill(row + left, row + right + 1, value);
    }
}

// The rows of a round pen `width` pixels across, around the pixel (odd widths) or the pixel corner (even
// widths): row oy = -Reach()..Reach() covers columns First(oy)..Last(oy), none when First > Last.
class PenDisc {
public:
    explicit PenDisc(int width) : width_(width), reach_(width / 2)
    {
        const double centre = (width % 2 == 0) ? 0.5 : 0.0;
        const double radius2 = (width / 2.0) * (width / 2.0);
        for (int oy = -reach_; oy <= reach_; ++oy) {
            const double cy = oy + centre;
            int first = reach_ + 1, last = -reach_ - 1;
            for (int ox = -reach_; ox <= reach_; ++ox) {
                const double cx = ox + centre;
                if (cx * cx + cy * cy <= radius2) {
                    first = std::min(first, ox);
                    last = std::max(last, ox);
                }
            }
            rows_.push_back({first, last});
        }
    }
    int Width() const { return width_; }
    int Reach() const { return reach_; }
    int First(int oy) const { return rows_[static_cast<std::size_t>(oy + reach_)].first; }
    int Last(int oy) const { return rows_[static_cast<std::size_t>(oy + reach_)].second; }

private:
    int width_;
    int reach_;
    std::vector<std::pair<int, int>> rows_;
};

RasterCanvas::~RasterCanvas() = default;

void RasterCanvas::StampPen(i64 x, i64 y, const PenDisc& disc, std::uint32_t value)
{
    const i64 w = image_.Width();
    const i64 h = image_.Height();
    std::uint32_t* bits = image_.Bits();
    for (int oy = -disc.Reach(); oy <= disc.Reach(); ++oy) {
        const i64 py = y + oy;
        const i64 first = std::max<i64>(x + disc.First(oy), 0);
        const i64 last = std::min<i64>(x + disc.Last(oy), w - 1);
        if (py < 0 || py >= h || first > last)
            continue;
        std::uint32_t* row = bits + py * w;
        std::fill(row + first, row + last + 1, value);
    }
}

void RasterCanvas::DrawSegment(Point from, Point to)
{
    if (pen.Style == PenStyle::Clear || image_.IsNull())
        return;
    const int width = std::clamp(pen.Width, 1, MaxPenWidth);
    const bool wide = width > 1;
    // Like the toolkit's pens: dots exist only for 1-pixel pens; wide pens have round caps at both ends.
    const bool dotted = pen.Style == PenStyle::Dot && !wide;
    if (!wide && Magnified()) {
        DrawThinOnDevice(from, to, dotted, pen.Color);
        return;
    }
    if (wide) {
        if (!Magnified()) {
            StampLine(from.x, from.y, to.x, to.y, width, pen.Color);
            return;
        }
        // The 1x line's centre, magnified: odd pens are centred on a pixel, even ones on a pixel corner,
        // and the device pen is placed the same way by its own width.
        const int deviceWidth = std::clamp(static_cast<int>(std::lround(width * ratio_)), 1, MaxPenWidth);
        auto centre = [&](int v) {
            const double c = (width % 2 == 0 ? v : v + 0.5) * ratio_;
            return static_cast<i64>(std::floor(deviceWidth % 2 == 0 ? c + 0.5 : c));
        };
        StampLine(centre(from.x), centre(from.y), centre(to.x), centre(to.y), deviceWidth, pen.Color);
        return;
    }
    const BresenhamLine line(from, to);
    const i64 last = line.Steps() - 1;
    if (last < 0)
        return;
    i64 first = 0, final = 0;
    if (!line.StepsWithin(last, 0, image_.Width() - 1, 0, image_.Height() - 1, first, final))
        return;
    // Thin pens, nearly all of the drawing: the pixels are addressed directly.
    const std::uint32_t value = RasterImage::ValueOf(pen.Color);
    std::uint32_t* bits = image_.Bits();
    const i64 w = image_.Width(), h = image_.Height();
    for (i64 i = first; i <= final; ++i) {
        if (dotted && i % DotPeriod >= DotOn)
            continue;
        const i64 x = line.X(i), y = line.Y(i);
        if (x >= 0 && y >= 0 && x < w && y < h)
            bits[y * w + x] = value;
    }
}

void RasterCanvas::DrawThinOnDevice(Point from, Point to, bool dotted, Color color)
{
    // The 1x pixels of the line, each covering its block of device pixels.
    const BresenhamLine line(from, to);
    const i64 last = line.Steps() - 1;
    i64 first = 0, final = 0;
    if (last < 0 || !line.StepsWithin(last, 0, Width() - 1, 0, Height() - 1, first, final))
        return;
    if (!line.AxisParallel()) {
        for (i64 i = first; i <= final; ++i)
            if (!dotted || i % DotPeriod < DotOn)
                FillBox(line.X(i), line.Y(i), line.X(i), line.Y(i), color);
        return;
    }
    // Along an axis the pixels of a dash, or of the whole solid line, make one box.
    for (i64 i = first; i <= final;) {
        if (dotted && i % DotPeriod >= DotOn) {
            i += DotPeriod - i % DotPeriod;
            continue;
        }
        const i64 end = dotted ? std::min(final, i - i % DotPeriod + DotOn - 1) : final;
        FillBox(std::min(line.X(i), line.X(end)), std::min(line.Y(i), line.Y(end)), std::max(line.X(i), line.X(end)),
                std::max(line.Y(i), line.Y(end)), color);
        i = end + 1;
    }
}

void RasterCanvas::StampLine(i64 ax, i64 ay, i64 bx, i64 by, int width, Color color)
{
    const BresenhamLine line(ax, ay, bx, by);
    const i64 margin = width / 2 + 1;
    i64 first = 0, final = 0;
    if (!line.StepsWithin(line.Steps(), -margin, image_.Width() - 1 + margin, -margin, image_.Height() - 1 + margin,
                          first, final))
        return;
    const std::uint32_t value = RasterImage::ValueOf(color);
    if (!disc_ || disc_->Width() != width)
        disc_ = std::make_unique<PenDisc>(width);
    // A curve drawn year by year starts each segment on the dot that ended the last one: with nothing
    // drawn on the image since (its revision unchanged), that dot is there already.
    const LastStamp start{line.X(first), line.Y(first), width, value, image_.Revision()};
    if (lastStamp_ && *lastStamp_ == start)
        ++first;
    for (i64 i = first; i <= final; ++i)
        StampPen(line.X(i), line.Y(i), *disc_, value);
    lastStamp_ = LastStamp{line.X(final), line.Y(final), width, value, image_.Revision()};
}

void RasterCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    if (pen.Style == PenStyle::Clear) {
        if (brush.Style == BrushStyle::Solid)
            FillBox(left, top, i64{right} - 2, i64{bottom} - 2, brush.Color);
        return;
    }
    if (right == left || bottom == top)
        return;
    if (brush.Style == BrushStyle::Solid)
        FillBox(i64{left} + 1, i64{top} + 1, i64{right} - 2, i64{bottom} - 2, brush.Color);
    const Point corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1}, {left, bottom - 1}};
    for (int i = 0; i < 4; ++i)
        DrawSegment(corners[i], corners[(i + 1) % 4]);
}

void RasterCanvas::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void RasterCanvas::LineTo(int x, int y)
{
    DrawSegment(position_, {x, y});
    position_ = {x, y};
}

const RasterCanvas::QtFonts& RasterCanvas::CurrentQtFonts()
{
    if (!qtFonts_ || qtFonts_->Face != font.Face || qtFonts_->Size != font.Size || qtFonts_->Bold != font.Bold) {
        const QFont logical = ToQFont(font);
        const QFont device = Magnified() ? ToQFont(font, ratio_) : logical;
        qtFonts_.emplace(
            QtFonts{font.Face, font.Size, font.Bold, QFontMetrics(logical), device, QFontMetrics(device).ascent()});
    }
    return *qtFonts_;
}

void RasterCanvas::TextOut(int x, int y, const std::string& text)
{
    const QtFonts& fonts = CurrentQtFonts();
    const QFontMetrics& metrics = fonts.Metrics;
    const QString qtext = QString::fromStdString(text);
    const i64 height = metrics.height();
    if (i64{y} + height <= 0 || x >= Width() || y >= Height())
        return;
    // Shaping the text for its width costs as much as drawing it: only a cell to fill or a start left of
    // the picture needs it.
    const bool filled = brush.Style == BrushStyle::Solid;
    if (filled || x < 0) {
        const i64 width = metrics.horizontalAdvance(qtext);
        if (i64{x} + width <= 0)
            return;
        if (filled)
            FillBox(x, y, x + width - 1, y + height - 1, brush.Color);
    }
    // The cell keeps its logical size; the letters are drawn at the device's resolution.
    QImage device = WrappedForDrawing(image_);
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setFont(fonts.Device);
    painter.setPen(ToQColor(font.Color));
    painter.drawText(QPoint(static_cast<int>(Edge(x)), static_cast<int>(Edge(y)) + fonts.DeviceAscent), qtext);
}

int RasterCanvas::TextWidth(const std::string& text)
{
    return CurrentQtFonts().Metrics.horizontalAdvance(QString::fromStdString(text));
}

int RasterCanvas::TextHeight(const std::string&)
{
    return CurrentQtFonts().Metrics.height();
}

Color RasterCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height())
        return 0;
    const i64 deviceX = std::min<i64>(Edge(x), image_.Width() - 1);
    const i64 deviceY = std::min<i64>(Edge(y), image_.Height() - 1);
    return image_.PixelColor(static_cast<int>(deviceX), static_cast<int>(deviceY));
}

} // namespace vartel
