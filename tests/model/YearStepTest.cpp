#include "model/AgeTables.h"
#include "model/History.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vartel {
namespace {

std::vector<std::string> Without(const std::vector<std::string>& calls, const std::string& prefix)
{
    std::vector<std::string> kept;
    for (const auto& call : calls) {
        if (call.rfind(prefix, 0) != 0)
            kept.push_back(call);
    }
    return kept;
}

TEST(YearStep, FirstYearOfSimple)
{
    TestModel t;
    t.Host.Clear();
    t.Step();
    EXPECT_EQ(t.S.PopHistory[1], 4344) << "year 1 of Simple has 4344 people";
    EXPECT_EQ(t.Host.FieldText(Field::PGmeter), "3.43%") << "year 1 grows by 3.43 %";
    EXPECT_EQ(t.S.ParamHistory[0][1], 3.0) << "Simple keeps the birth index";
    EXPECT_EQ(t.S.BulletinTextHistory[1], " no announcements ...") << "the board of year 1 is recorded";
    const std::vector<std::string> fieldOrder = {"SPmeter", "PGmeter", "BImeter", "BDmeter", "ADmeter", "IMmeter",
                                                 "LEmeter", "MAmeter", "RBmeter", "GRmeter", "CHmeter"};
    ASSERT_EQ(t.Host.Calls.size(), fieldOrder.size()) << "a quiet year only rewrites the eleven result fields";
    for (std::size_t i = 0; i < fieldOrder.size(); ++i) {
        EXPECT_EQ(t.Host.Calls[i].rfind("SetField " + fieldOrder[i] + " ", 0), 0u)
            << "call " << i << " should write " << fieldOrder[i] << ", was " << t.Host.Calls[i];
    }
}

TEST(YearStep, StageYearRedrawsBeforeResultsThenAlarms)
{
    TestModel t(5);
    ASSERT_TRUE(t.RunUntil([&] { return t.S.ExactPopHistory[t.S.Year] > 20000; })) << "20000 should be passed";
    const int passed = t.S.Year;
    t.Host.Clear();
    t.Step();
    const std::vector<std::string> expected = {"RedrawGraph", "ShowBulletin " + t.S.Stages[1].Text, "Alarm"};
    EXPECT_EQ(Without(t.Host.Calls, "SetField "), expected) << "stage A: redraw, fields, board, alarm";
    EXPECT_EQ(t.S.Stages[1].Year, passed) << "the stage is dated with the year that passed the threshold";
    EXPECT_EQ(t.S.StableLevel, 200000) << "stage A raises the stable level";
    EXPECT_EQ(t.S.BirthIndex, 6.2) << "stage A of Realistic, low sets birth index 6.2";
}

TEST(YearStep, RatesAreRedrawnEveryYearOnlyInTheAgeGraphs)
{
    TestModel t(4);
    t.Host.Clear();
    t.Step();
    EXPECT_EQ(t.Host.Count("RedrawGraph"), 0) << "the population graph only grows by its curve";
    t.S.GraphMode = 3;
    t.Host.Clear();
    t.Step();
    EXPECT_EQ(t.Host.Count("RedrawGraph"), 1) << "the mortality graph follows the rule's parameters every year";
}

TEST(YearStep, PositiveFeedbackFloor)
{
    for (const double last : {50.0, 51.0}) {
        TestModel t(2);
        t.S.StableLevel = 2000;
        t.S.Year = 10;
        t.S.PopHistory[10] = last;
        t.Step();
        const double expected = last > 50 ? t.S.FeedbackBase + std::log10(51.0 / 2000.0) : 0.0;
        EXPECT_DOUBLE_EQ(t.S.ParamHistory[0][11], expected)
            << "a population of " << last << " gives birth index " << expected;
    }
    TestModel t(2);
    t.S.StableLevel = 1000000; // 4200 against a million: the rule goes negative
    t.Step();
    EXPECT_EQ(t.S.BirthIndex, 0.0) << "a negative feedback result becomes 0";
    TestModel below(2);
    below.Step();
    EXPECT_DOUBLE_EQ(below.S.BirthIndex, below.S.FeedbackBase + std::log10(4200.0 / 200000.0))
        << "4200 people against 200000 give a birth index below replacement";
}

TEST(YearStep, NegativeFeedbackLooksBackACenturyAndUsesYearZeroAtFirst)
{
    TestModel t(3);
    const double fromYearZero = t.S.FeedbackBase - 2.0 * std::log10(4200.0 / 200000.0);
    t.RunTo(101);
    EXPECT_DOUBLE_EQ(t.S.ParamHistory[0][1], fromYearZero) << "year 1 uses the population of year 0";
    EXPECT_DOUBLE_EQ(t.S.ParamHistory[0][100], fromYearZero) << "year 100 still uses the population of year 0";
    const double fromYearOne = t.S.FeedbackBase - 2.0 * std::log10(t.S.PopHistory[1] / 200000.0);
    EXPECT_DOUBLE_EQ(t.S.ParamHistory[0][101], fromYearOne) << "year 101 uses the population of year 1";
}

TEST(YearStep, AttenuationKeepsTheBirthIndexBetween50AndTenPercent)
{
    TestModel t(4);
    t.S.BirthIndex = 2.7;
    t.Step(); // 4200 people: below 20000 and above 50
    EXPECT_EQ(t.S.BirthIndex, 2.7) << "between 50 and 10 % of the level the birth index stays";
    t.S.ExactPopHistory[1] = 40;
    t.Step();
    EXPECT_EQ(t.S.ParamHistory[0][2], 0.0) << "below 50 people attenuation sets birth index 0";
}

TEST(YearStep, EmigrationNeverEmptiesAnAgeBelowZero)
{
    TestModel t;
    for (int i = 0; i < 10; ++i)
        t.S.PopByAge[i] = 0.0;
    t.S.Immigration = -0.06;
    t.Step();
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(t.S.PopByAge[i], 0.0) << "age " << i << " had nobody to lose";
    for (double people : t.S.PopByAge)
        ASSERT_GE(people, 0.0) << "no age goes negative";
    EXPECT_EQ(t.Host.FieldText(Field::IMmeter), "-6.00") << "emigration of 6 % is shown as -6.00";
}

TEST(YearStep, ExtinctionRule)
{
    TestModel t;
    t.S.PopByAge.fill(0.0);
    t.S.PopByAge[30] = 40.0;
    TallyClasses(t.S, 0);
    t.Step();
    EXPECT_EQ(t.S.BirthIndex, 0.0) << "below 50 people no more children";
    EXPECT_EQ(t.S.AdultMortality, 0.05) << "below 50 people adult mortality 5 %";
    EXPECT_EQ(t.S.Board.Text, " Not enough people - disaster strikes") << "the board announces the disaster";
    t.RunUntil([&] { return t.S.PopHistory[t.S.Year] == 0; });
    EXPECT_EQ(t.Host.FieldText(Field::BImeter), "") << "an extinct island shows no birth index";
    EXPECT_EQ(t.Host.FieldText(Field::PGmeter), "-100.00%") << "the first year of extinction shows -100 %";
    t.Step();
    EXPECT_EQ(t.Host.FieldText(Field::PGmeter), "") << "after a year of nobody the growth is empty";
    EXPECT_EQ(t.Host.FieldText(Field::SPmeter), "200000") << "the level is always shown";
}

TEST(YearStep, CatastropheOfSimpleDriftsAndRestoresTheParameters)
{
    TestModel t;
    ASSERT_TRUE(t.RunUntil([&] { return t.S.Catastrophe; })) << "Simple should run into the catastrophe";
    EXPECT_NEAR(t.S.Year, 690, 10) << "the catastrophe starts about year 690";
    EXPECT_GT(t.S.PopHistory[t.S.Year], 3000000) << "it starts above 3 million";
    EXPECT_EQ(t.S.Board.Text, " Overpopulation - disaster inevitable") << "and is announced";
    EXPECT_EQ(t.S.SavedBirthIndex, 3.0) << "the birth index of the moment is saved";
    t.Step();
    EXPECT_DOUBLE_EQ(t.S.BabyMortality, 0.05 * 1.05) << "baby mortality drifts up by 5 %";
    EXPECT_DOUBLE_EQ(t.S.AdultMortality, 0.001 * 1.05) << "adult mortality drifts up by 5 %";
    EXPECT_DOUBLE_EQ(t.S.BirthIndex, 3.0 * 0.99) << "birth index drifts down by 1 %";
    EXPECT_DOUBLE_EQ(t.S.Immigration, -0.0005) << "emigration grows by 0.05 %";
    const int start = t.S.Year;
    ASSERT_TRUE(t.RunUntil([&] { return !t.S.Catastrophe; })) << "the catastrophe should end";
    EXPECT_NEAR(t.S.Year - start, 110, 30) << "it ends some hundred years later";
    EXPECT_LT(t.S.PopHistory[t.S.Year - 1], 5000) << "it ends after a year below 5000";
    EXPECT_EQ(t.S.BabyMortality, 0.05) << "saved baby mortality back";
    EXPECT_EQ(t.S.AdultMortality, 0.001) << "saved adult mortality back";
    EXPECT_EQ(t.S.BirthIndex, 3.0) << "saved birth index back";
    EXPECT_EQ(t.S.Immigration, 0.0) << "saved immigration back";
}

TEST(YearStep, StageBWithTheBalanceAtTheStableLevelKeepsTheBirthIndex)
{
    for (const double balancePop : {2000000.0, 1000.0}) {
        TestModel t(6);
        t.S.StageReached.fill(true);
        t.S.StableLevel = 2000000;
        t.S.BalancePop = balancePop;
        t.S.BalanceBirthIndex = 2.0;
        const double r = ReplacementBirthIndex(t.S);
        const double x = t.S.ExactPopHistory[0];
        const double afterP = 6.4 + (r - 6.4) * (x - 1200000.0) / 800000.0;
        const double afterB = 2.0 + (r - 2.0) * (x - balancePop) / (2000000.0 - balancePop);
        t.Step();
        const double expected = balancePop == 2000000.0 ? afterP : afterB;
        EXPECT_DOUBLE_EQ(t.S.BirthIndex, expected)
            << "with the balance population at " << balancePop << " the birth index should be " << expected;
        EXPECT_DOUBLE_EQ(t.S.Immigration, 0.05 / 51) << "immigration after B in Realistic, medium";
    }
}

} // namespace
} // namespace vartel
