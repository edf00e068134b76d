// The window's side of the run: the session plans the passes, the pass timer runs them; the controls of the
// run are forwarded to the session, and the instruction line blinks.
//
// Unlike a busy wait, the rest of a year's minimum time is waited for with the timer, so the window stays
// responsive. The event loop also runs while a box or dialog is open; the session computes no year then.
#include "ui/TForm1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace vartel {

namespace {

const QColor MemoRed(255, 0, 0);
const QColor MemoYellow(255, 255, 0);

} // namespace

void TForm1::Schedule(NextPass next)
{
    switch (next.Due) {
    case NextPass::When::Unchanged:
        return;
    case NextPass::When::Soon:
        if (!passTimer_.isActive())
            passTimer_.start(0);
        return;
    case NextPass::When::After:
        passTimer_.start(next.Milliseconds);
        return;
    case NextPass::When::Never:
        passTimer_.stop();
        return;
    }
}

void TForm1::RunPass()
{
    // A box (a correction, an error report, a file or printer dialog) is about the year on the screen.
    Schedule(session_->RunPass(QApplication::activeModalWidget() != nullptr));
}

void TForm1::StartButtonClick()
{
    Schedule(session_->PressStart());
    if (state().Running)
        ui_.LessonQuestion->hide(); // the answer typed so far is kept
}

void TForm1::TrackBar1Change()
{
    session_->SetSpeed(ui_.TrackBar1->value());
}

void TForm1::CheckBox1Click()
{
    const NextPass next = session_->SetStepMode(ui_.CheckBox1->isChecked());
    ui_.StartButton->setFocus();
    Schedule(next);
}

void TForm1::CheckBox2Click()
{
    session_->SetPauseAtAlarms(ui_.CheckBox2->isChecked());
}

void TForm1::CheckBox4Click()
{
    session_->SetSound(ui_.CheckBox4->isChecked());
}

void TForm1::MemoTimerTimer()
{
    QPalette palette = ui_.Memo1->palette();
    const bool red = palette.color(QPalette::WindowText) == MemoRed;
    palette.setColor(QPalette::WindowText, red ? MemoYellow : MemoRed);
    ui_.Memo1->setPalette(palette);
}

} // namespace vartel
