// The page's live run, driven as the page's animation frames drive it (with a fake clock): what it records
// for the page, and the files it saves, which must equal the batch tool's for the same run.
#include "web/PageSession.h"

#include "output/BmpEncoder.h"
#include "output/DataFile.h"
#include "tools/BatchSession.h"
#include "views/PlotFrame.h"
#include "web/PageBrowseKey.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <sstream>

namespace vartel::test {
namespace {

constexpr const char* Date = "3/4/26";

// The batch tool's run of `args` in this process, with its screen.
struct BatchTwin {
    explicit BatchTwin(const std::vector<std::string>& args)
    {
        const ParsedArguments parsed = ParseBatchArguments(args);
        EXPECT_EQ(parsed.Error, "");
        EXPECT_EQ(Batch->Run(parsed.Arguments), "");
    }
    std::string Bmp(const RasterImage& image)
    {
        std::string bytes;
        EXPECT_EQ(EncodeBmp(image, bytes), "");
        return bytes;
    }
    std::ostringstream Messages;
    std::unique_ptr<BatchSession> Batch = std::make_unique<BatchSession>(Messages, true);
};

class PageSessionTest : public testing::Test {
protected:
    void StartPage(double ratio = 1.0)
    {
        Page = std::make_unique<PageSession>(ratio, [this] { return Now += 1'000'000; });
        Page->Run().StartUp();
    }
    const SimulationState& S() { return Page->Run().state(); }
    // The passes the session asks for, each run at once, until it stops or reaches `year`.
    void PassUntil(int year)
    {
        while (S().Running && S().Year < year)
            Page->Run().RunPass();
    }

    std::int64_t Now = 0;
    std::unique_ptr<PageSession> Page;
};

TEST_F(PageSessionTest, AFullRunAtTheFastestSpeedSavesTheBatchToolsFiles)
{
    StartPage();
    Page->Run().SetSpeed(4);
    Page->Run().ChooseScenario(6);
    Page->Run().PressStart();
    PassUntil(3000);
    const PageChanges changes = Page->Listener().TakeChanges();
    EXPECT_EQ(changes.Fields[static_cast<std::size_t>(Field::Clock)], "3000");
    EXPECT_TRUE(changes.Finished);
    EXPECT_EQ(changes.Run, RunState::Finished);
    EXPECT_TRUE(changes.GraphChanged);
    EXPECT_TRUE(changes.PyramidChanged);

    BatchTwin batch({"--scenario", "6"});
    EXPECT_EQ(Page->DataFile(Date), DataFileText(batch.Batch->Simulation.state(), Date));
    EXPECT_EQ(Page->GraphBmp(), batch.Bmp(batch.Batch->Screen->Graph()));
    EXPECT_EQ(Page->PyramidBmp(), batch.Bmp(batch.Batch->Screen->Pyramid()));
}

TEST_F(PageSessionTest, APauseWithAnIncidentAndACommitGivesTheBatchRunOfTheSameEvents)
{
    StartPage();
    Page->Run().SetSpeed(4);
    Page->Run().ChooseScenario(5);
    Page->Run().PressStart();
    PassUntil(700);
    Page->Run().PressStart(); // Pause, at whatever year the pass ended
    ASSERT_EQ(Page->Run().CurrentRunState(), RunState::Paused);
    const std::string year = std::to_string(S().Year);
    Page->Run().StartIncident(1);
    EXPECT_EQ(Page->Commit(Field::BImeter, " 2.4 "), "");
    Page->Run().PressStart(); // Continue
    PassUntil(3000);

    BatchTwin batch({"--scenario", "5", "--event", year + ":epidemic", "--event", year + ":birth-index=2.4"});
    EXPECT_EQ(Page->DataFile(Date), DataFileText(batch.Batch->Simulation.state(), Date));
}

TEST_F(PageSessionTest, TakenChangesAreNotReportedAgain)
{
    StartPage();
    Page->Run().PressStart();
    Page->Run().RunPass();
    PageChanges first = Page->Listener().TakeChanges();
    EXPECT_EQ(first.Fields[static_cast<std::size_t>(Field::Clock)], "1");
    EXPECT_EQ(first.Run, RunState::Running);
    const PageChanges second = Page->Listener().TakeChanges();
    for (const auto& field : second.Fields)
        EXPECT_FALSE(field);
    EXPECT_FALSE(second.Run);
    EXPECT_FALSE(second.GraphChanged);
    EXPECT_FALSE(second.PyramidChanged);
}

TEST_F(PageSessionTest, AnOutOfRangeValueIsCorrectedAndANonNumberRefused)
{
    StartPage();
    Page->Listener().TakeChanges();
    EXPECT_EQ(Page->Commit(Field::BImeter, "25"), "");
    PageChanges changes = Page->Listener().TakeChanges();
    ASSERT_EQ(changes.Corrections.size(), 1U);
    EXPECT_EQ(changes.Corrections[0], "A birth index of more than 20 is not allowed. The value is adjusted.");
    EXPECT_EQ(changes.Fields[static_cast<std::size_t>(Field::BImeter)], Page->Run().ShownText(Field::BImeter));
    EXPECT_EQ(Page->Run().ShownText(Field::BImeter), "20.0000");

    EXPECT_EQ(Page->Commit(Field::Popmeter, "12a"), "''12a'' is not a valid integer value");
    EXPECT_TRUE(Page->Listener().TakeChanges().Corrections.empty());
    EXPECT_EQ(Page->Commit(Field::PGmeter, "5"), ""); // a result field commits nothing
}

TEST_F(PageSessionTest, TheShownPicturesFollowTheDeviceRatioAndTheSavedStayAtOne)
{
    StartPage(2.0);
    Page->Run().SetSpeed(4);
    Page->Run().PressStart();
    PassUntil(300);
    EXPECT_EQ(Page->Listener().Shown().Graph().Size(), (PixelSize{2 * 847, 2 * 162}));
    EXPECT_EQ(Page->Listener().Shown().Pyramid().Size(), (PixelSize{2 * 231, 2 * 278}));
    EXPECT_EQ(Page->Listener().Saved().Graph().Size(), (PixelSize{847, 162}));
    // The curve drawn so far is on the magnified picture too: its 1x pixels, doubled.
    const RasterImage& saved = Page->Listener().Saved().Graph();
    const RasterImage& shown = Page->Listener().Shown().Graph();
    int curvePixels = 0;
    for (int y = 0; y < 162; ++y)
        for (int x = 0; x < 847; ++x)
            curvePixels += saved.PixelColor(x, y) != shown.PixelColor(2 * x, 2 * y);
    EXPECT_LT(curvePixels, 847 * 162 / 50); // letters are drawn at the larger size, not magnified

    Page->Listener().TakeChanges();
    Page->Listener().SetDeviceRatio(1.0);
    EXPECT_EQ(&Page->Listener().Shown(), &Page->Listener().Saved());
    EXPECT_TRUE(Page->Listener().TakeChanges().GraphChanged);
}

TEST(PageBrowseKeyTest, TheGraphsKeysMapAsInTheWindow)
{
    struct Case {
        const char* Key;
        bool Shift;
        bool Other;
        std::optional<BrowseKey> Expected;
    };
    for (const Case& c : std::initializer_list<Case>{{"ArrowLeft", false, false, BrowseKey::Left},
                                                     {"ArrowLeft", true, false, BrowseKey::PageLeft},
                                                     {"ArrowRight", false, false, BrowseKey::Right},
                                                     {"ArrowRight", true, false, BrowseKey::PageRight},
                                                     {"Home", false, false, BrowseKey::Home},
                                                     {"End", true, false, BrowseKey::End},
                                                     {" ", false, false, BrowseKey::Freeze},
                                                     {"Escape", false, false, BrowseKey::Present},
                                                     {"ArrowLeft", false, true, std::nullopt},
                                                     {"Home", false, true, std::nullopt},
                                                     {"ArrowUp", false, false, std::nullopt},
                                                     {"a", false, false, std::nullopt}})
        EXPECT_EQ(PageBrowseKeyOf(c.Key, c.Shift, c.Other), c.Expected) << c.Key << " shift " << c.Shift;
}

class PageBrowsingTest : public PageSessionTest {
protected:
    void FullRun(double ratio)
    {
        StartPage(ratio);
        Page->Run().SetSpeed(4);
        Page->Run().ChooseScenario(6);
        Page->Run().PressStart();
        PassUntil(3000);
        Page->Listener().TakeChanges();
    }
    std::optional<std::string> Clock(const PageChanges& changes)
    {
        return changes.Fields[static_cast<std::size_t>(Field::Clock)];
    }
    // The device columns where the shown graph with the marker differs from the graph without it.
    std::set<int> MarkedColumns()
    {
        const RasterImage marked = Page->Listener().ShownGraph();
        const RasterImage& plain = Page->Listener().Shown().Graph();
        std::set<int> columns;
        for (int y = 0; y < plain.Height(); ++y)
            for (int x = 0; x < plain.Width(); ++x)
                if (marked.PixelColor(x, y) != plain.PixelColor(x, y))
                    columns.insert(x);
        return columns;
    }
    static constexpr int Middle = (PlotFrame::Top + PlotFrame::Axis) / 2;
};

TEST_F(PageBrowsingTest, AClickFreezesAPastYearWithItsMarkerOverTheShownGraphOnly)
{
    FullRun(1.0);
    const std::string savedBefore = Page->GraphBmp();
    const int column = PlotFrame::ColumnOfYear(1000);
    Page->Run().browsing().MouseMove(column, Middle);
    Page->Run().browsing().Click(column, Middle);
    const PageChanges changes = Page->Listener().TakeChanges();
    EXPECT_EQ(Clock(changes), "1000");
    EXPECT_EQ(changes.ShownInstruction, Instruction::Frozen);
    EXPECT_EQ(changes.AgeGraphsAvailable, false);
    EXPECT_TRUE(changes.GraphChanged);
    EXPECT_EQ(Page->Listener().MarkedYear(), 1000);
    EXPECT_EQ(MarkedColumns(), std::set<int>{column});
    EXPECT_EQ(Page->GraphBmp(), savedBefore);

    // The keys move the frozen moment.
    EXPECT_TRUE(Page->BrowseKeyDown("ArrowRight", false, false));
    EXPECT_EQ(Clock(Page->Listener().TakeChanges()), "1004");
    EXPECT_TRUE(Page->BrowseKeyDown("Home", false, false));
    EXPECT_EQ(Clock(Page->Listener().TakeChanges()), "0");
    EXPECT_EQ(Page->Listener().MarkedYear(), 0);
    EXPECT_FALSE(Page->BrowseKeyDown("ArrowRight", false, true));
    EXPECT_EQ(Page->Listener().MarkedYear(), 0);

    // Showing the present ends browsing: no marker, the saved graph as it was.
    Page->Run().browsing().ShowPresent();
    Page->Run().browsing().Click(column, Middle);
    Page->Run().browsing().ShowPresent();
    EXPECT_EQ(Page->Listener().MarkedYear(), std::nullopt);
    EXPECT_TRUE(MarkedColumns().empty());
    EXPECT_EQ(Page->GraphBmp(), savedBefore);
}

TEST_F(PageBrowsingTest, TheMarkerLiesOnTheYearsDevicePixelsAtRatioTwo)
{
    FullRun(2.0);
    const int column = PlotFrame::ColumnOfYear(2000);
    Page->Run().browsing().MouseMove(column, Middle);
    EXPECT_EQ(Page->Listener().MarkedYear(), 2000);
    EXPECT_EQ(Page->Listener().ShownGraph().Size(), (PixelSize{2 * 847, 2 * 162}));
    EXPECT_EQ(MarkedColumns(), (std::set<int>{2 * column, 2 * column + 1}));
}

} // namespace
} // namespace vartel::test
