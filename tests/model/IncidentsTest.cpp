#include "model/Incidents.h"
#include "model/AgeTables.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Grey = Rgb(128, 128, 128);

TEST(Incidents, EpidemicCountsDownFromTenAndShowsAtOnce)
{
    TestModel t;
    t.RunTo(100);
    t.Host.Clear();
    StartIncident(*t.M, 1);
    EXPECT_EQ(t.Host.Countdown, "10") << "the epidemic lasts 10 years";
    EXPECT_EQ(t.Host.CountdownColor, Red) << "the countdown is red while it runs";
    EXPECT_FALSE(t.Host.IncidentButtonsEnabled) << "the buttons are disabled while it runs";
    EXPECT_EQ(t.Host.Count("RedrawGraph"), 1) << "the epidemic mortality is drawn at once";
    EXPECT_EQ(t.S.Board.Text, " An epidemic roams through the island") << "and announced at once";
    EXPECT_EQ(t.Host.FieldText(Field::LEmeter), "0.8") << "life expectancy drops at once";
    const char* expected[] = {"09", "08", "07", "06", "05", "04", "03", "02", "01", "00"};
    for (const char* shown : expected) {
        t.Step();
        EXPECT_EQ(t.Host.Countdown, shown) << "countdown after the step of year " << t.S.Year;
    }
    EXPECT_EQ(t.S.Year, 110) << "the epidemic ends with the step of year 110";
    EXPECT_EQ(t.S.Incident, 0) << "no incident after the countdown";
    EXPECT_EQ(t.Host.CountdownColor, Grey) << "the countdown turns grey";
    EXPECT_TRUE(t.Host.IncidentButtonsEnabled) << "the buttons are enabled again";
    EXPECT_EQ(t.S.Board.Text, " no announcements ...") << "the epidemic message is replaced";
    EXPECT_EQ(t.Host.FieldText(Field::LEmeter), "63.6") << "the normal mortality is back in the step of 00";
}

TEST(Incidents, EpidemicInARunningYearAlarmsOnlyWhenItsMessageComesAndGoes)
{
    TestModel t;
    t.RunTo(100);
    t.S.StageReached[0] = true; // stage A stays announced in Simple: its text returns, with an alarm
    t.Step();
    StartIncident(*t.M, 1);
    t.RunTo(116);
    EXPECT_EQ(t.Host.Count("Alarm"), 3) << "stage A, the epidemic, stage A again: no more alarms";
    EXPECT_EQ(t.Host.Count("ShowBulletin  Population extinct"), 0) << "the untallied year is never announced";
}

TEST(Incidents, OneChildPolicyInPositiveFeedback)
{
    TestModel t(2);
    t.S.StableLevel = 2000; // 4200 people above the level: the rule gives more than 1 child
    StartIncident(*t.M, 2);
    EXPECT_EQ(t.Host.Countdown, "30") << "the policy lasts 30 years";
    EXPECT_EQ(t.S.PolicySavedBirthIndex, 3.0) << "the birth index is saved";
    for (int year = 1; year <= 29; ++year) {
        t.Step();
        EXPECT_EQ(t.S.ParamHistory[0][year], 1.0) << "the policy cuts the rule's birth index in year " << year;
    }
    t.Step();
    EXPECT_EQ(t.Host.Countdown, "00") << "the policy ends in year 30";
    EXPECT_EQ(t.S.BirthIndex, 3.0) << "the saved birth index is restored at the end";
    t.Step();
    const double rule = t.S.FeedbackBase + std::log10(t.S.PopHistory[30] / 2000.0);
    EXPECT_DOUBLE_EQ(t.S.BirthIndex, rule) << "afterwards the feedback rule governs again";
}

TEST(Incidents, ImmigrationWaveRaisesToThreePercentOnly)
{
    for (const double before : {-0.02, 0.05}) {
        TestModel t;
        t.S.Immigration = before;
        StartIncident(*t.M, 3);
        EXPECT_EQ(t.Host.Countdown, "20") << "the wave lasts 20 years";
        t.Step();
        const double expected = before < 0.03 ? 0.03 : before;
        EXPECT_EQ(t.S.Immigration, expected) << "during the wave, starting from " << before;
        t.RunTo(20);
        EXPECT_EQ(t.S.Immigration, before) << "after the wave immigration is back at " << before;
        EXPECT_EQ(t.S.Incident, 0) << "the wave is over after 20 steps";
    }
}

TEST(Incidents, LimitsAndRestoresAreSkippedDuringACatastrophe)
{
    TestModel t;
    t.S.BirthIndex = 4.0;
    StartIncident(*t.M, 2);
    t.S.Catastrophe = true;
    t.S.PopHistory[0] = 10000; // keeps the catastrophe going in year 1
    t.Step();
    EXPECT_DOUBLE_EQ(t.S.BirthIndex, 4.0 * 0.99) << "the catastrophe's drift governs, not the policy's limit";
}

TEST(Incidents, OnlyOneAtATime)
{
    TestModel t;
    StartIncident(*t.M, 2);
    t.S.BirthIndex = 1.0;
    StartIncident(*t.M, 3);
    StartIncident(*t.M, 2);
    EXPECT_EQ(t.S.Incident, 2) << "a second incident cannot start while one runs";
    EXPECT_EQ(t.S.PolicySavedBirthIndex, 3.0) << "the first saved value is kept";
    StartIncident(*t.M, 4);
    EXPECT_EQ(t.S.Incident, 2) << "an unknown incident number is ignored";
}

} // namespace
} // namespace vartel
