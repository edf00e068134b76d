#include "ui/WindowHost.h"

#include "model/Codes.h"
#include "platform/Platform.h"
#include "session/Browsing.h"
#include "ui/HintZone.h"
#include "ui/NumEdit.h"
#include "ui/TForm1.h"
#include "ui/Translation.h"
#include "ui/WholeNumberEdit.h"
#include "views/GraphView.h"
#include "views/HouseMap.h"
#include "widgets/QtColor.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace vartel {

namespace {

QString ToQ(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

const TForm1Ui& WindowHost::Controls() const
{
    return window_.Controls();
}

QLineEdit* WindowHost::FieldEdit(Field field) const
{
    const TForm1Ui& w = Controls();
    switch (field) {
    case Field::Clock:
        return w.clock;
    case Field::Popmeter:
        return w.Popmeter;
    case Field::SPmeter:
        return w.SPmeter;
    case Field::BImeter:
        return w.BImeter;
    case Field::BDmeter:
        return w.BDmeter;
    case Field::ADmeter:
        return w.ADmeter;
    case Field::IMmeter:
        return w.IMmeter;
    case Field::PGmeter:
        return w.PGmeter;
    case Field::RBmeter:
        return w.RBmeter;
    case Field::LEmeter:
        return w.LEmeter;
    case Field::MAmeter:
        return w.MAmeter;
    case Field::GRmeter:
        return w.GRmeter;
    case Field::CHmeter:
        return w.CHmeter;
    }
    return nullptr;
}

void WindowHost::FastestPassBegins()
{
    holding_ = true;
}

void WindowHost::FastestPassEnds()
{
    holding_ = false;
    for (std::size_t i = 0; i < heldFields_.size(); ++i) {
        std::optional<std::string>& text = heldFields_[i];
        if (text) {
            // Set even when it is the text shown before: the year-by-year setText in between put the
            // cursor at its end and dropped any selection.
            FieldEdit(static_cast<Field>(i))->setText(ToQ(*text));
            text.reset();
        }
    }
    if (heldCountdown_) {
        CountdownChanged(heldCountdown_->first, heldCountdown_->second);
        heldCountdown_.reset();
    }
    if (heldPyramidYear_) {
        PyramidNeedsRedraw(*heldPyramidYear_);
        heldPyramidYear_.reset();
    }
    if (graphHeld_) {
        GraphNeedsRedraw();
        graphHeld_ = false;
    }
}

void WindowHost::FieldChanged(Field field, const std::string& text)
{
    QLineEdit* edit = FieldEdit(field);
    if (edit == nullptr)
        return;
    if (holding_) {
        std::optional<std::string>& held = heldFields_[static_cast<std::size_t>(field)];
        if (held ? *held != text : edit->text() != ToQ(text))
            held = text;
        return;
    }
    const QString shown = ToQ(text);
    if (edit->text() != shown)
        edit->setText(shown);
}

void WindowHost::BulletinChanged(const BulletinState& board)
{
    QPlainTextEdit* paper = Controls().Paper;
    QString text = Translated("Bulletin", board.Text);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (paper->toPlainText() != text) {
        paper->setPlainText(text);
        paper->setAccessibleDescription(text);
        platform_.Announce(paper);
    }
    QPalette palette = paper->palette();
    palette.setColor(QPalette::Base, ToQColor(board.Background));
    palette.setColor(QPalette::Text, ToQColor(board.FontColor));
    paper->setPalette(palette);
    if (board.FontSize > 0) {
        QFont font = paper->font();
        font.setPointSize(board.FontSize);
        paper->setFont(font);
    }
}

void WindowHost::BulletinAndElderlyDueNow()
{
    if (holding_)
        return; // the end of the pass paints them, with the newest year's elderly share
    Controls().Paper->viewport()->repaint();
    Controls().GRmeter->repaint();
}

void WindowHost::CountdownChanged(const std::string& text, Color fontColor)
{
    if (holding_) {
        heldCountdown_.emplace(text, fontColor);
        return;
    }
    Controls().Aftelklok->setText(ToQ(text));
    QPalette palette = Controls().Aftelklok->palette();
    palette.setColor(QPalette::Text, ToQColor(fontColor));
    Controls().Aftelklok->setPalette(palette);
}

void WindowHost::IncidentsAvailableChanged(bool available)
{
    const bool usable = available && !window_.IncidentsLocked();
    Controls().EpiButton->setEnabled(usable);
    Controls().OneButton->setEnabled(usable);
    Controls().ImmButton->setEnabled(usable);
}

void WindowHost::RunStateChanged(RunState state)
{
    const StartButtonTexts texts = StartButtonTextsOf(state);
    Controls().StartButton->setText(Translated(StartButtonContext, texts.Caption));
    Controls().StartButton->setToolTip(Translated(StartButtonContext, texts.Hint));
}

void WindowHost::InstructionChanged(Instruction instruction)
{
    switch (instruction) {
    case Instruction::None:
        Controls().Memo1->setText(QString());
        break;
    case Instruction::Investigate:
        Controls().Memo1->setText(Translated("Instruction", InvestigateMessage));
        break;
    case Instruction::Frozen:
        Controls().Memo1->setText(Translated("Instruction", FrozenMessage));
        break;
    }
}

void WindowHost::RunFinished()
{
    Controls().Newbutton->setFocus();
}

void WindowHost::FirstPassDone()
{
    Controls().StartButton->setFocus();
}

void WindowHost::PassDone(int years, std::int64_t nanoseconds)
{
    emit window_.PassDone(years, nanoseconds);
}

void WindowHost::GraphNeedsRedraw()
{
    // The age-profile graphs show the newest year's tables only; the population curve grows from the
    // graph drawn, so its redraw cannot wait.
    if (holding_ && window_.state().GraphMode != GraphModeCode::Population) {
        graphHeld_ = true;
        return;
    }
    window_.DrawGraphOnScreen();
}

void WindowHost::PyramidNeedsRedraw(int year)
{
    if (holding_) {
        heldPyramidYear_ = year;
        return;
    }
    window_.DrawPyramidOnScreen(year);
}

void WindowHost::HousesReset()
{
    FirstHouseMoved();
    Controls().Houses[1]->show();
    for (int i = 2; i <= HouseCountMax; ++i)
        Controls().Houses[static_cast<std::size_t>(i)]->hide();
    window_.model().S.HousesShown = 1;
}

void WindowHost::HousesAndCurveGrew()
{
    SimulationState& s = window_.model().S;
    window_.ShowHouseCount(HouseCount(s.PopHistory[static_cast<std::size_t>(s.Year)]));
    window_.ExtendCurveOnScreen();
}

void WindowHost::FirstHouseMoved()
{
    const Point place =
        vartel::RelocatedFirstHouse([this](int x, int y) { return window_.IsLand(x, y); }, window_.HouseRandom());
    Controls().Houses[1]->move(place.x, place.y);
}

void WindowHost::GraphControlsReset()
{
    window_.ResetGraphControls();
}

void WindowHost::EquilibriumLevelChanged()
{
    const SimulationState& s = window_.state();
    Controls().he->move(Controls().he->x(),
                        EquilibriumZoneTop(Controls().Linscale->isChecked(), s.ZoomFactor, s.StableLevel));
}

void WindowHost::BrowsingEnded()
{
    window_.ShowBrowseMarker(std::nullopt);
}

void WindowHost::PastYearShown(int year)
{
    window_.ShowBrowseMarker(year);
}

void WindowHost::AgeGraphsAvailableChanged(bool available)
{
    Controls().BirthButton->setEnabled(available);
    Controls().DeathButton->setEnabled(available);
    Controls().lifebutton->setEnabled(available);
}

void WindowHost::SoundPlayed(const std::string& name)
{
    // Resources are named in capitals, the calls name them as written ("Letop").
    platform_.PlayWave(QStringLiteral(":/") + ToQ(name).toUpper());
}

void WindowHost::CorrectionMade(const std::string& message)
{
    platform_.ShowMessage(&window_, QCoreApplication::translate("Correction", "Invalid data"),
                          Translated("Correction", message), MessageIcon::None);
}

} // namespace vartel
