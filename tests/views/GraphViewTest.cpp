#include "DeviceImages.h"
#include "RecordingCanvas.h"
#include "States.h"

#include "views/GraphView.h"
#include "views/PlotFrame.h"
#include "views/RasterCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>
#include <limits>
#include <vector>

namespace vartel {
namespace {

using test::CanvasCall;
using test::ConstantPopulation;
using test::RecordingCanvas;

constexpr Color CurveColor = Rgb(124, 70, 51);
constexpr Color OverStrip = Rgb(255, 136, 136);
constexpr Color UnderStrip = Rgb(187, 170, 204);
constexpr Color RedLine = Rgb(255, 51, 51);
constexpr Color PurpleLine = Rgb(136, 51, 136);

RasterImage GraphImage(int s = 1)
{
    return RasterImage(GraphWidth * s, GraphHeight * s);
}

// Horizontal lines drawn in `color`, as (y, x from, x to).
std::vector<CanvasCall> LinesIn(const RecordingCanvas& c, Color color)
{
    std::vector<CanvasCall> result;
    for (const CanvasCall& call : c.Of(CanvasCall::LineTo))
        if (call.pen.Color == color)
            result.push_back(call);
    return result;
}

// The value labels: texts whose right edge is at x = 85.
std::vector<std::string> ValueLabels(const RecordingCanvas& c)
{
    std::vector<std::string> result;
    for (const CanvasCall& call : c.Of(CanvasCall::TextOut))
        if (call.x1 + RecordingCanvas::CharWidth * static_cast<int>(call.text.size()) == 85)
            result.push_back(call.text);
    return result;
}

TEST(GraphScales, YearAndPopulationMapToTheDocumentedPixels)
{
    EXPECT_EQ(YearToX(0, 1), 91) << "year 0 at x = 91";
    EXPECT_EQ(YearToX(3000, 1), 841) << "year 3000 at x = 841";
    EXPECT_EQ(YearToX(2, 1), 92) << "91.5 rounds to the even 92";
    EXPECT_EQ(YearToX(6, 1), 92) << "92.5 rounds to the even 92";
    EXPECT_EQ(YearToX(1000, 4), 1364) << "scaled by s = 4";

    auto st = ConstantPopulation(3, 0);
    const std::pair<double, int> linear[] = {{0, 146}, {3000000, 26}, {3500000, 6}, {1000000, 106}};
    for (auto [people, y] : linear) {
        st->ExactPopHistory[1] = people;
        EXPECT_EQ(PopulationToY(*st, true, 1, 1), y) << people << " people on the linear scale at zoom 1";
    }
    const std::pair<double, int> logarithmic[] = {{1, 146}, {10000000, 6}, {1000, 86}, {0, 200}, {-5, 200}};
    for (auto [people, y] : logarithmic) {
        st->ExactPopHistory[1] = people;
        EXPECT_EQ(PopulationToY(*st, false, 1, 1), y) << people << " people on the logarithmic scale";
    }
    st->ExactPopHistory[1] = 0;
    EXPECT_EQ(PopulationToY(*st, false, 1, 4), 800) << "no population lies at 200 s";

    st->ZoomFactor = 20000;
    st->ExactPopHistory[1] = 3000000;
    EXPECT_EQ(PopulationToY(*st, true, 1, 1), 146 - 2400000) << "zoom times population needs 64 bits";
    st->ExactPopHistory[1] = 1e300;
    EXPECT_LT(PopulationToY(*st, true, 1, 4), -1000000) << "an absurd population lies far above, without overflow";
}

// The frame's documented points, and the curve and browsing agreeing on them: the curve's point of a year
// lies one column right of the column that browses it.
TEST(GraphScales, PlotFrameColumnsOfYearsAndBack)
{
    const std::pair<int, int> columns[] = {{0, 90}, {3, 90}, {4, 91}, {2996, 839}, {3000, 840}};
    for (auto [year, column] : columns) {
        EXPECT_EQ(PlotFrame::ColumnOfYear(year), column) << "year " << year;
        EXPECT_EQ(PlotFrame::YearAtColumn(column), year - year % 4) << "column " << column;
    }
    for (int year = 0; year <= MaxYear; year += 4)
        EXPECT_EQ(YearToX(year, 1), PlotFrame::CurveColumnOfYear(year)) << "year " << year;
    EXPECT_EQ(PeopleToY(0, true, 1, 1), PlotFrame::Axis) << "nobody lies on the time axis";
    EXPECT_EQ(PeopleToY(PlotFrame::PeoplePerPixel, true, 1, 1), PlotFrame::Axis - 1) << "one pixel per 25000 people";
    EXPECT_EQ(PeopleToY(1, false, 1, 1), PlotFrame::Axis) << "one person lies on the axis of the log scale";
}

TEST(GraphCurve, YearZeroIsOnePointAndThePenIsLeftForTheNextSegment)
{
    auto st = ConstantPopulation(0, 1000000);
    RasterImage image = GraphImage();
    RasterCanvas c(image);
    DrawGraph(c, *st, true, 1);
    const int y = PopulationToY(*st, true, 0, 1);
    ASSERT_EQ(y, 106) << "1,000,000 people lie at y = 106";
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            EXPECT_EQ(c.Pixel(91 + dx, y + dy), CurveColor) << "the 3-pixel curve point around (91, 106)";
    EXPECT_NE(c.Pixel(93, y), CurveColor) << "nothing of the curve beyond its single point";
    EXPECT_EQ(c.Position().x, 91) << "the position stays on the curve point";
    EXPECT_EQ(c.Position().y, y) << "the position stays on the curve point";
    EXPECT_EQ(c.pen.Color, CurveColor) << "DrawGraph ends with the curve pen";
    EXPECT_EQ(c.pen.Width, 3) << "DrawGraph ends with a pen 3 pixels wide";
    EXPECT_EQ(c.pen.Style, PenStyle::Solid) << "DrawGraph ends with a solid pen";
}

TEST(GraphCurve, RedrawStopsBeforeTheYearAndExtendCurveGoesOnFromThere)
{
    auto st = ConstantPopulation(8, 500000);
    st->ExactPopHistory[3] = -1; // skipped: the line runs on to year 4
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1);
    std::vector<CanvasCall> curve = LinesIn(c, CurveColor);
    curve.erase(std::remove_if(curve.begin(), curve.end(), [](const CanvasCall& l) { return l.pen.Width != 3; }),
                curve.end());
    ASSERT_EQ(curve.size(), 8u) << "the point of year 0, then years 0..7 without the negative year 3";
    EXPECT_EQ(curve[4].x1, YearToX(2, 1)) << "the segment over the skipped year starts at year 2";
    EXPECT_EQ(curve[4].x2, YearToX(4, 1)) << "and runs straight on to year 4";
    EXPECT_EQ(curve.back().x2, YearToX(7, 1)) << "the redraw ends with year Year - 1";
    EXPECT_EQ(c.Position().x, YearToX(7, 1)) << "the position is left at year Year - 1";
    EXPECT_EQ(c.Position().y, PopulationToY(*st, true, 7, 1)) << "the position is left at year Year - 1";

    st->Year = 9;
    st->ExactPopHistory[9] = 750000;
    c.calls.clear();
    ExtendCurve(c, *st, true);
    ASSERT_EQ(c.calls.size(), 1u) << "one segment per year";
    EXPECT_EQ(c.calls[0].x1, YearToX(7, 1)) << "the new segment starts where the redraw left off";
    EXPECT_EQ(c.calls[0].x2, 91 + 9 / 4) << "x = 91 + Year div 4";
    EXPECT_EQ(c.calls[0].y2, 146 - 30) << "750,000 people at zoom 1 are 30 pixels up";
    EXPECT_EQ(c.calls[0].pen.Width, 3) << "with the pen DrawGraph left";

    st->GraphMode = 2;
    c.calls.clear();
    ExtendCurve(c, *st, true);
    EXPECT_TRUE(c.calls.empty()) << "no curve extension outside the population graph";
}

TEST(GraphBrowseMarker, AThinLineInTheBrowsedColumnThatTheCurveGrowsPast)
{
    auto st = ConstantPopulation(400, 1000000);
    RasterImage plain = GraphImage();
    RasterImage marked = GraphImage();
    RasterCanvas p(plain);
    RasterCanvas m(marked);
    DrawGraph(p, *st, true, 1);
    DrawGraph(m, *st, true, 1);
    const Pen pen = m.pen;
    DrawBrowseMarker(m, 200, 1);
    EXPECT_EQ(m.pen.Color, pen.Color) << "the curve's pen is left as it was";
    EXPECT_EQ(m.pen.Width, pen.Width);
    EXPECT_EQ(m.Position().x, p.Position().x) << "and the position on the curve's last point";
    EXPECT_EQ(m.Position().y, p.Position().y);
    st->Year = 401;
    st->ExactPopHistory[401] = 2000000;
    ExtendCurve(p, *st, true);
    ExtendCurve(m, *st, true);

    const int column = PlotFrame::ColumnOfYear(200);
    ASSERT_EQ(column, 140) << "the column the mouse shows year 200 in";
    for (int y = 0; y < GraphHeight; ++y)
        for (int x = 0; x < GraphWidth; ++x) {
            const bool onMarker = x == column && y > PlotFrame::Top && y < PlotFrame::Axis;
            if (onMarker)
                ASSERT_EQ(m.Pixel(x, y), Rgb(0, 0, 0)) << "the marker at row " << y;
            else
                ASSERT_EQ(m.Pixel(x, y), p.Pixel(x, y)) << "nothing else differs, at (" << x << ", " << y << ")";
        }

    RasterImage twice = GraphImage(2);
    RasterCanvas t(twice);
    DrawBrowseMarker(t, 200, 2);
    EXPECT_EQ(t.Pixel(2 * column, 2 * (PlotFrame::Top + 1)), Rgb(0, 0, 0)) << "at scale 2 from the top";
    EXPECT_EQ(t.Pixel(2 * column, 2 * PlotFrame::Axis - 1), Rgb(0, 0, 0)) << "down to the axis";
    EXPECT_NE(t.Pixel(2 * column - 3, 100), Rgb(0, 0, 0)) << "and thin";
}

TEST(GraphCurve, ExtinctionOnTheLogScaleDropsOnceBelowTheImage)
{
    auto st = ConstantPopulation(10, 1000);
    RecordingCanvas c;
    ExtendCurve(c, *st, false);
    ASSERT_EQ(c.calls.size(), 1u) << "a living population extends the curve";
    EXPECT_EQ(c.calls[0].y2, 86) << "1000 people at y = 86 on the log scale";
    st->Year = 11;
    st->PopHistory[11] = 0;
    st->ExactPopHistory[11] = 0.3;
    ExtendCurve(c, *st, false);
    ASSERT_EQ(c.calls.size(), 2u) << "the year of extinction draws the drop";
    EXPECT_EQ(c.calls[1].y2, 180) << "the drop goes to y = 180";
    st->Year = 12;
    st->PopHistory[12] = 0;
    ExtendCurve(c, *st, false);
    EXPECT_EQ(c.calls.size(), 2u) << "after the extinction year nothing more is drawn";
}

TEST(GraphDangerZones, OverpopulationStripOnlyAtZoomOne)
{
    auto st = ConstantPopulation(0, 100000);
    RasterImage one = GraphImage();
    RasterCanvas c1(one);
    DrawGraph(c1, *st, true, 1);
    EXPECT_EQ(c1.Pixel(300, 7), OverStrip) << "the strip starts at y = 6 (row 6 is a grid line)";
    EXPECT_EQ(c1.Pixel(300, 24), OverStrip) << "the strip reaches the red line";
    EXPECT_NE(c1.Pixel(300, 4), OverStrip) << "nothing of the strip above y = 6";
    for (int y = 25; y <= 27; ++y)
        EXPECT_EQ(c1.Pixel(300, y), RedLine) << "the red line (3 wide) at y = 26, row " << y;
    EXPECT_EQ(OverpopulationZoneHeight(true, 1), 20) << "h1 is 20 high at zoom 1";

    st->ZoomFactor = 2;
    RasterImage two = GraphImage();
    RasterCanvas c2(two);
    DrawGraph(c2, *st, true, 1);
    int strip = 0, red = 0;
    for (int y = 0; y < GraphHeight; ++y)
        for (int x = 0; x < GraphWidth; ++x) {
            strip += c2.Pixel(x, y) == OverStrip;
            red += c2.Pixel(x, y) == RedLine;
        }
    EXPECT_EQ(strip, 0) << "no overpopulation strip at zoom 2";
    EXPECT_EQ(red, 0) << "the red line lies above the image at zoom 2";
    EXPECT_EQ(OverpopulationZoneHeight(true, 2), 0) << "h1 has no height at zoom 2";
    EXPECT_EQ(OverpopulationZoneHeight(false, 2), 10) << "h1 is 10 high on the log scale";
}

TEST(GraphDangerZones, UnderpopulationStripAndLabelsAtZoom20000)
{
    auto st = ConstantPopulation(0, 100, 20000);
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1);
    bool strip = false;
    for (const CanvasCall& r : c.Of(CanvasCall::Rectangle))
        if (r.brush.Color == UnderStrip) {
            strip = true;
            EXPECT_EQ(std::min(r.y1, r.y2), 106) << "the strip reaches up to y = 106";
            EXPECT_EQ(std::max(r.y1, r.y2), 147) << "the strip reaches down to the axis";
        }
    EXPECT_TRUE(strip) << "the underpopulation strip is drawn";
    const auto purple = LinesIn(c, PurpleLine);
    ASSERT_EQ(purple.size(), 1u) << "the purple line is drawn at zoom >= 1000";
    EXPECT_EQ(purple[0].y1, 106) << "the purple line at y = 106";
    EXPECT_EQ(ValueLabels(c), (std::vector<std::string>{"0", "50", "100", "150"})) << "people labels at zoom 20000";
    EXPECT_EQ(c.Text("(millions)"), nullptr) << "no unit text above zoom 500";
    EXPECT_EQ(c.Text("(x 1000)"), nullptr) << "no unit text above zoom 500";

    RasterImage image = GraphImage();
    RasterCanvas rc(image);
    DrawGraph(rc, *st, true, 1);
    EXPECT_EQ(rc.Pixel(300, 110), UnderStrip) << "the strip fills the plot below y = 106";
    EXPECT_NE(rc.Pixel(300, 103), UnderStrip) << "nothing of the strip above it";
}

TEST(GraphLabels, PurpleLineFromZoom1000AndLabelPlaces)
{
    for (int zoom : {1, 2, 500, 1000}) {
        auto st = ConstantPopulation(0, 100, zoom);
        RecordingCanvas c;
        DrawGraph(c, *st, true, 1);
        const auto purple = LinesIn(c, PurpleLine);
        if (zoom == 1000) {
            ASSERT_EQ(purple.size(), 1u) << "the purple line at zoom 1000";
            EXPECT_EQ(purple[0].y1, 144) << "the purple line at y = 144 at zoom 1000";
            EXPECT_EQ(purple[0].x1, 87) << "danger lines start at x = 87";
            EXPECT_EQ(purple[0].x2, 840) << "danger lines end at x = 840";
        } else {
            EXPECT_TRUE(purple.empty()) << "no purple line below zoom 1000, zoom " << zoom;
        }
    }
    auto st = ConstantPopulation(0, 100);
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1);
    const CanvasCall* label0 = c.Text("0");
    ASSERT_NE(label0, nullptr) << "a label 0";
    EXPECT_EQ(label0->x1, 85 - 5) << "right-aligned to x = 85";
    EXPECT_EQ(label0->y1, 146 - 6) << "centred on its level: top = 146 - height div 2";
    const CanvasCall* year2800 = c.Text("2800");
    ASSERT_NE(year2800, nullptr) << "the last year label is 2800";
    EXPECT_EQ(year2800->x1, 90 + 25 * 28 - 10) << "centred under its grid line";
    EXPECT_EQ(c.Text("3000"), nullptr) << "no year label 3000";
}

// The value labels with their tops, in drawing order.
std::vector<std::pair<std::string, int>> ValueLabelsAndTops(const RecordingCanvas& c)
{
    std::vector<std::pair<std::string, int>> result;
    for (const CanvasCall& call : c.Of(CanvasCall::TextOut))
        if (call.x1 + RecordingCanvas::CharWidth * static_cast<int>(call.text.size()) == 85)
            result.emplace_back(call.text, call.y1);
    return result;
}

TEST(GraphLabels, EveryZoomFactorAndBothScalesOnTheirLevels)
{
    struct Case {
        int zoom;
        std::vector<std::string> labels;
        const char* unit;
    };
    const Case cases[] = {
        {1, {"0", "0,5", "1", "1,5", "2", "2,5", "3", "3,5"}, "(millions)"},
        {2, {"0", "500", "1000", "1500"}, "(x 1000)"},
        {5, {"0", "200", "400", "600"}, "(x 1000)"},
        {10, {"0", "100", "200", "300"}, "(x 1000)"},
        {20, {"0", "50", "100", "150"}, "(x 1000)"},
        {50, {"0", "20", "40", "60"}, "(x 1000)"},
        {100, {"0", "10", "20", "30"}, "(x 1000)"},
        {200, {"0", "5", "10", "15"}, "(x 1000)"},
        {500, {"0", "2", "4", "6"}, "(x 1000)"},
        {1000, {"0", "1000", "2000", "3000"}, nullptr},
        {2000, {"0", "500", "1000", "1500"}, nullptr},
        {5000, {"0", "200", "400", "600"}, nullptr},
        {10000, {"0", "100", "200", "300"}, nullptr},
        {20000, {"0", "50", "100", "150"}, nullptr},
    };
    ASSERT_EQ(std::size(cases), ZoomFactors.size()) << "one case per zoom factor";
    const int half = RecordingCanvas::LineHeight / 2;
    for (const Case& k : cases) {
        auto st = ConstantPopulation(0, 100, k.zoom);
        RecordingCanvas c;
        DrawGraph(c, *st, true, 1);
        const auto labels = ValueLabelsAndTops(c);
        ASSERT_EQ(labels.size(), k.labels.size()) << "label count at zoom " << k.zoom;
        const int step = k.zoom == 1 ? 20 : 40; // every grid line at zoom 1, every other one above
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i].first, k.labels[i]) << "label " << i << " at zoom " << k.zoom;
            EXPECT_EQ(labels[i].second, 146 - step * static_cast<int>(i) - half)
                << "'" << k.labels[i] << "' centred on its grid line at zoom " << k.zoom;
        }
        EXPECT_EQ(c.Text("(millions)") != nullptr, k.unit && std::string(k.unit) == "(millions)") << k.zoom;
        EXPECT_EQ(c.Text("(x 1000)") != nullptr, k.unit && std::string(k.unit) == "(x 1000)") << k.zoom;
    }

    auto st = ConstantPopulation(0, 100, 20000); // the log scale ignores the zoom
    RecordingCanvas c;
    DrawGraph(c, *st, false, 1);
    const std::vector<std::string> decades{"1", "10", "100", "1000", "10.000", "100.000", "1 miljoen", "10 miljoen"};
    const auto labels = ValueLabelsAndTops(c);
    ASSERT_EQ(labels.size(), decades.size()) << "eight decade labels on the log scale";
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(labels[i].first, decades[i]) << "decade " << i;
        EXPECT_EQ(labels[i].second, 146 - 20 * static_cast<int>(i) - half) << "'" << decades[i] << "' on its line";
    }
    EXPECT_EQ(c.Text("(millions)"), nullptr) << "no unit text on the log scale";
    EXPECT_EQ(c.Text("(x 1000)"), nullptr) << "no unit text on the log scale";
    const CanvasCall* title = c.Text("Populatie");
    ASSERT_NE(title, nullptr) << "the log scale's title";
    EXPECT_EQ(title->x1, 4);
    EXPECT_EQ(title->y1, 92);
    EXPECT_EQ(c.Text("Population"), nullptr) << "the linear title is not drawn on the log scale";
}

TEST(GraphEquilibrium, TwoPassesRoundedApartInTheExport)
{
    // 210,000 people are 8.4 pixels up: the blue line rounds before scaling, the green dots after it.
    auto st = ConstantPopulation(0, 100, 1, 210000);
    RecordingCanvas c;
    DrawGraph(c, *st, true, 4);
    const auto blue = LinesIn(c, Rgb(34, 34, 255));
    const auto green = LinesIn(c, Rgb(0, 255, 0));
    ASSERT_EQ(blue.size(), 1u);
    ASSERT_EQ(green.size(), 1u);
    EXPECT_EQ(blue[0].y1, (146 - 8) * 4) << "blue at (146 - round(8.4)) s";
    EXPECT_EQ(green[0].y1, 550) << "green at round((146 - 8.4) s) = round(550.4)";
    EXPECT_EQ(green[0].pen.Style, PenStyle::Dot);
    EXPECT_EQ(blue[0].x1, 360) << "from x = 90 s";
    EXPECT_EQ(blue[0].x2, 3360) << "to x = 840 s";
}

TEST(GraphLogScale, EquilibriumStripsAndLabels)
{
    auto st = ConstantPopulation(0, 100, 1, 2000);
    RecordingCanvas c;
    DrawGraph(c, *st, false, 1);
    const auto blue = LinesIn(c, Rgb(34, 34, 255));
    const auto green = LinesIn(c, Rgb(0, 255, 0));
    ASSERT_EQ(blue.size(), 1u) << "one blue equilibrium line";
    ASSERT_EQ(green.size(), 1u) << "one green dotted pass";
    EXPECT_EQ(blue[0].y1, 80) << "level 2000 on the log scale at y = 146 - 66";
    EXPECT_EQ(green[0].y1, 80) << "the dotted pass on the same line";
    EXPECT_EQ(green[0].pen.Style, PenStyle::Dot) << "the second pass is dotted";
    EXPECT_EQ(ValueLabels(c),
              (std::vector<std::string>{"1", "10", "100", "1000", "10.000", "100.000", "1 miljoen", "10 miljoen"}))
        << "decade labels on the log scale";
    EXPECT_NE(c.Text("Populatie"), nullptr) << "the log scale's title";
    ASSERT_EQ(LinesIn(c, RedLine).size(), 1u) << "the red line is drawn";
    EXPECT_EQ(LinesIn(c, RedLine)[0].y1, 16) << "the red line at y = 16";
    EXPECT_EQ(LinesIn(c, PurpleLine)[0].y1, 112) << "the purple line at y = 112";
    EXPECT_EQ(EquilibriumZoneTop(false, 1, 2000), 79) << "he lies one above the line";
}

TEST(GraphStageMarkers, CentredOnTheirYearAndNotScaledInTheExport)
{
    auto st = ConstantPopulation(1200, 1000000);
    st->Stages[1].Year = 1000;
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1);
    const int v = PopulationToY(*st, true, 1000, 1);
    const CanvasCall* letter = c.Text("A");
    ASSERT_NE(letter, nullptr) << "the letter of stage A";
    EXPECT_EQ(letter->x1, 323) << "letter left at x - 18";
    EXPECT_EQ(letter->y1, v - 18) << "letter top at v - 18";
    EXPECT_EQ(letter->brush.Style, BrushStyle::Clear) << "the letter is transparent";
    bool square = false;
    for (const CanvasCall& r : c.Of(CanvasCall::Rectangle))
        if (r.brush.Color == Rgb(0, 128, 0)) {
            square = true;
            EXPECT_EQ((r.x1 + r.x2) / 2, 341) << "the marker is centred on x = 341";
            EXPECT_EQ((r.y1 + r.y2) / 2, v) << "the marker is centred on the curve";
            EXPECT_EQ(r.x2 - r.x1, 6) << "a 6-pixel square";
        }
    EXPECT_TRUE(square) << "the green square is drawn";
    EXPECT_EQ(c.Text("M"), nullptr) << "stages not reached get no marker";

    RecordingCanvas big;
    DrawGraph(big, *st, true, 4);
    for (const CanvasCall& t : big.Of(CanvasCall::TextOut)) {
        if (t.text == "A") {
            EXPECT_EQ(t.font.Size, 12) << "marker letters stay 12 points at s = 4";
            EXPECT_TRUE(t.font.Bold) << "marker letters are bold";
            EXPECT_EQ(t.x1, YearToX(1000, 4) - 72) << "letter left at x - 18 s";
        } else {
            EXPECT_EQ(t.font.Size, 40) << "'" << t.text << "' is 10 s = 40 points";
        }
    }
    for (const CanvasCall& r : big.Of(CanvasCall::Rectangle))
        if (r.brush.Color == Rgb(0, 128, 0)) {
            EXPECT_EQ(r.pen.Width, 1) << "the marker outline stays 1 pixel at s = 4";
            EXPECT_EQ(r.x2 - r.x1, 24) << "the square itself grows with s";
        }
    EXPECT_EQ(big.pen.Width, 12) << "the export ends with a pen 3 s wide";
    EXPECT_EQ(big.font.Size, 40) << "the export ends with the 10 s font";
}

TEST(GraphDeviceRatio, LinesCurveAndLabelsLandOnTheDeviceGrid)
{
    using test::DeviceEdge;
    auto st = ConstantPopulation(1500, 1000000);
    for (double d : {1.5, 2.0, 3.0}) {
        const PixelSize deviceSize = RasterCanvas::DeviceSize({GraphWidth, GraphHeight}, d);
        RasterImage device(deviceSize.Width, deviceSize.Height);
        RasterCanvas c(device, d);
        DrawGraph(c, *st, true, 1);
        ASSERT_EQ(device.Size(), PixelSize(DeviceEdge(847, d), DeviceEdge(162, d))) << "the device size, d = " << d;
        auto colour = [&](int x, int y) { return device.PixelColor(x, y); };

        // The red line at y = 26, 3 pixels wide: 3 d device rows around the 1x line's centre 26.5 d.
        std::vector<int> red;
        for (int y = 0; y < device.Height(); ++y)
            if (colour(DeviceEdge(500, d), y) == RedLine)
                red.push_back(y);
        ASSERT_FALSE(red.empty()) << "the red line, d = " << d;
        EXPECT_EQ(static_cast<int>(red.size()), static_cast<int>(std::lround(3 * d))) << "3 d rows, d = " << d;
        EXPECT_EQ(red.back() - red.front() + 1, static_cast<int>(red.size())) << "in one band, d = " << d;
        EXPECT_NEAR((red.front() + red.back() + 1) / 2.0, 26.5 * d, 0.5) << "centred on 26.5 d, d = " << d;

        // The vertical axis at x = 90, one 1x pixel wide, and the horizontal one at y = 146.
        for (int x = DeviceEdge(90, d); x < DeviceEdge(91, d); ++x)
            EXPECT_EQ(colour(x, DeviceEdge(100, d)), CurveColor) << "the axis column " << x << ", d = " << d;
        EXPECT_NE(colour(DeviceEdge(90, d) - 1, DeviceEdge(100, d)), CurveColor) << "left of the axis, d = " << d;
        EXPECT_NE(colour(DeviceEdge(91, d), DeviceEdge(100, d)), CurveColor) << "right of the axis, d = " << d;
        EXPECT_EQ(colour(DeviceEdge(600, d), DeviceEdge(146, d)), CurveColor) << "the time axis, d = " << d;

        // The curve of 1,000,000 people at y = 106 passes the device pixel of year 1000's 1x point.
        EXPECT_EQ(colour(static_cast<int>((YearToX(1000, 1) + 0.5) * d), static_cast<int>(106.5 * d)), CurveColor)
            << "the curve, d = " << d;

        // The texts at the device's resolution.
        EXPECT_GT(test::MixedPixels(device, {6, 16, 75, 32}, d), 60) << "Population (millions), d = " << d;
        EXPECT_GT(test::MixedPixels(device, {320, 147, 45, 14}, d), 20) << "the year labels, d = " << d;
    }
}

TEST(GraphZoom, WalksTheFourteenFactorsAndStaysInRange)
{
    int zoom = 1;
    for (std::size_t i = 1; i < ZoomFactors.size(); ++i) {
        zoom = ZoomIn(zoom);
        EXPECT_EQ(zoom, ZoomFactors[i]) << "zooming in step " << i;
    }
    EXPECT_EQ(ZoomIn(20000), 20000) << "no zoom beyond 20000";
    for (std::size_t i = ZoomFactors.size() - 1; i-- > 0;) {
        zoom = ZoomOut(zoom);
        EXPECT_EQ(zoom, ZoomFactors[i]) << "zooming out step " << i;
    }
    EXPECT_EQ(ZoomOut(1), 1) << "no zoom below 1";
}

TEST(GraphHintZones, PlacedAsTheHandlersNeed)
{
    const HintZoneGeometry reset1 = ZonesAfterZoomOrReset(1, 200000);
    EXPECT_EQ(reset1.H0Top, 146) << "d50 = 0 at zoom 1";
    EXPECT_EQ(reset1.H0Height, 0) << "d50 = 0 at zoom 1";
    EXPECT_EQ(reset1.HeTop, 145 - 8) << "200,000 people are 8 pixels up";
    const HintZoneGeometry zoomed = ZonesAfterZoomOrReset(20000, 50);
    EXPECT_EQ(zoomed.H0Top, 106) << "h0 from y = 106 at zoom 20000";
    EXPECT_EQ(zoomed.H0Height, 40) << "h0 40 high at zoom 20000";
    EXPECT_EQ(zoomed.HeTop, 105) << "the level 50 at zoom 20000";
    const HintZoneGeometry linear = ZonesAfterScaleClick(true, 1, 200000);
    EXPECT_EQ(linear.HeTop, 146 - 8) << "LinscaleClick puts he at 146 - dE";
    const HintZoneGeometry log = ZonesAfterScaleClick(false, 1, 2000);
    EXPECT_EQ(log.H0Top, 111) << "log scale h0 at 111";
    EXPECT_EQ(log.H0Height, 34) << "log scale h0 34 high";
    EXPECT_EQ(log.HeTop, 79) << "log scale he at 145 - 66";
    EXPECT_EQ(EquilibriumZoneTop(true, 2, 200000), 145 - 16) << "new level on the linear scale";
    EXPECT_LT(ZonesAfterZoomOrReset(20000, INT_MAX).HeTop, -1000000) << "a huge level is far above, no overflow";
}

TEST(GraphRobustness, AbsurdValuesDrawWithoutOverflow)
{
    auto st = ConstantPopulation(3000, 1e300, 20000, INT_MAX);
    st->ExactPopHistory[5] = std::numeric_limits<double>::quiet_NaN();
    st->ExactPopHistory[6] = -std::numeric_limits<double>::infinity();
    st->Stages[2].Year = 2999;
    RasterImage image = GraphImage();
    RasterCanvas c(image);
    DrawGraph(c, *st, true, 1);
    DrawGraph(c, *st, false, 1);
    st->Year = 5000; // out of range: drawn as the last year, nothing read beyond the history
    DrawGraph(c, *st, true, 1);
    ExtendCurve(c, *st, true);
    EXPECT_EQ(c.pen.Color, CurveColor) << "drawing finished normally";
}

// A kept run of `years` years with a constant population.
KeptCurve Kept(const std::string& label, int years, double people)
{
    return {label, std::vector<double>(static_cast<std::size_t>(years), people)};
}

TEST(GraphKeptCurves, OneSWideInTheirColourOnBothScalesAndAtTwoZooms)
{
    struct Case {
        bool linear;
        int zoom;
        int row; // of 500,000 people
    };
    const Case cases[] = {{true, 1, 126}, {true, 2, 106}, {false, 1, 32}, {false, 20000, 32}};
    auto st = ConstantPopulation(0, 100);
    KeptCurves kept;
    kept.Keep(Kept("Realistic, low", 2001, 500000));
    for (const Case& k : cases) {
        st->ZoomFactor = k.zoom;
        RasterImage image = GraphImage();
        RasterCanvas c(image);
        DrawGraph(c, *st, k.linear, 1, kept);
        for (int year : {0, 1000, 1636, 1996}) {
            const int x = YearToX(year, 1);
            EXPECT_EQ(c.Pixel(x, k.row), KeptCurveColors[0]) << "year " << year << ", zoom " << k.zoom;
            EXPECT_NE(c.Pixel(x, k.row - 1), KeptCurveColors[0]) << "1 pixel wide, year " << year;
            EXPECT_NE(c.Pixel(x, k.row + 1), KeptCurveColors[0]) << "1 pixel wide, year " << year;
        }
        EXPECT_NE(c.Pixel(YearToX(2600, 1), k.row), KeptCurveColors[0]) << "nothing after its last year and its label";
        EXPECT_EQ(c.pen.Color, CurveColor) << "the graph still ends with the curve pen";
    }

    RecordingCanvas big;
    st->ZoomFactor = 1;
    DrawGraph(big, *st, true, 4, kept);
    const auto line = LinesIn(big, KeptCurveColors[0]);
    ASSERT_EQ(line.size(), 2001u + 1) << "the point of year 0 and a line through every year";
    EXPECT_EQ(line.back().x2, YearToX(2000, 4)) << "to its last year, at s = 4";
    EXPECT_EQ(line.back().y2, 126 * 4) << "at s = 4";
    EXPECT_EQ(line.back().pen.Width, 4) << "1 s wide";
}

TEST(GraphKeptCurves, AfterGridAndDangerLinesBeforeTheCurveWithTheirLabels)
{
    auto st = ConstantPopulation(20, 1000000);
    KeptCurves kept;
    kept.Keep(Kept("Realistic, low", 2001, 500000));
    kept.Keep(Kept("Realistic, high*", 3001, 2000000));
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1, kept);
    const auto index = [&](auto&& test) {
        const auto at = std::find_if(c.calls.begin(), c.calls.end(), test);
        return at == c.calls.end() ? -1 : static_cast<int>(at - c.calls.begin());
    };
    const auto lastIndex = [&](auto&& test) {
        const auto at = std::find_if(c.calls.rbegin(), c.calls.rend(), test);
        return at == c.calls.rend() ? -1 : static_cast<int>(c.calls.rend() - at - 1);
    };
    const auto keptLine = [](const CanvasCall& k) {
        return k.kind == CanvasCall::LineTo && (k.pen.Color == KeptCurveColors[0] || k.pen.Color == KeptCurveColors[1]);
    };
    const int red =
        lastIndex([](const CanvasCall& k) { return k.kind == CanvasCall::LineTo && k.pen.Color == RedLine; });
    const int grid = lastIndex([](const CanvasCall& k) { return k.pen.Color == Rgb(192, 132, 80); });
    const int curve = index([](const CanvasCall& k) {
        return k.kind == CanvasCall::LineTo && k.pen.Color == CurveColor && k.pen.Width == 3 && k.x1 == 91 &&
               k.x2 == 91;
    });
    ASSERT_GE(red, 0);
    ASSERT_GE(curve, 0);
    EXPECT_LT(red, index(keptLine)) << "kept curves after the danger lines";
    EXPECT_LT(grid, index(keptLine)) << "kept curves after the grid";
    EXPECT_LT(lastIndex(keptLine), curve) << "kept curves before the current curve";

    const CanvasCall* low = c.Text("Realistic, low");
    ASSERT_NE(low, nullptr) << "the first curve's label";
    EXPECT_EQ(low->font.Color, KeptCurveColors[0]) << "in its curve's colour";
    EXPECT_EQ(low->x1, YearToX(2000, 1) + 4) << "right of its last point";
    EXPECT_EQ(low->y1, 126 - RecordingCanvas::LineHeight / 2) << "centred on its last point";
    EXPECT_EQ(low->brush.Style, BrushStyle::Clear) << "without a background";
    EXPECT_LT(lastIndex(keptLine), index([](const CanvasCall& k) { return k.text == "Realistic, low"; }))
        << "the labels over all kept lines";
    const CanvasCall* high = c.Text("Realistic, high*");
    ASSERT_NE(high, nullptr) << "the second curve's label, its mark kept";
    EXPECT_EQ(high->font.Color, KeptCurveColors[1]);
    EXPECT_EQ(high->x1 + RecordingCanvas::CharWidth * 16, YearToX(3000, 1) - 4)
        << "left of a last point with no room on its right";
    EXPECT_EQ(high->y1, 66 - RecordingCanvas::LineHeight / 2);
    EXPECT_EQ(c.font.Color, Rgb(0, 0, 0)) << "the text colour is black again for what follows";

    st->GraphMode = 2;
    RecordingCanvas age;
    DrawGraph(age, *st, true, 1, kept);
    EXPECT_TRUE(LinesIn(age, KeptCurveColors[0]).empty()) << "nothing kept in the other graphs";
    EXPECT_EQ(age.Text("Realistic, low"), nullptr) << "nothing kept in the other graphs";
}

TEST(GraphKeptCurves, ThreeAtMostTheFourthReplacesTheOldestInItsColour)
{
    KeptCurves kept;
    EXPECT_TRUE(kept.Empty());
    for (const char* label : {"one", "two", "three", "four"})
        kept.Keep(Kept(label, 10, 1000));
    ASSERT_EQ(kept.Count(), 3u) << "three kept curves at most";
    EXPECT_EQ(kept.Curve(0).Label, "two") << "the oldest went";
    EXPECT_EQ(kept.Curve(2).Label, "four") << "the newest last";
    EXPECT_EQ(kept.ColorOf(2), KeptCurveColors[0]) << "the fourth takes the colour of the one it replaced";
    EXPECT_EQ(kept.ColorOf(0), KeptCurveColors[1]);
    kept.Keep(Kept("five", 10, 1000));
    EXPECT_EQ(kept.Curve(0).Label, "three");
    EXPECT_EQ(kept.ColorOf(2), KeptCurveColors[1]) << "the fifth replaces the second, in its colour";
    kept.Forget();
    EXPECT_TRUE(kept.Empty());
    kept.Keep(Kept("six", 10, 1000));
    EXPECT_EQ(kept.ColorOf(0), KeptCurveColors[0]) << "after forgetting, the first colour again";
}

} // namespace
} // namespace vartel
