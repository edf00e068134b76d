// The driver: one simulated year per pass of the event loop while running (at the fastest speed the years
// of a frame's share), the Start button's caption state machine, step mode, the speed slider and the
// blinking instruction line.
//
// Unlike a busy wait, the rest of a year's minimum time is waited for with a timer, so the window stays
// responsive; the time per year is still the larger of the year's work and the slider's delay. The event
// loop also runs while a box or dialog is open, and no year is computed then.
//
// At the fastest speed a screen could not show a picture of every year: one pass computes years back to
// back for a frame's share of time, each a whole year with all its consequences, and what shows only the
// newest year is drawn once at its end. Input waits at most that share. After a click that runs, the passes
// grow from one year, doubling: the years right after Start or Continue come on the screen one by one, as at
// the other speeds, and a quick second click stops the run close to where it went on.
#include "model/RunControl.h"
#include "model/SpeedDelays.h"
#include "model/StartButtonStates.h"
#include "ui/TForm1.h"
#include "ui/Translation.h"
#include "views/HistoryBrowsing.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <algorithm>
#include <optional>

namespace vartel {

namespace {

const QColor MemoRed(255, 0, 0);
const QColor MemoYellow(255, 255, 0);

// How often a run held by an open box looks whether the box has closed.
constexpr int ModalPollMs = 50;

constexpr qint64 NsPerMs = 1'000'000;

} // namespace

void TForm1::RequestIdle()
{
    // During the rest of a year's time the next pass comes from the pace timer.
    if (!yearPace_.isActive() && !idleTimer_.isActive())
        idleTimer_.start(0);
}

void TForm1::IdleHandler()
{
    SimulationState& s = model_->S;
    if (!s.FirstIdleDone) {
        s.FirstIdleDone = true;
        ui_.StartButton->setFocus();
    }
    if (s.Running && s.Year < MaxYear) {
        // A box (a correction, an error report, a file or printer dialog) is about the year on the screen:
        // the run waits until it is closed.
        if (QApplication::activeModalWidget() != nullptr) {
            idleTimer_.start(ModalPollMs);
            return;
        }
        const qint64 passStart = driverClock_();
        const bool fastest = s.StepDelay <= 0 && !ui_.CheckBox1->isChecked();
        if (fastest)
            host_->HoldNewestYear();
        int years = 0;
        do {
            AdvanceYear(*model_);
            ++years;
            if (!s.Running)
                ShowInvestigateInstruction(); // an automatic pause at an important moment
        } while (fastest && s.Running && s.Year < MaxYear && years < fastestPassYears_ &&
                 driverClock_() - passStart < FastestPassNanoseconds);
        if (fastest) {
            host_->ShowNewestYear();
            fastestPassYears_ = std::min(2 * fastestPassYears_, FastestPassYearsMax);
        }
        const qint64 passTime = driverClock_() - passStart;
        emit PassDone(years, passTime);
        if (s.Year >= MaxYear) {
            // Nothing follows the last year, so there is nothing to wait for; ending at once also keeps a
            // click during a wait (or an automatic pause) from leaving the run unfinished.
            FinishRun();
        } else if (!ui_.CheckBox1->isChecked()) {
            const qint64 rest = static_cast<qint64>(s.StepDelay) - passTime / NsPerMs;
            if (rest > 0) {
                yearPace_.start(static_cast<int>(rest));
                return;
            }
        }
    }
    FinishIdlePass();
}

void TForm1::FinishIdlePass()
{
    SimulationState& s = model_->S;
    if (s.Running && s.Year >= MaxYear)
        FinishRun();
    if (ui_.CheckBox1->isChecked()) {
        ShowStartState(StartState::Step);
        if (s.Running)
            ShowInvestigateInstruction(); // after a step the past can be browsed, as after a pause
        s.Running = false;
    }
    if (s.Running)
        RequestIdle();
}

void TForm1::ShowStartState(StartState state)
{
    ui_.StartButton->setText(StartCaption(state));
    ui_.StartButton->setToolTip(QCoreApplication::translate(StartButtonContext, TextsOf(state).Hint));
}

std::optional<StartState> TForm1::StartStateShown() const
{
    for (const StartStateTexts& texts : StartStates) {
        if (ui_.StartButton->text() == StartCaption(texts.State))
            return texts.State;
    }
    return std::nullopt;
}

void TForm1::FinishRun()
{
    ui_.StartButton->setText(StartCaption(StartState::Start));
    model_->S.Running = false;
    ui_.Newbutton->setFocus();
    host_->SetIncidentButtonsEnabled(false);
    ShowInvestigateInstruction();
}

void TForm1::StartButtonClick()
{
    SimulationState& s = model_->S;
    const std::optional<StartState> shown = StartStateShown();
    if (!shown)
        return; // the caption is always one of the four; nothing else is a state to act on
    switch (*shown) {
    case StartState::Start:
    case StartState::Continue:
        ShowStartState(StartState::Pause);
        s.Running = true;
        break;
    case StartState::Step:
        s.Running = true;
        break;
    case StartState::Pause:
        ShowStartState(StartState::Continue);
        s.Running = false;
        break;
    }
    if (s.Year == 0 && s.Running)
        CaptureStartValues(s);
    if (s.Running)
        fastestPassYears_ = 1;
    s.Frozen = false;
    host_->RestorePresent();
    if (s.Running)
        ui_.Memo1->clear();
    else
        ShowInvestigateInstruction();
    RequestIdle();
}

void TForm1::TrackBar1Change()
{
    model_->S.StepDelay = SpeedDelayFor(ui_.TrackBar1->value());
}

void TForm1::CheckBox1Click()
{
    if (!ui_.CheckBox1->isChecked()) {
        ShowStartState(model_->S.Year > 0 ? StartState::Continue : StartState::Start);
    }
    ui_.StartButton->setFocus();
    // A year waiting for the rest of its time is completed at once when step mode is switched on.
    if (ui_.CheckBox1->isChecked() && yearPace_.isActive()) {
        yearPace_.stop();
        FinishIdlePass();
        return;
    }
    RequestIdle();
}

void TForm1::MemoTimerTimer()
{
    QPalette palette = ui_.Memo1->palette();
    const bool red = palette.color(QPalette::WindowText) == MemoRed;
    palette.setColor(QPalette::WindowText, red ? MemoYellow : MemoRed);
    ui_.Memo1->setPalette(palette);
}

void TForm1::ShowInvestigateInstruction()
{
    ui_.Memo1->setText(Translated("Instruction", InvestigateMessage));
}

} // namespace vartel
