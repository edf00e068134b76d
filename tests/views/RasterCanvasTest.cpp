#include "DeviceImages.h"

#include "States.h"
#include "views/DeferredCanvas.h"
#include "views/GraphView.h"
#include "views/QtFont.h"
#include "views/QtRasterImage.h"
#include "views/RasterCanvas.h"
#include "views/TextMetrics.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vartel {
namespace {

constexpr Color White = Rgb(255, 255, 255);
constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Blue = Rgb(0, 0, 255);
constexpr Color Black = Rgb(0, 0, 0);

std::set<std::pair<int, int>> PixelsOf(const RasterCanvas& c, Color color)
{
    std::set<std::pair<int, int>> result;
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x)
            if (c.Pixel(x, y) == color)
                result.insert({x, y});
    return result;
}

TEST(RasterRectangle, OutlineExcludesRightAndBottomEdgesAndBrushFillsTheInside)
{
    RasterImage image(20, 20);
    RasterCanvas c(image);
    c.pen = {Red, 1, PenStyle::Solid};
    c.brush = {Blue, BrushStyle::Solid};
    c.Rectangle(2, 3, 8, 7);
    for (int x = 2; x <= 7; ++x) {
        EXPECT_EQ(c.Pixel(x, 3), Red) << "top edge at x=" << x;
        EXPECT_EQ(c.Pixel(x, 6), Red) << "bottom outline is row b-1=6, x=" << x;
        EXPECT_EQ(c.Pixel(x, 7), White) << "row b=7 is excluded, x=" << x;
    }
    for (int y = 3; y <= 6; ++y) {
        EXPECT_EQ(c.Pixel(2, y), Red) << "left edge at y=" << y;
        EXPECT_EQ(c.Pixel(7, y), Red) << "right outline is column r-1=7, y=" << y;
        EXPECT_EQ(c.Pixel(8, y), White) << "column r=8 is excluded, y=" << y;
    }
    EXPECT_EQ(c.Pixel(3, 4), Blue) << "inside is filled with the brush";
    EXPECT_EQ(c.Pixel(6, 5), Blue) << "inside is filled with the brush";
    EXPECT_EQ(PixelsOf(c, Blue).size(), 4u * 2u) << "fill covers (l+1..r-2) x (t+1..b-2) = 4 x 2";
    EXPECT_EQ(c.Position().x, 0) << "Rectangle does not move the current position";
}

TEST(RasterRectangle, ClearPenFillsOnePixelNarrowerAndLower)
{
    RasterImage image(20, 20);
    RasterCanvas c(image);
    c.pen.Style = PenStyle::Clear;
    c.brush = {Blue, BrushStyle::Solid};
    c.Rectangle(2, 3, 8, 7);
    std::set<std::pair<int, int>> expected;
    for (int y = 3; y <= 5; ++y)
        for (int x = 2; x <= 6; ++x)
            expected.insert({x, y});
    EXPECT_EQ(PixelsOf(c, Blue), expected) << "a clear pen fills columns l..r-2 and rows t..b-2";
}

TEST(RasterRectangle, SwappedCornersAreNormalisedAndEmptyOrClearShapesDrawNothing)
{
    RasterImage a(20, 20), b(20, 20);
    RasterCanvas ca(a), cb(b);
    for (RasterCanvas* c : {&ca, &cb}) {
        c->pen.Color = Red;
        c->brush.Color = Blue;
    }
    ca.Rectangle(2, 3, 8, 7);
    cb.Rectangle(8, 7, 2, 3);
    EXPECT_EQ(a, b) << "corners given in either order draw the same rectangle";

    RasterImage e(20, 20);
    RasterCanvas ce(e);
    ce.Rectangle(5, 2, 5, 9);
    ce.pen.Style = PenStyle::Clear;
    ce.brush.Style = BrushStyle::Clear;
    ce.Rectangle(1, 1, 10, 10);
    EXPECT_EQ(e, RasterImage(20, 20)) << "a zero-width rectangle and a clear pen with a clear brush draw nothing";
}

TEST(RasterLine, LeavesOutTheEndPointWhichBecomesThePosition)
{
    RasterImage image(20, 20);
    RasterCanvas c(image);
    c.MoveTo(2, 5);
    c.LineTo(9, 5);
    EXPECT_EQ(c.Pixel(2, 5), Black) << "the start point is drawn";
    EXPECT_EQ(c.Pixel(8, 5), Black) << "the point before the end is drawn";
    EXPECT_EQ(c.Pixel(9, 5), White) << "the end point is left out";
    EXPECT_EQ(c.Position().x, 9) << "the end point becomes the current position";
    c.LineTo(9, 12);
    EXPECT_EQ(c.Pixel(9, 5), Black) << "the next segment of a polyline starts on the previous end point";
    EXPECT_EQ(c.Pixel(9, 12), White) << "only the polyline's very last point stays out";
    EXPECT_EQ(PixelsOf(c, Black).size(), 14u) << "7 + 7 pixels";

    RasterImage dot(5, 5);
    RasterCanvas cd(dot);
    cd.MoveTo(2, 2);
    cd.LineTo(2, 2);
    EXPECT_EQ(dot, RasterImage(5, 5)) << "a zero-length line of a 1-pixel pen draws nothing";
}

TEST(RasterLine, SlopedLinesFollowBresenham)
{
    RasterImage image(10, 10);
    RasterCanvas c(image);
    c.MoveTo(0, 0);
    c.LineTo(6, 2);
    const std::set<std::pair<int, int>> expected{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}};
    EXPECT_EQ(PixelsOf(c, Black), expected) << "one pixel per column, y rounded to the nearest row";

    RasterImage steep(10, 10);
    RasterCanvas cs(steep);
    cs.MoveTo(1, 8);
    cs.LineTo(4, 0);
    EXPECT_EQ(PixelsOf(cs, Black).size(), 8u) << "a steep line has one pixel per row, end point excluded";
    EXPECT_EQ(cs.Pixel(1, 8), Black) << "starts at its start point";
}

TEST(RasterLine, DottedPenIsThreeOnThreeOffWithTransparentGaps)
{
    RasterImage image(30, 3);
    RasterCanvas c(image);
    c.pen = {Blue, 1, PenStyle::Dot};
    c.MoveTo(0, 1);
    c.LineTo(20, 1);
    for (int x = 0; x < 20; ++x) {
        const bool on = x % 6 < 3;
        EXPECT_EQ(c.Pixel(x, 1), on ? Blue : White) << "x=" << x << (on ? " is a dash" : " is a gap");
    }
    EXPECT_EQ(c.Pixel(20, 1), White) << "the end point is left out";

    c.pen = {Blue, 3, PenStyle::Dot};
    c.MoveTo(0, 1);
    c.LineTo(20, 1);
    EXPECT_EQ(c.Pixel(4, 1), Blue) << "a dotted pen wider than 1 pixel draws solid";
}

TEST(RasterLine, WidePenIsCentredWithRoundCapsAtBothEnds)
{
    RasterImage image(30, 20);
    RasterCanvas c(image);
    c.pen = {Red, 3, PenStyle::Solid};
    c.MoveTo(10, 10);
    c.LineTo(20, 10);
    for (int y = 9; y <= 11; ++y) {
        EXPECT_EQ(c.Pixel(9, y), Red) << "the cap reaches one pixel before the start, y=" << y;
        EXPECT_EQ(c.Pixel(21, y), Red) << "the cap reaches one pixel past the end, y=" << y;
    }
    EXPECT_EQ(c.Pixel(15, 8), White) << "a 3-pixel pen covers rows 9..11 only";
    EXPECT_EQ(c.Pixel(15, 12), White) << "a 3-pixel pen covers rows 9..11 only";
    EXPECT_EQ(c.Pixel(22, 10), White) << "nothing beyond the cap";

    RasterImage point(10, 10);
    RasterCanvas cp(point);
    cp.pen = {Red, 3, PenStyle::Solid};
    cp.MoveTo(5, 5);
    cp.LineTo(5, 5);
    EXPECT_EQ(PixelsOf(cp, Red).size(), 9u) << "a zero-length line of a wide pen is one round dot";
    EXPECT_EQ(cp.Pixel(5, 5), Red) << "the dot is centred on the point";
}

// A wide curve drawn segment by segment spares the dot its last segment ended on; whatever covered that
// dot in between, through the canvas or past it, must not make it go missing.
TEST(RasterLine, AWidePenRedrawsTheSharedEndDotAfterAnythingCoveredIt)
{
    const std::vector<std::pair<const char*, std::function<void(RasterCanvas&, RasterImage&)>>> coverings = {
        {"a box of the canvas",
         [](RasterCanvas& c, RasterImage&) {
             c.pen.Style = PenStyle::Clear;
             c.brush = {Blue, BrushStyle::Solid};
             c.Rectangle(8, 8, 15, 15);
             c.pen = {Red, 3, PenStyle::Solid};
         }},
        {"a painter on the image",
         [](RasterCanvas&, RasterImage& image) {
             QImage wrapped = WrappedForDrawing(image);
             QPainter(&wrapped).fillRect(QRect(8, 8, 6, 6), Qt::blue);
         }},
        {"the image refilled", [](RasterCanvas&, RasterImage& image) { image.Fill(White); }},
    };
    for (const auto& [what, cover] : coverings) {
        RasterImage image(30, 20);
        RasterCanvas c(image);
        c.pen = {Red, 3, PenStyle::Solid};
        c.MoveTo(5, 10);
        c.LineTo(10, 10);
        cover(c, image);
        c.LineTo(10, 10); // a year in the same column, as the curve draws them
        c.LineTo(20, 10);
        for (int y = 9; y <= 11; ++y)
            for (int x = 9; x <= 11; ++x)
                EXPECT_EQ(c.Pixel(x, y), Red) << what << ": the shared dot is whole at " << x << "," << y;
    }
}

TEST(RasterLine, LinesFromFarOutsideAreClippedToTheSamePixels)
{
    // The same lines drawn on a large image and, shifted, on a small one must agree where they overlap.
    const struct {
        Point from, to;
        Pen pen;
    } lines[] = {{{-50, -20}, {60, 33}, {Black, 1, PenStyle::Solid}},
                 {{-37, 5}, {70, -9}, {Black, 1, PenStyle::Dot}},
                 {{3, -80}, {17, 90}, {Black, 3, PenStyle::Solid}},
                 {{-90, 45}, {95, -41}, {Black, 2, PenStyle::Solid}}};
    for (const auto& line : lines) {
        RasterImage big(400, 400), small(20, 15);
        RasterCanvas cb(big), cs(small);
        cb.pen = cs.pen = line.pen;
        cb.MoveTo(line.from.x + 200, line.from.y + 200);
        cb.LineTo(line.to.x + 200, line.to.y + 200);
        cs.MoveTo(line.from.x, line.from.y);
        cs.LineTo(line.to.x, line.to.y);
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(cs.Pixel(x, y), cb.Pixel(x + 200, y + 200))
                    << "clipped line from (" << line.from.x << "," << line.from.y << ") differs at " << x << "," << y;
    }
}

TEST(RasterLine, ExtremeCoordinatesAreSafe)
{
    RasterImage image(847, 162);
    RasterCanvas c(image);
    c.pen = {Red, 3, PenStyle::Solid};
    c.MoveTo(-1000000, 80);
    c.LineTo(1000000, 80);
    EXPECT_EQ(c.Pixel(0, 80), Red) << "a line through the image from far left to far right is drawn";
    EXPECT_EQ(c.Pixel(846, 80), Red) << "a line through the image from far left to far right is drawn";
    c.MoveTo(400, -1000000);
    c.LineTo(400, 800);
    EXPECT_EQ(c.Pixel(400, 0), Red) << "a line from far above is drawn";
    c.MoveTo(INT_MIN, INT_MIN);
    c.LineTo(INT_MAX, INT_MAX);
    c.MoveTo(INT_MAX, INT_MIN);
    c.LineTo(INT_MIN, INT_MAX);
    c.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    c.pen.Style = PenStyle::Clear;
    c.Rectangle(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    c.MoveTo(5, 10000000);
    c.LineTo(6, 10000001);
    EXPECT_EQ(c.Pixel(-1, 0), 0u) << "a pixel outside the image reads as 0";
    EXPECT_EQ(c.Pixel(0, 162), 0u) << "a pixel outside the image reads as 0";
}

TEST(RasterText, OpaqueOnSolidBrushTransparentOnClearBrushWithoutAntialiasing)
{
    RasterImage image(100, 40);
    RasterCanvas c(image);
    c.font = {"times new roman", 10, false, Red};
    c.brush = {Blue, BrushStyle::Solid};
    const int w = c.TextWidth("Years");
    const int h = c.TextHeight("Years");
    ASSERT_GT(w, 10) << "a 10-point text has a width";
    ASSERT_GE(h, 13) << "a 10-point font is at least 13 pixels high";
    c.TextOut(10, 5, "Years");
    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool inCell = x >= 10 && x < 10 + w && y >= 5 && y < 5 + h;
            const Color p = c.Pixel(x, y);
            if (!inCell)
                ASSERT_EQ(p, White) << "nothing outside the text cell at " << x << "," << y;
            else
                ASSERT_TRUE(p == Blue || p == Red)
                    << "only brush and font colour in the cell (no antialiasing) at " << x << "," << y;
            red += p == Red;
        }
    EXPECT_GT(red, 20) << "the letters are drawn in the font colour";

    RasterImage clear(100, 40);
    RasterCanvas cc(clear);
    cc.font = c.font;
    cc.brush.Style = BrushStyle::Clear;
    cc.TextOut(10, 5, "Years");
    EXPECT_EQ(PixelsOf(cc, Blue).size(), 0u) << "no background cell with a clear brush";
    EXPECT_EQ(static_cast<int>(PixelsOf(cc, Red).size()), red) << "the same letters on a transparent background";
    EXPECT_EQ(PixelsOf(cc, White).size() + PixelsOf(cc, Red).size(), 4000u) << "only letters and untouched pixels";

    RasterImage left(100, 40);
    RasterCanvas cl(left);
    cl.font = c.font;
    cl.brush.Style = BrushStyle::Clear;
    cl.TextOut(-4, 5, "Years");
    EXPECT_GT(PixelsOf(cl, Red).size(), 0u) << "a text starting left of the picture shows its visible part";
    const std::size_t shown = PixelsOf(cl, Red).size();
    cl.TextOut(-w, 25, "Years");
    EXPECT_EQ(PixelsOf(cl, Red).size(), shown) << "a text ending at the left edge draws nothing";
}

TEST(RasterText, FontMappingAndSizeDoNotDependOnTheScreen)
{
    const QFont tnr = ToQFont({"times new roman", 10, true, Black});
    EXPECT_EQ(tnr.family(), "Liberation Serif") << "times new roman maps to its metric twin";
    EXPECT_EQ(tnr.pixelSize(), 13) << "10 points at 96 dpi are 13 pixels";
    EXPECT_TRUE(tnr.bold()) << "bold is kept";
    EXPECT_EQ(tnr.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias) << "text is drawn without antialiasing";
    EXPECT_EQ(ToQFont({"Times New Roman", 40, false, Black}).pixelSize(), 53) << "40 points are 53 pixels";
    EXPECT_EQ(ToQFont({"Times New Roman", 12, false, Black}).pixelSize(), 16) << "12 points are 16 pixels";
    EXPECT_EQ(QtFamilyFor("MS Sans Serif"), "Liberation Sans") << "MS Sans Serif maps to Liberation Sans";
    EXPECT_EQ(QtFamilyFor("Courier"), "Liberation Mono") << "Courier maps to Liberation Mono";
    EXPECT_LT(TextWidthOf({"times new roman", 10, false, Black}, "Population"),
              TextWidthOf({"times new roman", 40, false, Black}, "Population"))
        << "a larger font measures wider";
    EXPECT_GT(TextWidthOf({"times new roman", 10, true, Black}, "Births per annum WWWWW"),
              TextWidthOf({"times new roman", 10, false, Black}, "Births per annum WWWWW"))
        << "bold measures wider";

    // One canvas through a change of face, size and boldness measures each text in the font set at the time.
    RasterImage image(10, 10);
    RasterCanvas c(image, 2.0);
    const Font fonts[] = {{"times new roman", 10, false, Black},
                          {"times new roman", 40, false, Black},
                          {"times new roman", 40, true, Black},
                          {"ms sans serif", 40, true, Black},
                          {"times new roman", 10, false, Red}};
    for (const Font& f : fonts) {
        c.font = f;
        EXPECT_EQ(c.TextWidth("Births per annum"), TextWidthOf(f, "Births per annum")) << f.Face << " " << f.Size;
        EXPECT_EQ(c.TextHeight("Births per annum"), TextHeightOf(f, "Births per annum")) << f.Face << " " << f.Size;
    }
}

// The same drawing on a 1x image and on a device image at ratio d.
struct Pair {
    RasterImage one, device;
    RasterCanvas c1, cd;
    Pair(int w, int h, double d)
        : one(w, h), device(test::DeviceEdge(w, d), test::DeviceEdge(h, d)), c1(one), cd(device, d)
    {
    }
    template <typename Drawing> void Draw(Drawing drawing)
    {
        drawing(c1);
        drawing(cd);
    }
};

constexpr double Ratios[] = {1.25, 1.5, 1.75, 2, 3};

TEST(RasterDeviceRatio, ImagesHaveTheDeviceSizeAndTheCanvasKeepsTheLogicalOne)
{
    EXPECT_EQ(RasterCanvas::DeviceSize({847, 162}, 2), PixelSize(1694, 324)) << "twice as many pixels each way";
    EXPECT_EQ(RasterCanvas::DeviceSize({847, 162}, 1.5), PixelSize(1271, 243)) << "847 x 1.5 = 1270.5, rounded up";
    EXPECT_EQ(RasterCanvas::DeviceSize({231, 278}, 1.25), PixelSize(289, 348)) << "288.75 and 347.5 rounded";
    EXPECT_EQ(RasterCanvas::DeviceSize({231, 278}, 0.5), PixelSize(231, 278)) << "a ratio below 1 counts as 1";
    for (double d : Ratios) {
        for (PixelSize logical : {PixelSize(847, 162), PixelSize(231, 278), PixelSize(1, 1)}) {
            const PixelSize device = RasterCanvas::DeviceSize(logical, d);
            RasterImage image(device.Width, device.Height);
            const RasterCanvas c(image, d);
            EXPECT_EQ(c.Width(), logical.Width) << "logical width at d = " << d;
            EXPECT_EQ(c.Height(), logical.Height) << "logical height at d = " << d;
        }
    }
}

TEST(RasterDeviceRatio, RectanglesThinLinesAndDotsAreThe1xPixelsEnlarged)
{
    const std::function<void(Canvas&)> drawings[] = {
        [](Canvas& c) {
            c.pen = {Red, 1, PenStyle::Solid};
            c.brush = {Blue, BrushStyle::Solid};
            c.Rectangle(3, 4, 17, 12);
        },
        [](Canvas& c) {
            c.pen.Style = PenStyle::Clear;
            c.brush = {Blue, BrushStyle::Solid};
            c.Rectangle(2, 3, 8, 7);
        },
        [](Canvas& c) {
            c.pen = {Blue, 1, PenStyle::Dot};
            c.MoveTo(1, 5);
            c.LineTo(24, 5);
            c.MoveTo(7, 1);
            c.LineTo(7, 15);
        },
        [](Canvas& c) {
            c.pen = {Black, 1, PenStyle::Solid};
            c.MoveTo(0, 0);
            c.LineTo(19, 6); // sloped: the 1x staircase, each step a device block
            c.LineTo(19, 15);
            c.LineTo(-30, 15); // from outside, clipped
        },
    };
    for (double d : Ratios)
        for (std::size_t i = 0; i < std::size(drawings); ++i) {
            Pair p(25, 16, d);
            p.Draw(drawings[i]);
            EXPECT_EQ(p.device, test::Enlarged(p.one, d)) << "drawing " << i << " at d = " << d;
            EXPECT_EQ(p.cd.Position().x, p.c1.Position().x) << "the position stays logical, d = " << d;
            EXPECT_EQ(p.cd.Pixel(3, 4), p.c1.Pixel(3, 4)) << "pixels are read in logical coordinates, d = " << d;
        }
}

TEST(RasterDeviceRatio, WidePensAreDTimesAsWideAndDrawnOnTheDeviceGrid)
{
    Pair p(40, 20, 2);
    p.Draw([](Canvas& c) {
        c.pen = {Red, 3, PenStyle::Solid};
        c.MoveTo(10, 10);
        c.LineTo(30, 10);
    });
    for (int y = 0; y < 40; ++y)
        EXPECT_EQ(p.device.PixelColor(40, y) == Red, y >= 18 && y <= 23)
            << "the 1x rows 9..11 are device rows 18..23, y = " << y;
    EXPECT_EQ(p.device.PixelColor(18, 20), Red) << "the cap reaches 1x column 9, device 18";
    EXPECT_EQ(p.device.PixelColor(63, 20), Red) << "and 1x column 31, device 63";
    EXPECT_EQ(p.device.PixelColor(64, 20), White) << "nothing beyond the cap";

    for (double d : {1.5, 2.0, 3.0}) {
        Pair sloped(40, 20, d);
        sloped.Draw([](Canvas& c) {
            c.pen = {Red, 3, PenStyle::Solid};
            c.MoveTo(2, 3);
            c.LineTo(37, 14);
        });
        EXPECT_GT(test::MixedPixels(sloped.device, {0, 0, 40, 20}, d), 20)
            << "a sloped wide line is drawn finer than the 1x pixels, d = " << d;
        EXPECT_LT(test::DifferentPixels(sloped.device, test::Enlarged(sloped.one, d), {0, 0, 40, 20}, d),
                  static_cast<int>(35 * 2 * d * d))
            << "but lies where the enlarged 1x line lies, d = " << d;
    }
}

TEST(RasterDeviceRatio, TextIsDrawnAtTheDevicesResolutionInTheEnlargedCell)
{
    EXPECT_EQ(ToQFont({"times new roman", 10, false, Black}, 2).pixelSize(), 26) << "13 pixels at d = 2";
    EXPECT_EQ(ToQFont({"times new roman", 10, false, Black}, 1.5).pixelSize(), 20) << "19.5 rounded at d = 1.5";
    for (double d : {1.5, 2.0, 3.0}) {
        Pair p(100, 40, d);
        p.Draw([](Canvas& c) {
            c.font = {"times new roman", 10, true, Red};
            c.brush = {Blue, BrushStyle::Solid};
            c.TextOut(10, 5, "Year");
        });
        const int w = p.c1.TextWidth("Year"), h = p.c1.TextHeight("Year");
        EXPECT_EQ(p.cd.TextWidth("Year"), w) << "text is measured in logical pixels, d = " << d;
        int red1 = 0, redD = 0;
        for (int y = 0; y < p.one.Height(); ++y)
            for (int x = 0; x < p.one.Width(); ++x)
                red1 += p.c1.Pixel(x, y) == Red;
        for (int y = 0; y < p.device.Height(); ++y)
            for (int x = 0; x < p.device.Width(); ++x) {
                const Color v = p.device.PixelColor(x, y);
                const bool inCell = x >= test::DeviceEdge(10, d) && x < test::DeviceEdge(10 + w, d) + 2 &&
                                    y >= test::DeviceEdge(5, d) && y < test::DeviceEdge(5 + h, d);
                if (!inCell) {
                    ASSERT_EQ(v, White) << "nothing outside the enlarged cell at " << x << "," << y;
                }
                redD += v == Red;
            }
        EXPECT_EQ(p.device.PixelColor(test::DeviceEdge(10, d), test::DeviceEdge(5, d)), Blue)
            << "the cell on the brush colour, d = " << d;
        EXPECT_GT(redD, red1 * d * d * 0.6) << "letters d times as large, d = " << d;
        EXPECT_LT(redD, red1 * d * d * 1.6) << "letters d times as large, d = " << d;
        EXPECT_GT(test::MixedPixels(p.device, {10, 5, w, h}, d), 30)
            << "letters drawn at the device's resolution, not enlarged 1x letters, d = " << d;
    }
}

TEST(RasterDeviceRatio, ExtremeCoordinatesAreSafe)
{
    for (double d : Ratios) {
        const PixelSize device = RasterCanvas::DeviceSize({847, 162}, d);
        RasterImage image(device.Width, device.Height);
        RasterCanvas big(image, d);
        big.pen = {Red, 3, PenStyle::Solid};
        big.MoveTo(INT_MIN, INT_MIN);
        big.LineTo(INT_MAX, INT_MAX);
        big.pen.Width = 1;
        big.LineTo(INT_MIN, INT_MAX);
        big.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
        big.MoveTo(-1000000, 80);
        big.LineTo(1000000, 80);
        EXPECT_EQ(big.Pixel(846, 80), Red) << "a line from far left to far right reaches the last column, d = " << d;
        EXPECT_EQ(big.Pixel(847, 80), 0u) << "outside the logical image, d = " << d;
    }
}

// A graph's drawing as the window makes it: cleared, drawn whole, then a segment a year, with a text measured
// for its place and the tools changed between the calls.
void DrawAGraphYearByYear(Canvas& c, SimulationState& st, int fromYear, int toYear)
{
    st.Year = fromYear;
    if (fromYear == 0) {
        ClearGraphImage(c);
        DrawGraph(c, st, true, 1);
    }
    for (int year = fromYear; year <= toYear; ++year) {
        st.Year = year;
        if (year % 300 == 0 && year > 0)
            DrawGraph(c, st, true, 1); // a stage reached: the graph anew over what was drawn
        ExtendCurve(c, st, true);
        if (year % 250 == 0) {
            c.font.Size = 8 + year / 250;
            c.brush.Style = year % 500 == 0 ? BrushStyle::Solid : BrushStyle::Clear;
            c.TextOut(840 - c.TextWidth(std::to_string(year)), 2, std::to_string(year));
            c.pen.Width = 3;
        }
    }
}

TEST(RasterDeferred, PlayingTheKeptCallsGivesThePictureAndTheStateOfDrawingDirectly)
{
    auto st = test::ConstantPopulation(0, 0);
    for (int y = 0; y <= MaxYear; ++y)
        st->ExactPopHistory[y] = st->PopHistory[y] = 80000 + 60000 * std::sin(y / 130.0);
    RasterImage directImage(847, 162);
    RasterCanvas direct(directImage);
    RasterImage laterImage(847, 162);
    RasterCanvas later(laterImage);
    const RasterImage blank = laterImage;

    // Played in three parts, the last one after the target's own state was read.
    const std::vector<std::pair<int, int>> parts = {{0, 700}, {701, 702}, {703, 1600}};
    for (const auto& [from, to] : parts) {
        DrawAGraphYearByYear(direct, *st, from, to);
        DeferredCanvas deferred(later);
        DrawAGraphYearByYear(deferred, *st, from, to);
        EXPECT_GT(deferred.Size(), 0u);
        EXPECT_EQ(deferred.Position().x, direct.Position().x) << "years " << from << "-" << to;
        EXPECT_EQ(deferred.pen.Width, direct.pen.Width);
        if (from == 0) {
            EXPECT_EQ(laterImage, blank) << "nothing is drawn before the calls are played";
        }
        EXPECT_EQ(later.font.Size, 8) << "measuring leaves the target's font as it was";
        deferred.Play();
        EXPECT_EQ(deferred.Size(), 0u);
        EXPECT_EQ(laterImage, directImage) << "after years " << from << "-" << to;
        EXPECT_EQ(later.Position().x, direct.Position().x);
        EXPECT_EQ(later.Position().y, direct.Position().y);
        EXPECT_EQ(later.pen.Width, direct.pen.Width);
        EXPECT_EQ(later.brush.Style, direct.brush.Style);
        EXPECT_EQ(later.font.Size, direct.font.Size);
        later.font.Size = 8;
        direct.font.Size = 8;
    }
}

TEST(RasterDeferred, AGraphDrawnAnewForgetsTheCallsItPaintsOver)
{
    auto st = test::ConstantPopulation(2500, 0);
    for (int y = 0; y <= st->Year; ++y)
        st->ExactPopHistory[y] = st->PopHistory[y] = 50000 + 40000 * std::cos(y / 90.0);
    RasterImage directImage(847, 162);
    RasterCanvas direct(directImage);
    RasterImage laterImage(847, 162);
    RasterCanvas later(laterImage);
    DeferredCanvas deferred(later);
    std::vector<std::size_t> waiting;
    for (Canvas* c : {static_cast<Canvas*>(&direct), static_cast<Canvas*>(&deferred)}) {
        ClearGraphImage(*c);
        for (int i = 0; i < 6; ++i) {
            DrawGraph(*c, *st, i % 2 == 0, 1);
            if (c == &deferred)
                waiting.push_back(deferred.Size());
        }
    }
    EXPECT_GT(waiting[0], 2500u) << "a drawing of the curve";
    EXPECT_EQ(waiting[5], waiting[2]) << "each drawing anew forgets the one before";
    EXPECT_LT(waiting[5], waiting[0] + 100);
    deferred.Play();
    EXPECT_EQ(laterImage, directImage);

    // A rectangle with gaps in its outline, or a small one, covers nothing.
    deferred.pen = {Rgb(0, 0, 0), 1, PenStyle::Dot};
    deferred.brush = {Blue, BrushStyle::Solid};
    deferred.MoveTo(0, 0);
    deferred.LineTo(846, 0);
    deferred.Rectangle(0, 0, 847, 162);
    deferred.pen.Style = PenStyle::Solid;
    deferred.Rectangle(100, 50, 110, 60);
    EXPECT_EQ(deferred.Size(), 3u);
    deferred.Rectangle(-10, -10, 900, 200);
    EXPECT_EQ(deferred.Size(), 1u) << "one that paints the whole picture leaves only itself";
}

} // namespace
} // namespace vartel
