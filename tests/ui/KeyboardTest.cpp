// The whole window from the keyboard: Tab through every control group in reading order, the arrows in the
// scenarios and the speed, Space and Return on the focused button, the shortcuts and their hints, and a run
// made with keys only.
#include "WindowFixture.h"
#include "views/RasterImage.h"

#include "help/TForm2.h"

#include <QHelpEvent>
#include <QToolTip>

namespace vartel::test {
namespace {

class Keyboard : public WindowTest {
protected:
    static QString FocusName()
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("-");
    }
    // Presses `key` on the focused control `count` times; the names of the controls focused after each.
    static std::string Names(const QStringList& names) { return names.join(u' ').toStdString(); }
    static QStringList Press(Qt::Key key, int count, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QStringList visited;
        for (int i = 0; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key, modifiers);
            Pump();
            visited << FocusName();
        }
        return visited;
    }
    // A key on the window as a whole, wherever the focus is.
    void Shortcut(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(), key, modifiers);
        Pump();
    }
};

// Reading order: the control group and the pyramid's Save on the left, the scenarios (one stop), the
// parameters and the incidents in the middle, then the graph and the row below it. Zoom OUT, disabled at
// the start, is passed over.
const QStringList TabOrder{"StartButton", "HelpButton", "TrackBar1",    "CheckBox1",   "CheckBox4",  "CheckBox2",
                           "CheckBox3",   "Button3",    "RadioButton1", "Popmeter",    "SPmeter",    "BImeter",
                           "BDmeter",     "ADmeter",    "IMmeter",      "EpiButton",   "OneButton",  "ImmButton",
                           "Image2",      "PopButton",  "BirthButton",  "DeathButton", "lifebutton", "Linscale",
                           "Inbutton",    "Button1",    "Button2",      "Newbutton"};

TEST_F(Keyboard, TabPassesEveryControlGroupInReadingOrderAndShiftTabBack)
{
    form->Controls().Newbutton->setFocus(Qt::TabFocusReason);
    Pump();
    EXPECT_EQ(Names(Press(Qt::Key_Tab, static_cast<int>(TabOrder.size()))), Names(TabOrder));
    QStringList back(TabOrder.rbegin() + 1, TabOrder.rend());
    back << TabOrder.back();
    EXPECT_EQ(Names(Press(Qt::Key_Backtab, static_cast<int>(back.size()), Qt::ShiftModifier)), Names(back));
    EXPECT_TRUE(platform.messages.empty()) << "passing unchanged fields gives no message";
}

TEST_F(Keyboard, TabEntersAGroupOfRadioButtonsAtTheChosenOne)
{
    QTest::mouseClick(form->Controls().RadioButtons[3], Qt::LeftButton, {}, QPoint(5, 8));
    form->Controls().Logscale->setChecked(true); // chosen without a click: the stop follows the choice too
    form->Controls().Button3->setFocus(Qt::TabFocusReason);
    Pump();
    EXPECT_EQ(Names(Press(Qt::Key_Tab, 2)), "RadioButton3 Popmeter");
    form->Controls().lifebutton->setFocus(Qt::TabFocusReason);
    Pump();
    EXPECT_EQ(Names(Press(Qt::Key_Tab, 2)), "Logscale Button1") << "the zoom, for the linear scale, is disabled";
}

TEST_F(Keyboard, ArrowsChooseTheScenarioAndTheSpeed)
{
    form->Controls().RadioButtons[1]->setFocus(Qt::TabFocusReason);
    Pump();
    EXPECT_EQ(Names(Press(Qt::Key_Down, 2)), "RadioButton2 RadioButton3");
    EXPECT_TRUE(form->Controls().RadioButtons[3]->isChecked());
    EXPECT_EQ(S().Scenario, 3) << "the arrow chooses the scenario as a click does";
    Press(Qt::Key_Up, 1);
    EXPECT_EQ(S().Scenario, 2);

    form->Controls().TrackBar1->setFocus(Qt::TabFocusReason);
    Pump();
    Press(Qt::Key_Left, 3);
    EXPECT_EQ(form->Controls().TrackBar1->value(), 0);
    EXPECT_DOUBLE_EQ(S().StepDelay, 1000) << "the slowest speed";
    Press(Qt::Key_End, 1);
    EXPECT_EQ(form->Controls().TrackBar1->value(), 4);
    EXPECT_DOUBLE_EQ(S().StepDelay, 0) << "the fastest speed";
}

TEST_F(Keyboard, SpaceAndReturnPressTheFocusedButtonAndSpaceTicksABox)
{
    form->Controls().TrackBar1->setValue(0);
    form->Controls().StartButton->setFocus(Qt::TabFocusReason);
    Pump();
    Press(Qt::Key_Space, 1);
    EXPECT_TRUE(S().Running) << "Space pressed Start";
    Press(Qt::Key_Return, 1);
    EXPECT_FALSE(S().Running) << "Return pressed Pause";
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue"));

    form->Controls().CheckBox3->setFocus(Qt::TabFocusReason);
    Pump();
    Press(Qt::Key_Space, 1);
    EXPECT_TRUE(form->Controls().CheckBox3->isChecked());
    EXPECT_TRUE(hints.HintsShown()) << "Space on the box switched the hints on as a click does";
}

TEST_F(Keyboard, ShortcutsPressTheirButtonsWhereverTheFocusIs)
{
    TForm2 help(platform);
    form->SetHelpWindow(&help);
    form->Controls().TrackBar1->setValue(0);
    form->Controls().BImeter->setFocus();
    Pump();
    Shortcut(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_TRUE(S().Running) << "Ctrl+Space: Start";
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 1; }));
    Shortcut(Qt::Key_Space, Qt::ControlModifier);
    EXPECT_FALSE(S().Running) << "Ctrl+Space: Pause";
    Shortcut(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(S().Year, 0) << "Ctrl+N: New";

    Shortcut(Qt::Key_S, Qt::ControlModifier);
    ASSERT_FALSE(platform.fileRequests.empty());
    EXPECT_EQ(platform.fileRequests.back().Title, QStringLiteral("Save Data")) << "Ctrl+S: Save data";
    Reactivate();
    Shortcut(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(platform.fileRequests.back().Title, QStringLiteral("Save graph as image file"))
        << "Ctrl+Shift+S: Save graph";
    Reactivate();
    Shortcut(Qt::Key_F1, Qt::NoModifier);
    EXPECT_TRUE(help.isVisible()) << "F1: Help";
    form->SetHelpWindow(nullptr);
}

TEST_F(Keyboard, TheHintsTellTheShortcuts)
{
    form->Controls().CheckBox3->click();
    const auto hintOf = [](QWidget* control) {
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), control->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(control, &event);
        const QString shown = QToolTip::text();
        QToolTip::hideText();
        return shown;
    };
    EXPECT_EQ(hintOf(form->Controls().StartButton), form->Controls().StartButton->toolTip() + "\r\n(Ctrl+Space)");
    EXPECT_EQ(hintOf(form->Controls().HelpButton), form->Controls().HelpButton->toolTip() + "\r\n(F1)");
    EXPECT_EQ(hintOf(form->Controls().Newbutton), form->Controls().Newbutton->toolTip() + "\r\n(Ctrl+N)");
    EXPECT_EQ(hintOf(form->Controls().EpiButton), form->Controls().EpiButton->toolTip()) << "no shortcut, no addition";
}

TEST_F(Keyboard, TheFocusedControlShowsAFrame)
{
    QPushButton* start = form->Controls().StartButton;
    form->Controls().Newbutton->setFocus(Qt::TabFocusReason);
    Pump();
    const QImage unfocused = start->grab().toImage();
    Press(Qt::Key_Tab, 1);
    ASSERT_EQ(FocusName(), "StartButton");
    EXPECT_NE(start->grab().toImage(), unfocused) << "the focused button looks focused";

    QWidget* panel = form->Controls().Panel2;
    const QImage graphUnfocused = panel->grab().toImage();
    form->Controls().ImmButton->setFocus(Qt::TabFocusReason);
    Press(Qt::Key_Tab, 1);
    ASSERT_EQ(FocusName(), "Image2");
    EXPECT_NE(panel->grab().toImage(), graphUnfocused) << "the graph reached by Tab shows a frame";
    Press(Qt::Key_Tab, 1);
    EXPECT_EQ(panel->grab().toImage(), graphUnfocused) << "and loses it with the focus";
}

// Scenario, speed, start, the end of the run, the graph buttons and New, without the mouse.
TEST_F(Keyboard, ARunFromTheKeyboardOnly)
{
    form->Controls().Newbutton->setFocus(Qt::TabFocusReason);
    Pump();
    while (FocusName() != "RadioButton1")
        Press(Qt::Key_Tab, 1);
    Press(Qt::Key_Down, 1);
    EXPECT_EQ(S().Scenario, 2);
    while (FocusName() != "TrackBar1")
        Press(Qt::Key_Backtab, 1, Qt::ShiftModifier);
    Press(Qt::Key_End, 1);
    Shortcut(Qt::Key_Space, Qt::ControlModifier);
    ASSERT_TRUE(RunUntil([this] { return !S().Running; })) << "the run ends by itself";
    EXPECT_GT(S().Year, 0);

    while (FocusName() != "BirthButton")
        Press(Qt::Key_Tab, 1);
    const RasterImage population = form->Controls().Image2->Picture();
    Press(Qt::Key_Space, 1);
    const RasterImage birth = form->Controls().Image2->Picture();
    EXPECT_NE(birth, population) << "Space pressed Birth: another graph";
    Press(Qt::Key_Left, 1);
    EXPECT_EQ(FocusName(), "PopButton") << "the arrows move between the buttons of a row";
    Press(Qt::Key_Return, 1);
    EXPECT_NE(form->Controls().Image2->Picture(), birth) << "Return pressed Population";

    Shortcut(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(S().Year, 0) << "New";
    EXPECT_EQ(FocusName(), "StartButton") << "after New the focus is on Start";
}

} // namespace
} // namespace vartel::test
