// The run's states and what each command does to them: Start, Pause, Continue, Step, New, the end at the
// last year, and the pause at an important moment.
#include "model/Codes.h"
#include "session/SpeedDelays.h"
#include "tests/session/SessionFixture.h"

#include <string>

namespace vartel {
namespace {

TEST(StartButtonTexts, EachStateShowsItsCaptionAndHint)
{
    struct Case {
        RunState state;
        std::string caption;
        std::string hint;
    };
    const Case cases[] = {{RunState::Ready, "Start", "Start simulation"},
                          {RunState::Running, "Pause", "Pause simulation"},
                          {RunState::Paused, "Continue", "Stop the pause, continue the simulation"},
                          {RunState::Stepping, "Step", "One step"},
                          {RunState::Finished, "Start", "Start simulation"}};
    for (const Case& c : cases) {
        EXPECT_EQ(StartButtonTextsOf(c.state).Caption, c.caption);
        EXPECT_EQ(StartButtonTextsOf(c.state).Hint, c.hint) << "the hint of " << c.caption;
    }
}

TEST(Speeds, EachSpeedHasItsMinimumTimePerYear)
{
    const int expected[] = {1000, 100, 30, 1, 0};
    for (int speed = 0; speed < 5; ++speed)
        EXPECT_EQ(SpeedDelayFor(speed), expected[speed]) << "delay of speed " << speed;
    EXPECT_EQ(SpeedDelayFor(9), 0) << "a speed past the fastest counts as the fastest";
    EXPECT_EQ(SpeedDelayFor(-1), 1000) << "a speed below the slowest counts as the slowest";
}

using SessionRun = SessionTest;

TEST_F(SessionRun, StartPauseContinue)
{
    EXPECT_EQ(Run.CurrentRunState(), RunState::Ready);
    EXPECT_EQ(Run.PressStart(), NextPass{NextPass::When::Soon});
    EXPECT_EQ(Listener.Shown, RunState::Running);
    EXPECT_TRUE(S().Running);
    EXPECT_EQ(Listener.Line, Instruction::None) << "a click that runs clears the instruction";
    Run.RunPass();
    Run.RunPass(); // the rest of the year at speed 3 has passed
    EXPECT_EQ(S().Year, 1);

    Run.PressStart();
    EXPECT_EQ(Listener.Shown, RunState::Paused);
    EXPECT_FALSE(S().Running);
    EXPECT_EQ(Listener.Line, Instruction::Investigate) << "a pausing click shows the instruction";
    Run.RunPass();
    EXPECT_EQ(S().Year, 1) << "no year while paused";

    Run.PressStart();
    EXPECT_EQ(Listener.Shown, RunState::Running) << "Continue runs again";
}

TEST_F(SessionRun, StartValuesAreCapturedAtYearZeroOnly)
{
    S().BirthIndex = 2.5;
    Run.PressStart();
    EXPECT_DOUBLE_EQ(S().StartParams[0], 2.5);
    Run.RunPass();
    Run.PressStart(); // pause at year 1
    S().BirthIndex = 4;
    Run.PressStart();
    EXPECT_DOUBLE_EQ(S().StartParams[0], 2.5) << "a click at a later year does not capture";
}

TEST_F(SessionRun, TheRunEndsAtTheLastYearWithTheStartHint)
{
    Run.SetSpeed(4);
    Run.PressStart();
    PassUntilStopped();
    EXPECT_EQ(S().Year, MaxYear);
    EXPECT_EQ(Listener.Shown, RunState::Finished);
    EXPECT_STREQ(StartButtonTextsOf(Listener.Shown).Hint, "Start simulation") << "not the hint of Pause";
    EXPECT_EQ(Listener.Finishes, 1);
    EXPECT_FALSE(Listener.IncidentsAvailable) << "no incident after the last year";
    EXPECT_EQ(Listener.Line, Instruction::Investigate);

    EXPECT_FALSE(Run.Advance()) << "no year after the last";
    Run.StartIncident(IncidentCode::Epidemic);
    EXPECT_EQ(S().Incident, 0) << "no incident can start at the end";
    Run.PressStart();
    EXPECT_EQ(Listener.Shown, RunState::Running) << "until the next pass";
    Run.RunPass();
    EXPECT_EQ(S().Year, MaxYear);
    EXPECT_EQ(Listener.Shown, RunState::Finished);
}

TEST_F(SessionRun, StepModeRunsOneYearPerClickAndEndsFinishedAtTheLastYear)
{
    Run.SetSpeed(0); // step mode does not wait for the second a year
    EXPECT_EQ(Run.SetStepMode(true), NextPass{NextPass::When::Soon});
    Run.RunPass();
    EXPECT_EQ(Listener.Shown, RunState::Stepping) << "Step at the next pass";
    for (int click = 1; click <= 3; ++click) {
        Run.PressStart();
        EXPECT_EQ(Run.RunPass(), NextPass{}) << "nothing after a step";
        EXPECT_EQ(S().Year, click);
        EXPECT_FALSE(S().Running);
        EXPECT_EQ(Listener.Shown, RunState::Stepping);
        EXPECT_EQ(Listener.Line, Instruction::Investigate);
    }
    Run.SetStepMode(false);
    EXPECT_EQ(Listener.Shown, RunState::Paused) << "off after year 0: Continue";
    EXPECT_FALSE(S().Running);

    AdvanceTo(MaxYear);
    Run.SetStepMode(true);
    Run.RunPass();
    Run.SetStepMode(false);
    EXPECT_EQ(Listener.Shown, RunState::Finished) << "a finished run never shows Continue";
}

TEST_F(SessionRun, StepModeOffAtYearZeroShowsStart)
{
    Run.SetStepMode(true);
    Run.RunPass();
    Run.SetStepMode(false);
    EXPECT_EQ(Listener.Shown, RunState::Ready);
}

TEST_F(SessionRun, NewResetsToReadyWithTheSpeedsDelay)
{
    Run.SetSpeed(1);
    Run.PressStart();
    Run.RunPass();
    Run.New();
    EXPECT_EQ(S().Year, 0);
    EXPECT_EQ(Listener.Shown, RunState::Ready);
    EXPECT_FALSE(S().Running);
    EXPECT_EQ(S().StepDelay, 100) << "speed 1 gives 100 ms per year";
    EXPECT_TRUE(Listener.IncidentsAvailable);
}

TEST_F(SessionRun, AnAlarmPausesWithTheOptionWhateverTheSound)
{
    Run.SetSpeed(4);
    Run.SetSound(false);
    Run.SetPauseAtAlarms(true);
    Run.ChooseScenario(5);
    Run.PressStart();
    PassUntilStopped();
    EXPECT_LT(S().Year, MaxYear) << "paused before the end";
    EXPECT_TRUE(S().StageReached[0]) << "at stage A";
    EXPECT_EQ(Listener.Shown, RunState::Paused);
    EXPECT_STREQ(StartButtonTextsOf(Listener.Shown).Hint, "Stop the pause, continue the simulation")
        << "not the hint of Pause";
    EXPECT_EQ(Listener.Line, Instruction::Investigate) << "the automatic pause shows the instruction too";
    EXPECT_TRUE(Listener.Sounds.empty()) << "no sound with the sound off";
}

TEST_F(SessionRun, AnAlarmSoundsWithoutPausingByDefault)
{
    Run.ChooseScenario(7); // the reset posts the stone-age text with an alarm
    ASSERT_EQ(Listener.Sounds.size(), 1u);
    EXPECT_EQ(Listener.Sounds.front(), "Letop");
    EXPECT_EQ(Listener.Shown, RunState::Ready);
}

TEST_F(SessionRun, AnEpidemicPausesWhenItsMessageComesAndWhenItGoes)
{
    AdvanceTo(100);
    S().StageReached[0] = true; // stage A stays announced in Simple: its text returns, with an alarm
    Run.Advance();
    Run.SetPauseAtAlarms(true);
    Run.PressStart();
    int pauses = 0;
    Run.StartIncident(IncidentCode::Epidemic);
    for (int year = 0; year < 15; ++year) {
        if (!S().Running) {
            ++pauses;
            Run.PressStart(); // Continue
        }
        Run.Advance();
    }
    if (!S().Running)
        ++pauses;
    EXPECT_EQ(pauses, 2) << "one pause when the epidemic is announced, one when its text is replaced";
    EXPECT_EQ(Listener.Sounds.size(), 3u) << "stage A, the epidemic, stage A again";
}

} // namespace
} // namespace vartel
