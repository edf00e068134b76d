// The browsing rules without a window: the past-point test, every row of the state table, and the keys.
#include "session/Browsing.h"
#include "tests/session/SessionFixture.h"
#include "views/PlotFrame.h"

#include <optional>
#include <string>
#include <vector>

namespace vartel {
namespace {

// Keeps what browsing showed: the past years, the present shown again, the age-graph buttons and the
// instruction lines.
class BrowsingListener final : public RecordingListener {
public:
    void PastYearShown(int year) override { shownYears.push_back(year); }
    void BrowsingEnded() override { ++presents; }
    void AgeGraphsAvailableChanged(bool available) override { buttons = available; }
    void InstructionChanged(Instruction instruction) override
    {
        RecordingListener::InstructionChanged(instruction);
        lines.push_back(instruction);
    }
    void Clear()
    {
        shownYears.clear();
        presents = 0;
        buttons.reset();
        lines.clear();
    }

    std::vector<int> shownYears;
    int presents = 0;
    std::optional<bool> buttons; // last state set, if any
    std::vector<Instruction> lines;
};

class BrowsingTest : public testing::Test {
protected:
    BrowsingTest() { Run.StartUp(); }

    SimulationState& S() { return Run.model().S; }
    Browsing& Browse() { return Run.browsing(); }
    void AdvanceTo(int year)
    {
        while (S().Year < year && Run.Advance()) {
        }
    }

    BrowsingListener Listener;
    SeededRandom Random{20240601};
    std::int64_t Now = 0;
    Session Run{Listener, Random, [this] { return Now; }};
};

SimulationState PausedAt(int year)
{
    SimulationState s;
    s.Year = year;
    s.GraphMode = 1;
    return s;
}

TEST(PastPoint, YearZeroHasOnlyColumn90)
{
    const auto s = std::make_unique<SimulationState>(PausedAt(0));
    EXPECT_TRUE(Browsing::IsPastPoint(*s, 90, 50)) << "column 90 is year 0";
    EXPECT_FALSE(Browsing::IsPastPoint(*s, 91, 50)) << "column 91 is year 4, not reached at year 0";
    EXPECT_FALSE(Browsing::IsPastPoint(*s, 89, 50)) << "columns left of 90 are the scale";
}

TEST(PastPoint, FullRunHasColumns90To839)
{
    const auto s = std::make_unique<SimulationState>(PausedAt(MaxYear));
    for (int x = 90; x < 840; ++x)
        EXPECT_TRUE(Browsing::IsPastPoint(*s, x, 50)) << "column " << x << " is a past point at year 3000";
    EXPECT_FALSE(Browsing::IsPastPoint(*s, 840, 50)) << "column 840 (year 3000) is outside the mouse's area";
    EXPECT_EQ(PlotFrame::YearAtColumn(839), 2996) << "the last column shows year 2996";
    EXPECT_EQ(PlotFrame::YearAtColumn(90), 0);
}

TEST(PastPoint, ColumnOfTheCurrentYearCountsOthersDoNot)
{
    const auto s = std::make_unique<SimulationState>(PausedAt(101));
    EXPECT_TRUE(Browsing::IsPastPoint(*s, 115, 50)) << "column 115 is year 100 <= 101";
    EXPECT_FALSE(Browsing::IsPastPoint(*s, 116, 50)) << "column 116 is year 104 > 101";
}

TEST(PastPoint, RowsStrictlyBetween6And146)
{
    const auto s = std::make_unique<SimulationState>(PausedAt(MaxYear));
    EXPECT_FALSE(Browsing::IsPastPoint(*s, 100, 6)) << "row 6 is the frame";
    EXPECT_TRUE(Browsing::IsPastPoint(*s, 100, 7));
    EXPECT_TRUE(Browsing::IsPastPoint(*s, 100, 145));
    EXPECT_FALSE(Browsing::IsPastPoint(*s, 100, 146)) << "row 146 is the frame";
}

TEST(PastPoint, NeitherWhileRunningNorInTheAgeGraphs)
{
    auto s = std::make_unique<SimulationState>(PausedAt(MaxYear));
    s->Running = true;
    EXPECT_FALSE(Browsing::IsPastPoint(*s, 100, 50)) << "no browsing while the years run";
    s->Running = false;
    for (int mode : {2, 3, 4}) {
        s->GraphMode = mode;
        EXPECT_FALSE(Browsing::IsPastPoint(*s, 100, 50)) << "graph mode " << mode << " has no past points";
    }
}

using Mouse = BrowsingTest;

TEST_F(Mouse, TheFrameRowsAndTheColumnsAtTheEnd)
{
    AdvanceTo(8);
    Browse().MouseMove(92, 6);
    EXPECT_FALSE(S().Browsing) << "row 6 is not a past point";
    Browse().MouseMove(92, 146);
    EXPECT_FALSE(S().Browsing) << "row 146 is not a past point";
    Browse().MouseMove(92, 7);
    EXPECT_TRUE(S().Browsing) << "row 7 is a past point";
    EXPECT_EQ(Run.ShownText(Field::Clock), "8");

    Browse().ShowPresent();
    AdvanceTo(MaxYear);
    Browse().MouseMove(839, 80);
    EXPECT_TRUE(S().Browsing) << "column 839 is year 2996";
    EXPECT_EQ(Run.ShownText(Field::Clock), "2996");
    Browse().MouseMove(840, 80);
    EXPECT_FALSE(S().Browsing) << "column 840 is outside the mouse's area";
    EXPECT_EQ(Run.ShownText(Field::Clock), "3000");
    Browse().MouseMove(90, 80);
    EXPECT_EQ(Run.ShownText(Field::Clock), "0") << "column 90 is year 0";
}

enum class Event { PastPoint, GraphNotPast, RestoringPlace, Click, ClickNotPast, Start };
enum class Buttons { Untouched, Disabled, Enabled };

struct Row {
    const char* name;
    bool browsing, frozen;
    Event event;
    bool browsingAfter, frozenAfter;
    bool showsPast;    // the year under the mouse is shown
    bool showsPresent; // the present is restored
    Buttons buttons;
    std::optional<Instruction> line; // none: the instruction line untouched
};

constexpr int PastColumn = 100; // year 40
constexpr int ShownYear = 40;
constexpr int NotPastColumn = 845;
constexpr int FirstColumn = 120; // year 120: the moment on display before the event
constexpr auto Investigate = Instruction::Investigate;
constexpr auto Frozen = Instruction::Frozen;
constexpr auto Running = Instruction::None;

// A release (a click while frozen) lets the display follow the mouse at once; a past year still on
// display after the mouse left a frozen moment is shown until the present comes back.
// clang-format off
const Row Rows[] = {
    {"idle_past_point",        false, false, Event::PastPoint,      true,  false, true,  false, Buttons::Disabled,  {}},
    {"idle_graph_not_past",    false, false, Event::GraphNotPast,   false, false, false, false, Buttons::Untouched, {}},
    {"idle_restoring_place",   false, false, Event::RestoringPlace, false, false, false, false, Buttons::Untouched, {}},
    {"idle_click",             false, false, Event::Click,          false, false, false, false, Buttons::Untouched, {}},
    {"idle_start",             false, false, Event::Start,          false, false, false, false, Buttons::Untouched, Running},
    {"browsing_past_point",    true,  false, Event::PastPoint,      true,  false, true,  false, Buttons::Disabled,  {}},
    {"browsing_graph_not_past",true,  false, Event::GraphNotPast,   false, false, false, true,  Buttons::Enabled,   {}},
    {"browsing_restoring",     true,  false, Event::RestoringPlace, false, false, false, true,  Buttons::Enabled,   {}},
    {"browsing_click",         true,  false, Event::Click,          true,  true,  false, false, Buttons::Untouched, Frozen},
    {"browsing_start",         true,  false, Event::Start,          false, false, false, true,  Buttons::Enabled,   Running},
    {"frozen_past_point",      true,  true,  Event::PastPoint,      true,  true,  false, false, Buttons::Disabled,  {}},
    {"frozen_graph_not_past",  true,  true,  Event::GraphNotPast,   true,  true,  false, false, Buttons::Untouched, {}},
    {"frozen_restoring",       true,  true,  Event::RestoringPlace, false, true,  false, false, Buttons::Untouched, {}},
    {"frozen_click",           true,  true,  Event::Click,          true,  false, true,  false, Buttons::Disabled,  Investigate},
    {"frozen_click_not_past",  true,  true,  Event::ClickNotPast,   false, false, false, true,  Buttons::Enabled,   Investigate},
    {"frozen_start",           true,  true,  Event::Start,          false, false, false, true,  Buttons::Enabled,   Running},
    {"away_past_point",        false, true,  Event::PastPoint,      true,  true,  false, false, Buttons::Disabled,  {}},
    {"away_graph_not_past",    false, true,  Event::GraphNotPast,   false, true,  false, false, Buttons::Untouched, {}},
    {"away_restoring",         false, true,  Event::RestoringPlace, false, true,  false, false, Buttons::Untouched, {}},
    {"away_click",             false, true,  Event::Click,          true,  false, true,  false, Buttons::Disabled,  Investigate},
    {"away_click_not_past",    false, true,  Event::ClickNotPast,   false, false, false, true,  Buttons::Enabled,   Investigate},
    {"away_start",             false, true,  Event::Start,          false, false, false, true,  Buttons::Enabled,   Running},
};
// clang-format on

class StateTable : public BrowsingTest, public testing::WithParamInterface<Row> {};

TEST_P(StateTable, EventGivesTheRowsEffects)
{
    const Row& row = GetParam();
    AdvanceTo(200);
    S().BrowseYear = 120;
    // The row's state as the mouse reaches it: browse year 120, freeze it, leave the graph.
    if (row.browsing || row.frozen)
        Browse().MouseMove(FirstColumn, 50);
    if (row.frozen)
        Browse().Click(FirstColumn, 50);
    if (!row.browsing && row.frozen)
        Browse().ShowPresent();
    ASSERT_EQ(S().Browsing, row.browsing);
    ASSERT_EQ(S().Frozen, row.frozen);
    Listener.Clear();

    switch (row.event) {
    case Event::PastPoint:
        Browse().MouseMove(PastColumn, 50);
        break;
    case Event::GraphNotPast:
        Browse().MouseMove(NotPastColumn, 50);
        break;
    case Event::RestoringPlace:
        Browse().ShowPresent();
        break;
    case Event::Click:
        Browse().Click(PastColumn, 50);
        break;
    case Event::ClickNotPast:
        Browse().Click(NotPastColumn, 50);
        break;
    case Event::Start:
        Run.PressStart();
        break;
    }
    EXPECT_EQ(S().Browsing, row.browsingAfter) << "Browsing after the event";
    EXPECT_EQ(S().Frozen, row.frozenAfter) << "Frozen after the event";
    if (row.showsPast) {
        EXPECT_EQ(Listener.shownYears, std::vector<int>{ShownYear}) << "the year under the mouse is shown";
        EXPECT_EQ(S().BrowseYear, ShownYear) << "BrowseYear follows the mouse";
        EXPECT_EQ(Run.ShownText(Field::Clock), std::to_string(ShownYear)) << "with its figures";
    } else {
        EXPECT_TRUE(Listener.shownYears.empty()) << "no past year is shown";
        EXPECT_EQ(S().BrowseYear, 120) << "the moment on display is kept";
    }
    EXPECT_EQ(Listener.presents, row.showsPresent ? 1 : 0) << "restores of the present";
    if (row.showsPresent) {
        EXPECT_EQ(Run.ShownText(Field::Clock), "200") << "the present's figures";
    }
    const bool pastBefore = row.browsing || row.frozen;
    EXPECT_EQ(Browse().ShownPastYear().has_value(), row.showsPast || (pastBefore && !row.showsPresent))
        << "a past year on display";
    switch (row.buttons) {
    case Buttons::Untouched:
        EXPECT_FALSE(Listener.buttons.has_value()) << "age-graph buttons untouched";
        break;
    case Buttons::Disabled:
        EXPECT_EQ(Listener.buttons, false) << "age-graph buttons disabled";
        break;
    case Buttons::Enabled:
        EXPECT_EQ(Listener.buttons, true) << "age-graph buttons enabled";
        break;
    }
    if (row.line)
        EXPECT_EQ(Listener.lines, std::vector<Instruction>{*row.line}) << "the instruction line";
    else
        EXPECT_TRUE(Listener.lines.empty()) << "the instruction line untouched";
}

INSTANTIATE_TEST_SUITE_P(EveryRow, StateTable, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

constexpr int Present = -1;

struct KeyStep {
    BrowseKey key;
    int shown; // the year on display afterwards, or Present
    bool frozen;
    std::optional<Instruction> line; // none: the instruction line untouched
};

// Plays `steps` from the present and checks each one.
void PlayKeys(Session& run, BrowsingListener& listener, const std::vector<KeyStep>& steps)
{
    const SimulationState& s = run.state();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const KeyStep& step = steps[i];
        listener.Clear();
        EXPECT_TRUE(run.browsing().Key(step.key)) << "step " << i << " browses";
        EXPECT_EQ(run.browsing().ShownPastYear().value_or(Present), step.shown) << "step " << i;
        if (!listener.shownYears.empty()) {
            EXPECT_EQ(listener.shownYears.back(), step.shown) << "step " << i << " reported";
        }
        EXPECT_EQ(s.Frozen, step.frozen) << "step " << i;
        EXPECT_EQ(s.Browsing, step.shown != Present) << "step " << i;
        if (step.line)
            EXPECT_EQ(listener.lines, std::vector<Instruction>{*step.line}) << "step " << i;
        else
            EXPECT_TRUE(listener.lines.empty()) << "step " << i;
        const std::string year = std::to_string(step.shown == Present ? s.Year : step.shown);
        EXPECT_EQ(run.ShownText(Field::Clock), year) << "step " << i << " shows its year's figures";
    }
}

using Keys = BrowsingTest;

// From the present at year 1000 (column 340), through every key, frozen and not: a key shows the year the
// mouse shows in the column it goes to, Home year 0 and End the last year; a key move keeps a freeze.
TEST_F(Keys, EveryKeyFrozenOrNot)
{
    AdvanceTo(1000);
    // clang-format off
    PlayKeys(Run, Listener, {
        {BrowseKey::Right,     Present, false, {}},          // nothing beyond the present
        {BrowseKey::Left,      1000,    false, {}},          // from the present to the last column
        {BrowseKey::Left,      996,     false, {}},
        {BrowseKey::Right,     1000,    false, {}},
        {BrowseKey::Right,     Present, false, {}},          // beyond the last column lies the present
        {BrowseKey::End,       1000,    false, {}},
        {BrowseKey::Home,      0,       false, {}},
        {BrowseKey::Left,      0,       false, {}},          // nothing before year 0
        {BrowseKey::PageLeft,  0,       false, {}},
        {BrowseKey::PageRight, 100,     false, {}},
        {BrowseKey::PageRight, 200,     false, {}},
        {BrowseKey::Right,     204,     false, {}},
        {BrowseKey::Freeze,    204,     true,  Frozen},
        {BrowseKey::Right,     208,     true,  {}},          // the freeze moves with the key
        {BrowseKey::PageLeft,  108,     true,  {}},
        {BrowseKey::End,       1000,    true,  {}},
        {BrowseKey::Right,     1000,    true,  {}},          // a frozen moment does not reach the present
        {BrowseKey::PageRight, 1000,    true,  {}},
        {BrowseKey::Home,      0,       true,  {}},
        {BrowseKey::Left,      0,       true,  {}},
        {BrowseKey::PageRight, 100,     true,  {}},
        {BrowseKey::Freeze,    100,     false, Investigate}, // released where it stands
        {BrowseKey::PageLeft,  0,       false, {}},
        {BrowseKey::Present,   Present, false, {}},
        {BrowseKey::Freeze,    Present, false, {}},          // as a click while the present is shown: nothing
        {BrowseKey::PageLeft,  904,     false, {}},          // from the present, 25 columns back from the last
        {BrowseKey::Freeze,    904,     true,  Frozen},
        {BrowseKey::Present,   Present, false, Investigate},
        {BrowseKey::PageRight, Present, false, {}},
    });
    // clang-format on
    EXPECT_EQ(Listener.buttons, std::nullopt) << "the last step changed nothing";
}

TEST_F(Keys, AtTheEndEndShowsTheLastYear)
{
    AdvanceTo(MaxYear);
    // clang-format off
    PlayKeys(Run, Listener, {
        {BrowseKey::End,       3000,    false, {}},
        {BrowseKey::Left,      2996,    false, {}},
        {BrowseKey::Right,     3000,    false, {}},
        {BrowseKey::Right,     Present, false, {}},
        {BrowseKey::Left,      3000,    false, {}},          // the last column is the last year's
        {BrowseKey::Home,      0,       false, {}},
        {BrowseKey::Freeze,    0,       true,  Frozen},
        {BrowseKey::End,       3000,    true,  {}},
        {BrowseKey::Right,     3000,    true,  {}},
        {BrowseKey::PageLeft,  2900,    true,  {}},
    });
    // clang-format on
}

TEST_F(Keys, BetweenColumnsEndShowsTheLastYearAndHomeYearZero)
{
    AdvanceTo(3);
    PlayKeys(Run, Listener,
             {{BrowseKey::End, 3, false, {}}, {BrowseKey::Home, 0, false, {}}, {BrowseKey::Right, Present, false, {}}});
    AdvanceTo(1001);
    PlayKeys(Run, Listener, {{BrowseKey::End, 1001, false, {}}, {BrowseKey::Left, 996, false, {}}});
}

TEST_F(Keys, AfterAClickOnTheGraphTheKeysMoveTheFrozenMoment)
{
    AdvanceTo(400);
    Browse().MouseMove(PlotFrame::ColumnOfYear(200), 80);
    Browse().Click(PlotFrame::ColumnOfYear(200), 80);
    ASSERT_TRUE(S().Frozen);
    PlayKeys(Run, Listener,
             {{BrowseKey::Home, 0, true, {}},
              {BrowseKey::PageRight, 100, true, {}},
              {BrowseKey::Right, 104, true, {}},
              {BrowseKey::End, 400, true, {}}});
    Browse().MouseMove(PlotFrame::ColumnOfYear(20), 80);
    EXPECT_EQ(Browse().ShownPastYear(), 400) << "the mouse does not move a frozen moment";
}

TEST_F(Keys, OnlyWhileTheYearsStandStillAndThePopulationGraphIsShown)
{
    Run.SetSpeed(4);
    Run.PressStart();
    for (int pass = 0; pass < 5; ++pass)
        Run.RunPass();
    ASSERT_TRUE(S().Running);
    ASSERT_GT(S().Year, 0);
    for (BrowseKey key : {BrowseKey::Left, BrowseKey::Home, BrowseKey::End, BrowseKey::Freeze})
        EXPECT_FALSE(Browse().Key(key)) << "no browsing while the years run";
    EXPECT_FALSE(S().Browsing);

    Run.PressStart(); // Pause
    ASSERT_FALSE(S().Running);
    const int paused = S().Year;
    PlayKeys(Run, Listener, {{BrowseKey::End, paused, false, {}}, {BrowseKey::Home, 0, false, {}}});
    Run.PressStart(); // Continue
    EXPECT_EQ(Browse().ShownPastYear(), std::nullopt) << "Start shows the present again";
    EXPECT_FALSE(S().Browsing);

    Run.PressStart();
    Run.SetStepMode(true);
    Run.PressStart();
    Run.RunPass();
    ASSERT_EQ(Run.CurrentRunState(), RunState::Stepping);
    EXPECT_TRUE(Browse().Key(BrowseKey::Left)) << "after a step";

    S().GraphMode = 3;
    EXPECT_FALSE(Browse().Key(BrowseKey::Home)) << "nor in the age graphs";
}

TEST_F(Keys, NewEndsAFrozenMomentAndShowsThePresent)
{
    AdvanceTo(100);
    Browse().Key(BrowseKey::Home);
    Browse().Key(BrowseKey::Freeze);
    ASSERT_TRUE(S().Frozen);
    Listener.Clear();
    Run.New();
    EXPECT_FALSE(S().Frozen);
    EXPECT_FALSE(S().Browsing);
    EXPECT_EQ(Listener.presents, 1);
    EXPECT_EQ(Listener.buttons, true);
    EXPECT_EQ(Browse().ShownPastYear(), std::nullopt);
}

TEST(BrowsingMessages, SpacingAsShownToTheUser)
{
    EXPECT_STREQ(InvestigateMessage, "Investigate the past:  Move the mouse in the population graph.     "
                                     "Freeze the moment in time: Click the mouse.");
    EXPECT_STREQ(FrozenMessage, "The moment in time is frozen.     Release: Click the mouse within the graph.");
}

} // namespace
} // namespace vartel
