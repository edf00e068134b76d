#include "RecordingCanvas.h"
#include "States.h"

#include "views/GraphView.h"
#include "views/RasterCanvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vartel {
namespace {

using test::CanvasCall;
using test::RecordingCanvas;

std::unique_ptr<SimulationState> AgeState(int mode)
{
    auto st = test::ConstantPopulation(0, 1000);
    st->GraphMode = mode;
    st->BirthIndex = 3;
    for (int i = 0; i < AgeCount; ++i) {
        st->FertilityByAge[i] = (i >= 17 && i <= 47) ? 0.02455 * std::sin(M_PI * (i - 16) / 32) : 0;
        st->MortalityByAge[i] = i == AgeCount - 1 ? 1.0 : 0.001;
        st->SurvivalByAge[i] = i == AgeCount - 1 ? 0.0 : 0.9;
    }
    return st;
}

// The curve's line ends, in order: the lines drawn with the 2-pixel curve pen.
std::vector<Point> CurvePoints(const RecordingCanvas& c)
{
    std::vector<Point> result;
    for (const CanvasCall& call : c.Of(CanvasCall::LineTo))
        if (call.pen.Width == 2)
            result.push_back({call.x2, call.y2});
    return result;
}

TEST(BirthGraph, BirthIndexZeroLiesOnTheAxisAndClosesAlongIt)
{
    auto st = AgeState(2);
    st->BirthIndex = 0;
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1);
    const auto points = CurvePoints(c);
    ASSERT_EQ(points.size(), 110u) << "109 ages after the start, then the closing line";
    for (int k = 1; k <= 109; ++k) {
        EXPECT_EQ(points[k - 1].x, 170 + 6 * k) << "age " << k << " at 6 pixels per year";
        EXPECT_EQ(points[k - 1].y, 120) << "age " << k << " on the axis";
    }
    EXPECT_EQ(points.back().x, 830) << "the closing line runs to x = 830";
    EXPECT_EQ(points.back().y, 120) << "along the axis";
    EXPECT_EQ(c.pen.Color, Rgb(124, 70, 51)) << "every mode ends with the curve pen of the population graph";
    EXPECT_EQ(c.pen.Width, 3) << "every mode ends with a pen 3 s wide";
}

TEST(BirthGraph, PeakAndLabelsAndTitles)
{
    auto st = AgeState(2);
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1);
    const auto points = CurvePoints(c);
    EXPECT_EQ(points[32 - 1].y, static_cast<int>(std::lround(120 - 250 * 3 * 0.02455)))
        << "the peak at age 32 rises 250 * BirthIndex * 0.02455 pixels";
    for (int i = 0; i <= 4; ++i) {
        const CanvasCall* label = c.Text(std::to_string(100 * i));
        ASSERT_NE(label, nullptr) << "value label " << 100 * i;
        EXPECT_EQ(label->x1 + 5 * static_cast<int>(label->text.size()), 165) << "right-aligned to x = 165";
        EXPECT_EQ(label->y1, 120 - 25 * i - 6) << "centred on level 120 - 25i";
    }
    const CanvasCall* age50 = c.Text("50");
    ASSERT_NE(age50, nullptr) << "the age label 50";
    EXPECT_EQ(age50->x1, 170 + 300 - 5) << "centred under its line";
    EXPECT_EQ(age50->y1, 122) << "age labels at y = 122";
    EXPECT_NE(c.Text("100"), nullptr) << "age labels go up to 100";
    EXPECT_EQ(c.Text("110"), nullptr) << "no age label 110";
    const CanvasCall* title = c.Text("Births per annum");
    ASSERT_NE(title, nullptr) << "the birth graph's title";
    EXPECT_TRUE(title->font.Bold) << "titles are bold";
    EXPECT_EQ(title->brush.Style, BrushStyle::Clear) << "all text is transparent";
    const CanvasCall* sub = c.Text("per 1000 women");
    ASSERT_NE(sub, nullptr) << "the birth graph's subtitle";
    EXPECT_EQ(sub->x1, 26) << "subtitle at (26, 38)";
    EXPECT_FALSE(sub->font.Bold) << "the subtitle is normal";
    EXPECT_NE(c.Text("Age"), nullptr) << "the axis title Age";
}

TEST(SurvivalGraph, LastPointOnTheAxisAtX824ThenClosesTo830)
{
    auto st = AgeState(4);
    RecordingCanvas c;
    DrawGraph(c, *st, true, 1);
    const auto points = CurvePoints(c);
    ASSERT_EQ(points.size(), 110u) << "109 ages and the closing line";
    EXPECT_EQ(points[108].x, 824) << "age 109 at x = 824";
    EXPECT_EQ(points[108].y, 120) << "a survival chance of 0 lies on the axis";
    EXPECT_EQ(points[109].x, 830) << "then closes to x = 830";
    EXPECT_EQ(points[0].y, 30) << "a chance of 0.9 is 90 pixels up";
    EXPECT_NE(c.Text("100%"), nullptr) << "labels in percent";
    EXPECT_NE(c.Text("Chance of survival"), nullptr) << "the survival graph's title";

    RasterImage image(GraphWidth, GraphHeight);
    RasterCanvas rc(image);
    DrawGraph(rc, *st, true, 1);
    EXPECT_EQ(rc.Pixel(400, 30), Rgb(0, 68, 68)) << "the curve at 90% on the raster";
    EXPECT_EQ(rc.Pixel(5, 5), Rgb(204, 255, 255)) << "the background colour";
    EXPECT_EQ(rc.Pixel(505, 60), Rgb(238, 255, 255)) << "the plot area colour";
}

TEST(MortalityGraph, FollowsTheScaleChoice)
{
    auto st = AgeState(3);
    RecordingCanvas lin;
    DrawGraph(lin, *st, true, 1);
    EXPECT_EQ(CurvePoints(lin).size(), 109u) << "no closing line in the mortality graph";
    EXPECT_EQ(CurvePoints(lin).back().y, 20) << "a mortality of 1 at age 109 is 100 pixels up";
    EXPECT_NE(lin.Text("1000"), nullptr) << "linear labels up to 1000";
    EXPECT_NE(lin.Text("750"), nullptr) << "linear labels in steps of 250";
    for (const CanvasCall& l : lin.Of(CanvasCall::LineTo)) {
        if (l.pen.Color == Rgb(136, 136, 136)) {
            EXPECT_FALSE(l.y1 == 120 && l.y2 == 120) << "no horizontal grid line on the axis in mode 3";
        }
    }

    RecordingCanvas log;
    DrawGraph(log, *st, false, 1);
    const auto points = CurvePoints(log);
    EXPECT_EQ(points[0].y, 95) << "1 death per 1000 at y = 95 on the log scale";
    EXPECT_EQ(points.back().y, 20) << "1000 per 1000 is three decades up";
    for (const char* label : {"0.1", "1", "10", "100", "1000"})
        EXPECT_NE(log.Text(label), nullptr) << "log label " << label;
    EXPECT_EQ(log.Text("250"), nullptr) << "no linear labels on the log scale";
    EXPECT_NE(log.Text("per 1000 inhabitants"), nullptr) << "the mortality subtitle";

    st->MortalityByAge[10] = 0;
    st->MortalityByAge[11] = -1;
    RasterImage image(GraphWidth, GraphHeight);
    RasterCanvas rc(image);
    DrawGraph(rc, *st, false, 1);
    RecordingCanvas zero;
    DrawGraph(zero, *st, false, 1);
    EXPECT_GT(CurvePoints(zero)[9].y, GraphHeight) << "a mortality of 0 falls below the image on the log scale";
}

} // namespace
} // namespace vartel
