#include "DeviceImages.h"
#include "RecordingCanvas.h"
#include "States.h"

#include "views/PyramidView.h"
#include "views/RasterCanvas.h"

#include <gtest/gtest.h>

#include <limits>

namespace vartel {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

constexpr Color Background = Rgb(255, 246, 241);
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color Blue = Rgb(0, 0, 255);

RasterImage PyramidImage(int s = 1)
{
    return RasterImage(PyramidWidth * s, PyramidHeight * s);
}

std::unique_ptr<SimulationState> OneClass(int year, int k, double people)
{
    auto st = test::ConstantPopulation(year, people);
    st->PyramidHistory[year][k] = people;
    return st;
}

TEST(Pyramid, EmptyIslandShowsDottedLinesLabelsAndYearOnly)
{
    auto st = test::ConstantPopulation(7, 0);
    RasterImage image = PyramidImage();
    RasterCanvas c(image);
    DrawPyramid(c, *st, 7, 1);
    for (int y : {268, 235, 125}) {
        EXPECT_EQ(c.Pixel(25, y), Blue) << "a dotted line starts at x = 25, y = " << y;
        EXPECT_EQ(c.Pixel(28, y), Background) << "its gaps are transparent, y = " << y;
        EXPECT_EQ(c.Pixel(129, y), Blue) << "the dots reach x = 129, y = " << y;
        EXPECT_EQ(c.Pixel(130, y), Background) << "the line ends at x = 130 (excluded), y = " << y;
    }
    EXPECT_EQ(c.Pixel(230, 277), Background) << "the background covers the whole image";
    EXPECT_EQ(c.Pixel(0, 0), Background) << "the background covers the whole image";

    RecordingCanvas rec;
    DrawPyramid(rec, *st, 7, 1);
    EXPECT_EQ(rec.Of(CanvasCall::Rectangle).size(), 1u) << "no layers when nobody lives";
    const CanvasCall* year = rec.Text("7");
    ASSERT_NE(year, nullptr) << "the year is written";
    EXPECT_EQ(year->x1, 32) << "year number at (32, 35)";
    EXPECT_EQ(year->y1, 35) << "year number at (32, 35)";
    EXPECT_EQ(year->brush.Style, BrushStyle::Solid) << "text cells on the background colour";
    const CanvasCall* label15 = rec.Text("15");
    ASSERT_NE(label15, nullptr) << "the age label 15";
    EXPECT_EQ(label15->x1, 18 - 10) << "right-aligned to x = 18";
    EXPECT_EQ(label15->y1, 235 - 6) << "centred on the age-15 line";
    EXPECT_EQ(label15->font.Color, Blue) << "labels in blue";
    EXPECT_TRUE(rec.Text("Year")->font.Bold) << "Year is bold";
    EXPECT_FALSE(rec.Text("(years)")->font.Bold) << "(years) is normal";
}

TEST(Pyramid, SingleClassSpansTheFullWidthAndOthersHaveNoWidth)
{
    auto st = OneClass(3, 5, 1234);
    RasterImage image = PyramidImage();
    RasterCanvas c(image);
    DrawPyramid(c, *st, 3, 1);
    const int middle = 268 - 5 * 11 - 5; // inside layer 5 (rows 202..213)
    EXPECT_EQ(c.Pixel(40, middle), Black) << "the widest layer's outline at x = 40";
    EXPECT_EQ(c.Pixel(219, middle), Black) << "the widest layer's outline at x = 219 (right edge 220 excluded)";
    EXPECT_EQ(c.Pixel(39, middle), Background) << "nothing left of x = 40";
    EXPECT_EQ(c.Pixel(220, middle), Background) << "nothing from x = 220 on";
    EXPECT_EQ(c.Pixel(100, middle), Rgb(250, 250, 144)) << "an adult layer in the adults' colour";
    EXPECT_EQ(c.Pixel(100, 213), Black) << "layer 5's bottom outline at y0 - 5 L = 213";
    EXPECT_EQ(c.Pixel(100, 202), Black) << "layer 5's top outline at y0 - 6 L = 202";

    RecordingCanvas rec;
    DrawPyramid(rec, *st, 3, 1);
    const auto rects = rec.Of(CanvasCall::Rectangle);
    ASSERT_EQ(rects.size(), 23u) << "background and 22 layers";
    for (int k = 0; k < 22; ++k) {
        const CanvasCall& r = rects[k + 1];
        EXPECT_EQ(r.y1, 268 - 11 * k + 1) << "layer " << k << " lower edge";
        EXPECT_EQ(r.y2, 268 - 11 * (k + 1)) << "layer " << k << " upper edge";
        if (k != 5) {
            EXPECT_EQ(r.x1, 130) << "empty layer " << k << " centred on x = 130";
            EXPECT_EQ(r.x2, 130) << "empty layer " << k << " has no width";
        }
    }
    EXPECT_EQ(rects[1].brush.Color, Rgb(221, 255, 221)) << "children's colour";
    EXPECT_EQ(rects[14].brush.Color, Rgb(238, 224, 208)) << "the elderly's colour from class 13";
    EXPECT_EQ(rects[22].y2, 26) << "the top layer ends at y = 26";
}

TEST(Pyramid, ExportAtScaleFourUsesTheScaledGeometry)
{
    auto st = OneClass(3, 5, 1234);
    RecordingCanvas rec;
    DrawPyramid(rec, *st, 3, 4);
    const auto rects = rec.Of(CanvasCall::Rectangle);
    ASSERT_EQ(rects.size(), 23u) << "background and 22 layers";
    EXPECT_EQ(rects[0].x2, 924) << "background 924 wide";
    EXPECT_EQ(rects[0].y2, 1112) << "background 1112 high";
    EXPECT_EQ(rects[6].x1, 160) << "the widest layer from x = 160";
    EXPECT_EQ(rects[6].x2, 884) << "to x = 884";
    EXPECT_EQ(rects[6].y1, 1072 - 5 * 47 + 1) << "L = 47, y0 = 1072";
    EXPECT_EQ(rects[6].pen.Width, 4) << "outline s wide";
    EXPECT_EQ(rects[1].x1, 522) << "empty layers on cx = 522";
    const auto lines = rec.Of(CanvasCall::LineTo);
    ASSERT_EQ(lines.size(), 3u) << "three dotted lines";
    EXPECT_EQ(lines[1].y1, 1072 - 3 * 47) << "age-15 line";
    EXPECT_EQ(lines[2].y1, 1072 - 13 * 47) << "age-65 line";
    EXPECT_EQ(lines[0].x1, 100) << "from 25 s";
    EXPECT_EQ(lines[0].x2, 522) << "to cx";
    EXPECT_EQ(rec.Text("Age")->font.Size, 40) << "text at 10 s points";

    RasterImage image = PyramidImage(4);
    RasterCanvas c(image);
    DrawPyramid(c, *st, 3, 4);
    const int middle = 1072 - 5 * 47 - 20;
    EXPECT_EQ(c.Pixel(160, middle), Black) << "widest layer outline at x = 160 on a 4x raster";
    EXPECT_EQ(c.Pixel(883, middle), Black) << "widest layer outline at x = 883 on a 4x raster";
    EXPECT_EQ(c.Pixel(520, middle), Rgb(250, 250, 144)) << "the layer filled inside";
}

TEST(Pyramid, AtADevicePixelRatioLayersAndLinesAreThe1xOnesEnlargedAndLettersFiner)
{
    using test::DeviceEdge;
    auto st = OneClass(1234, 5, 1234);
    for (double d : {1.5, 2.0, 3.0}) {
        RasterImage one = PyramidImage();
        RasterCanvas c1(one);
        DrawPyramid(c1, *st, 1234, 1);
        const PixelSize deviceSize = RasterCanvas::DeviceSize({PyramidWidth, PyramidHeight}, d);
        RasterImage device(deviceSize.Width, deviceSize.Height);
        RasterCanvas cd(device, d);
        DrawPyramid(cd, *st, 1234, 1);
        ASSERT_EQ(device.Size(), PixelSize(DeviceEdge(231, d), DeviceEdge(278, d))) << "the device size, d = " << d;

        const int middle = DeviceEdge(268 - 5 * 11 - 5, d);
        EXPECT_EQ(device.PixelColor(DeviceEdge(40, d), middle), Rgb(0, 0, 0)) << "widest layer from 40 d, d = " << d;
        EXPECT_EQ(device.PixelColor(DeviceEdge(40, d) - 1, middle), Rgb(255, 246, 241)) << "nothing left of it";
        EXPECT_EQ(device.PixelColor(DeviceEdge(220, d) - 1, middle), Rgb(0, 0, 0)) << "to 220 d (excluded), d = " << d;
        EXPECT_EQ(device.PixelColor(DeviceEdge(220, d), middle), Rgb(255, 246, 241)) << "nothing from 220 d on";

        // Away from the texts every device pixel is the enlarged 1x one: layers, outlines, dotted lines.
        const RasterImage enlarged = test::Enlarged(one, d);
        EXPECT_EQ(test::DifferentPixels(device, enlarged, {62, 0, 169, 278}, d), 0) << "layers, d = " << d;
        EXPECT_EQ(test::DifferentPixels(device, enlarged, {22, 102, 209, 176}, d), 0) << "dotted lines, d = " << d;
        // The texts are drawn at the device's resolution, not made of enlarged 1x pixels.
        EXPECT_GT(test::MixedPixels(device, {3, 35, 58, 15}, d), 40) << "Year 1234, d = " << d;
        EXPECT_GT(test::MixedPixels(device, {3, 70, 45, 31}, d), 40) << "Age (years), d = " << d;
        EXPECT_GT(test::MixedPixels(device, {0, 120, 18, 155}, d), 20) << "the age labels, d = " << d;
    }
}

TEST(Pyramid, BrowsingAPastYearRepaintsExactlyWhatWasShown)
{
    auto st = test::ConstantPopulation(20, 0);
    for (int y = 0; y <= 20; ++y)
        for (int k = 0; k < ClassCount; ++k)
            st->PyramidHistory[y][k] = (k + 1) * (y + 3) % 17 * 100.0;
    RasterImage shown = PyramidImage();
    RasterCanvas current(shown);
    DrawPyramid(current, *st, 12, 1);

    RasterImage browsed = PyramidImage();
    RasterCanvas browsing(browsed);
    DrawPyramid(browsing, *st, 20, 1);
    DrawPyramid(browsing, *st, 0, 1);
    DrawPyramid(browsing, *st, 12, 1);
    EXPECT_TRUE(browsed == shown) << "year 12 drawn again after other years equals its first drawing pixel for pixel";
}

TEST(Pyramid, YearsOutsideTheHistoryAreSafe)
{
    auto st = test::ConstantPopulation(0, 0);
    st->PyramidHistory[0][0] = std::numeric_limits<double>::quiet_NaN();
    st->PyramidHistory[0][1] = -50;
    RasterImage image = PyramidImage();
    RasterCanvas c(image);
    DrawPyramid(c, *st, -1, 1);
    DrawPyramid(c, *st, 99999, 1);
    EXPECT_EQ(c.Pixel(0, 0), Background) << "drawn normally";
}

} // namespace
} // namespace vartel
