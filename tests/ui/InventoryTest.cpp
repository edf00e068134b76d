// The control inventory: names, parents, places, captions, fonts, initial states and the tab order.
#include "WindowFixture.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace vartel::test {
namespace {

struct Expected {
    const char* name;
    const char* parent;
    QRect geometry;
    const char* text; // caption or initial text; nullptr when not checked here
};

QString TextOf(const QWidget* w)
{
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w)) return p->toPlainText();
    return {};
}

const Expected Controls[] = {
    {"GroupBox5", "TForm1", {8, 0, 233, 123}, nullptr},
    {"Newbutton", "GroupBox5", {8, 12, 57, 25}, "New"},
    {"StartButton", "GroupBox5", {74, 12, 57, 25}, "Start"},
    {"HelpButton", "GroupBox5", {166, 12, 57, 25}, "Help"},
    {"TrackBar1", "GroupBox5", {6, 42, 73, 25}, nullptr},
    {"Label1", "GroupBox5", {80, 44, 31, 13}, "Speed"},
    {"CheckBox1", "GroupBox5", {138, 44, 91, 17}, "Step by step"},
    {"CheckBox4", "GroupBox5", {14, 67, 211, 17}, "Sound signal at important moments"},
    {"CheckBox2", "GroupBox5", {14, 85, 185, 17}, "Pause at important moments"},
    {"CheckBox3", "GroupBox5", {14, 103, 163, 17}, "Show helping hints"},
    {"GroupBox2", "TForm1", {246, 0, 204, 158}, nullptr},
    {"Label8", "GroupBox2", {20, 8, 90, 20}, "Scenarios"},
    {"RadioButton1", "GroupBox2", {12, 30, 77, 17}, "Simple"},
    {"RadioButton4", "GroupBox2", {12, 84, 189, 17}, "Attenuation towards stability"},
    {"RadioButton7", "GroupBox2", {12, 138, 109, 17}, "Realistic, high"},
    {"GroupBox3", "TForm1", {246, 157, 204, 152}, nullptr},
    {"Label15", "GroupBox3", {20, 8, 102, 20}, "Parameters"},
    {"Popmeter", "GroupBox3", {13, 32, 60, 16}, nullptr},
    {"IMmeter", "GroupBox3", {13, 127, 60, 16}, nullptr},
    {"Label18", "GroupBox3", {80, 53, 109, 13}, "Stabile population level"},
    {"Label12", "GroupBox3", {80, 129, 64, 13}, "% Immigration"},
    {"GroupBox4", "TForm1", {246, 308, 204, 100}, nullptr},
    {"EpiButton", "GroupBox4", {13, 30, 100, 20}, "Epidemic"},
    {"OneButton", "GroupBox4", {13, 52, 100, 20}, "1 child policy"},
    {"ImmButton", "GroupBox4", {13, 74, 100, 20}, "Immigration wave"},
    {"Aftelklok", "GroupBox4", {133, 35, 46, 34}, "00"},
    {"Label17", "GroupBox4", {130, 84, 50, 13}, "Remaining"},
    {"GroupBox1", "TForm1", {455, 0, 402, 94}, nullptr},
    {"clock", "GroupBox1", {5, 32, 60, 16}, "0"},
    {"LEmeter", "GroupBox1", {221, 13, 60, 16}, nullptr},
    {"CHmeter", "GroupBox1", {221, 70, 60, 16}, nullptr},
    {"Label13", "GroupBox1", {72, 53, 120, 13}, "Annual population growth"},
    {"Paper", "TForm1", {456, 99, 401, 72}, nullptr},
    {"Panel3", "TForm1", {455, 176, 402, 232}, nullptr},
    {"Map", "Panel3", {1, 1, 400, 230}, nullptr},
    {"House0", "Panel3", {184, 216, 28, 19}, nullptr},
    {"Panel1", "TForm1", {8, 130, 233, 280}, nullptr},
    {"Image1", "Panel1", {1, 1, 231, 278}, nullptr},
    {"Label22", "Panel1", {68, 3, 153, 20}, "Population pyramid"},
    {"Button3", "Panel1", {12, 6, 46, 18}, "Save"},
    {"Panel2", "TForm1", {8, 415, 849, 164}, nullptr},
    {"Image2", "Panel2", {1, 1, 847, 162}, nullptr},
    {"h1", "Panel2", {90, 6, 751, 20}, nullptr},
    {"GroupBox6", "TForm1", {8, 562, 850, 51}, nullptr},
    {"PopButton", "GroupBox6", {10, 21, 86, 25}, "Population"},
    {"lifebutton", "GroupBox6", {280, 21, 86, 25}, "Survival chance"},
    {"Linscale", "GroupBox6", {384, 17, 121, 17}, "Linear scale"},
    {"Logscale", "GroupBox6", {384, 32, 121, 17}, "Logarithmic scale"},
    {"Inbutton", "GroupBox6", {518, 21, 60, 25}, "Zoom IN"},
    {"Outbutton", "GroupBox6", {584, 21, 60, 25}, "Zoom OUT"},
    {"Button1", "GroupBox6", {663, 21, 86, 25}, "Save graph"},
    {"Button2", "GroupBox6", {753, 21, 86, 25}, "Save data"},
    {"Memo1", "TForm1", {16, 613, 521, 16}, ""},
};

using Inventory = WindowTest;

TEST_F(Inventory, WindowIsFixedAt865By643WithoutMaximiseAndCaptioned)
{
    EXPECT_EQ(form->size(), QSize(865, 643)) << "client area 865 x 643";
    EXPECT_EQ(form->minimumSize(), form->maximumSize()) << "the window cannot be resized";
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint)) << "no maximise button";
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowMinimizeButtonHint)) << "a minimise button";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vartel      -      Population Simulation"))
        << "six blanks on each side of the dash";
}

TEST_F(Inventory, EveryControlHasItsNameParentPlaceAndCaption)
{
    for (const Expected& e : Controls) {
        const auto* w = form->findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(w, nullptr) << "a control named " << e.name;
        EXPECT_EQ(w->parentWidget()->objectName(), QString::fromLatin1(e.parent)) << e.name << " parent";
        EXPECT_EQ(w->geometry(), e.geometry) << e.name << " at its place and size";
        if (e.text != nullptr) {
            EXPECT_EQ(TextOf(w), QString::fromUtf8(e.text)) << e.name << " caption";
        }
    }
}

TEST_F(Inventory, InitialStatesOfBoxesSliderAndScales)
{
    EXPECT_FALSE(form->CheckBox1->isChecked()) << "step by step off";
    EXPECT_FALSE(form->CheckBox2->isChecked()) << "pause at important moments off";
    EXPECT_FALSE(form->CheckBox3->isChecked()) << "hints off";
    EXPECT_TRUE(form->CheckBox4->isChecked()) << "sound on";
    EXPECT_EQ(form->TrackBar1->minimum(), 0);
    EXPECT_EQ(form->TrackBar1->maximum(), 4);
    EXPECT_EQ(form->TrackBar1->value(), 3) << "speed position 3 by default";
    EXPECT_TRUE(form->RadioButtons[1]->isChecked()) << "Simple chosen";
    EXPECT_TRUE(form->Linscale->isChecked()) << "linear scale chosen";
    EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("House0"))->isVisible()) << "the template is hidden";
    EXPECT_TRUE(form->clock->isReadOnly() && form->RBmeter->isReadOnly() && form->Aftelklok->isReadOnly())
        << "result fields are read-only";
    EXPECT_TRUE(form->Paper->isReadOnly()) << "the bulletin board is read-only";
}

TEST_F(Inventory, FontsAreTheMappedFacesInPixels)
{
    const QFont aftelklok = form->Aftelklok->font();
    EXPECT_EQ(aftelklok.family(), QStringLiteral("Liberation Mono")) << "Courier -> Liberation Mono";
    EXPECT_EQ(aftelklok.pixelSize(), 29);
    EXPECT_TRUE(aftelklok.bold());
    const QFont heading = form->findChild<QLabel*>(QStringLiteral("Label8"))->font();
    EXPECT_EQ(heading.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(heading.pixelSize(), 16);
    EXPECT_TRUE(heading.bold() && heading.italic()) << "headings are bold italic";
    const QFont pyramidTitle = form->Label22->font();
    EXPECT_TRUE(pyramidTitle.bold() && !pyramidTitle.italic()) << "the pyramid title is bold, not italic";
    EXPECT_EQ(form->Memo1->font().pixelSize(), 11);
    EXPECT_EQ(form->font().family(), QStringLiteral("Liberation Sans")) << "MS Sans Serif -> Liberation Sans";
    EXPECT_EQ(form->Aftelklok->palette().color(QPalette::Base), QColor(160, 160, 164));
    EXPECT_EQ(form->Aftelklok->palette().color(QPalette::Text), QColor(128, 128, 128)) << "countdown grey";
}

TEST_F(Inventory, HintsOfSelectedControls)
{
    EXPECT_EQ(form->StartButton->toolTip(), QStringLiteral("Start simulation")) << "the reset replaces the form's hint";
    EXPECT_EQ(form->he->toolTip(), QStringLiteral("Equilibrium population level"));
    EXPECT_EQ(form->Popmeter->toolTip(), QStringLiteral("Aantal mensen dat op dit moment leeft"));
    EXPECT_EQ(form->Paper->toolTip(), QStringLiteral("Bulletin board"));
    EXPECT_EQ(form->Houses[2]->toolTip(), form->Map->toolTip()) << "houses take the hint of the map";
    EXPECT_EQ(form->Map->toolTip(), QStringLiteral("Map of the island where the simulation takes place"));
}

TEST_F(Inventory, GraphPanelLiesInFrontOfTheGraphControlsItOverlaps)
{
    // y = 570 is inside Panel2 (down to 579) and inside GroupBox6 (from 562).
    const QWidget* hit = form->childAt(QPoint(20, 570));
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == form->Panel2 || form->Panel2->isAncestorOf(hit)) << "Panel2 covers the group box there";
}

TEST_F(Inventory, TabMovesThroughTheSixParameterFieldsOnly)
{
    form->Popmeter->setFocus();
    Pump();
    const QStringList expected{QStringLiteral("SPmeter"), QStringLiteral("BImeter"), QStringLiteral("BDmeter"),
                               QStringLiteral("ADmeter"), QStringLiteral("IMmeter"), QStringLiteral("Popmeter")};
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pump();
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("-"));
    }
    EXPECT_EQ(visited, expected) << "Tab skips buttons, boxes and the slider";
    EXPECT_TRUE(platform.messages.empty()) << "tabbing through unchanged fields gives no message";
}

TEST_F(Inventory, ButtonsTakeNoFocusByTab)
{
    for (QWidget* w : std::initializer_list<QWidget*>{form->StartButton, form->Newbutton, form->CheckBox1,
                                                      form->TrackBar1, form->Inbutton, form->Button3})
        EXPECT_EQ(w->focusPolicy(), Qt::ClickFocus) << w->objectName().toStdString() << " not in the tab order";
}

} // namespace
} // namespace vartel::test
