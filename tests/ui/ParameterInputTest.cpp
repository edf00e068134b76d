// The parameter fields: commits by Enter and by leaving, corrections, limits and unconvertible texts, and
// typing as a student meets it: editing keys, boxes during a focus change, pasted blanks, Enter on buttons.
#include "WindowFixture.h"

#include "model/History.h"
#include "model/Results.h"
#include "ui/ImageView.h"
#include "ui/NumEdit.h"
#include "ui/WholeNumberEdit.h"
#include "views/PlotFrame.h"

#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace vartel::test {
namespace {

// A pixel no view draws, to see whether a picture was drawn anew.
constexpr Color Marked = Rgb(1, 2, 3);

class ParameterInput : public WindowTest {
protected:
    double Population() { return S().PopHistory[static_cast<std::size_t>(S().Year)]; }

    void EmptyTheIsland()
    {
        S().PopByAge.fill(0);
        TallyClasses(S(), S().Year);
        ASSERT_EQ(Population(), 0) << "the island is empty";
    }

    void ExpectCorrection(const QString& text)
    {
        ASSERT_EQ(platform.messages.size(), 1u) << "one message: " << text.toStdString();
        EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Invalid data"));
        EXPECT_EQ(platform.messages[0].text, text);
        EXPECT_EQ(platform.messages[0].icon, MessageIcon::None) << "no icon";
    }

    // Leaves the focused field by moving the focus to another one.
    void Leave(QLineEdit* field)
    {
        form->Controls().IMmeter == field ? form->Controls().Popmeter->setFocus()
                                          : form->Controls().IMmeter->setFocus();
        Pump();
    }

    std::vector<QLineEdit*> SixFields() const
    {
        return {form->Controls().Popmeter, form->Controls().SPmeter, form->Controls().BImeter,
                form->Controls().BDmeter,  form->Controls().ADmeter, form->Controls().IMmeter};
    }

    // Replaces the field's text by a pasted one, as Ctrl+V over a selection does.
    static void Paste(QLineEdit* field, const QString& text)
    {
        field->selectAll();
        QApplication::clipboard()->setText(text);
        field->paste();
    }

    // Runs `years` single steps, so that past years can be browsed.
    void StepYears(int years)
    {
        form->Controls().CheckBox1->click();
        for (int i = 0; i < years; ++i) {
            const int before = S().Year;
            form->Controls().StartButton->click();
            ASSERT_TRUE(RunUntil([&] { return S().Year > before && !S().Running; })) << "one step runs one year";
        }
    }
};

using Typing = ParameterInput;

TEST_F(ParameterInput, FiftyPeopleAreCorrectedTo120AndRescaledExactly)
{
    form->Controls().Popmeter->setFocus();
    Pump();
    Enter(form->Controls().Popmeter, QStringLiteral("50"));
    ExpectCorrection(QStringLiteral("A population of less than 120 people is not allowed. The value is adjusted."));
    EXPECT_EQ(form->Controls().Popmeter->text(), QStringLiteral("120"));
    EXPECT_EQ(Population(), 120) << "exactly 120 people";

    Leave(form->Controls().Popmeter);
    EXPECT_EQ(platform.messages.size(), 1u) << "leaving after Enter commits nothing more";
    EXPECT_EQ(Population(), 120);
}

TEST_F(ParameterInput, ReenteringTheCurrentSizeRedrawsNothing)
{
    RasterImage& graph = form->Controls().Image2->Picture();
    RasterImage& pyramid = form->Controls().Image1->Picture();
    graph.Row(5)[5] = RasterImage::ValueOf(Marked);
    pyramid.Row(5)[5] = RasterImage::ValueOf(Marked);
    Enter(form->Controls().Popmeter, QStringLiteral("4200"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(graph.PixelColor(5, 5), Marked) << "the graph is not redrawn";
    EXPECT_EQ(pyramid.PixelColor(5, 5), Marked) << "the pyramid is not redrawn";
}

TEST_F(ParameterInput, NewSizeRescalesAndRedraws)
{
    RasterImage& pyramid = form->Controls().Image1->Picture();
    pyramid.Row(5)[5] = RasterImage::ValueOf(Marked);
    Enter(form->Controls().Popmeter, QStringLiteral("5000"));
    EXPECT_EQ(Population(), 5000);
    EXPECT_EQ(form->Controls().Popmeter->text(), QStringLiteral("5000"));
    EXPECT_NE(pyramid.PixelColor(5, 5), Marked) << "the pyramid is redrawn";
}

TEST_F(ParameterInput, EmptiedFieldsAreCorrectedToTheLowerLimits)
{
    form->Controls().Popmeter->setFocus();
    form->Controls().Popmeter->clear();
    Leave(form->Controls().Popmeter);
    ExpectCorrection(QStringLiteral("A population of less than 120 people is not allowed. The value is adjusted."));
    EXPECT_EQ(Population(), 120);

    platform.messages.clear();
    form->Controls().SPmeter->setFocus();
    form->Controls().SPmeter->clear();
    Leave(form->Controls().SPmeter);
    ExpectCorrection(
        QStringLiteral("A stabile population level of less than 2000 people is not allowed. The value is adjusted."));
    EXPECT_EQ(S().StableLevel, 2000);
    EXPECT_EQ(form->Controls().SPmeter->text(), QStringLiteral("2000"));
}

TEST_F(ParameterInput, EmptyIslandRescaleHasNoCorrectionStep)
{
    EmptyTheIsland();
    Enter(form->Controls().Popmeter, QStringLiteral("121"));
    EXPECT_EQ(Population(), 120) << "121 on an empty island gives four classes of 30";
    EmptyTheIsland();
    Enter(form->Controls().Popmeter, QStringLiteral("123"));
    EXPECT_EQ(Population(), 124) << "123 on an empty island gives 124";
    EXPECT_TRUE(platform.messages.empty()) << "no message within the limits";
}

TEST_F(ParameterInput, LimitsThemselvesAreAcceptedWithoutMessage)
{
    Enter(form->Controls().BDmeter, QStringLiteral("0.01"));
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.0001);
    Enter(form->Controls().BDmeter, QStringLiteral("99"));
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.99);
    Enter(form->Controls().ADmeter, QStringLiteral("0.01"));
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.0001);
    Enter(form->Controls().ADmeter, QStringLiteral("99"));
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.99);
    Enter(form->Controls().IMmeter, QStringLiteral("-6"));
    EXPECT_DOUBLE_EQ(S().Immigration, -0.06);
    Enter(form->Controls().IMmeter, QStringLiteral("6"));
    EXPECT_DOUBLE_EQ(S().Immigration, 0.06);
    Enter(form->Controls().BImeter, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 0);
    Enter(form->Controls().BImeter, QStringLiteral("20"));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 20);
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("20.0000")) << "written back with 4 decimals";
    EXPECT_TRUE(platform.messages.empty()) << "limits give no message";
}

TEST_F(ParameterInput, AboveTheLimitIsCorrectedAndLeavingRecomputesSilently)
{
    form->Controls().BImeter->setFocus();
    Pump();
    Enter(form->Controls().BImeter, QStringLiteral("25"));
    ExpectCorrection(QStringLiteral("A birth index of more than 20 is not allowed. The value is adjusted."));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 20);
    Leave(form->Controls().BImeter);
    EXPECT_EQ(platform.messages.size(), 1u) << "the committed 20 is not committed again on leaving";
}

TEST_F(ParameterInput, PastedTwelveDigitLevelIsCutThenCorrected)
{
    form->Controls().SPmeter->clear();
    QApplication::clipboard()->setText(QStringLiteral("123456789012"));
    form->Controls().SPmeter->paste();
    EXPECT_EQ(form->Controls().SPmeter->text(), QStringLiteral("123456789")) << "cut to 9 characters after a paste";
    QTest::keyClick(form->Controls().SPmeter, Qt::Key_Return);
    ExpectCorrection(QStringLiteral(
        "A stabile population level of more than 1 million people is not allowed. The value is adjusted."));
    EXPECT_EQ(S().StableLevel, 1000000);
    EXPECT_EQ(form->Controls().SPmeter->text(), QStringLiteral("1000000"));
}

TEST_F(ParameterInput, NewStableLevelMovesTheEquilibriumMarker)
{
    Enter(form->Controls().SPmeter, QStringLiteral("1000000"));
    EXPECT_EQ(form->Controls().he->y(), 145 - 40) << "linear scale, zoom 1: 145 - round(1000000 / 25000)";
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ParameterInput, UnconvertibleTextsLeaveTheModelAndShowTheErrorReport)
{
    form->Controls().Popmeter->clear();
    QApplication::clipboard()->setText(QStringLiteral("12ab"));
    form->Controls().Popmeter->paste();
    QTest::keyClick(form->Controls().Popmeter, Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("''12ab'' is not a valid integer value."));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Population(), 4200) << "the model keeps its population";
    EXPECT_EQ(form->Controls().Popmeter->text(), QStringLiteral("12ab")) << "the field keeps the text";

    platform.messages.clear();
    Enter(form->Controls().BImeter, QStringLiteral("-"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("'-' is not a valid floating point value."));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_DOUBLE_EQ(S().BirthIndex, 3.0) << "the model keeps its birth index";

    platform.messages.clear();
    form->Controls().BImeter->clear();
    QTest::keyClicks(form->Controls().BImeter, QStringLiteral("+-5"));
    ASSERT_EQ(form->Controls().BImeter->text(), QStringLiteral("+-5"))
        << "the key filter lets signs and digits through";
    QTest::keyClick(form->Controls().BImeter, Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("'+-5' is not a valid floating point value."));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 3.0) << "the model keeps its birth index";
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("+-5")) << "the field keeps the text";
}

TEST_F(ParameterInput, EmptyDecimalFieldsOfAnEmptyIslandGiveTheirValuesSilentlyOnEnter)
{
    EmptyTheIsland();
    ShowResults(form->model());
    const std::vector<QLineEdit*> decimal{form->Controls().BImeter, form->Controls().BDmeter, form->Controls().ADmeter,
                                          form->Controls().IMmeter};
    for (QLineEdit* field : decimal)
        ASSERT_TRUE(field->text().isEmpty()) << field->objectName().toStdString() << " is empty without people";
    form->Controls().BImeter->setFocus();
    Pump();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pump();
    }
    EXPECT_DOUBLE_EQ(S().BirthIndex, 3.0) << "tabbing through texts the program wrote commits nothing";
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.05);
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.001);

    for (QLineEdit* field : decimal)
        QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(platform.messages.empty()) << "empty texts give their values without a message";
    EXPECT_DOUBLE_EQ(S().BirthIndex, 0) << "birth index 0";
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.0001) << "baby mortality 0.01 %";
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.0001) << "adult mortality 0.01 %";
    EXPECT_DOUBLE_EQ(S().Immigration, 0) << "no migration";
}

TEST_F(ParameterInput, StableLevelRedrawsTheGraphAndMovesTheMarkerOnlyImmigrationRedrawsNoGraph)
{
    RasterImage& graph = form->Controls().Image2->Picture();
    form->Controls().Logscale->click();
    form->Controls().RBmeter->setText(QStringLiteral("mark"));
    graph.Row(5)[5] = RasterImage::ValueOf(Marked);
    Enter(form->Controls().SPmeter, QStringLiteral("2000"));
    EXPECT_EQ(form->Controls().he->y(), 145 - 66) << "logarithmic scale: 145 - round(20 log10 2000)";
    EXPECT_NE(graph.PixelColor(5, 5), Marked) << "the graph is redrawn";
    EXPECT_EQ(form->Controls().RBmeter->text(), QStringLiteral("mark")) << "nothing else is recomputed";

    graph.Row(5)[5] = RasterImage::ValueOf(Marked);
    Enter(form->Controls().IMmeter, QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(S().Immigration, 0.01);
    EXPECT_EQ(graph.PixelColor(5, 5), Marked) << "immigration does not redraw the graph";
    EXPECT_NE(form->Controls().RBmeter->text(), QStringLiteral("mark")) << "but recomputes the results";

    Enter(form->Controls().BImeter, QStringLiteral("2.5"));
    EXPECT_NE(graph.PixelColor(5, 5), Marked) << "the birth index redraws the graph";
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ParameterInput, WholeNumberFieldsRefuseAllButDigits)
{
    form->Controls().Popmeter->clear();
    QTest::keyClicks(form->Controls().Popmeter, QStringLiteral("1a 2.3,-"));
    EXPECT_EQ(form->Controls().Popmeter->text(), QStringLiteral("123"));
    EXPECT_EQ(platform.beeps, 5) << "each refused key is announced";
    QTest::keyClicks(form->Controls().Popmeter, QStringLiteral("4567890123"));
    EXPECT_EQ(form->Controls().Popmeter->text(), QStringLiteral("123456789")) << "at most 9 characters";
}

TEST_F(ParameterInput, ClickSelectsTheWholeText)
{
    form->Controls().SPmeter->setFocus();
    QTest::mouseClick(form->Controls().SPmeter, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(form->Controls().SPmeter->selectedText(), QStringLiteral("200000"));
    QTest::mouseClick(form->Controls().BDmeter, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(form->Controls().BDmeter->selectedText(), QStringLiteral("5.00"));
}

TEST_F(Typing, DeleteAndTheOtherEditingKeysEditEverySixField)
{
    for (QLineEdit* field : SixFields()) {
        const std::string name = field->objectName().toStdString();
        field->setFocus();
        field->setText(QStringLiteral("123"));
        QTest::keyClick(field, Qt::Key_Home);
        QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f")); // as Qt gives it
        QApplication::sendEvent(field, &del);
        EXPECT_EQ(field->text(), QStringLiteral("23")) << "Delete edits " << name;
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Left);
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(field->text(), QStringLiteral("3")) << "End, Left and Backspace edit " << name;
        QTest::keyClick(field, Qt::Key_Delete);
        EXPECT_TRUE(field->text().isEmpty()) << "Delete at the end of the text removes the last character in " << name;
    }
    EXPECT_EQ(platform.beeps, 0) << "editing keys are no refused characters";
}

TEST_F(Typing, AfterACorrectionOnLeavingTypingReplacesTheNextFieldsText)
{
    platform.boxOpenMs = 20; // real boxes, which take the focus on the way
    form->Controls().Popmeter->setFocus();
    Pump();
    form->Controls().Popmeter->selectAll();
    QTest::keyClicks(form->Controls().Popmeter, QStringLiteral("50"));
    QTest::keyClick(form->Controls().Popmeter, Qt::Key_Tab); // the box for fewer than 120 people
    Pump();
    Reactivate();
    ASSERT_EQ(QApplication::focusWidget(), form->Controls().SPmeter) << "the Tab's field has the focus after the box";
    QTest::keyClicks(form->Controls().SPmeter, QStringLiteral("500"));
    EXPECT_EQ(form->Controls().SPmeter->text(), QStringLiteral("500"))
        << "typing replaces the whole text, as after a Tab";

    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {},
                      form->Controls().BImeter->mapTo(form.get(), QPoint(5, 8)));
    Pump(); // leaving SPmeter: the box for a level below 2000
    Reactivate();
    ASSERT_EQ(QApplication::focusWidget(), form->Controls().BImeter) << "the clicked field has the focus after the box";
    QTest::keyClicks(form->Controls().BImeter, QStringLiteral("2.5"));
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("2.5"))
        << "typing replaces the whole text, as after a click";
    ASSERT_EQ(platform.messages.size(), 2u) << "both corrections were shown";
    EXPECT_EQ(S().StableLevel, 2000);
    EXPECT_EQ(Population(), 120);
}

TEST_F(Typing, ReturnOnAFrozenPastValueKeepsThePresent)
{
    form->Controls().RadioButtons[6]->click(); // Realistic, medium
    RunToEndAtFullSpeed();
    ASSERT_EQ(S().Year, MaxYear);
    const double present = S().BirthIndex;
    const QString presentText = form->Controls().BImeter->text();
    form->Image2MouseMove(PlotFrame::ColumnOfYear(400), 80);
    form->Image2Click();
    ASSERT_TRUE(S().Frozen);
    ASSERT_EQ(form->Controls().clock->text(), QStringLiteral("400"));
    ASSERT_NE(form->Controls().BImeter->text(), presentText) << "year 400's birth index is not the present's";

    QTest::mouseClick(form->Controls().BImeter, Qt::LeftButton, {}, QPoint(5, 8));
    QTest::keyClick(form->Controls().BImeter, Qt::Key_Return);
    Pump();
    EXPECT_DOUBLE_EQ(S().BirthIndex, present) << "Return on year 400's value leaves the present's";
    QTest::keyClick(form->Controls().BImeter, Qt::Key_Tab);
    Pump();
    EXPECT_DOUBLE_EQ(S().BirthIndex, present) << "and so does Tab";
    EXPECT_TRUE(platform.messages.empty());

    Enter(form->Controls().BImeter, QStringLiteral("2.5"));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 2.5) << "a typed value is still committed over the frozen one";
}

TEST_F(Typing, LeavingAFieldCommitsOnlyAnEdit)
{
    StepYears(8);
    const double present = Population();
    form->Image2MouseMove(91, 80); // year 4
    form->Image2Click();
    ASSERT_TRUE(S().Frozen);
    ASSERT_EQ(form->Controls().Popmeter->text(), QString::number(std::lround(S().PopHistory[4])))
        << "year 4 on display";
    QTest::mouseClick(form->Controls().Popmeter, Qt::LeftButton, {}, QPoint(5, 8));
    Leave(form->Controls().Popmeter);
    EXPECT_DOUBLE_EQ(Population(), present) << "clicking into the frozen year's population and out changes nothing";
    form->Controls().Popmeter->setFocus();
    QTest::keyClick(form->Controls().Popmeter, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(Population(), present) << "nor does Enter on the frozen value: the student typed nothing";

    Enter(form->Controls().BDmeter, QStringLiteral("5.555"));
    ASSERT_DOUBLE_EQ(S().BabyMortality, 0.05555);
    form->Controls().BDmeter->setFocus();
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pump();
    }
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.05555) << "tabbing does not read the rounded text back";
    EXPECT_TRUE(platform.messages.empty());

    form->Controls().SPmeter->setFocus();
    Paste(form->Controls().SPmeter, QStringLiteral("123456789012"));
    ASSERT_EQ(form->Controls().SPmeter->text(), QStringLiteral("123456789"));
    Leave(form->Controls().SPmeter);
    ExpectCorrection(QStringLiteral(
        "A stabile population level of more than 1 million people is not allowed. The value is adjusted."));
    EXPECT_EQ(S().StableLevel, 1000000) << "a pasted text cut to 9 characters is still an edit";
}

TEST_F(Typing, BlanksAroundAPastedNumberAreIgnoredBlanksInsideAreNot)
{
    struct Case {
        QLineEdit* field;
        const char* pasted;
        const char* shown;
    };
    const Case cases[] = {{form->Controls().Popmeter, " 500", "500"},    {form->Controls().SPmeter, "5000  ", "5000"},
                          {form->Controls().BImeter, " 2.5 ", "2.5000"}, {form->Controls().BDmeter, "  1", "1.00"},
                          {form->Controls().ADmeter, "0.5 ", "0.50"},    {form->Controls().IMmeter, " -1.5", "-1.50"}};
    for (const Case& c : cases) {
        Paste(c.field, QString::fromLatin1(c.pasted));
        QTest::keyClick(c.field, Qt::Key_Return);
        EXPECT_EQ(c.field->text(), QString::fromLatin1(c.shown)) << c.field->objectName().toStdString();
    }
    EXPECT_TRUE(platform.messages.empty()) << "no message for blanks around a number";
    EXPECT_EQ(Population(), 500);
    EXPECT_EQ(S().StableLevel, 5000);
    EXPECT_DOUBLE_EQ(S().BirthIndex, 2.5);
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.01);
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.005);
    EXPECT_DOUBLE_EQ(S().Immigration, -0.015);

    Paste(form->Controls().Popmeter, QStringLiteral(" 5 00"));
    QTest::keyClick(form->Controls().Popmeter, Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("''5 00'' is not a valid integer value."));
    Paste(form->Controls().BImeter, QStringLiteral("2 .5"));
    QTest::keyClick(form->Controls().BImeter, Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[1].text, QStringLiteral("'2 .5' is not a valid floating point value."));
    EXPECT_EQ(Population(), 500) << "a blank inside a number changes nothing";
}

TEST_F(Typing, EnterPressesTheFocusedButton)
{
    ASSERT_EQ(QApplication::focusWidget(), form->Controls().StartButton) << "Start has the focus at start-up";
    QTest::keyClick(form->Controls().StartButton, Qt::Key_Return);
    ASSERT_EQ(form->Controls().StartButton->text(), QStringLiteral("Pause")) << "Enter starts the run";
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 2; }));
    QTest::keyClick(form->Controls().StartButton, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue")) << "the keypad's Enter pauses it";
    form->Controls().Newbutton->setFocus();
    QTest::keyClick(form->Controls().Newbutton, Qt::Key_Return);
    EXPECT_EQ(S().Year, 0) << "Enter on New starts again";
    EXPECT_EQ(QApplication::focusWidget(), form->Controls().StartButton);
}

} // namespace
} // namespace vartel::test
