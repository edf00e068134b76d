#include "model/AgeTables.h"
#include "model/History.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>

namespace vartel {
namespace {

double Sum(const AgeTable& table)
{
    return std::accumulate(table.begin(), table.end(), 0.0);
}

TEST(FixedTables, HaveTheirPeaksAndSums)
{
    auto s = std::make_unique<SimulationState>();
    FillFixedTables(*s);
    EXPECT_DOUBLE_EQ(s->FertilityByAge[32], 0.02455) << "fertility should peak at 0.02455 at age 32";
    EXPECT_EQ(s->FertilityByAge[16], 0.0) << "nobody below 17 is fertile";
    EXPECT_EQ(s->FertilityByAge[48], 0.0) << "nobody above 47 is fertile";
    EXPECT_NEAR(Sum(s->FertilityByAge), 0.49973, 5e-6) << "fertility should sum to 0.49973";
    EXPECT_NEAR(s->ImmigrantProfile[0], 0.026180, 5e-7) << "immigrant share at age 0";
    EXPECT_NEAR(s->ImmigrantProfile[59], 0.000685, 5e-7) << "immigrant share at age 59";
    EXPECT_EQ(s->ImmigrantProfile[60], 0.0) << "no immigrant is 60 or older";
    EXPECT_NEAR(Sum(s->ImmigrantProfile), 1.01303, 5e-6) << "immigrant profile should sum to 1.01303";
    EXPECT_EQ(s->EmigrantProfile[0], 0.0) << "no emigrant of age 0";
    EXPECT_NEAR(s->EmigrantProfile[55], 0.011424, 5e-7) << "emigration should peak at age 55";
    EXPECT_NEAR(Sum(s->EmigrantProfile), 0.79995, 5e-6) << "emigrant profile should sum to 0.79995";
}

// Where the constants come from: the formulas in 80-bit long double with full pi, rounded once to double.
TEST(FixedTables, EqualTheLongDoubleFormulasOfX86)
{
    if (std::numeric_limits<long double>::digits != 64)
        GTEST_SKIP() << "the constants were computed with the 80-bit long double of x86-64";
    auto s = std::make_unique<SimulationState>();
    FillFixedTables(*s);
    constexpr long double pi = std::numbers::pi_v<long double>;
    for (int i = 0; i < AgeCount; ++i) {
        const long double fertility = i >= 17 && i <= 47 ? 0.02455L * std::sin(pi * (i - 16) / 32.0L) : 0.0L;
        const long double immigrant = i <= 59 ? pi / 120.0L * std::cos(pi * i / 120.0L) : 0.0L;
        EXPECT_EQ(s->FertilityByAge[i], static_cast<double>(fertility)) << "fertility at age " << i;
        EXPECT_EQ(s->ImmigrantProfile[i], static_cast<double>(immigrant)) << "immigrant share at age " << i;
        EXPECT_EQ(s->EmigrantProfile[i], static_cast<double>(pi / 275.0L * std::sin(pi * i / 110.0L)))
            << "emigrant share at age " << i;
    }
}

TEST(ComputeAgeTables, FollowsTheMortalityCurveOfTheDefaults)
{
    TestModel t;
    const auto& m = t.S.MortalityByAge;
    EXPECT_DOUBLE_EQ(m[0], 0.05) << "age 0 dies at the baby mortality";
    EXPECT_NEAR(m[4], 0.05 * std::pow(0.001 / 0.05, 0.8), 1e-15) << "ages 0-4 pass geometrically to the adult rate";
    EXPECT_DOUBLE_EQ(m[5], 0.001) << "age 5 dies at the adult mortality";
    EXPECT_DOUBLE_EQ(m[50], 0.001) << "age 50 dies at the adult mortality";
    EXPECT_NEAR(m[65], 0.005, 5e-4) << "about 0.005 at 65";
    EXPECT_NEAR(m[80], 0.068, 5e-4) << "about 0.068 at 80";
    EXPECT_NEAR(m[100], 0.51, 5e-3) << "about 0.51 at 100";
    EXPECT_NEAR(m[108], 0.93, 5e-3) << "about 0.93 at 108";
    EXPECT_EQ(m[109], 1.0) << "nobody survives age 109";
    EXPECT_EQ(t.S.SurvivalByAge[109], 0.0) << "survival to the end of age 109 is 0";
    EXPECT_DOUBLE_EQ(t.S.SurvivalByAge[0], 0.95) << "survival of the first year";

    t.S.BabyMortality = 0.99;
    t.S.AdultMortality = 0.99;
    ComputeAgeTables(t.S);
    EXPECT_EQ(t.S.MortalityByAge[109], 1.0) << "age 109 stays at 1 whatever the parameters";
    EXPECT_GT(ReplacementBirthIndex(t.S), 0.0) << "the replacement index stays defined at the highest mortality";
}

TEST(ComputeAgeTables, EpidemicKillsMainlyOutsideTheFertileAges)
{
    TestModel t;
    const double before = LifeExpectancy(t.S);
    const double survivorsAt10 = 1.0 - t.S.MortalityByAge[10];
    const double survivorsAt32 = 1.0 - t.S.MortalityByAge[32];
    t.S.Incident = 1;
    ComputeAgeTables(t.S);
    EXPECT_NEAR(1.0 - t.S.MortalityByAge[10], survivorsAt10 * 0.6, 1e-12) << "40 % of the survivors at 10 die";
    EXPECT_NEAR(1.0 - t.S.MortalityByAge[32], survivorsAt32 * (1 - 0.4 * 0.018), 1e-12)
        << "only 0.72 % of the survivors at the fertility peak die";
    EXPECT_NEAR(before, 63.6, 0.05) << "life expectancy before the epidemic";
    EXPECT_NEAR(LifeExpectancy(t.S), 0.8, 0.05) << "life expectancy drops to 0.8 years during the epidemic";
}

TEST(DerivedFigures, GrowthPercentAndItsEmptyCases)
{
    auto s = std::make_unique<SimulationState>();
    s->PopHistory[4] = 4000;
    s->PopHistory[5] = 3000;
    EXPECT_DOUBLE_EQ(GrowthPercent(*s, 5), -25.0) << "4000 to 3000 is -25 %";
    EXPECT_EQ(GrowthPercent(*s, 0), 0.0) << "year 0 has no growth";
    EXPECT_EQ(GrowthPercent(*s, 4), 0.0) << "after an empty year the growth is 0, not a division by zero";
    s->PopHistory[6] = 0;
    EXPECT_DOUBLE_EQ(GrowthPercent(*s, 6), -100.0) << "dying out is -100 %";
}

TEST(History, ClassesRoundHalvesToEvenAndTotalsUseTheRoundedClasses)
{
    auto s = std::make_unique<SimulationState>();
    for (int i = 0; i < 5; ++i)
        s->PopByAge[i] = 2.5; // class 0: 12.5
    for (int i = 5; i < 10; ++i)
        s->PopByAge[i] = 2.7; // class 1: 13.5
    s->PopByAge[65] = 10.4;   // class 13
    s->PopByAge[109] = 1.0;   // class 21
    TallyClasses(*s, 3);
    EXPECT_EQ(s->PyramidHistory[3][0], 12.0) << "a class of 12.5 people is stored as 12";
    EXPECT_EQ(s->PyramidHistory[3][1], 14.0) << "a class of 13.5 people is stored as 14";
    EXPECT_EQ(s->PopHistory[3], 12.0 + 14.0 + 10.0 + 1.0) << "the population is the sum of the rounded classes";
    EXPECT_EQ(s->ChildrenHistory[3], 26.0) << "children are classes 0 to 2";
    EXPECT_EQ(s->ElderlyHistory[3], 11.0) << "elderly are classes 13 to 21";
    EXPECT_NEAR(s->ExactPopHistory[3], 12.5 + 13.5 + 10.4 + 1.0, 1e-12) << "the exact total is unrounded";
    ComputeMeanAge(*s, 3);
    const double years = (1 + 2 + 3 + 4) * 2.5 + (5 + 6 + 7 + 8 + 9) * 2.7 + 65 * 10.4 + 109.0;
    EXPECT_NEAR(s->MeanAgeHistory[3], years / 37.0, 1e-12) << "mean age: unrounded ages over the rounded total";
}

TEST(History, MeanAgeOfAnEmptyYearIsZero)
{
    auto s = std::make_unique<SimulationState>();
    s->MeanAgeHistory[2] = 99;
    s->PopByAge[40] = 0.3; // rounds away to an empty class
    TallyClasses(*s, 2);
    ComputeMeanAge(*s, 2);
    EXPECT_EQ(s->PopHistory[2], 0.0) << "0.3 people round to an empty island";
    EXPECT_EQ(s->MeanAgeHistory[2], 0.0) << "an empty year has mean age 0, not a division by zero";
}

TEST(History, RecordYearStoresParametersFiguresAndBoard)
{
    TestModel t;
    t.S.BirthIndex = 2.5;
    t.S.Immigration = -0.02;
    t.S.StableLevel = 123456;
    t.S.Board = {"text", Rgb(1, 2, 3), Rgb(4, 5, 6), 12};
    // Tables small enough to reckon by hand: half of those who reach age 1 die in it, the rest at age 2.
    t.S.SurvivalByAge.fill(0.0);
    t.S.MortalityByAge.fill(0.0);
    t.S.FertilityByAge.fill(0.0);
    t.S.SurvivalByAge[1] = 1.0;
    t.S.SurvivalByAge[2] = 0.5;
    t.S.MortalityByAge[1] = 0.5;
    t.S.MortalityByAge[2] = 1.0;
    t.S.FertilityByAge[1] = 0.25;
    t.S.AdultMortality = 0.2;
    RecordYear(t.S, 7);
    EXPECT_EQ(t.S.StableLevelHistory[7], 123456) << "stable level of the year";
    EXPECT_EQ(t.S.ParamHistory[0][7], 2.5) << "birth index of the year";
    EXPECT_EQ(t.S.ParamHistory[3][7], -0.02) << "immigration of the year";
    EXPECT_DOUBLE_EQ(t.S.ReplacementHistory[7], 0.8 / 0.25) << "replacement index: survivors over children";
    EXPECT_DOUBLE_EQ(t.S.LifeExpectancyHistory[7], 1 * 0.5 + 2 * 0.5) << "life expectancy: age times share dying";
    EXPECT_EQ(t.S.BulletinTextHistory[7], "text") << "board text of the year";
    EXPECT_EQ(t.S.BulletinColorHistory[7], Rgb(1, 2, 3)) << "board colour of the year";
    EXPECT_EQ(t.S.BulletinFontColorHistory[7], Rgb(4, 5, 6)) << "board font colour of the year";
    EXPECT_EQ(t.S.BulletinFontSizeHistory[7], 12) << "board font size of the year";
}

} // namespace
} // namespace vartel
