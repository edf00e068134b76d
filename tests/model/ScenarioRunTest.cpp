// Whole runs of the seven scenarios against the figures the island is known for.
#include "model/Codes.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

// The year each stage was reached, in the order they were first reached, as "A1043 M1816 ...".
struct StageLog {
    std::string Order;
    std::array<int, 6> Years{-1, -1, -1, -1, -1, -1};
};

StageLog RunRealistic(TestModel& t, int lastYear = MaxYear, int* catastropheYear = nullptr)
{
    StageLog log;
    const char letters[] = "AMHPEB";
    while (t.S.Year < lastYear) {
        t.Step();
        for (int k = 0; k < 6; ++k) {
            if (t.S.StageReached[k] && log.Years[k] < 0) {
                log.Years[k] = t.S.Stages[RecordOf(static_cast<Stage>(k))].Year;
                log.Order += letters[k];
            }
        }
        if (catastropheYear && t.S.Catastrophe && *catastropheYear < 0)
            *catastropheYear = t.S.Year;
    }
    return log;
}

TEST(ScenarioRuns, RealisticMediumReachesAllStagesAndBalances)
{
    TestModel t(6);
    const auto log = RunRealistic(t);
    EXPECT_EQ(log.Order, "AMHPEB") << "all six stages in order";
    const int expected[] = {1040, 1680, 1920, 2020, 2045, 2080};
    for (int k = 0; k < 6; ++k) {
        EXPECT_NEAR(log.Years[k], expected[k], 15) << "stage "
                                                   << "AMHPEB"[k] << " about year " << expected[k];
    }
    EXPECT_NEAR(t.S.ExactPopHistory[MaxYear], 2000000, 50000) << "ends near 2 million people";
    EXPECT_EQ(t.S.StableLevel, 2000000) << "stage E sets the level to 2 million";
}

TEST(ScenarioRuns, RealisticLowHasNoStageE)
{
    TestModel t(5);
    const auto log = RunRealistic(t);
    EXPECT_EQ(log.Order, "AMHPB") << "stages without E";
    const int expected[] = {1040, 1820, 2070, 2260, -1, 2300};
    for (int k : {StageA, StageM, StageH, StageP, StageB}) {
        EXPECT_NEAR(log.Years[k], expected[k], 15) << "stage "
                                                   << "AMHPEB"[k] << " about year " << expected[k];
    }
    EXPECT_NEAR(t.S.ExactPopHistory[MaxYear], 1400000, 50000) << "ends near 1.4 million people";
    EXPECT_EQ(t.S.BabyMortality, 0.05) << "baby mortality stays at 5 % after stage P";
}

TEST(ScenarioRuns, RealisticHighOvershootsAndRestartsFromTheStoneAge)
{
    TestModel t(7);
    int catastrophe = -1;
    const auto log = RunRealistic(t, 2300, &catastrophe);
    EXPECT_EQ(log.Order, "AMHP") << "only A, M, H and P";
    EXPECT_NEAR(catastrophe, 2060, 15) << "the overshoot ends in a catastrophe about year 2060";
    ASSERT_TRUE(t.RunUntil([&] { return !t.S.Catastrophe; })) << "the catastrophe ends";
    EXPECT_EQ(t.S.BirthIndex, 6.0) << "the stone-age birth index is back";
    EXPECT_EQ(t.S.BabyMortality, 0.55) << "the stone-age baby mortality is back";
    EXPECT_FALSE(t.S.StageReached[StageA]) << "the story starts again from stage A";
}

TEST(ScenarioRuns, TheoreticalScenariosSettleOrDieOut)
{
    TestModel attenuation(4);
    attenuation.RunTo(MaxYear);
    EXPECT_NEAR(attenuation.S.ExactPopHistory[MaxYear], 200000, 2000) << "attenuation settles near the level";

    TestModel positive(2);
    positive.RunTo(MaxYear);
    EXPECT_EQ(positive.S.PopHistory[MaxYear], 0) << "positive feedback from 4200 people dies out";
    EXPECT_EQ(positive.S.Board.Text, " Population extinct") << "and says so";
}

} // namespace
} // namespace vartel
