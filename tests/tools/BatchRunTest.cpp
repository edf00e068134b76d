// The run on the model: events at their years, start values, resets, and the window's rules it keeps.
#include "tools/BatchRun.h"
#include "model/Scenarios.h"
#include "session/Session.h"
#include "tools/BatchHost.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <tuple>

namespace vartel::test {
namespace {

struct BatchModel {
    std::ostringstream Corrections;
    BatchHost Host{Corrections};
    SeededRandom Random{BatchSeed};
    Session Simulation{Host, Random, [] { return std::int64_t{0}; }};
    SimulationState& S = Simulation.model().S;

    // Runs the command line; fails the test when it is not a sound one.
    std::string Run(const std::vector<std::string>& args)
    {
        const ParsedArguments parsed = ParseBatchArguments(args);
        EXPECT_EQ(parsed.Error, "") << "expected a sound command line";
        return RunBatch(Simulation, parsed.Arguments);
    }
};

TEST(BatchRun, RunsToTheRequestedYear)
{
    BatchModel b;
    EXPECT_EQ(b.Run({"--years", "250"}), "");
    EXPECT_EQ(b.S.Year, 250);
    EXPECT_EQ(b.S.Scenario, 1);
}

TEST(BatchRun, AParameterEnteredAtAYearActsFromTheNextYear)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "20", "--event", "10:immigration=-1.5"}), "");
    EXPECT_DOUBLE_EQ(b.S.ParamHistory[3][10], 0.0) << "year 10 was recorded before the field was entered";
    EXPECT_DOUBLE_EQ(b.S.ParamHistory[3][11], -0.015);
    EXPECT_DOUBLE_EQ(b.S.ParamHistory[3][20], -0.015);
}

TEST(BatchRun, StartValuesAreTakenWhenTheRunLeavesYearZero)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "5", "--event", "0:birth-index=2.5", "--event", "0:stable=5000", "--event",
                     "3:birth-index=4"}),
              "");
    EXPECT_DOUBLE_EQ(b.S.StartParams[0], 2.5) << "events at year 0 come before Start";
    EXPECT_EQ(b.S.StartStableLevel, 5000);
    EXPECT_DOUBLE_EQ(b.S.StartParams[1], 0.05);
}

TEST(BatchRun, ARunThatNeverLeavesYearZeroHasNoStartValues)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "0", "--event", "0:birth-index=2.5"}), "");
    EXPECT_EQ(b.S.Year, 0);
    EXPECT_DOUBLE_EQ(b.S.StartParams[0], 0.0) << "Start was never pressed";
    EXPECT_EQ(b.S.StartStableLevel, 0);
}

TEST(BatchRun, ARealisticScenarioEventStartsTheRunAgainAndEachEventFiresOnce)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "400", "--event", "50:birth-index=4", "--event", "100:scenario=6", "--event",
                     "100:epidemic", "--event", "300:immigration-wave"}),
              "");
    BatchModel plain;
    ASSERT_EQ(
        plain.Run({"--scenario", "6", "--years", "400", "--event", "100:epidemic", "--event", "300:immigration-wave"}),
        "");
    EXPECT_EQ(b.S.Year, 400);
    EXPECT_EQ(b.S.Scenario, 6);
    for (int y = 0; y <= 400; ++y)
        ASSERT_DOUBLE_EQ(b.S.ExactPopHistory[y], plain.S.ExactPopHistory[y])
            << "after the reset at year 100 the run equals a fresh one of scenario 6 with the later events, year " << y;
    EXPECT_DOUBLE_EQ(b.S.StartParams[0], 6.0) << "the restart from year 0 takes the start values again";
}

TEST(BatchRun, AResetAtTheLastYearRunsToItAgain)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "30", "--event", "30:scenario=5"}), "");
    EXPECT_EQ(b.S.Year, 30) << "a reset at the end goes on from year 0 to the end";
    EXPECT_EQ(b.S.Scenario, 5);
}

TEST(BatchRun, AFeedbackScenarioEventKeepsTheYear)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "60", "--event", "40:scenario=3"}), "");
    EXPECT_EQ(b.S.Year, 60);
    EXPECT_EQ(b.S.Scenario, 3);
    EXPECT_DOUBLE_EQ(b.S.ExactPopHistory[0], 4200.0) << "no reset: the history runs on from the first start";
}

TEST(BatchRun, AnIncidentWhileOneRunsIsIgnored)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "12", "--event", "5:one-child", "--event", "10:epidemic"}), "");
    EXPECT_EQ(b.S.Incident, 2) << "the one-child policy runs 30 years; the epidemic is ignored";
    EXPECT_DOUBLE_EQ(b.S.ParamHistory[0][12], 1.0);
}

TEST(BatchRun, NoIncidentStartsAtTheLastYear)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "3000", "--event", "3000:epidemic"}), "");
    EXPECT_EQ(b.S.Incident, 0) << "the window disables the incident buttons at the end of the run";
}

TEST(BatchRun, ACorrectionIsToldAndTheCorrectedValueUsed)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "1", "--event", "0:birth-index=99", "--event", "1:immigration=7"}), "");
    EXPECT_EQ(b.Corrections.str(), "A birth index of more than 20 is not allowed. The value is adjusted.\n"
                                   "An immigration level of more than 6% is not allowed. The value is adjusted.\n");
    EXPECT_DOUBLE_EQ(b.S.StartParams[0], 20.0);
    EXPECT_DOUBLE_EQ(b.S.Immigration, 0.06);
}

TEST(BatchRun, ATextThatIsNoNumberStopsTheRunWithTheFieldsError)
{
    BatchModel b;
    EXPECT_EQ(b.Run({"--event", "10:birth-index=abc"}),
              "--event 10:birth-index=abc: 'abc' is not a valid floating point value");
    EXPECT_EQ(b.S.Year, 10) << "the run stops at the event";
    BatchModel whole;
    EXPECT_EQ(whole.Run({"--event", "10:population=1x"}),
              "--event 10:population=1x: ''1x'' is not a valid integer value");
}

// The field's rules, not the tool's own: a whole number is cut to 9 characters, an empty text is an emptied
// field.
TEST(BatchRun, ParameterTextsAreCommittedAsTheWindowCommitsThem)
{
    const std::string level = "A stabile population level of ", adjusted = " is not allowed. The value is adjusted.\n";
    const std::string above = level + "more than 1 million people" + adjusted;
    const std::string below = level + "less than 2000 people" + adjusted;
    const std::tuple<const char*, int, std::string> cases[] = {
        {"123456789012", 1000000, above}, {"0000000050000", 2000, below}, {"", 2000, below}};
    for (const auto& [text, stable, told] : cases) {
        BatchModel b;
        ASSERT_EQ(b.Run({"--years", "0", "--event", std::string("0:stable=") + text}), "");
        EXPECT_EQ(b.S.StableLevel, stable) << text;
        EXPECT_EQ(b.Corrections.str(), told) << text;
    }
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "0", "--event", "0:birth-index=", "--event", "0:adult-mortality="}), "");
    EXPECT_EQ(b.S.BirthIndex, 0.0);
    EXPECT_EQ(b.S.AdultMortality, 0.0001);
    EXPECT_EQ(b.Corrections.str(), "") << "silently, as an emptied field";
}

TEST(BatchRun, APopulationEnteredTakesEffectAtOnce)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "100", "--event", "100:population=50000"}), "");
    EXPECT_DOUBLE_EQ(b.S.PopHistory[100], 50000.0);
}

TEST(BatchRun, TheViewOfTheArgumentsIsChosenAtTheEnd)
{
    BatchModel b;
    ASSERT_EQ(b.Run({"--years", "10", "--graph-mode", "mortality", "--zoom", "50"}), "");
    EXPECT_EQ(b.S.GraphMode, 3);
    EXPECT_EQ(b.S.ZoomFactor, 50);
}

} // namespace
} // namespace vartel::test
