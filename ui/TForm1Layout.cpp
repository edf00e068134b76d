// The control inventory of the main window: every control at its place, with its caption, font, state
// and hint.
#include "help/TRichEdit.h"
#include "model/Scenarios.h"
#include "ui/HintZone.h"
#include "ui/ImageView.h"
#include "ui/NumEdit.h"
#include "ui/TForm1.h"
#include "ui/Translation.h"
#include "ui/WholeNumberEdit.h"
#include "ui/WidgetFactory.h"
#include "views/GraphView.h"
#include "views/HouseMap.h"
#include "views/PyramidView.h"
#include "widgets/QtRasterImage.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include <utility>

namespace vartel {

namespace {

// Hints shared by several controls.
constexpr const char* ResultsHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "This section shows the results of the simulation. \r\nYou cannot change "
                                        "these numbers yourself.");
constexpr const char* ScenariosHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "In this section you select a scenario. A scenario is a possible "
                                        "development of the situation, a kind of 'selected reality'");
constexpr const char* ParametersHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "This section shows the determining numbers for the simulation.\r\nYou can "
                                        "change them at the start or during a pause in the simulation.");
constexpr const char* StableLevelHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Number of people that might live on the island in a state of equilibrium");
constexpr const char* ImmigrationHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Annual number of people that will move from the outside world and startt "
                                        "living on the island, or (in case of a negative value) leave the island.");
constexpr const char* RemainingHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Number of years lasting before the incident is finished");
constexpr const char* YearHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Number of years that passed since the start of the simulation");
constexpr const char* LifeHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Number of years a person may expect to live at the moment of birth");
constexpr const char* MeanAgeHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Average age of all people living on the island at present");
constexpr const char* ReplacementHint = QT_TRANSLATE_NOOP(
    "vartel::TForm1", "If the birthindex has this value, the population will neither in- or decrease but be stable.");
constexpr const char* GrowthHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Percentual population increase compared to last year");
constexpr const char* ElderlyHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Percentage of people with an age of 65 years or more");
constexpr const char* ChildrenHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Percentage of people with an age of 15 years or less");
constexpr const char* SpeedHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Bepaal de snelheid waarmee de simulatie wordt uitgevoerd");
constexpr const char* MomentsHint =
    QT_TRANSLATE_NOOP("vartel::TForm1", "Important moments are announced on the billboard. When they appear, the "
                                        "simulation pauses automatically");

void SetBackground(QWidget* widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

template <typename Edit>
Edit* MakeParameterField(Platform& platform, QWidget* parent, const char* name, int top, const QString& hint)
{
    auto* field = Place(new Edit(platform, parent), name, {13, top, 60, 16}, hint);
    field->setText(QStringLiteral("0"));
    GiveSoftLoweredBevel(field);
    return field;
}

} // namespace

void TForm1::BuildControlGroup()
{
    ui_.GroupBox5 = MakeGroupBox(this, "GroupBox5", {8, 0, 233, 123},
                                 tr("In this section you determine how the program works.\r\nYou can start, "
                                    "pause or restart the simulation, etc.,\r\nand you decide whether the "
                                    "hints or shown."));
    ui_.Newbutton = MakeButton(ui_.GroupBox5, "Newbutton", {8, 12, 57, 25}, tr("New"), tr("Return to the start"));
    ui_.StartButton = MakeButton(ui_.GroupBox5, "StartButton", {74, 12, 57, 25}, StartCaption(RunState::Ready),
                                 tr("Start the simulation"));
    ui_.HelpButton = MakeButton(ui_.GroupBox5, "HelpButton", {166, 12, 57, 25}, tr("Help"),
                                tr("Press this button for an explanation of the programme"));
    ui_.TrackBar1 = Place(new QSlider(Qt::Horizontal, ui_.GroupBox5), "TrackBar1", {6, 42, 73, 25}, tr(SpeedHint));
    ui_.TrackBar1->setRange(0, 4);
    ui_.TrackBar1->setValue(3);
    ui_.TrackBar1->setPageStep(1);
    ui_.TrackBar1->setTickPosition(QSlider::TicksBelow);
    ui_.TrackBar1->setTickInterval(1);
    SetThumbLength(ui_.TrackBar1, 15);
    MakeLabel(ui_.GroupBox5, "Label1", {80, 44, 31, 13}, tr("Speed"), tr(SpeedHint));
    ui_.CheckBox1 = MakeCheckBox(ui_.GroupBox5, "CheckBox1", {138, 44, 91, 17}, tr("Step by step"), false,
                                 tr("Make the simulation proceed step by step, verlopen, 1 year at a time"));
    ui_.CheckBox4 =
        MakeCheckBox(ui_.GroupBox5, "CheckBox4", {14, 67, 211, 17}, tr("Sound signal at important moments"), true,
                     tr("Important moments are announced on the billboard. When they appear, a "
                        "warning sound is heard"));
    ui_.CheckBox2 = MakeCheckBox(ui_.GroupBox5, "CheckBox2", {14, 85, 185, 17}, tr("Pause at important moments"), false,
                                 tr(MomentsHint));
    ui_.CheckBox3 = MakeCheckBox(ui_.GroupBox5, "CheckBox3", {14, 103, 163, 17}, tr("Show helping hints"), false,
                                 tr("A hint is a helping text, like the one you see now"));
}

void TForm1::BuildScenarios()
{
    ui_.GroupBox2 = MakeGroupBox(this, "GroupBox2", {246, 0, 204, 158}, tr(ScenariosHint));
    MakeHeading(ui_.GroupBox2, "Label8", {20, 8, 90, 20}, tr("Scenarios"), tr(ScenariosHint));
    struct Row {
        const char* Name;
        int Top, Width;
        const char* Hint;
    };
    static constexpr std::array<Row, 7> rows{{
        {"RadioButton1", 30, 77, QT_TR_NOOP("Constant  birth index, no or a constant migration")},
        {"RadioButton2", 48, 165,
         QT_TR_NOOP("Many people (compared to equilibrium): high birth index. \r\nFew people: low birth index")},
        {"RadioButton3", 66, 141,
         QT_TR_NOOP("Many people (compared to equilibrium): low birth index. \r\nFew people: high birth index")},
        {"RadioButton4", 84, 189,
         QT_TR_NOOP("Population size increases or increases towards equilibrium and then becomes stable")},
        {"RadioButton5", 102, 149,
         QT_TR_NOOP("Long term development, fairly reflecting reality.\r\nLow birth index, low child mortality, "
                    "slow population increase")},
        {"RadioButton6", 120, 165,
         QT_TR_NOOP("Long term development, fairly reflecting reality.\r\nAverage birth index, average child "
                    "mortality, average population increase")},
        {"RadioButton7", 138, 109,
         QT_TR_NOOP("Long term development, fairly reflecting reality.\r\nHigh birth index, high child mortality, "
                    "rapid population increase")},
    }};
    // The captions are the scenario names of the model, shown in the user's language.
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        ui_.RadioButtons[i + 1] = MakeRadioButton(ui_.GroupBox2, row.Name, {12, row.Top, row.Width, 17},
                                                  Translated("Scenario", ScenarioCaptions()[i + 1]), tr(row.Hint));
    }
    ui_.RadioButtons[1]->setChecked(true);
}

void TForm1::BuildParameters()
{
    ui_.GroupBox3 = MakeGroupBox(this, "GroupBox3", {246, 157, 204, 152}, tr(ParametersHint));
    MakeHeading(ui_.GroupBox3, "Label15", {20, 8, 102, 20}, tr("Parameters"), tr(ParametersHint));

    ui_.Popmeter = MakeParameterField<WholeNumberEdit>(platform_, ui_.GroupBox3, "Popmeter", 32,
                                                       tr("Aantal mensen dat op dit moment leeft"));
    ui_.SPmeter = MakeParameterField<WholeNumberEdit>(platform_, ui_.GroupBox3, "SPmeter", 51, tr(StableLevelHint));
    ui_.BImeter = MakeParameterField<TFloatEdit>(platform_, ui_.GroupBox3, "BImeter", 70,
                                                 tr("Gemiddeld aantal kinderen dat per vrouw geboren wordt"));
    ui_.BDmeter = MakeParameterField<TFloatEdit>(platform_, ui_.GroupBox3, "BDmeter", 89,
                                                 tr("Percentage kinderen dat al in het eerste levensjaar "
                                                    "overlijdt"));
    ui_.ADmeter = MakeParameterField<TFloatEdit>(platform_, ui_.GroupBox3, "ADmeter", 108,
                                                 tr("Percentage mensen met een leeftijd tussen 15 en 65 "
                                                    "jaar dat in een jaar tijd overlijdt"));
    ui_.IMmeter = MakeParameterField<TFloatEdit>(platform_, ui_.GroupBox3, "IMmeter", 127, tr(ImmigrationHint));
    SetBackground(ui_.Popmeter, QPalette::Base, Qt::white);
    SetBackground(ui_.SPmeter, QPalette::Base, Qt::white);

    MakeLabel(ui_.GroupBox3, "Label3", {80, 34, 71, 13}, tr("Population size"),
              tr("Number of people living at present"));
    MakeLabel(ui_.GroupBox3, "Label18", {80, 53, 109, 13}, tr("Stabile population level"), tr(StableLevelHint));
    MakeLabel(ui_.GroupBox3, "Label7", {80, 72, 49, 13}, tr("Birth index"),
              tr("Average number of children born to each woman"));
    MakeLabel(ui_.GroupBox3, "Label9", {80, 91, 76, 13}, tr("% Baby mortality"),
              tr("Percentage of children dyinf on the first year of life"));
    MakeLabel(ui_.GroupBox3, "Label10", {80, 110, 76, 13}, tr("% Adult mortality"),
              tr("Percentage of people with an age between 15 and 65 jaar that will die within one "
                 "year"));
    MakeLabel(ui_.GroupBox3, "Label12", {80, 129, 64, 13}, tr("% Immigration"), tr(ImmigrationHint));
}

void TForm1::BuildIncidents()
{
    ui_.GroupBox4 = MakeGroupBox(this, "GroupBox4", {246, 308, 204, 100},
                                 tr("Met de knoppen in dit vak kun je eenmalige gebeurtenis oproepen die "
                                    "gedurende een aantal jaren doorwerkt"));
    MakeHeading(ui_.GroupBox4, "Label11", {20, 8, 84, 20}, tr("Incidents"),
                tr("The buttons in this section will call for a one-time incident that will have "
                   "consequences for a number of years"));
    ui_.EpiButton = MakeButton(ui_.GroupBox4, "EpiButton", {13, 30, 100, 20}, tr("Epidemic"),
                               tr("During 10 years an epidemic will target mainly children and elderly"));
    ui_.OneButton = MakeButton(ui_.GroupBox4, "OneButton", {13, 52, 100, 20}, tr("1 child policy"),
                               tr("The government obliges a maximum of one child per family during 30 "
                                  "years"));
    ui_.ImmButton = MakeButton(ui_.GroupBox4, "ImmButton", {13, 74, 100, 20}, tr("Immigration wave"),
                               tr("For 20 years, people able to get jobs will enter the island"));
    ui_.Aftelklok =
        Place(new QLineEdit(QStringLiteral("00"), ui_.GroupBox4), "Aftelklok", {133, 35, 46, 34}, tr(RemainingHint));
    ui_.Aftelklok->setReadOnly(true);
    ui_.Aftelklok->setFrame(false);
    ui_.Aftelklok->setFocusPolicy(Qt::ClickFocus);
    ui_.Aftelklok->setFont(MonoFont(29, true));
    SetBackground(ui_.Aftelklok, QPalette::Base, QColor(160, 160, 164));
    SetBackground(ui_.Aftelklok, QPalette::Text, QColor(128, 128, 128));
    MakeLabel(ui_.GroupBox4, "Label16", {138, 71, 27, 13}, tr("Years"), tr(RemainingHint));
    MakeLabel(ui_.GroupBox4, "Label17", {130, 84, 50, 13}, tr("Remaining"), tr(RemainingHint));
}

void TForm1::BuildResults()
{
    ui_.GroupBox1 = MakeGroupBox(this, "GroupBox1", {455, 0, 402, 94}, tr(ResultsHint));
    MakeHeading(ui_.GroupBox1, "Label14", {24, 8, 71, 20}, tr("Results"), tr(ResultsHint));
    ui_.clock = MakeResultField(ui_.GroupBox1, "clock", 5, 32, tr(YearHint));
    ui_.PGmeter = MakeResultField(ui_.GroupBox1, "PGmeter", 5, 51, tr(GrowthHint));
    ui_.RBmeter = MakeResultField(ui_.GroupBox1, "RBmeter", 5, 70, tr(ReplacementHint));
    ui_.LEmeter = MakeResultField(ui_.GroupBox1, "LEmeter", 221, 13, tr(LifeHint));
    ui_.MAmeter = MakeResultField(ui_.GroupBox1, "MAmeter", 221, 32, tr(MeanAgeHint));
    ui_.GRmeter = MakeResultField(ui_.GroupBox1, "GRmeter", 221, 51, tr(ElderlyHint));
    ui_.CHmeter = MakeResultField(ui_.GroupBox1, "CHmeter", 221, 70, tr(ChildrenHint));
    MakeLabel(ui_.GroupBox1, "Label2", {72, 34, 22, 13}, tr("Year"), tr(YearHint));
    MakeLabel(ui_.GroupBox1, "Label13", {72, 53, 120, 13}, tr("Annual population growth"), tr(GrowthHint));
    MakeLabel(ui_.GroupBox1, "Label6", {72, 72, 114, 13}, tr("Replacement birth index"), tr(ReplacementHint));
    MakeLabel(ui_.GroupBox1, "Label4", {288, 15, 75, 13}, tr("Life expectancy"), tr(LifeHint));
    MakeLabel(ui_.GroupBox1, "Label5", {288, 34, 48, 13}, tr("Mean age"), tr(MeanAgeHint));
    MakeLabel(ui_.GroupBox1, "Label20", {288, 53, 31, 13}, tr("Elderly"), tr(ElderlyHint));
    MakeLabel(ui_.GroupBox1, "Label21", {288, 72, 38, 13}, tr("Children"), tr(ChildrenHint));
}

void TForm1::BuildBulletinAndMap()
{
    ui_.Paper = Place(new QPlainTextEdit(QCoreApplication::translate("Bulletin", "No messages ..."), this), "Paper",
                      {456, 99, 401, 72}, tr("Bulletin board"));
    ui_.Paper->setReadOnly(true);
    ui_.Paper->setFont(SerifFont(11));
    ui_.Paper->setFocusPolicy(Qt::ClickFocus);
    ui_.Paper->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ui_.Paper->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    ui_.Panel3 = MakeLoweredPanel(this, "Panel3", {455, 176, 402, 232});
    ui_.Map = Place(new ImageView(QSize(395, 223), ui_.Panel3), "Map", {1, 1, 400, 230},
                    tr("Map of the island where the simulation takes place"));
    ui_.Map->SetPicture(ToRasterImage(QImage(QStringLiteral(":/Map"))));
    ui_.House0 = Place(new QLabel(ui_.Panel3), "House0", {184, 216, HouseWidth, HouseHeight});
    ui_.House0->setPixmap(QPixmap(QStringLiteral(":/House0")));
    ui_.House0->hide();
}

void TForm1::BuildPyramidPanel()
{
    ui_.Panel1 = MakeLoweredPanel(this, "Panel1", {8, 130, 233, 280});
    ui_.Image1 = Place(new ImageView(QSize(PyramidWidth, PyramidHeight), ui_.Panel1), "Image1", {1, 1, 231, 278},
                       tr("The population pyramid shows the age composition in layers of 5 years"));
    ui_.Label22 = MakeLabel(ui_.Panel1, "Label22", {68, 3, 153, 20}, tr("Population pyramid"),
                            tr("The population pyramid shows the ages of the population in discs of 5 "
                               "years"));
    ui_.Label22->setFont(SansFont(16, true, false));
    ui_.Button3 =
        MakeButton(ui_.Panel1, "Button3", {12, 6, 46, 18}, tr("Save"), tr("Save the pyramid as an image file"));
}

void TForm1::BuildGraphControls()
{
    ui_.GroupBox6 = MakeGroupBox(this, "GroupBox6", {8, 562, 850, 51});
    ui_.PopButton = MakeButton(ui_.GroupBox6, "PopButton", {10, 21, 86, 25}, tr("Population"),
                               tr("This graph shows the population size over time.\r\nThe x axis depicts the "
                                  "years of the simulation."));
    ui_.BirthButton = MakeButton(ui_.GroupBox6, "BirthButton", {100, 21, 86, 25}, tr("Birth"),
                                 tr("This graph shows the speed at which women produce children, dependent "
                                    "on their age.\r\nThe x axis depicts the age of the (eventual) mother."));
    ui_.DeathButton = MakeButton(ui_.GroupBox6, "DeathButton", {190, 21, 86, 25}, tr("Mortality"),
                                 tr("This graph shows the chance for someone to die at a certain age"));
    ui_.lifebutton = MakeButton(ui_.GroupBox6, "lifebutton", {280, 21, 86, 25}, tr("Survival chance"),
                                tr("Deze grafiek toont de kans dat iemand op een bepaalde leeftijd nog in "
                                   "leven is\r\nThis graph shows the chance for someone to be still alive "
                                   "at a certain age"));
    ui_.Linscale = MakeRadioButton(ui_.GroupBox6, "Linscale", {384, 17, 121, 17}, tr("Linear scale"),
                                   tr("A linear scale makes exponential growth remarkably visible.\r\nA "
                                      "disadvantage is that a small population is hardly visible."));
    ui_.Logscale = MakeRadioButton(ui_.GroupBox6, "Logscale", {384, 32, 121, 17}, tr("Logarithmic scale"),
                                   tr("A logarithmic scale shows exponential growth as a strait line.\r\nThis "
                                      "scale is suitable to discern small and large populations."));
    ui_.Linscale->setChecked(true);
    ui_.Inbutton = MakeButton(ui_.GroupBox6, "Inbutton", {518, 21, 60, 25}, tr("Zoom IN"), tr("Enlarge the graph"));
    ui_.Outbutton = MakeButton(ui_.GroupBox6, "Outbutton", {584, 21, 60, 25}, tr("Zoom OUT"), tr("Shrink the graph"));
    ui_.Button1 = MakeButton(ui_.GroupBox6, "Button1", {663, 21, 86, 25}, tr("Save graph"),
                             tr("Save the graph as an image file"));
    ui_.Button2 = MakeButton(ui_.GroupBox6, "Button2", {753, 21, 86, 25}, tr("Save data"),
                             tr("Save the data shown in the graph as a text file"));
}

void TForm1::BuildGraphPanel()
{
    // Created after GroupBox6, so the panel lies in front of the group's top edge that it overlaps.
    ui_.Panel2 = MakeLoweredPanel(this, "Panel2", {8, 415, 849, 164});
    ui_.Image2 = Place(new ImageView(QSize(GraphWidth, GraphHeight), ui_.Panel2), "Image2", {1, 1, 847, 162},
                       tr("Move the mouse through the graph when the simulation pauses\r\nto see the "
                          "population pyramid and the messages on each moment in the past."));
    ui_.h1 = Place(new HintZone(tr("Danger zone: overpopulation and environmental destruction.\r\nIf the "
                                   "population size crosses the red line, the system may collapse "
                                   "dramatically."),
                                ui_.Panel2),
                   "h1", {90, 6, 751, 20});
    ui_.h0 = Place(new HintZone(tr("Danger zone: underpopulation.\r\nThrough inbreeding and economic "
                                   "stagnation the birth index decreases to zero.\r\nThe population may "
                                   "become extinct."),
                                ui_.Panel2),
                   "h0", {90, 118, 751, 29});
    ui_.he = Place(new HintZone(tr("Equilibrium population level"), ui_.Panel2), "he", {90, 40, 751, 3});
}

void TForm1::BuildBottomLines()
{
    ui_.Memo1 = Place(new QLabel(this), "Memo1", {16, 613, 521, 16});
    ui_.Memo1->setFont(SansFont(11));
    SetBackground(ui_.Memo1, QPalette::WindowText, QColor(255, 0, 0));
}

void TForm1::SetAccessibleNames()
{
    // Each field is named by the label beside it, which is its buddy for assistive technology too.
    const std::pair<QLineEdit*, const char*> fields[] = {
        {ui_.Popmeter, "Label3"}, {ui_.SPmeter, "Label18"}, {ui_.BImeter, "Label7"}, {ui_.BDmeter, "Label9"},
        {ui_.ADmeter, "Label10"}, {ui_.IMmeter, "Label12"}, {ui_.clock, "Label2"},   {ui_.PGmeter, "Label13"},
        {ui_.RBmeter, "Label6"},  {ui_.LEmeter, "Label4"},  {ui_.MAmeter, "Label5"}, {ui_.GRmeter, "Label20"},
        {ui_.CHmeter, "Label21"}};
    for (const auto& [field, labelName] : fields) {
        auto* label = findChild<QLabel*>(QLatin1String(labelName));
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
    // The groups with a heading are named by it, the speed slider by its label.
    const std::pair<QWidget*, const char*> headed[] = {{ui_.GroupBox1, "Label14"},
                                                       {ui_.GroupBox2, "Label8"},
                                                       {ui_.GroupBox3, "Label15"},
                                                       {ui_.GroupBox4, "Label11"},
                                                       {ui_.TrackBar1, "Label1"}};
    for (const auto& [control, labelName] : headed)
        control->setAccessibleName(findChild<QLabel*>(QLatin1String(labelName))->text());
    findChild<QLabel*>(QStringLiteral("Label1"))->setBuddy(ui_.TrackBar1);
    auto* years = findChild<QLabel*>(QStringLiteral("Label16"));
    years->setBuddy(ui_.Aftelklok);
    ui_.Aftelklok->setAccessibleName(years->text() + u' ' + findChild<QLabel*>(QStringLiteral("Label17"))->text());

    ui_.Image1->setAccessibleName(ui_.Label22->text());
    ui_.Image2->setAccessibleName(tr("Graph"));
    ui_.Map->setAccessibleName(tr("Map of the island"));
    ui_.Paper->setAccessibleName(tr("Bulletin board"));
    ui_.Paper->setAccessibleDescription(ui_.Paper->toPlainText());
    ui_.Memo1->setAccessibleName(tr("Instruction"));
    ui_.RichEdit1->setAccessibleName(tr("Program information"));
}

} // namespace vartel
