// Random use of every entry point over whole runs: the state stays finite and non-negative.
#include "model/Incidents.h"
#include "model/ParameterCommit.h"
#include "model/Rounding.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace vartel {
namespace {

std::string RandomText(std::mt19937& engine)
{
    static const std::string alphabet = "0123456789.-+eE ,x";
    static const char* const samples[] = {"",     "-",       "0",   "99",      "-6",   "6",      "20",    "1e3",
                                          "0.01", "2500000", "120", "1000000", "2000", "1e-400", "1e400", "4294967296"};
    if (engine() % 2 == 0)
        return samples[engine() % std::size(samples)];
    std::string text;
    const int length = static_cast<int>(engine() % 10);
    for (int i = 0; i < length; ++i)
        text += alphabet[engine() % alphabet.size()];
    return text;
}

void ExpectSound(const SimulationState& s, int seed)
{
    for (int i = 0; i < AgeCount; ++i) {
        ASSERT_TRUE(std::isfinite(s.PopByAge[i]) && s.PopByAge[i] >= 0.0)
            << "age " << i << " holds " << s.PopByAge[i] << " in year " << s.Year << " (seed " << seed << ")";
        ASSERT_TRUE(std::isfinite(s.MortalityByAge[i]) && std::isfinite(s.SurvivalByAge[i]))
            << "tables finite at age " << i << " (seed " << seed << ")";
    }
    for (double value : {s.BirthIndex, s.BabyMortality, s.AdultMortality, s.Immigration, s.ExactPopHistory[s.Year],
                         s.MeanAgeHistory[s.Year], s.ReplacementHistory[s.Year], s.LifeExpectancyHistory[s.Year]}) {
        ASSERT_TRUE(std::isfinite(value))
            << "a model figure is " << value << " in year " << s.Year << " (seed " << seed << ")";
    }
}

TEST(Property, RandomCommitsIncidentsAndScenarioSwitchesKeepTheStateSound)
{
    for (int seed = 1; seed <= 6; ++seed) {
        std::mt19937 engine(static_cast<unsigned>(seed));
        TestModel t;
        // Realistic scenarios and New return to year 0, so count steps rather than years.
        for (int step = 0; step < 4000; ++step) {
            if (t.S.Year == MaxYear)
                ResetSimulation(*t.M);
            const unsigned action = engine() % 100;
            if (action < 4) {
                const auto field = static_cast<ParameterField>(engine() % 6);
                CommitParameter(*t.M, field, RandomText(engine));
            } else if (action < 6) {
                StartIncident(*t.M, static_cast<int>(engine() % 3) + 1);
            } else if (action == 6) {
                ChooseScenario(*t.M, static_cast<int>(engine() % 7) + 1);
            } else if (action == 7 && engine() % 20 == 0) {
                ResetSimulation(*t.M);
            }
            ExpectSound(t.S, seed);
            t.Step();
            ExpectSound(t.S, seed);
            t.Host.Clear();
        }
    }
}

// Found by fuzzing: the feedback base taken during an epidemic is a birth index of about 146000, and the
// counts grew past the range of a double around year 2548.
TEST(Property, FeedbackScenarioChosenDuringAnEpidemicStaysFinite)
{
    TestModel t;
    StartIncident(*t.M, 1);
    ChooseScenario(*t.M, 2);
    EXPECT_GT(t.S.FeedbackBase, 1000.0) << "the case this test is about";
    while (t.S.Year < MaxYear) {
        t.Step();
        ExpectSound(t.S, 0);
    }
}

// A feedback base taken at 99 % mortality: the counts stay within doubles until year 188 and must come out
// as plain double arithmetic gives them (figures of a calculation without any guard); then stay finite.
TEST(Property, CountsBeyondAnyIslandComeOutAsDoubleArithmeticGivesThem)
{
    TestModel t;
    CommitParameter(*t.M, ParameterField::AdultMortality, "99");
    ChooseScenario(*t.M, 2);
    t.Step();
    CommitParameter(*t.M, ParameterField::AdultMortality, "0.1");
    t.RunTo(188);
    const std::pair<int, const char*> figures[] = {{1, "9.168051E+26"}, {187, "5.303552E+267"}, {188, "6.605837E+290"}};
    for (const auto& [year, people] : figures)
        EXPECT_EQ(FormatFixed(t.S.PopHistory[year], 0), people) << "year " << year;
    while (t.S.Year < MaxYear) {
        t.Step();
        ExpectSound(t.S, 0);
    }
}

} // namespace
} // namespace vartel
