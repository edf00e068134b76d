// The pacing of the years by the front end's clock: how many years a pass computes, how long the rest of a
// year is waited for, and the hold while a box is open. The clock is the fixture's: no wall time.
#include "tests/session/SessionFixture.h"

#include <vector>

namespace vartel {
namespace {

using Pacing = SessionTest;

// Only the fastest speed goes on computing years in a pass: one year after a click that runs, then twice
// as many as before, until its share of a frame (80 ticks of 0.1 ms) has passed or 256 years are done.
TEST_F(Pacing, OnlyTheFastestSpeedComputesYearsBackToBack)
{
    constexpr std::int64_t Step = 100'000;
    ASSERT_EQ(Session::FastestPassNanoseconds, 80 * Step);
    struct Case {
        int speed;
        bool stepMode;
        std::int64_t tick;
        std::vector<int> yearsPerPass;
    };
    const Case cases[] = {{4, false, Step, {1, 2, 4, 8, 16, 32, 64, 80, 80}},
                          {4, false, 0, {1, 2, 4, 8, 16, 32, 64, 128, 256, 256}},
                          {3, false, Step, {1, 1, 1}},
                          {1, false, Step, {1, 1, 1}},
                          {4, true, Step, {1, 1, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "speed " << c.speed << (c.stepMode ? ", step by step" : ""));
        Run.New();
        Run.SetSpeed(c.speed);
        Run.SetStepMode(c.stepMode);
        Run.RunPass();
        Tick = c.tick;
        Listener.PassYears.clear();
        while (Listener.PassYears.size() < c.yearsPerPass.size()) {
            if (!S().Running)
                Run.PressStart();
            Run.RunPass();
        }
        EXPECT_EQ(Listener.PassYears, c.yearsPerPass);
        if (S().Running)
            Run.PressStart();
    }
}

TEST_F(Pacing, TheRestOfAYearsTimeIsWaitedAndThenThePassEnds)
{
    Run.SetSpeed(0);
    Tick = 100'000'000; // each reading of the clock 100 ms later: a pass of one year takes 100 ms
    Run.PressStart();
    EXPECT_EQ(Run.RunPass(), (NextPass{NextPass::When::After, 900})) << "the rest of the second";
    EXPECT_EQ(S().Year, 1);
    EXPECT_EQ(Run.RunPass(), NextPass{NextPass::When::Soon}) << "the wait is over: the next year is due";
    EXPECT_EQ(S().Year, 1) << "the wait computes no year";

    Tick = 2'000'000'000; // a year longer than its minimum time waits for nothing
    EXPECT_EQ(Run.RunPass(), NextPass{NextPass::When::Soon});
    EXPECT_EQ(S().Year, 2);
}

TEST_F(Pacing, StepModeSwitchedOnDuringAWaitEndsTheYearAtOnce)
{
    Run.SetSpeed(0);
    Run.PressStart();
    ASSERT_EQ(Run.RunPass().Due, NextPass::When::After);
    EXPECT_EQ(Run.SetStepMode(true), NextPass{NextPass::When::Never}) << "no wait is left to run";
    EXPECT_FALSE(S().Running);
    EXPECT_EQ(Listener.Shown, RunState::Stepping);
    EXPECT_EQ(Run.RunPass(), NextPass{}) << "nothing is due";
    EXPECT_EQ(S().Year, 1);
}

TEST_F(Pacing, PauseDuringAWaitStopsAfterTheYear)
{
    Run.SetSpeed(0);
    Run.PressStart();
    ASSERT_EQ(Run.RunPass().Due, NextPass::When::After);
    EXPECT_EQ(Run.PressStart(), NextPass{NextPass::When::Soon}) << "a planned wait stays planned";
    EXPECT_EQ(Run.RunPass(), NextPass{}) << "the wait ends the paused run's pass";
    EXPECT_EQ(S().Year, 1);
}

TEST_F(Pacing, NoYearIsComputedWhileHeld)
{
    Run.SetSpeed(4);
    Run.PressStart();
    for (int poll = 0; poll < 3; ++poll) {
        EXPECT_EQ(Run.RunPass(true), (NextPass{NextPass::When::After, Session::HeldPollMilliseconds}));
        EXPECT_EQ(S().Year, 0);
    }
    Run.RunPass(false);
    EXPECT_EQ(S().Year, 1) << "the run goes on when the box has closed";
}

TEST_F(Pacing, AYearAfterTheLastIsNeverComputed)
{
    AdvanceTo(MaxYear - 1);
    Run.SetSpeed(0);
    Run.PressStart();
    EXPECT_EQ(Run.RunPass(), NextPass{}) << "no wait after the last year";
    EXPECT_EQ(S().Year, MaxYear);
    EXPECT_EQ(Listener.Shown, RunState::Finished);
    EXPECT_FALSE(S().Running);
}

} // namespace
} // namespace vartel
