// A lesson in a running session: the set-up at the start, the events at their years, the pause points with
// their questions and answers.
#include "lesson/LessonPlan.h"
#include "lesson/LessonReader.h"
#include "model/Codes.h"
#include "session/QuietListener.h"
#include "session/Session.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vartel::test {
namespace {

class StateListener final : public QuietListener {
public:
    void RunStateChanged(RunState state) override { Shown = state; }
    void InstructionChanged(Instruction instruction) override { Line = instruction; }
    RunState Shown = RunState::Ready;
    Instruction Line = Instruction::None;
};

class LessonPlanTest : public testing::Test {
protected:
    void Open(const std::string& text)
    {
        const LessonReading reading = ReadLesson(text);
        ASSERT_EQ(reading.Error, "");
        Plan = std::make_unique<LessonPlan>(
            reading.Read, [this](const PausePoint& p) { Asked.push_back(p.Question); },
            [this](const std::string& message) { Failures.push_back(message); });
        Plan->Begin(Run);
    }
    SimulationState& S() { return Run.model().S; }
    void AdvanceTo(int year)
    {
        while (S().Year < year && Run.Advance()) {
        }
    }
    // Passes until the run stops, the waits taken as passed.
    void PassUntilStopped()
    {
        for (int passes = 0; S().Running && passes < 100000; ++passes)
            Run.RunPass();
    }

    StateListener Listener;
    SeededRandom Random{7};
    std::int64_t Now = 0;
    Session Run{Listener, Random, [this] { return Now += 1000; }};
    std::unique_ptr<LessonPlan> Plan;
    std::vector<std::string> Asked;
    std::vector<std::string> Failures;
};

TEST_F(LessonPlanTest, BeginSetsTheScenarioSpeedAndStartingParameters)
{
    Run.StartUp();
    AdvanceTo(40);
    Open(R"({"version": 1, "scenario": 6, "speed": 1, "parameters": {"stable": "20000"}})");
    EXPECT_EQ(S().Year, 0) << "a lesson starts its run anew";
    EXPECT_EQ(S().Scenario, ScenarioCode::RealisticMedium);
    EXPECT_EQ(S().StableLevel, 20000);
    EXPECT_EQ(Run.Speed(), 1);
    EXPECT_EQ(Listener.Shown, RunState::Ready);
}

TEST_F(LessonPlanTest, EventsHappenWhenTheRunReachesTheirYears)
{
    Open(R"({"version": 1, "events": ["5:epidemic", "10:stable=5000"]})");
    const int stableBefore = S().StableLevel;
    AdvanceTo(4);
    EXPECT_EQ(S().Incident, IncidentCode::None);
    AdvanceTo(5);
    EXPECT_EQ(S().Incident, IncidentCode::Epidemic) << "at its year, before the next is computed";
    AdvanceTo(9);
    EXPECT_EQ(S().StableLevel, stableBefore);
    AdvanceTo(10);
    EXPECT_EQ(S().StableLevel, 5000);
}

TEST_F(LessonPlanTest, EventsAfterAResetWaitForTheirYearsAgain)
{
    Open(R"({"version": 1, "events": ["5:scenario=6", "5:epidemic", "8:immigration-wave"]})");
    AdvanceTo(4);
    Run.Advance();
    EXPECT_EQ(S().Year, 0) << "the realistic scenario resets the run";
    EXPECT_EQ(S().Incident, IncidentCode::None);
    AdvanceTo(5);
    EXPECT_EQ(S().Incident, IncidentCode::Epidemic);
    EXPECT_EQ(S().Scenario, ScenarioCode::RealisticMedium) << "done once only";
}

TEST_F(LessonPlanTest, AnEventThatFailsIsToldAndTheRunGoesOn)
{
    Open(R"({"version": 1, "events": ["3:stable=lots", "4:epidemic"]})");
    AdvanceTo(4);
    ASSERT_EQ(Failures.size(), 1u);
    EXPECT_EQ(Failures[0].rfind("3:stable=lots: ", 0), 0u) << Failures[0];
    EXPECT_EQ(S().Incident, IncidentCode::Epidemic);
}

TEST_F(LessonPlanTest, APausePointPausesTheRunAndAsksItsQuestion)
{
    Open(R"({"version": 1, "speed": 4, "pausePoints": [{"year": 3, "question": "How many?"},
                                                        {"year": 60, "question": "Why?"}]})");
    Run.PressStart();
    PassUntilStopped();
    EXPECT_EQ(S().Year, 3) << "even in a pass of many years";
    EXPECT_EQ(Listener.Shown, RunState::Paused);
    EXPECT_EQ(Listener.Line, Instruction::Investigate) << "the past can be browsed as after any pause";
    EXPECT_EQ(Asked, (std::vector<std::string>{"How many?"}));

    Plan->Answer(3, "About 3000");
    Plan->Answer(60, "not asked yet");
    Run.PressStart();
    PassUntilStopped();
    EXPECT_EQ(S().Year, 60);
    Plan->Answer(60, "It grows");
    Plan->Answer(3, "About 3500");
    ASSERT_EQ(Plan->Answers().size(), 2u);
    EXPECT_EQ(Plan->Answers()[0].Year, 3);
    EXPECT_EQ(Plan->Answers()[0].Question, "How many?");
    EXPECT_EQ(Plan->Answers()[0].Answer, "About 3500") << "a later answer replaces the first";
    EXPECT_EQ(Plan->Answers()[1].Year, 60);
    EXPECT_EQ(Plan->Answers()[1].Answer, "It grows");

    Run.PressStart();
    PassUntilStopped();
    EXPECT_EQ(Listener.Shown, RunState::Finished);
}

TEST_F(LessonPlanTest, APausePointAtTheLastYearAsksAsTheRunEnds)
{
    Open(R"({"version": 1, "speed": 4, "pausePoints": [{"year": 3000, "question": "Stable?"}]})");
    Run.PressStart();
    PassUntilStopped();
    EXPECT_EQ(S().Year, MaxYear);
    EXPECT_EQ(Listener.Shown, RunState::Finished);
    EXPECT_EQ(Asked, (std::vector<std::string>{"Stable?"}));
}

TEST_F(LessonPlanTest, AGonePlanNoLongerPausesTheRun)
{
    Open(R"({"version": 1, "speed": 4, "pausePoints": [{"year": 3, "question": "How many?"}]})");
    Plan.reset();
    Run.PressStart();
    PassUntilStopped();
    EXPECT_EQ(S().Year, MaxYear);
    EXPECT_TRUE(Asked.empty());
}

} // namespace
} // namespace vartel::test
