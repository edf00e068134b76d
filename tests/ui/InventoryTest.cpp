// The control inventory: names, parents, places, captions, fonts, initial states and the tab order; and what
// assistive technology reads of the window: the fields' names, the views' descriptions, the board's news.
#include "WindowFixture.h"

#include "help/TRichEdit.h"
#include "model/Rounding.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

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
    if (auto* b = qobject_cast<const QAbstractButton*>(w))
        return b->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w))
        return e->text();
    if (auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    if (auto* p = qobject_cast<const QPlainTextEdit*>(w))
        return p->toPlainText();
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
    {"RadioButton2", "GroupBox2", {12, 48, 165, 17}, "Positive feedback"},
    {"RadioButton3", "GroupBox2", {12, 66, 141, 17}, "Negative feedback"},
    {"RadioButton4", "GroupBox2", {12, 84, 189, 17}, "Attenuation towards stability"},
    {"RadioButton5", "GroupBox2", {12, 102, 149, 17}, "Realistic, low"},
    {"RadioButton6", "GroupBox2", {12, 120, 165, 17}, "Realistic, medium"},
    {"RadioButton7", "GroupBox2", {12, 138, 109, 17}, "Realistic, high"},
    {"GroupBox3", "TForm1", {246, 157, 204, 152}, nullptr},
    {"Label15", "GroupBox3", {20, 8, 102, 20}, "Parameters"},
    {"Popmeter", "GroupBox3", {13, 32, 60, 16}, nullptr},
    {"SPmeter", "GroupBox3", {13, 51, 60, 16}, nullptr},
    {"BImeter", "GroupBox3", {13, 70, 60, 16}, nullptr},
    {"BDmeter", "GroupBox3", {13, 89, 60, 16}, nullptr},
    {"ADmeter", "GroupBox3", {13, 108, 60, 16}, nullptr},
    {"Label3", "GroupBox3", {80, 34, 71, 13}, "Population size"},
    {"Label7", "GroupBox3", {80, 72, 49, 13}, "Birth index"},
    {"Label9", "GroupBox3", {80, 91, 76, 13}, "% Baby mortality"},
    {"Label10", "GroupBox3", {80, 110, 76, 13}, "% Adult mortality"},
    {"IMmeter", "GroupBox3", {13, 127, 60, 16}, nullptr},
    {"Label18", "GroupBox3", {80, 53, 109, 13}, "Stabile population level"},
    {"Label12", "GroupBox3", {80, 129, 64, 13}, "% Immigration"},
    {"GroupBox4", "TForm1", {246, 308, 204, 100}, nullptr},
    {"EpiButton", "GroupBox4", {13, 30, 100, 20}, "Epidemic"},
    {"Label11", "GroupBox4", {20, 8, 84, 20}, "Incidents"},
    {"Label16", "GroupBox4", {138, 71, 27, 13}, "Years"},
    {"OneButton", "GroupBox4", {13, 52, 100, 20}, "1 child policy"},
    {"ImmButton", "GroupBox4", {13, 74, 100, 20}, "Immigration wave"},
    {"Aftelklok", "GroupBox4", {133, 35, 46, 34}, "00"},
    {"Label17", "GroupBox4", {130, 84, 50, 13}, "Remaining"},
    {"GroupBox1", "TForm1", {455, 0, 402, 94}, nullptr},
    {"clock", "GroupBox1", {5, 32, 60, 16}, "0"},
    {"Label14", "GroupBox1", {24, 8, 71, 20}, "Results"},
    {"PGmeter", "GroupBox1", {5, 51, 60, 16}, nullptr},
    {"RBmeter", "GroupBox1", {5, 70, 60, 16}, nullptr},
    {"MAmeter", "GroupBox1", {221, 32, 60, 16}, nullptr},
    {"GRmeter", "GroupBox1", {221, 51, 60, 16}, nullptr},
    {"Label2", "GroupBox1", {72, 34, 22, 13}, "Year"},
    {"Label6", "GroupBox1", {72, 72, 114, 13}, "Replacement birth index"},
    {"Label4", "GroupBox1", {288, 15, 75, 13}, "Life expectancy"},
    {"Label5", "GroupBox1", {288, 34, 48, 13}, "Mean age"},
    {"Label20", "GroupBox1", {288, 53, 31, 13}, "Elderly"},
    {"Label21", "GroupBox1", {288, 72, 38, 13}, "Children"},
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
    {"h0", "Panel2", {90, 146, 751, 0}, nullptr}, // placed by the reset: no strip at zoom 1
    {"he", "Panel2", {90, 137, 751, 3}, nullptr}, // on the level 200,000
    {"GroupBox6", "TForm1", {8, 562, 850, 51}, nullptr},
    {"PopButton", "GroupBox6", {10, 21, 86, 25}, "Population"},
    {"BirthButton", "GroupBox6", {100, 21, 86, 25}, "Birth"},
    {"DeathButton", "GroupBox6", {190, 21, 86, 25}, "Mortality"},
    {"lifebutton", "GroupBox6", {280, 21, 86, 25}, "Survival chance"},
    {"Linscale", "GroupBox6", {384, 17, 121, 17}, "Linear scale"},
    {"Logscale", "GroupBox6", {384, 32, 121, 17}, "Logarithmic scale"},
    {"Inbutton", "GroupBox6", {518, 21, 60, 25}, "Zoom IN"},
    {"Outbutton", "GroupBox6", {584, 21, 60, 25}, "Zoom OUT"},
    {"Button1", "GroupBox6", {663, 21, 86, 25}, "Save graph"},
    {"Button2", "GroupBox6", {753, 21, 86, 25}, "Save data"},
    {"Memo1", "TForm1", {16, 613, 521, 16}, ""},
};

struct ExpectedHint {
    const char* name;
    const char* hint;
};

// Every hint of the window as the form gives it ("\r\n" is a line break). StartButton's is replaced by
// the reset and checked with the driver.
const ExpectedHint Hints[] = {
    {"PopButton", "This graph shows the population size over time.\r\nThe x axis depicts the years of the simulation."},
    {"BirthButton", "This graph shows the speed at which women produce children, dependent on their age.\r\nThe x axis "
                    "depicts the age of the (eventual) mother."},
    {"DeathButton", "This graph shows the chance for someone to die at a certain age"},
    {"lifebutton", "Deze grafiek toont de kans dat iemand op een bepaalde leeftijd nog in leven is\r\nThis graph shows "
                   "the chance for someone to be still alive at a certain age"},
    {"Linscale", "A linear scale makes exponential growth remarkably visible.\r\nA disadvantage is that a small "
                 "population is hardly visible."},
    {"Logscale", "A logarithmic scale shows exponential growth as a strait line.\r\nThis scale is suitable to discern "
                 "small and large populations."},
    {"Button1", "Save the graph as an image file"},
    {"Button2", "Save the data shown in the graph as a text file"},
    {"Inbutton", "Enlarge the graph"},
    {"Outbutton", "Shrink the graph"},
    {"Image1", "The population pyramid shows the age composition in layers of 5 years"},
    {"Label22", "The population pyramid shows the ages of the population in discs of 5 years"},
    {"Button3", "Save the pyramid as an image file"},
    {"Image2", "Move the mouse through the graph when the simulation pauses\r\nto see the population pyramid and the "
               "messages on each moment in the past."},
    {"h1", "Danger zone: overpopulation and environmental destruction.\r\nIf the population size crosses the red line, "
           "the system may collapse dramatically."},
    {"h0", "Danger zone: underpopulation.\r\nThrough inbreeding and economic stagnation the birth index decreases to "
           "zero.\r\nThe population may become extinct."},
    {"he", "Equilibrium population level"},
    {"GroupBox1", "This section shows the results of the simulation. \r\nYou cannot change these numbers yourself."},
    {"Label2", "Number of years that passed since the start of the simulation"},
    {"Label4", "Number of years a person may expect to live at the moment of birth"},
    {"Label5", "Average age of all people living on the island at present"},
    {"Label6", "If the birthindex has this value, the population will neither in- or decrease but be stable."},
    {"Label13", "Percentual population increase compared to last year"},
    {"Label14", "This section shows the results of the simulation. \r\nYou cannot change these numbers yourself."},
    {"Label20", "Percentage of people with an age of 65 years or more"},
    {"Label21", "Percentage of people with an age of 15 years or less"},
    {"clock", "Number of years that passed since the start of the simulation"},
    {"LEmeter", "Number of years a person may expect to live at the moment of birth"},
    {"RBmeter", "If the birthindex has this value, the population will neither in- or decrease but be stable."},
    {"MAmeter", "Average age of all people living on the island at present"},
    {"PGmeter", "Percentual population increase compared to last year"},
    {"GRmeter", "Percentage of people with an age of 65 years or more"},
    {"CHmeter", "Percentage of people with an age of 15 years or less"},
    {"GroupBox2", "In this section you select a scenario. A scenario is a possible development of the situation, a "
                  "kind of 'selected reality'"},
    {"Label8", "In this section you select a scenario. A scenario is a possible development of the situation, a kind "
               "of 'selected reality'"},
    {"RadioButton1", "Constant  birth index, no or a constant migration"},
    {"RadioButton2", "Many people (compared to equilibrium): high birth index. \r\nFew people: low birth index"},
    {"RadioButton3", "Many people (compared to equilibrium): low birth index. \r\nFew people: high birth index"},
    {"RadioButton4", "Population size increases or increases towards equilibrium and then becomes stable"},
    {"RadioButton5", "Long term development, fairly reflecting reality.\r\nLow birth index, low child mortality, slow "
                     "population increase"},
    {"RadioButton6", "Long term development, fairly reflecting reality.\r\nAverage birth index, average child "
                     "mortality, average population increase"},
    {"RadioButton7", "Long term development, fairly reflecting reality.\r\nHigh birth index, high child mortality, "
                     "rapid population increase"},
    {"GroupBox3", "This section shows the determining numbers for the simulation.\r\nYou can change them at the start "
                  "or during a pause in the simulation."},
    {"Label15", "This section shows the determining numbers for the simulation.\r\nYou can change them at the start or "
                "during a pause in the simulation."},
    {"Label7", "Average number of children born to each woman"},
    {"Label9", "Percentage of children dyinf on the first year of life"},
    {"Label10", "Percentage of people with an age between 15 and 65 jaar that will die within one year"},
    {"Label12", "Annual number of people that will move from the outside world and startt living on the island, or (in "
                "case of a negative value) leave the island."},
    {"Label3", "Number of people living at present"},
    {"Label18", "Number of people that might live on the island in a state of equilibrium"},
    {"Popmeter", "Aantal mensen dat op dit moment leeft"},
    {"BImeter", "Gemiddeld aantal kinderen dat per vrouw geboren wordt"},
    {"BDmeter", "Percentage kinderen dat al in het eerste levensjaar overlijdt"},
    {"ADmeter", "Percentage mensen met een leeftijd tussen 15 en 65 jaar dat in een jaar tijd overlijdt"},
    {"SPmeter", "Number of people that might live on the island in a state of equilibrium"},
    {"IMmeter", "Annual number of people that will move from the outside world and startt living on the island, or (in "
                "case of a negative value) leave the island."},
    {"GroupBox4", "Met de knoppen in dit vak kun je eenmalige gebeurtenis oproepen die gedurende een aantal jaren "
                  "doorwerkt"},
    {"Label11", "The buttons in this section will call for a one-time incident that will have consequences for a "
                "number of years"},
    {"Label16", "Number of years lasting before the incident is finished"},
    {"Label17", "Number of years lasting before the incident is finished"},
    {"EpiButton", "During 10 years an epidemic will target mainly children and elderly"},
    {"OneButton", "The government obliges a maximum of one child per family during 30 years"},
    {"ImmButton", "For 20 years, people able to get jobs will enter the island"},
    {"Aftelklok", "Number of years lasting before the incident is finished"},
    {"Map", "Map of the island where the simulation takes place"},
    {"GroupBox5", "In this section you determine how the program works.\r\nYou can start, pause or restart the "
                  "simulation, etc.,\r\nand you decide whether the hints or shown."},
    {"Label1", "Bepaal de snelheid waarmee de simulatie wordt uitgevoerd"},
    {"Newbutton", "Return to the start"},
    {"CheckBox1", "Make the simulation proceed step by step, verlopen, 1 year at a time"},
    {"TrackBar1", "Bepaal de snelheid waarmee de simulatie wordt uitgevoerd"},
    {"CheckBox2", "Important moments are announced on the billboard. When they appear, the simulation pauses "
                  "automatically"},
    {"CheckBox3", "A hint is a helping text, like the one you see now"},
    {"HelpButton", "Press this button for an explanation of the programme"},
    {"CheckBox4", "Important moments are announced on the billboard. When they appear, a warning sound is heard"},
    {"RichEdit1", "Program information"},
    {"Paper", "Bulletin board"},
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

// The window's code and the tests reach each control through the window's control set or by its name;
// both must be the same control.
TEST_F(Inventory, EachControlOfTheControlSetIsTheControlOfItsName)
{
    const TForm1Ui& ui = form->Controls();
    const std::pair<const QObject*, const char*> controls[] = {
        {ui.GroupBox1, "GroupBox1"},
        {ui.GroupBox2, "GroupBox2"},
        {ui.GroupBox3, "GroupBox3"},
        {ui.GroupBox4, "GroupBox4"},
        {ui.GroupBox5, "GroupBox5"},
        {ui.GroupBox6, "GroupBox6"},
        {ui.Newbutton, "Newbutton"},
        {ui.StartButton, "StartButton"},
        {ui.HelpButton, "HelpButton"},
        {ui.TrackBar1, "TrackBar1"},
        {ui.CheckBox1, "CheckBox1"},
        {ui.CheckBox2, "CheckBox2"},
        {ui.CheckBox3, "CheckBox3"},
        {ui.CheckBox4, "CheckBox4"},
        {ui.Popmeter, "Popmeter"},
        {ui.SPmeter, "SPmeter"},
        {ui.BImeter, "BImeter"},
        {ui.BDmeter, "BDmeter"},
        {ui.ADmeter, "ADmeter"},
        {ui.IMmeter, "IMmeter"},
        {ui.EpiButton, "EpiButton"},
        {ui.OneButton, "OneButton"},
        {ui.ImmButton, "ImmButton"},
        {ui.Aftelklok, "Aftelklok"},
        {ui.clock, "clock"},
        {ui.PGmeter, "PGmeter"},
        {ui.RBmeter, "RBmeter"},
        {ui.LEmeter, "LEmeter"},
        {ui.MAmeter, "MAmeter"},
        {ui.GRmeter, "GRmeter"},
        {ui.CHmeter, "CHmeter"},
        {ui.Paper, "Paper"},
        {ui.Panel1, "Panel1"},
        {ui.Panel2, "Panel2"},
        {ui.Panel3, "Panel3"},
        {ui.Image1, "Image1"},
        {ui.Image2, "Image2"},
        {ui.Map, "Map"},
        {ui.House0, "House0"},
        {ui.Label22, "Label22"},
        {ui.Button3, "Button3"},
        {ui.h0, "h0"},
        {ui.h1, "h1"},
        {ui.he, "he"},
        {ui.PopButton, "PopButton"},
        {ui.BirthButton, "BirthButton"},
        {ui.DeathButton, "DeathButton"},
        {ui.lifebutton, "lifebutton"},
        {ui.Linscale, "Linscale"},
        {ui.Logscale, "Logscale"},
        {ui.Inbutton, "Inbutton"},
        {ui.Outbutton, "Outbutton"},
        {ui.Button1, "Button1"},
        {ui.Button2, "Button2"},
        {ui.Memo1, "Memo1"},
        {ui.RichEdit1, "RichEdit1"},
        {ui.MemoTimer, "MemoTimer"},
        {ui.GraphMenu, "GraphMenu"},
        {ui.KeepCurveItem, "KeepCurveItem"},
        {ui.CompareItem, "CompareItem"},
        {ui.ForgetCurvesItem, "ForgetCurvesItem"},
        {ui.SaveAnimationItem, "SaveAnimationItem"},
        {ui.SaveLessonItem, "SaveLessonItem"},
    };
    for (const auto& [control, name] : controls) {
        ASSERT_NE(control, nullptr) << name << " is made";
        EXPECT_EQ(form->findChildren<QObject*>(QLatin1String(name)), QList<QObject*>{const_cast<QObject*>(control)})
            << "the one control named " << name;
    }
    for (std::size_t i = 1; i < ui.RadioButtons.size(); ++i)
        EXPECT_EQ(ui.RadioButtons[i], form->findChild<QRadioButton*>(QStringLiteral("RadioButton%1").arg(i))) << i;
    for (std::size_t i = 1; i < ui.Houses.size(); ++i)
        EXPECT_EQ(ui.Houses[i], form->findChild<QLabel*>(QStringLiteral("House%1").arg(i))) << i;
}

TEST_F(Inventory, InitialStatesOfBoxesSliderAndScales)
{
    EXPECT_FALSE(form->Controls().CheckBox1->isChecked()) << "step by step off";
    EXPECT_FALSE(form->Controls().CheckBox2->isChecked()) << "pause at important moments off";
    EXPECT_FALSE(form->Controls().CheckBox3->isChecked()) << "hints off";
    EXPECT_TRUE(form->Controls().CheckBox4->isChecked()) << "sound on";
    EXPECT_EQ(form->Controls().TrackBar1->minimum(), 0);
    EXPECT_EQ(form->Controls().TrackBar1->maximum(), 4);
    EXPECT_EQ(form->Controls().TrackBar1->value(), 3) << "speed position 3 by default";
    EXPECT_TRUE(form->Controls().RadioButtons[1]->isChecked()) << "Simple chosen";
    EXPECT_TRUE(form->Controls().Linscale->isChecked()) << "linear scale chosen";
    EXPECT_FALSE(form->findChild<QWidget*>(QStringLiteral("House0"))->isVisible()) << "the template is hidden";
    EXPECT_TRUE(form->Controls().clock->isReadOnly() && form->Controls().RBmeter->isReadOnly() &&
                form->Controls().Aftelklok->isReadOnly())
        << "result fields are read-only";
    EXPECT_TRUE(form->Controls().Paper->isReadOnly()) << "the bulletin board is read-only";
}

TEST_F(Inventory, FontsAreTheMappedFacesInPixels)
{
    const QFont aftelklok = form->Controls().Aftelklok->font();
    EXPECT_EQ(aftelklok.family(), QStringLiteral("Liberation Mono")) << "Courier -> Liberation Mono";
    EXPECT_EQ(aftelklok.pixelSize(), 29);
    EXPECT_TRUE(aftelklok.bold());
    const QFont heading = form->findChild<QLabel*>(QStringLiteral("Label8"))->font();
    EXPECT_EQ(heading.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(heading.pixelSize(), 16);
    EXPECT_TRUE(heading.bold() && heading.italic()) << "headings are bold italic";
    const QFont pyramidTitle = form->Controls().Label22->font();
    EXPECT_TRUE(pyramidTitle.bold() && !pyramidTitle.italic()) << "the pyramid title is bold, not italic";
    EXPECT_EQ(form->Controls().Memo1->font().pixelSize(), 11);
    EXPECT_EQ(form->font().family(), QStringLiteral("Liberation Sans")) << "MS Sans Serif -> Liberation Sans";
    EXPECT_EQ(form->Controls().Aftelklok->palette().color(QPalette::Base), QColor(160, 160, 164));
    EXPECT_EQ(form->Controls().Aftelklok->palette().color(QPalette::Text), QColor(128, 128, 128)) << "countdown grey";
}

TEST_F(Inventory, EveryControlCarriesItsHint)
{
    for (const ExpectedHint& e : Hints) {
        const auto* w = form->findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(w, nullptr) << "a control named " << e.name;
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(e.hint)) << e.name << " hint";
    }
}

TEST_F(Inventory, HintsOfSelectedControls)
{
    EXPECT_EQ(form->Controls().StartButton->toolTip(), QStringLiteral("Start simulation"))
        << "the reset replaces the form's hint";
    EXPECT_EQ(form->Controls().he->toolTip(), QStringLiteral("Equilibrium population level"));
    EXPECT_EQ(form->Controls().Popmeter->toolTip(), QStringLiteral("Aantal mensen dat op dit moment leeft"));
    EXPECT_EQ(form->Controls().Paper->toolTip(), QStringLiteral("Bulletin board"));
    EXPECT_EQ(form->Controls().Houses[2]->toolTip(), form->Controls().Map->toolTip())
        << "houses take the hint of the map";
    EXPECT_EQ(form->Controls().Map->toolTip(), QStringLiteral("Map of the island where the simulation takes place"));
}

TEST_F(Inventory, AResultWiderThanItsFieldShowsItsStartAndTheWholeValueInTheHint)
{
    QLineEdit* field = form->Controls().RBmeter;
    const QString hint = field->toolTip();
    field->setText(QStringLiteral("372896.7000")); // an epidemic's replacement birth index
    EXPECT_EQ(field->cursorPosition(), 0) << "the field shows the first digits, which tell the size";
    EXPECT_EQ(field->toolTip(), hint + QStringLiteral("\r\n372896.7000")) << "the hint ends with the whole value";
    field->setText(QStringLiteral("2.2538"));
    EXPECT_EQ(field->toolTip(), hint) << "a value that fits leaves the hint as it was";
}

TEST_F(Inventory, GraphPanelLiesInFrontOfTheGraphControlsItOverlaps)
{
    // y = 570 is inside Panel2 (down to 579) and inside GroupBox6 (from 562).
    const QWidget* hit = form->childAt(QPoint(20, 570));
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit == form->Controls().Panel2 || form->Controls().Panel2->isAncestorOf(hit))
        << "Panel2 covers the group box there";
}

TEST_F(Inventory, PyramidTitleAndSaveButtonLieOverThePyramid)
{
    for (QWidget* overlay : std::initializer_list<QWidget*>{form->Controls().Label22, form->Controls().Button3}) {
        const QPoint centre = overlay->mapTo(form.get(), overlay->rect().center());
        const QWidget* hit = form->childAt(centre);
        EXPECT_TRUE(hit == overlay || overlay->isAncestorOf(hit))
            << overlay->objectName().toStdString() << " is in front of Image1";
        EXPECT_TRUE(form->Controls().Image1->geometry().contains(overlay->geometry().center()))
            << overlay->objectName().toStdString() << " lies over the pyramid image";
    }
}

TEST_F(Inventory, WindowOpensInTheCentreOfTheDesktop)
{
    auto fresh = std::make_unique<TForm1>(platform, hints);
    const QRect desktop = fresh->screen()->availableGeometry();
    const QPoint centre = fresh->geometry().center();
    EXPECT_LE(std::abs(centre.x() - desktop.center().x()), 1) << "centred horizontally";
    EXPECT_LE(std::abs(centre.y() - desktop.center().y()), 1) << "centred vertically";
}

TEST_F(Inventory, FieldsHaveASoftLoweredBevelAndTheSpeedThumbIs15Long)
{
    for (QLineEdit* field :
         {static_cast<QLineEdit*>(form->Controls().Popmeter), static_cast<QLineEdit*>(form->Controls().IMmeter),
          form->Controls().clock, form->Controls().CHmeter}) {
        const std::string name = field->objectName().toStdString();
        EXPECT_FALSE(field->hasFrame()) << name << " has no border";
        const QImage shown = field->grab().toImage();
        const QRgb shadow = field->palette().color(QPalette::Mid).rgb();
        const QRgb light = field->palette().color(QPalette::Light).rgb();
        ASSERT_NE(shadow, field->palette().color(QPalette::Base).rgb());
        EXPECT_EQ(shown.pixel(30, 0), shadow) << name << ": shadow along the top";
        EXPECT_EQ(shown.pixel(0, 8), shadow) << name << ": shadow along the left";
        EXPECT_EQ(shown.pixel(30, shown.height() - 1), light) << name << ": light along the bottom";
        EXPECT_EQ(shown.pixel(shown.width() - 1, 8), light) << name << ": light along the right";
    }

    // The thumb's extent across the track, at the slider's first position (left).
    form->Controls().TrackBar1->setValue(0);
    const QImage slider = form->Controls().TrackBar1->grab().toImage();
    const QRgb background = slider.pixel(slider.width() - 1, 0);
    int top = slider.height();
    int bottom = -1;
    for (int y = 0; y < slider.height(); ++y)
        if (slider.pixel(7, y) != background && y < slider.height() / 2 + 8) {
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    EXPECT_EQ(bottom - top + 1, 15) << "the thumb is 15 pixels long";
    form->Controls().TrackBar1->setValue(3);
}

using Accessibility = WindowTest;

QString Read(QObject* object, QAccessible::Text text)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
    return face ? face->text(text) : QStringLiteral("(no interface)");
}

TEST_F(Accessibility, FieldsYearAndCountdownAreNamedByTheLabelBesideThem)
{
    const std::pair<QLineEdit*, const char*> fields[] = {
        {form->Controls().Popmeter, "Population size"},
        {form->Controls().SPmeter, "Stabile population level"},
        {form->Controls().BImeter, "Birth index"},
        {form->Controls().BDmeter, "% Baby mortality"},
        {form->Controls().ADmeter, "% Adult mortality"},
        {form->Controls().IMmeter, "% Immigration"},
        {form->Controls().clock, "Year"},
        {form->Controls().PGmeter, "Annual population growth"},
        {form->Controls().RBmeter, "Replacement birth index"},
        {form->Controls().LEmeter, "Life expectancy"},
        {form->Controls().MAmeter, "Mean age"},
        {form->Controls().GRmeter, "Elderly"},
        {form->Controls().CHmeter, "Children"},
        {form->Controls().Aftelklok, "Years Remaining"},
    };
    for (const auto& [field, name] : fields) {
        EXPECT_EQ(Read(field, QAccessible::Name), QString::fromUtf8(name)) << field->objectName().toStdString();
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(face, nullptr);
        const auto labels = face->relations(QAccessible::Label);
        ASSERT_FALSE(labels.isEmpty()) << field->objectName().toStdString() << " is labelled by its label";
        EXPECT_TRUE(QString::fromUtf8(name).startsWith(labels.first().first->text(QAccessible::Name)))
            << field->objectName().toStdString();
    }
    EXPECT_EQ(Read(form->Controls().Popmeter, QAccessible::Value), QStringLiteral("4200"))
        << "the value is the field's text";
}

TEST_F(Accessibility, GroupsAreNamedByTheirHeadingsAndTheSliderByItsLabel)
{
    const std::pair<QWidget*, const char*> named[] = {
        {form->Controls().GroupBox1, "Results"},    {form->Controls().GroupBox2, "Scenarios"},
        {form->Controls().GroupBox3, "Parameters"}, {form->Controls().GroupBox4, "Incidents"},
        {form->Controls().TrackBar1, "Speed"},
    };
    for (const auto& [control, name] : named)
        EXPECT_EQ(Read(control, QAccessible::Name), QString::fromUtf8(name)) << control->objectName().toStdString();
}

TEST_F(Accessibility, TheViewsSayWhatTheyShowNow)
{
    EXPECT_EQ(Read(form->Controls().Image1, QAccessible::Name), QStringLiteral("Population pyramid"));
    EXPECT_EQ(Read(form->Controls().Image2, QAccessible::Name), QStringLiteral("Graph"));
    EXPECT_EQ(Read(form->Controls().Map, QAccessible::Name), QStringLiteral("Map of the island"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Controls().Image1)->role(), QAccessible::Chart);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(form->Controls().Map)->role(), QAccessible::Graphic);
    EXPECT_EQ(Read(form->Controls().Image1, QAccessible::Description), QStringLiteral("Year 0, population 4200"));
    EXPECT_EQ(Read(form->Controls().Image2, QAccessible::Description),
              QStringLiteral("Population graph, linear scale, zoom 1; year 0, population 4200"));
    EXPECT_EQ(Read(form->Controls().Map, QAccessible::Description),
              QStringLiteral("Year 0: 1 house, one for every 10,000 inhabitants; population 4200"));

    form->Controls().RadioButtons[6]->click();
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 2400; }));
    form->Controls().StartButton->click();
    const int year = S().Year;
    const QString people = QString::number(RoundEvenToInt(S().PopHistory[static_cast<std::size_t>(year)]));
    EXPECT_EQ(Read(form->Controls().Image1, QAccessible::Description),
              QStringLiteral("Year %1, population %2").arg(year).arg(people));
    EXPECT_EQ(Read(form->Controls().Map, QAccessible::Description),
              QStringLiteral("Year %1: %2 houses, one for every 10,000 inhabitants; population %3")
                  .arg(year)
                  .arg(S().HousesShown)
                  .arg(people));
    form->Controls().Inbutton->click();
    EXPECT_TRUE(Read(form->Controls().Image2, QAccessible::Description)
                    .startsWith(QStringLiteral("Population graph, linear scale, zoom 2; year %1,").arg(year)));

    form->Image2MouseMove(90 + 250, 80); // year 1000 on the graph
    const QString browsed = QStringLiteral("population %1").arg(RoundEvenToInt(S().PopHistory[1000]));
    EXPECT_EQ(Read(form->Controls().Image1, QAccessible::Description), QStringLiteral("Year 1000, ") + browsed)
        << "the pyramid of the browsed year";
    EXPECT_EQ(Read(form->Controls().Image2, QAccessible::Description),
              QStringLiteral("Population graph, linear scale, zoom 2; year 1000, ") + browsed +
                  QStringLiteral(", growth ") + form->Controls().PGmeter->text())
        << "the graph names the browsed year and its growth as the growth field shows it";
    EXPECT_TRUE(Read(form->Controls().Map, QAccessible::Description).startsWith(QStringLiteral("Year %1:").arg(year)))
        << "the map always shows the present";
    form->RestorePresent();
    EXPECT_TRUE(Read(form->Controls().Image2, QAccessible::Description)
                    .endsWith(QStringLiteral("year %1, population %2, growth %3")
                                  .arg(year)
                                  .arg(people)
                                  .arg(form->Controls().PGmeter->text())))
        << "the present again";

    form->Controls().Logscale->click();
    EXPECT_TRUE(Read(form->Controls().Image2, QAccessible::Description)
                    .startsWith(QStringLiteral("Population graph, logarithmic scale;")));
    form->Controls().DeathButton->click();
    EXPECT_TRUE(Read(form->Controls().Image2, QAccessible::Description)
                    .startsWith(QStringLiteral("Mortality graph, logarithmic scale;")));
    form->Controls().BirthButton->click();
    EXPECT_TRUE(Read(form->Controls().Image2, QAccessible::Description).startsWith(QStringLiteral("Birth graph;")));
}

TEST_F(Accessibility, TheBulletinBoardAnnouncesEachNewMessage)
{
    EXPECT_EQ(Read(form->Controls().Paper, QAccessible::Name), QStringLiteral("Bulletin board"));
    EXPECT_EQ(Read(form->Controls().Paper, QAccessible::Description), form->Controls().Paper->toPlainText())
        << "the board's text";
    platform.announcements.clear();
    QSignalSpy changes(form->Controls().Paper, &QPlainTextEdit::textChanged);
    form->Controls().RadioButtons[6]->click();
    form->Controls().CheckBox4->setChecked(false);
    RunToEndAtFullSpeed();

    std::vector<QString> announced;
    for (const auto& [source, description] : platform.announcements) {
        EXPECT_EQ(source, form->Controls().Paper) << "only the board announces";
        announced.push_back(description);
    }
    ASSERT_GE(announced.size(), 4u) << "the stages of the realistic scenario reach the board";
    for (std::size_t i = 1; i < announced.size(); ++i)
        EXPECT_NE(announced[i], announced[i - 1]) << "only a new message is announced, not the same one every year";
    EXPECT_LE(static_cast<int>(announced.size()), changes.count()) << "no announcement without a change";
    EXPECT_EQ(announced.back(), form->Controls().Paper->toPlainText())
        << "announced with the new text as its description";
    EXPECT_EQ(Read(form->Controls().Paper, QAccessible::Description), form->Controls().Paper->toPlainText());
}

} // namespace
} // namespace vartel::test
