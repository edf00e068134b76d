// The run's animation: the frames' years, the GIF as giflib reads it back, and each frame against the views
// drawn from a record that stands at that frame's year.
#include "output/AnimationWriter.h"
#include "tests/output/GifFrames.h"
#include "views/GraphView.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace vartel {
namespace {

constexpr int LastYear = 1200;
constexpr int StageAYear = 1000;       // recorded the year before it is reached
constexpr int StableLevelChange = 600; // the equilibrium level halves from this year on

// The record of a run with a known course as it stands at `year`: the history up to LastYear is filled
// alike (what lies beyond `year` is never read), and what the record holds of the present is that year's.
std::unique_ptr<SimulationState> RecordAt(int year)
{
    auto st = std::make_unique<SimulationState>();
    st->Year = year;
    st->GraphMode = 1;
    st->ZoomFactor = 1;
    for (int y = 0; y <= LastYear; ++y) {
        st->ExactPopHistory[y] = 10'000.0 + 1'500.0 * y - (y > 900 ? 2'000.0 * (y - 900) : 0.0);
        st->PopHistory[y] = st->ExactPopHistory[y];
        st->StableLevelHistory[y] = y < StableLevelChange ? 2'000'000 : 1'000'000;
        for (int k = 0; k < ClassCount; ++k)
            st->PyramidHistory[y][k] = (100.0 + y) * (ClassCount - k) + (k == y % ClassCount ? 500.0 : 0.0);
    }
    st->StableLevel = static_cast<int>(st->StableLevelHistory[year]);
    const char* letters = "SAMHPEB";
    for (int i = 0; i < 7; ++i)
        st->Stages[i].Letter = std::string(1, letters[i]);
    if (year > StageAYear)
        st->Stages[1].Year = StageAYear;
    return st;
}

KeptCurves OneKeptCurve()
{
    KeptCurves kept;
    kept.Keep({"Simple", std::vector<double>(3001, 400'000.0)});
    return kept;
}

// The frame as it must look: the graph centred beside the pyramid, both drawn from `st`.
RasterImage ExpectedFrame(const SimulationState& st, const KeptCurves& kept)
{
    RasterImage graph(GraphWidth, GraphHeight), pyramid(PyramidWidth, PyramidHeight);
    RasterCanvas graphCanvas(graph);
    ClearGraphImage(graphCanvas);
    DrawGraph(graphCanvas, st, true, 1, kept);
    RasterCanvas pyramidCanvas(pyramid);
    DrawPyramid(pyramidCanvas, st, st.Year, 1);
    RasterImage frame(GraphWidth + AnimationGap + PyramidWidth, PyramidHeight);
    const int graphTop = (PyramidHeight - GraphHeight) / 2;
    for (int y = 0; y < GraphHeight; ++y)
        for (int x = 0; x < GraphWidth; ++x)
            frame.Row(graphTop + y)[x] = graph.Row(y)[x];
    for (int y = 0; y < PyramidHeight; ++y)
        for (int x = 0; x < PyramidWidth; ++x)
            frame.Row(y)[GraphWidth + AnimationGap + x] = pyramid.Row(y)[x];
    return frame;
}

TEST(AnimationYears, EveryNYearsFromZeroAndTheLastYearOnce)
{
    struct Case {
        int LastYear, Step;
        std::vector<int> Years;
    };
    for (const Case& c : std::vector<Case>{{0, 25, {0}},
                                           {10, 25, {0, 10}},
                                           {50, 25, {0, 25, 50}},
                                           {7, 3, {0, 3, 6, 7}},
                                           {3, 1, {0, 1, 2, 3}},
                                           {3, 0, {0, 1, 2, 3}}})
        EXPECT_EQ(AnimationYears(c.LastYear, c.Step), c.Years) << "for " << c.LastYear << " every " << c.Step;
    const std::vector<int> run = AnimationYears(MaxYear, DefaultAnimationYears);
    EXPECT_EQ(run.size(), 121u) << "a whole run at the default";
    EXPECT_EQ(run.back(), MaxYear);
}

class AnimationWriter : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

    QTemporaryDir dir_;
    std::unique_ptr<SimulationState> record_ = RecordAt(LastYear);
    KeptCurves kept_ = OneKeptCurve();
};

TEST_F(AnimationWriter, GiflibReadsAFrameEveryNYearsThatLoopsAndHoldsTheEnd)
{
    const std::string path = Path("run.gif");
    ASSERT_EQ(SaveAnimation(path, *record_, true, kept_, 100), "");
    const test::GifFrames gif = test::ReadGifFrames(path);
    ASSERT_EQ(gif.Error, "");
    EXPECT_EQ(gif.Size, (PixelSize{1086, 278})) << "the graph, the gap and the pyramid side by side";
    EXPECT_EQ(gif.Size, RunAnimation::FrameSize());
    ASSERT_EQ(gif.Frames.size(), 13u) << "years 0, 100, ..., 1200";
    EXPECT_TRUE(gif.LoopsForEver);
    EXPECT_EQ(gif.Delays.front(), AnimationFrameDelay);
    EXPECT_EQ(gif.Delays[11], AnimationFrameDelay);
    EXPECT_EQ(gif.Delays.back(), AnimationLastFrameHold) << "the end is held longer";
}

TEST_F(AnimationWriter, EachFrameIsTheViewsOfTheRecordAtItsYear)
{
    const std::string path = Path("run.gif");
    ASSERT_EQ(SaveAnimation(path, *record_, true, kept_, 25), "");
    const test::GifFrames gif = test::ReadGifFrames(path);
    ASSERT_EQ(gif.Error, "");
    ASSERT_EQ(gif.Frames.size(), 49u);
    // Around the stage reached in year 1001 and the change of the equilibrium level in year 600.
    for (int index : {0, 23, 24, 40, 41, 48}) {
        const int year = index * 25;
        EXPECT_TRUE(gif.Frames[static_cast<std::size_t>(index)] == ExpectedFrame(*RecordAt(year), kept_))
            << "frame " << index << " should show the record at year " << year;
    }
    EXPECT_FALSE(gif.Frames[40] == gif.Frames[41]) << "the frames follow the run";
}

TEST_F(AnimationWriter, TheLastFrameIsThePresentEvenAfterALaterCommit)
{
    record_->StableLevel = 5'000; // entered during the last pause, after the year was recorded
    RasterImage frame(1086, 278);
    RunAnimation(*record_, true, kept_).DrawFrame(LastYear, frame);
    EXPECT_TRUE(frame == ExpectedFrame(*record_, kept_)) << "the window shows the new level at once";
}

TEST_F(AnimationWriter, AFailedWriteGivesTheReasonAndLeavesNoFile)
{
    const std::string path = Path("no/such/folder/run.gif");
    const std::string error = SaveAnimation(path, *record_, true, kept_);
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find("No such file or directory"), std::string::npos) << error;
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty()) << "no leftovers";
}

} // namespace
} // namespace vartel
