// The browsing rules without a window: the past-point test and every row of the state table.
#include "views/HistoryBrowsing.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vartel::test {
namespace {

struct RecordingEffects final : BrowsingEffects {
    void ShowPastYear(int year) override { shownYears.push_back(year); }
    void ShowPresent() override { ++presents; }
    void SetAgeGraphButtonsEnabled(bool enabled) override { buttons = enabled; }
    void ShowMemo(const std::string& text) override { memos.push_back(text); }
    void Clear()
    {
        shownYears.clear();
        presents = 0;
        buttons.reset();
        memos.clear();
    }

    std::vector<int> shownYears;
    int presents = 0;
    std::optional<bool> buttons; // last state set, if any
    std::vector<std::string> memos;
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
    EXPECT_TRUE(IsPastPoint(*s, 90, 50)) << "column 90 is year 0";
    EXPECT_FALSE(IsPastPoint(*s, 91, 50)) << "column 91 is year 4, not reached at year 0";
    EXPECT_FALSE(IsPastPoint(*s, 89, 50)) << "columns left of 90 are the scale";
}

TEST(PastPoint, FullRunHasColumns90To839)
{
    const auto s = std::make_unique<SimulationState>(PausedAt(MaxYear));
    for (int x = 90; x < 840; ++x)
        EXPECT_TRUE(IsPastPoint(*s, x, 50)) << "column " << x << " is a past point at year 3000";
    EXPECT_FALSE(IsPastPoint(*s, 840, 50)) << "column 840 (year 3000) is outside the browsing area";
    EXPECT_EQ(PlotFrame::YearAtColumn(839), 2996) << "the last column shows year 2996";
    EXPECT_EQ(PlotFrame::YearAtColumn(90), 0);
}

TEST(PastPoint, ColumnOfTheCurrentYearCountsOthersDoNot)
{
    const auto s = std::make_unique<SimulationState>(PausedAt(101));
    EXPECT_TRUE(IsPastPoint(*s, 115, 50)) << "column 115 is year 100 <= 101";
    EXPECT_FALSE(IsPastPoint(*s, 116, 50)) << "column 116 is year 104 > 101";
}

TEST(PastPoint, RowsStrictlyBetween6And146)
{
    const auto s = std::make_unique<SimulationState>(PausedAt(MaxYear));
    EXPECT_FALSE(IsPastPoint(*s, 100, 6)) << "row 6 is the frame";
    EXPECT_TRUE(IsPastPoint(*s, 100, 7));
    EXPECT_TRUE(IsPastPoint(*s, 100, 145));
    EXPECT_FALSE(IsPastPoint(*s, 100, 146)) << "row 146 is the frame";
}

TEST(PastPoint, NeitherWhileRunningNorInTheAgeGraphs)
{
    auto s = std::make_unique<SimulationState>(PausedAt(MaxYear));
    s->Running = true;
    EXPECT_FALSE(IsPastPoint(*s, 100, 50)) << "no browsing while the years run";
    s->Running = false;
    for (int mode : {2, 3, 4}) {
        s->GraphMode = mode;
        EXPECT_FALSE(IsPastPoint(*s, 100, 50)) << "graph mode " << mode << " has no past points";
    }
}

enum class Event { PastPoint, GraphNotPast, RestoringPlace, Click, ClickNotPast, StartOrReset };
enum class Buttons { Untouched, Disabled, Enabled };

struct Row {
    const char* name;
    bool browsing, frozen;
    Event event;
    bool browsingAfter, frozenAfter;
    bool showsPast;    // the year under the mouse is shown
    bool showsPresent; // the present is restored
    Buttons buttons;
    const char* memo; // nullptr: Memo1 untouched
};

constexpr int PastColumn = 100; // year 40
constexpr int ShownYear = 40;
constexpr int NotPastColumn = 845;
constexpr int FirstColumn = 120; // year 120: the moment on display before the event

// A release (a click while frozen) lets the display follow the mouse at once; a past year still on
// display after the mouse left a frozen moment is shown until the present comes back.
// clang-format off
const Row Rows[] = {
    {"idle_past_point",        false, false, Event::PastPoint,      true,  false, true,  false, Buttons::Disabled,  nullptr},
    {"idle_graph_not_past",    false, false, Event::GraphNotPast,   false, false, false, false, Buttons::Untouched, nullptr},
    {"idle_restoring_place",   false, false, Event::RestoringPlace, false, false, false, false, Buttons::Untouched, nullptr},
    {"idle_click",             false, false, Event::Click,          false, false, false, false, Buttons::Untouched, nullptr},
    {"idle_start",             false, false, Event::StartOrReset,   false, false, false, false, Buttons::Untouched, nullptr},
    {"browsing_past_point",    true,  false, Event::PastPoint,      true,  false, true,  false, Buttons::Disabled,  nullptr},
    {"browsing_graph_not_past",true,  false, Event::GraphNotPast,   false, false, false, true,  Buttons::Enabled,   nullptr},
    {"browsing_restoring",     true,  false, Event::RestoringPlace, false, false, false, true,  Buttons::Enabled,   nullptr},
    {"browsing_click",         true,  false, Event::Click,          true,  true,  false, false, Buttons::Untouched, FrozenMessage},
    {"browsing_start",         true,  false, Event::StartOrReset,   false, false, false, true,  Buttons::Enabled,   nullptr},
    {"frozen_past_point",      true,  true,  Event::PastPoint,      true,  true,  false, false, Buttons::Disabled,  nullptr},
    {"frozen_graph_not_past",  true,  true,  Event::GraphNotPast,   true,  true,  false, false, Buttons::Untouched, nullptr},
    {"frozen_restoring",       true,  true,  Event::RestoringPlace, false, true,  false, false, Buttons::Untouched, nullptr},
    {"frozen_click",           true,  true,  Event::Click,          true,  false, true,  false, Buttons::Disabled,  InvestigateMessage},
    {"frozen_click_not_past",  true,  true,  Event::ClickNotPast,   false, false, false, true,  Buttons::Enabled,   InvestigateMessage},
    {"frozen_start",           true,  true,  Event::StartOrReset,   false, false, false, true,  Buttons::Enabled,   nullptr},
    {"away_past_point",        false, true,  Event::PastPoint,      true,  true,  false, false, Buttons::Disabled,  nullptr},
    {"away_graph_not_past",    false, true,  Event::GraphNotPast,   false, true,  false, false, Buttons::Untouched, nullptr},
    {"away_restoring",         false, true,  Event::RestoringPlace, false, true,  false, false, Buttons::Untouched, nullptr},
    {"away_click",             false, true,  Event::Click,          true,  false, true,  false, Buttons::Disabled,  InvestigateMessage},
    {"away_click_not_past",    false, true,  Event::ClickNotPast,   false, false, false, true,  Buttons::Enabled,   InvestigateMessage},
    {"away_start",             false, true,  Event::StartOrReset,   false, false, false, true,  Buttons::Enabled,   nullptr},
};
// clang-format on

class StateTable : public ::testing::TestWithParam<Row> {};

TEST_P(StateTable, EventGivesTheRowsEffects)
{
    const Row& row = GetParam();
    auto s = std::make_unique<SimulationState>(PausedAt(200));
    s->BrowseYear = 120;
    RecordingEffects effects;
    HistoryBrowsing browsing(*s, effects);
    // The row's state as the mouse reaches it: browse year 120, freeze it, leave the graph.
    if (row.browsing || row.frozen)
        browsing.MouseMove(FirstColumn, 50);
    if (row.frozen)
        browsing.Click(FirstColumn, 50);
    if (!row.browsing && row.frozen)
        browsing.RestorePresent();
    ASSERT_EQ(s->Browsing, row.browsing);
    ASSERT_EQ(s->Frozen, row.frozen);
    effects.Clear();

    switch (row.event) {
    case Event::PastPoint:
        browsing.MouseMove(PastColumn, 50);
        break;
    case Event::GraphNotPast:
        browsing.MouseMove(NotPastColumn, 50);
        break;
    case Event::RestoringPlace:
        browsing.RestorePresent();
        break;
    case Event::Click:
        browsing.Click(PastColumn, 50);
        break;
    case Event::ClickNotPast:
        browsing.Click(NotPastColumn, 50);
        break;
    case Event::StartOrReset:
        s->Frozen = false; // the start button and the reset clear it before restoring
        browsing.RestorePresent();
        break;
    }
    EXPECT_EQ(s->Browsing, row.browsingAfter) << "Browsing after the event";
    EXPECT_EQ(s->Frozen, row.frozenAfter) << "Frozen after the event";
    if (row.showsPast) {
        EXPECT_EQ(effects.shownYears, std::vector<int>{ShownYear}) << "the year under the mouse is shown";
        EXPECT_EQ(s->BrowseYear, ShownYear) << "BrowseYear follows the mouse";
    } else {
        EXPECT_TRUE(effects.shownYears.empty()) << "no past year is shown";
        EXPECT_EQ(s->BrowseYear, 120) << "the moment on display is kept";
    }
    EXPECT_EQ(effects.presents, row.showsPresent ? 1 : 0) << "restores of the present";
    switch (row.buttons) {
    case Buttons::Untouched:
        EXPECT_FALSE(effects.buttons.has_value()) << "age-graph buttons untouched";
        break;
    case Buttons::Disabled:
        EXPECT_EQ(effects.buttons, false) << "age-graph buttons disabled";
        break;
    case Buttons::Enabled:
        EXPECT_EQ(effects.buttons, true) << "age-graph buttons enabled";
        break;
    }
    if (row.memo == nullptr)
        EXPECT_TRUE(effects.memos.empty()) << "Memo1 untouched";
    else
        EXPECT_EQ(effects.memos, std::vector<std::string>{row.memo}) << "Memo1 message";
}

INSTANTIATE_TEST_SUITE_P(EveryRow, StateTable, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });

constexpr int Present = -1;

struct KeyStep {
    BrowseKey key;
    int shown; // the year on display afterwards, or Present
    bool frozen;
    const char* memo; // nullptr: Memo1 untouched
};

// From the present at year 1000 (column 340), through every key: the year shown is the year the mouse
// shows in the column the key goes to.
// clang-format off
const KeyStep KeySteps[] = {
    {BrowseKey::Right,     Present, false, nullptr},   // nothing beyond the present
    {BrowseKey::Left,      1000,    false, nullptr},   // from the present to the last column
    {BrowseKey::Left,      996,     false, nullptr},
    {BrowseKey::Right,     1000,    false, nullptr},
    {BrowseKey::Right,     Present, false, nullptr},   // beyond the last column lies the present
    {BrowseKey::End,       1000,    false, nullptr},
    {BrowseKey::Home,      0,       false, nullptr},
    {BrowseKey::Left,      0,       false, nullptr},   // nothing before year 0
    {BrowseKey::PageLeft,  0,       false, nullptr},
    {BrowseKey::PageRight, 100,     false, nullptr},
    {BrowseKey::PageRight, 200,     false, nullptr},
    {BrowseKey::Right,     204,     false, nullptr},
    {BrowseKey::Freeze,    204,     true,  FrozenMessage},
    {BrowseKey::Right,     204,     true,  nullptr},   // a frozen moment stays
    {BrowseKey::End,       204,     true,  nullptr},
    {BrowseKey::Freeze,    204,     false, InvestigateMessage},
    {BrowseKey::PageLeft,  104,     false, nullptr},
    {BrowseKey::Present,   Present, false, nullptr},
    {BrowseKey::Freeze,    Present, false, nullptr},   // as a click while the present is shown: nothing
    {BrowseKey::PageLeft,  904,     false, nullptr},   // from the present, 25 columns back from the last
    {BrowseKey::Freeze,    904,     true,  FrozenMessage},
    {BrowseKey::Present,   Present, false, InvestigateMessage},
    {BrowseKey::PageRight, Present, false, nullptr},
};
// clang-format on

TEST(BrowseKeys, EachKeyShowsTheYearTheMouseShowsInItsColumn)
{
    auto s = std::make_unique<SimulationState>(PausedAt(1000));
    RecordingEffects effects;
    HistoryBrowsing browsing(*s, effects);
    int shown = Present;
    for (std::size_t i = 0; i < std::size(KeySteps); ++i) {
        const KeyStep& step = KeySteps[i];
        effects.Clear();
        EXPECT_TRUE(browsing.Key(step.key)) << "step " << i << " browses";
        if (!effects.shownYears.empty())
            shown = effects.shownYears.back();
        if (effects.presents > 0)
            shown = Present;
        EXPECT_EQ(shown, step.shown) << "step " << i;
        EXPECT_EQ(s->Frozen, step.frozen) << "step " << i;
        EXPECT_EQ(s->Browsing, step.shown != Present) << "step " << i;
        if (step.memo != nullptr) {
            EXPECT_EQ(effects.memos, std::vector<std::string>{step.memo}) << "step " << i;
        } else {
            EXPECT_TRUE(effects.memos.empty()) << "step " << i;
        }
        if (step.shown != Present) {
            EXPECT_EQ(s->BrowseYear, step.shown) << "step " << i;
        }
    }
    EXPECT_EQ(effects.buttons, std::nullopt) << "the last step changed nothing";

    auto full = std::make_unique<SimulationState>(PausedAt(MaxYear));
    HistoryBrowsing fullRun(*full, effects);
    effects.Clear();
    fullRun.Key(BrowseKey::End);
    EXPECT_EQ(effects.shownYears, std::vector<int>{2996}) << "at year 3000 the last column shows 2996";
    fullRun.Key(BrowseKey::Right);
    EXPECT_EQ(effects.presents, 1) << "and the column after it is the present";
    auto early = std::make_unique<SimulationState>(PausedAt(3));
    HistoryBrowsing earlyRun(*early, effects);
    effects.Clear();
    earlyRun.Key(BrowseKey::End);
    earlyRun.Key(BrowseKey::PageRight);
    EXPECT_EQ(effects.shownYears, std::vector<int>{0}) << "at year 3 only year 0 lies in the past";
    EXPECT_EQ(effects.presents, 1);

    full->Running = true;
    EXPECT_FALSE(fullRun.Key(BrowseKey::Left)) << "no browsing while the years run";
    full->Running = false;
    full->GraphMode = 3;
    EXPECT_FALSE(fullRun.Key(BrowseKey::Home)) << "nor in the age graphs";
}

TEST(BrowsingMessages, SpacingAsShownToTheUser)
{
    EXPECT_STREQ(InvestigateMessage, "Investigate the past:  Move the mouse in the population graph.     "
                                     "Freeze the moment in time: Click the mouse.");
    EXPECT_STREQ(FrozenMessage, "The moment in time is frozen.     Release: Click the mouse within the graph.");
}

} // namespace
} // namespace vartel::test
