// The driver: the Start button's states, step mode, the speed table, automatic pauses and the end, and
// the run at its edges: open boxes, a click in the last year's wait.
#include "WindowFixture.h"

#include "model/RunControl.h"
#include "session/SpeedDelays.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <numeric>
#include <vector>

namespace vartel::test {
namespace {

const QString InvestigateText = QStringLiteral(
    "Investigate the past:  Move the mouse in the population graph.     Freeze the moment in time: Click the mouse.");

using Driver = WindowTest;

TEST_F(Driver, StartPauseContinueFollowTheCaption)
{
    form->Controls().StartButton->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Pause"));
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Pause simulation"));
    EXPECT_TRUE(S().Running);
    EXPECT_TRUE(form->Controls().Memo1->text().isEmpty()) << "a click that runs empties Memo1";
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 3; })) << "years advance while running";

    form->Controls().StartButton->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue"));
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Stop the pause, continue the simulation"));
    EXPECT_FALSE(S().Running);
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText) << "a pausing click shows the instruction";
    const int pausedAt = S().Year;
    QTest::qWait(50);
    EXPECT_EQ(S().Year, pausedAt) << "no year is computed while paused";
    EXPECT_EQ(form->Controls().clock->text(), QString::number(pausedAt)) << "the year field shows the year";
    EXPECT_EQ(form->Controls().Popmeter->text(),
              QString::number(static_cast<long long>(std::llround(S().PopHistory[static_cast<std::size_t>(pausedAt)]))))
        << "the population field shows the year's population";

    form->Controls().StartButton->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Pause")) << "Continue runs again";
    ASSERT_TRUE(RunUntil([&] { return S().Year > pausedAt; }));
}

TEST_F(Driver, StartAtYearZeroCapturesTheStartValuesOnly)
{
    Enter(form->Controls().BImeter, QStringLiteral("2.5"));
    form->Controls().StartButton->click();
    EXPECT_DOUBLE_EQ(S().StartParams[0], 2.5) << "birth index captured at year 0";
    EXPECT_EQ(S().StartStableLevel, 200000);
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 1; }));
    form->Controls().StartButton->click(); // pause
    Enter(form->Controls().BImeter, QStringLiteral("4"));
    form->Controls().StartButton->click(); // continue at a later year
    EXPECT_DOUBLE_EQ(S().StartParams[0], 2.5) << "a click at a later year does not capture";
}

TEST_F(Driver, StepModeAdvancesExactlyOneYearPerClick)
{
    form->Controls().TrackBar1->setValue(0); // one second per year: step mode must not wait for it
    form->Controls().CheckBox1->click();
    ASSERT_TRUE(RunUntil([this] { return form->Controls().StartButton->text() == QLatin1String("Step"); }))
        << "checking the box shows Step at the next idle call";
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("One step"));
    EXPECT_EQ(form->focusWidget(), form->Controls().StartButton) << "the box gives StartButton the focus";
    for (int click = 1; click <= 3; ++click) {
        form->Controls().StartButton->click();
        ASSERT_TRUE(RunUntil([this] { return !S().Running; })) << "the step ends by itself";
        EXPECT_EQ(S().Year, click) << "exactly one year per click";
        EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Step"));
        EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText)
            << "after a step the past can be browsed, and Memo1 says so";
    }
    QTest::qWait(30);
    EXPECT_EQ(S().Year, 3) << "no year without a click";

    form->Controls().CheckBox1->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue")) << "unchecked after year 0: Continue";
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Stop the pause, continue the simulation"));
    EXPECT_FALSE(S().Running) << "unchecking does not start the run";
}

TEST_F(Driver, UncheckingStepModeAtYearZeroShowsStart)
{
    form->Controls().CheckBox1->click();
    ASSERT_TRUE(RunUntil([this] { return form->Controls().StartButton->text() == QLatin1String("Step"); }));
    form->Controls().CheckBox1->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Start"));
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Start simulation"));
}

TEST_F(Driver, SpeedSliderSetsTheMinimumTimePerYear)
{
    const int expected[] = {1000, 100, 30, 1, 0};
    for (int position = 4; position >= 0; --position) {
        form->Controls().TrackBar1->setValue(position);
        EXPECT_DOUBLE_EQ(S().StepDelay, expected[position]) << "position " << position;
        EXPECT_EQ(SpeedDelayFor(position), expected[position]);
    }
}

TEST_F(Driver, SlowestSpeedWaitsWithoutBlockingTheWindow)
{
    form->Controls().TrackBar1->setValue(0);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 1; }));
    // The rest of the second is waited for with the event loop running: a click is handled at once.
    QTest::qWait(20);
    EXPECT_EQ(S().Year, 1) << "at 1000 ms per year the next year has not begun";
    form->Controls().StartButton->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue"))
        << "the pause is handled during the wait";
    QTest::qWait(1100);
    EXPECT_EQ(S().Year, 1) << "a pause during the wait stops the run after the year";
}

// Years per pass of the event loop by speed and step mode, with a driver clock that moves a tick each time
// it is read: only the fastest speed goes on computing years, from a start one year and then twice as many
// as before, until its share of a frame (80 ticks of 0.1 ms) has passed or 256 years are done.
TEST_F(Driver, OnlyTheFastestSpeedComputesYearsBackToBackInAPass)
{
    constexpr qint64 Tick = 100'000;
    ASSERT_EQ(Session::FastestPassNanoseconds, 80 * Tick);
    struct Case {
        int position;
        bool stepMode;
        qint64 tick;
        std::vector<int> yearsPerPass;
    };
    const Case cases[] = {{4, false, Tick, {1, 2, 4, 8, 16, 32, 64, 80, 80}},
                          {4, false, 0, {1, 2, 4, 8, 16, 32, 64, 128, 256, 256}},
                          {3, false, Tick, {1, 1, 1}},
                          {2, false, Tick, {1, 1, 1}},
                          {1, false, Tick, {1, 1, 1}},
                          {4, true, Tick, {1, 1, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "position " << c.position << (c.stepMode ? ", step by step" : "")
                                        << ", tick " << c.tick);
        form->Controls().Newbutton->click();
        form->Controls().TrackBar1->setValue(c.position);
        if (form->Controls().CheckBox1->isChecked() != c.stepMode)
            form->Controls().CheckBox1->click();
        qint64 now = 0;
        form->SetDriverClock([&] { return now += c.tick; });
        std::vector<int> passes;
        const QMetaObject::Connection counting =
            QObject::connect(form.get(), &TForm1::PassDone, form.get(), [&](int years, qint64 ns) {
                passes.push_back(years);
                EXPECT_GE(ns, c.tick) << "the pass's time by the driver's clock";
                if (passes.size() == c.yearsPerPass.size() && S().Running)
                    form->Controls().StartButton->click(); // pause after the last pass
            });
        if (c.stepMode) {
            ASSERT_TRUE(RunUntil([this] { return form->Controls().StartButton->text() == QLatin1String("Step"); }));
            for (std::size_t step = 0; step < c.yearsPerPass.size(); ++step) {
                form->Controls().StartButton->click();
                ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
            }
        } else {
            form->Controls().StartButton->click();
            ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
        }
        QObject::disconnect(counting);
        EXPECT_EQ(passes, c.yearsPerPass);
        EXPECT_EQ(S().Year, std::accumulate(passes.begin(), passes.end(), 0)) << "no year outside the passes";
    }
}

// A click is handled between two passes: one queued while a pass computes stops the run at that pass's end.
// Continue starts again from a pass of one year.
TEST_F(Driver, PauseDuringAFastestRunStopsAtTheEndOfThePass)
{
    form->Controls().TrackBar1->setValue(4);
    qint64 now = 0;
    form->SetDriverClock([&now] { return now += 1'000'000; }); // at most 8 years a pass
    std::vector<int> passes;
    QObject::connect(form.get(), &TForm1::PassDone, form.get(), [&](int years, qint64) {
        passes.push_back(years);
        if (passes.size() == 5)
            QMetaObject::invokeMethod(form->Controls().StartButton, &QPushButton::click, Qt::QueuedConnection);
    });
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
    EXPECT_EQ(passes, (std::vector<int>{1, 2, 4, 8, 8})) << "no pass after the click";
    EXPECT_EQ(S().Year, 23);
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue"));
    EXPECT_EQ(form->Controls().clock->text(), QStringLiteral("23")) << "the year field shows the pass's last year";
    EXPECT_EQ(form->Controls().Popmeter->text(),
              QString::number(static_cast<long long>(std::llround(S().PopHistory[23]))))
        << "and the population field its population";

    form->Controls().StartButton->click(); // Continue
    ASSERT_TRUE(RunUntil([&] { return passes.size() >= 6; }));
    form->Controls().StartButton->click();
    EXPECT_EQ(passes.at(5), 1) << "the first pass after Continue";
}

TEST_F(Driver, EndAtYear3000)
{
    RunToEndAtFullSpeed();
    EXPECT_EQ(S().Year, 3000);
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Start"));
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Start simulation"))
        << "the hint goes with the caption";
    EXPECT_FALSE(form->Controls().EpiButton->isEnabled() || form->Controls().OneButton->isEnabled() ||
                 form->Controls().ImmButton->isEnabled())
        << "incident buttons disabled at the end";
    EXPECT_EQ(form->focusWidget(), form->Controls().Newbutton) << "focus on New";
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText);

    form->Controls().StartButton->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Pause")) << "until the next idle call";
    ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
    EXPECT_EQ(S().Year, 3000) << "no year after 3000";
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Start"));

    form->Controls().Newbutton->click();
    EXPECT_EQ(S().Year, 0) << "New returns to year 0";
    EXPECT_TRUE(form->Controls().EpiButton->isEnabled()) << "the reset enables the incident buttons";
    EXPECT_EQ(form->focusWidget(), form->Controls().StartButton) << "New gives the focus to Start";
}

TEST_F(Driver, RealisticMediumPausesAtStageAWithSoundOff)
{
    form->Controls().RadioButtons[6]->click();
    form->Controls().CheckBox2->click();
    form->Controls().CheckBox4->click(); // sound off: the pause must still happen
    ASSERT_FALSE(form->Controls().CheckBox4->isChecked());
    platform.waves.clear();
    RunToEndAtFullSpeed();
    EXPECT_LT(S().Year, 3000) << "paused before the end";
    EXPECT_TRUE(S().StageReached[0]) << "stage A reached";
    EXPECT_EQ(S().Stages[1].Year, S().Year - 1) << "the pause follows the step that reached A";
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue"));
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Stop the pause, continue the simulation"))
        << "the hint goes with the caption";
    EXPECT_TRUE(form->Controls().Paper->toPlainText().startsWith(QStringLiteral("Point A:")))
        << "the board announces A";
    EXPECT_TRUE(platform.waves.empty()) << "no sound with the sound box unchecked";
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText)
        << "the automatic pause shows the browsing instruction too";
}

TEST_F(Driver, AlarmPlaysTheLetopSoundWhenTheBoxIsChecked)
{
    form->Controls().CheckBox2->click();
    platform.waves.clear();
    form->Controls().RadioButtons[6]->click(); // the reset posts the stone-age text with an alarm
    ASSERT_FALSE(platform.waves.empty()) << "an alarm plays the sound";
    EXPECT_EQ(platform.waves.front(), QStringLiteral(":/LETOP"));
}

TEST_F(Driver, IncidentButtonStartsTheCountdown)
{
    form->Controls().EpiButton->click();
    EXPECT_EQ(form->Controls().Aftelklok->text(), QStringLiteral("10"));
    EXPECT_EQ(form->Controls().Aftelklok->palette().color(QPalette::Text), QColor(255, 0, 0)) << "red while running";
    EXPECT_FALSE(form->Controls().OneButton->isEnabled()) << "one incident at a time";
    form->Controls().Newbutton->click();
    EXPECT_EQ(form->Controls().Aftelklok->text(), QStringLiteral("00"));
    EXPECT_EQ(form->Controls().Aftelklok->palette().color(QPalette::Text), QColor(128, 128, 128));
}

using DriverAtTheEdges = WindowTest;

TEST_F(DriverAtTheEdges, NoYearIsComputedWhileABoxOrDialogIsOpen)
{
    form->Controls().TrackBar1->setValue(1); // 100 ms a year
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 2; }));
    // The years are read as the box opens and while it is still open: before it opens, typing lets the
    // run go on, and once it has closed, the pass that closed it may already run the next year.
    platform.boxOpenMs = 700;
    int seen = -1;
    int yearAtClose = -1;
    platform.whenBoxOpens = [&] { seen = S().Year; };
    platform.whenBoxCloses = [&] { yearAtClose = S().Year; };
    Enter(form->Controls().Popmeter, QStringLiteral("50")); // the correction box stays open 700 ms
    ASSERT_GE(seen, 2);
    EXPECT_EQ(yearAtClose, seen) << "the years wait behind the correction box";
    EXPECT_EQ(S().PopHistory[static_cast<std::size_t>(seen)], 120) << "the correction lands on the year seen";
    Reactivate();
    ASSERT_TRUE(RunUntil([&] { return S().Year > seen; }, 10000)) << "the run goes on when the box closes";

    // Any modal dialog of the program (a save or printer dialog) holds the run in the same way.
    QDialog dialog(form.get());
    int yearAtAccept = -1;
    QTimer::singleShot(500, &dialog, [&] {
        yearAtAccept = S().Year;
        dialog.accept();
    });
    const int before = S().Year;
    dialog.exec();
    EXPECT_EQ(yearAtAccept, before) << "no year behind a modal dialog";
    Reactivate();
    ASSERT_TRUE(RunUntil([&] { return S().Year > before; }, 10000));
}

TEST_F(DriverAtTheEdges, Year3000EndsTheRunWhateverIsClickedDuringItsWait)
{
    while (S().Year < MaxYear - 1)
        AdvanceYear(form->model());
    form->Controls().TrackBar1->setValue(0); // a whole second to wait after each year
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year == MaxYear; }));
    form->Controls().StartButton->click(); // at once, while the last year's time has not passed
    ASSERT_TRUE(RunUntil(
        [this] { return !S().Running && form->Controls().StartButton->text() == QLatin1String("Start"); }, 5000))
        << "the run ends finished, caption " << form->Controls().StartButton->text().toStdString();
    EXPECT_EQ(S().Year, MaxYear);
    EXPECT_FALSE(form->Controls().EpiButton->isEnabled() || form->Controls().OneButton->isEnabled() ||
                 form->Controls().ImmButton->isEnabled())
        << "incident buttons disabled at the end";
    EXPECT_EQ(form->focusWidget(), form->Controls().Newbutton) << "focus on New";
    EXPECT_EQ(form->Controls().Memo1->text(), InvestigateText);
}

} // namespace
} // namespace vartel::test
