#include "model/AgeTables.h"
#include "model/History.h"
#include "model/Incidents.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vartel {
namespace {

const std::string Grey = std::to_string(Rgb(128, 128, 128));

TEST(StartUp, FillsNamesStagesAndViewState)
{
    TestModel t;
    EXPECT_EQ(t.S.Scenario, 1) << "start-up ends in scenario Simple";
    EXPECT_EQ(t.S.GraphMode, 1) << "population graph";
    EXPECT_EQ(t.S.ZoomFactor, 1) << "zoom 1";
    EXPECT_EQ(t.S.ScenarioNames[4], "Attenuation towards stability") << "caption of scenario 4";
    EXPECT_EQ(t.S.ScenarioNames[7], "Realistic, high") << "caption of scenario 7";
    const std::string letters = "SAMHPEB";
    for (std::size_t k = 0; k < 7; ++k) {
        EXPECT_EQ(t.S.Stages[k].Letter, letters.substr(k, 1)) << "letter of stage record " << k;
    }
    EXPECT_EQ(t.S.Stages[2].Text,
              "Point M:\r\nMechanisation, industrialisation. Still more people\r\ncan live on the  island. The birth "
              "index increases slightly,\r\nchild mortality decreases due to better hygiene.")
        << "the M text keeps CR LF and the two blanks";
    EXPECT_EQ(t.S.Stages[6].Text.substr(0, 10), "Point B:\r\n") << "the B text starts with its title line";
    EXPECT_EQ(t.S.Board.Text, " no announcements ...") << "the reset at start-up (scenario 0 like 1) announces nothing";
    EXPECT_EQ(t.Host.Count("Alarm"), 0) << "start-up gives no alarm";
}

TEST(Reset, TheoreticalStartValues)
{
    TestModel t;
    const auto& s = t.S;
    for (int i = 0; i <= 14; ++i)
        EXPECT_DOUBLE_EQ(s.PopByAge[i], 70.0) << "70 people of age " << i;
    for (int i = 15; i <= 44; ++i)
        EXPECT_DOUBLE_EQ(s.PopByAge[i], 105.0) << "105 people of age " << i;
    EXPECT_EQ(s.PopByAge[45], 0.0) << "nobody older than 44";
    EXPECT_EQ(s.PopHistory[0], 4200) << "PopHistory[0]";
    EXPECT_EQ(s.ExactPopHistory[0], 4200) << "ExactPopHistory[0]";
    EXPECT_EQ(s.ChildrenHistory[0], 1050) << "ChildrenHistory[0]";
    EXPECT_EQ(s.ElderlyHistory[0], 0) << "ElderlyHistory[0]";
    EXPECT_DOUBLE_EQ(s.MeanAgeHistory[0], 23.875) << "MeanAgeHistory[0]";
    EXPECT_DOUBLE_EQ(s.FeedbackBase, ReplacementBirthIndex(s)) << "feedback base captured at the reset";
    EXPECT_EQ(s.ParamHistory[0][0], 3.0) << "year 0 recorded with birth index 3";

    const std::pair<Field, const char*> expected[] = {
        {Field::SPmeter, "200000"}, {Field::PGmeter, ""},     {Field::BImeter, "3.0000"}, {Field::BDmeter, "5.00"},
        {Field::ADmeter, "0.10"},   {Field::IMmeter, "0.00"}, {Field::LEmeter, "63.6"},   {Field::MAmeter, "23.9"},
        {Field::RBmeter, "2.2538"}, {Field::GRmeter, "0.0%"}, {Field::CHmeter, "25.0%"},  {Field::Popmeter, "4200"},
        {Field::Clock, "0"}};
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(t.Host.FieldText(field), text) << FieldName(field) << " after a reset in scenario 1";
    }
}

TEST(Reset, RealisticStartValues)
{
    TestModel t(6);
    const auto& s = t.S;
    EXPECT_DOUBLE_EQ(s.PopByAge[0], 50.0) << "50 people of age 0";
    EXPECT_DOUBLE_EQ(s.PopByAge[44], 75.0) << "75 people of age 44";
    EXPECT_EQ(s.PopHistory[0], 3000) << "3000 people";
    EXPECT_EQ(s.SavedBirthIndex, 6.0) << "a catastrophe returns to the stone-age birth index";
    EXPECT_EQ(s.SavedBabyMortality, 0.55) << "a catastrophe returns to the stone-age baby mortality";
    const std::pair<Field, const char*> expected[] = {{Field::BImeter, "6.0000"}, {Field::BDmeter, "55.00"},
                                                      {Field::LEmeter, "25.0"},   {Field::RBmeter, "5.7524"},
                                                      {Field::SPmeter, "18000"},  {Field::Popmeter, "3000"}};
    for (const auto& [field, text] : expected) {
        EXPECT_EQ(t.Host.FieldText(field), text) << FieldName(field) << " after a reset in a realistic scenario";
    }
    EXPECT_EQ(s.Board.Text, s.Stages[0].Text) << "a realistic reset announces the stone age";
}

TEST(Reset, EffectsComeInOrder)
{
    TestModel t;
    t.Host.Clear();
    ResetSimulation(*t.M);
    const std::vector<std::string> expected = {
        "SetCountdown 00 " + Grey,
        "RestorePresent",
        "ClearInstruction",
        "SetField clock 0",
        "ResetHouses",
        "SetField Popmeter 4200",
        "SetField SPmeter 200000",
        "SetField SPmeter 200000",
        "SetField PGmeter ",
        "SetField BImeter 3.0000",
        "SetField BDmeter 5.00",
        "SetField ADmeter 0.10",
        "SetField IMmeter 0.00",
        "SetField LEmeter 63.6",
        "SetField MAmeter 23.9",
        "SetField RBmeter 2.2538",
        "SetField GRmeter 0.0%",
        "SetField CHmeter 25.0%",
        "RedrawPyramid 0",
        "UpdateHousesAndCurve",
        "RedrawGraph",
        "ResetGraphControls",
        "SetIncidentButtonsEnabled true",
        "ClearInstruction",
    };
    EXPECT_EQ(t.Host.Calls, expected) << "the reset should drive the window in this order";
    EXPECT_EQ(t.S.HousesShown, 1) << "one house after a reset";
}

TEST(Reset, EndsIncidentCatastropheAndStagesWithoutRestoringSavedValues)
{
    TestModel t(5);
    t.RunTo(1100);
    ASSERT_TRUE(t.S.StageReached[0]) << "stage A should be reached by year 1100 in Realistic, low";
    StartIncident(*t.M, 2);
    t.S.Catastrophe = true;
    t.S.Running = true;
    ResetSimulation(*t.M);
    EXPECT_EQ(t.S.Incident, 0) << "no incident after New";
    EXPECT_EQ(t.Host.Countdown, "00") << "countdown at 00 after New";
    EXPECT_EQ(t.Host.CountdownColor, Rgb(128, 128, 128)) << "countdown grey after New";
    EXPECT_TRUE(t.Host.IncidentButtonsEnabled) << "incident buttons enabled after New";
    EXPECT_FALSE(t.S.Catastrophe) << "no catastrophe after New";
    EXPECT_FALSE(t.S.StageReached[0]) << "no stage reached after New";
    EXPECT_EQ(t.S.Stages[1].Year, -100) << "stage years cleared";
    EXPECT_FALSE(t.S.Running) << "New stops the run";
    EXPECT_EQ(t.S.Year, 0) << "New returns to year 0";
    EXPECT_EQ(t.S.BirthIndex, 6.0) << "the start birth index, not the one saved by the policy";
}

TEST(ChooseScenario, TheoreticalKeepsEverythingButRuleAndBase)
{
    TestModel t;
    t.RunTo(900);
    const double population = t.S.ExactPopHistory[900];
    const double birthIndex = t.S.BirthIndex;
    ChooseScenario(*t.M, 3);
    EXPECT_EQ(t.S.Scenario, 3) << "rule changed";
    EXPECT_EQ(t.S.Year, 900) << "year kept";
    EXPECT_EQ(t.S.ExactPopHistory[900], population) << "population kept";
    EXPECT_EQ(t.S.BirthIndex, birthIndex) << "birth index kept until the next step";
    EXPECT_DOUBLE_EQ(t.S.FeedbackBase, ReplacementBirthIndex(t.S)) << "feedback base recaptured";
    t.S.FeedbackBase = 1.234;
    ChooseScenario(*t.M, 1);
    EXPECT_EQ(t.S.FeedbackBase, 1.234) << "Simple leaves the feedback base alone";
}

TEST(ChooseScenario, RealisticWhileRunningResets)
{
    TestModel t;
    t.RunTo(50);
    t.S.Running = true;
    ChooseScenario(*t.M, 6);
    EXPECT_FALSE(t.S.Running) << "choosing a realistic scenario stops the run";
    EXPECT_EQ(t.S.Year, 0) << "and returns to year 0";
    EXPECT_EQ(t.S.PopHistory[0], 3000) << "with the realistic start population";
}

TEST(ChooseScenario, SimpleAfterStageMKeepsTheStageAnnounced)
{
    TestModel t(6);
    ASSERT_TRUE(t.RunUntil([&] { return t.S.StageReached[1]; })) << "stage M should be reached";
    t.Step();
    ChooseScenario(*t.M, 1);
    const double birthIndex = t.S.BirthIndex;
    t.Step();
    EXPECT_TRUE(t.S.StageReached[1]) << "the stage flag stays";
    EXPECT_EQ(t.S.BirthIndex, birthIndex) << "the stage rules no longer move the birth index";
    EXPECT_EQ(t.S.Board.Text.substr(0, 8), "Point M:") << "the board keeps announcing stage M";
}

TEST(SetPopulationSize, RescalesExactlyKeepingProportions)
{
    TestModel t;
    SetPopulationSize(*t.M, 5000);
    EXPECT_EQ(t.S.PopHistory[0], 5000) << "the rounded total is exactly 5000";
    EXPECT_NEAR(t.S.PopByAge[3], 70.0 * 5000 / 4200, 2.0) << "ages keep nearly their share";
    EXPECT_NEAR(t.S.PopByAge[30], 105.0 * 5000 / 4200, 2.0) << "ages keep nearly their share";
    EXPECT_EQ(t.Host.FieldText(Field::Popmeter), "5000") << "Popmeter shows the new size";
    EXPECT_DOUBLE_EQ(t.S.MeanAgeHistory[0], 23.875) << "the mean age is not recomputed";
}

TEST(SetPopulationSize, EmptyIslandGetsYoungAdultsWithoutCorrection)
{
    struct Case {
        int Asked;
        double PerAge;
        double Total;
    };
    for (const Case c : {Case{1000, 50, 1000}, Case{121, 6.05, 120}, Case{123, 6.15, 124}}) {
        TestModel t;
        t.S.PopByAge.fill(0.0);
        TallyClasses(t.S, 0);
        SetPopulationSize(*t.M, c.Asked);
        EXPECT_DOUBLE_EQ(t.S.PopByAge[15], c.PerAge) << c.Asked << " on an empty island: people at age 15";
        EXPECT_DOUBLE_EQ(t.S.PopByAge[34], c.PerAge) << c.Asked << " on an empty island: people at age 34";
        EXPECT_EQ(t.S.PopByAge[35], 0.0) << c.Asked << " on an empty island: nobody at 35";
        EXPECT_EQ(t.S.PopHistory[0], c.Total) << c.Asked << " on an empty island gives " << c.Total;
    }
}

// Rounded 22 against a real 32.78: the rescale misses by 1078, taken away one person at a time.
TEST(SetPopulationSize, AFarMissIsCorrectedOnePersonAtATime)
{
    TestModel t;
    t.S.PopByAge.fill(0.298); // 1.49 a class, 1 when rounded
    TallyClasses(t.S, 0);
    SetPopulationSize(*t.M, 2200);
    EXPECT_EQ(t.S.PopHistory[0], 2200);
    double moved = 0;
    for (int i = 0; i < AgeCount; ++i) {
        const double away = 29.8 - t.S.PopByAge[i]; // 0.298 rescaled by 2200 / 22
        ASSERT_NEAR(away, std::round(away), 1e-9) << "age " << i << " lost whole people, not a share";
        moved += away;
    }
    EXPECT_NEAR(moved, 1078, 1e-6) << "one person for each one the rounded total was over";
}

TEST(SetPopulationSize, StopsCorrectingWhenNoAgeHoldsMoreThanOnePerson)
{
    TestModel t;
    // Below one person at every age 0..108 after the rescale, and the rounded total 128 instead of 120.
    for (int i = 0; i < 109; ++i)
        t.S.PopByAge[i] = 0.9966;
    t.S.PopByAge[109] = 21.0136;
    TallyClasses(t.S, 0);
    ASSERT_EQ(t.S.PopHistory[0], 130) << "set-up: 21 classes of 5 and a last class of 25";
    t.Host.Clear();
    SetPopulationSize(*t.M, 120);
    EXPECT_EQ(t.S.PopHistory[0], 128) << "the correction stops instead of looping for ever";
    EXPECT_EQ(t.Host.Count("RedrawPyramid 0"), 1) << "the rescale still finishes with its redraws";
}

TEST(SetPopulationSize, SameSizeDoesNothing)
{
    TestModel t;
    t.Host.Clear();
    SetPopulationSize(*t.M, 4200);
    EXPECT_TRUE(t.Host.Calls.empty()) << "re-entering the current size changes and redraws nothing";
}

} // namespace
} // namespace vartel
