// The parameter fields: commits by Enter and by leaving, corrections, limits and unconvertible texts.
#include "WindowFixture.h"

#include "model/History.h"
#include "model/Results.h"
#include "ui/ImageView.h"
#include "ui/NumEdit.h"
#include "ui/WholeNumberEdit.h"

#include <QClipboard>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace vartel::test {
namespace {

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
        form->IMmeter == field ? form->Popmeter->setFocus() : form->IMmeter->setFocus();
        Pump();
    }
};

TEST_F(ParameterInput, FiftyPeopleAreCorrectedTo120AndRescaledExactly)
{
    form->Popmeter->setFocus();
    Pump();
    Enter(form->Popmeter, QStringLiteral("50"));
    ExpectCorrection(QStringLiteral("A population of less than 120 people is not allowed. The value is adjusted."));
    EXPECT_EQ(form->Popmeter->text(), QStringLiteral("120"));
    EXPECT_EQ(Population(), 120) << "exactly 120 people";

    Leave(form->Popmeter);
    EXPECT_EQ(platform.messages.size(), 1u) << "leaving commits again and finds nothing changed";
    EXPECT_EQ(Population(), 120);
}

TEST_F(ParameterInput, ReenteringTheCurrentSizeRedrawsNothing)
{
    QImage& graph = form->Image2->Picture();
    QImage& pyramid = form->Image1->Picture();
    graph.setPixel(5, 5, qRgb(1, 2, 3));
    pyramid.setPixel(5, 5, qRgb(1, 2, 3));
    Enter(form->Popmeter, QStringLiteral("4200"));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(graph.pixel(5, 5), qRgb(1, 2, 3)) << "the graph is not redrawn";
    EXPECT_EQ(pyramid.pixel(5, 5), qRgb(1, 2, 3)) << "the pyramid is not redrawn";
}

TEST_F(ParameterInput, NewSizeRescalesAndRedraws)
{
    QImage& pyramid = form->Image1->Picture();
    pyramid.setPixel(5, 5, qRgb(1, 2, 3));
    Enter(form->Popmeter, QStringLiteral("5000"));
    EXPECT_EQ(Population(), 5000);
    EXPECT_EQ(form->Popmeter->text(), QStringLiteral("5000"));
    EXPECT_NE(pyramid.pixel(5, 5), qRgb(1, 2, 3)) << "the pyramid is redrawn";
}

TEST_F(ParameterInput, EmptiedFieldsAreCorrectedToTheLowerLimits)
{
    form->Popmeter->setFocus();
    form->Popmeter->clear();
    Leave(form->Popmeter);
    ExpectCorrection(QStringLiteral("A population of less than 120 people is not allowed. The value is adjusted."));
    EXPECT_EQ(Population(), 120);

    platform.messages.clear();
    form->SPmeter->setFocus();
    form->SPmeter->clear();
    Leave(form->SPmeter);
    ExpectCorrection(
        QStringLiteral("A stabile population level of less than 2000 people is not allowed. The value is adjusted."));
    EXPECT_EQ(S().StableLevel, 2000);
    EXPECT_EQ(form->SPmeter->text(), QStringLiteral("2000"));
}

TEST_F(ParameterInput, EmptyIslandRescaleHasNoCorrectionStep)
{
    EmptyTheIsland();
    Enter(form->Popmeter, QStringLiteral("121"));
    EXPECT_EQ(Population(), 120) << "121 on an empty island gives four classes of 30";
    EmptyTheIsland();
    Enter(form->Popmeter, QStringLiteral("123"));
    EXPECT_EQ(Population(), 124) << "123 on an empty island gives 124";
    EXPECT_TRUE(platform.messages.empty()) << "no message within the limits";
}

TEST_F(ParameterInput, LimitsThemselvesAreAcceptedWithoutMessage)
{
    Enter(form->BDmeter, QStringLiteral("0.01"));
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.0001);
    Enter(form->BDmeter, QStringLiteral("99"));
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.99);
    Enter(form->ADmeter, QStringLiteral("0.01"));
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.0001);
    Enter(form->ADmeter, QStringLiteral("99"));
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.99);
    Enter(form->IMmeter, QStringLiteral("-6"));
    EXPECT_DOUBLE_EQ(S().Immigration, -0.06);
    Enter(form->IMmeter, QStringLiteral("6"));
    EXPECT_DOUBLE_EQ(S().Immigration, 0.06);
    Enter(form->BImeter, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 0);
    Enter(form->BImeter, QStringLiteral("20"));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 20);
    EXPECT_EQ(form->BImeter->text(), QStringLiteral("20.0000")) << "written back with 4 decimals";
    EXPECT_TRUE(platform.messages.empty()) << "limits give no message";
}

TEST_F(ParameterInput, AboveTheLimitIsCorrectedAndLeavingRecomputesSilently)
{
    form->BImeter->setFocus();
    Pump();
    Enter(form->BImeter, QStringLiteral("25"));
    ExpectCorrection(QStringLiteral("A birth index of more than 20 is not allowed. The value is adjusted."));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 20);
    Leave(form->BImeter);
    EXPECT_EQ(platform.messages.size(), 1u) << "the second commit finds 20 within the limits";
}

TEST_F(ParameterInput, PastedTwelveDigitLevelIsCutThenCorrected)
{
    form->SPmeter->clear();
    QApplication::clipboard()->setText(QStringLiteral("123456789012"));
    form->SPmeter->paste();
    EXPECT_EQ(form->SPmeter->text(), QStringLiteral("123456789")) << "cut to 9 characters after a paste";
    QTest::keyClick(form->SPmeter, Qt::Key_Return);
    ExpectCorrection(
        QStringLiteral("A stabile population level of more than 1 million people is not allowed. The value is adjusted."));
    EXPECT_EQ(S().StableLevel, 1000000);
    EXPECT_EQ(form->SPmeter->text(), QStringLiteral("1000000"));
}

TEST_F(ParameterInput, NewStableLevelMovesTheEquilibriumMarker)
{
    Enter(form->SPmeter, QStringLiteral("1000000"));
    EXPECT_EQ(form->he->y(), 145 - 40) << "linear scale, zoom 1: 145 - round(1000000 / 25000)";
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ParameterInput, UnconvertibleTextsLeaveTheModelAndShowTheErrorReport)
{
    form->Popmeter->clear();
    QApplication::clipboard()->setText(QStringLiteral("12ab"));
    form->Popmeter->paste();
    QTest::keyClick(form->Popmeter, Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("''12ab'' is not a valid integer value."));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_EQ(Population(), 4200) << "the model keeps its population";
    EXPECT_EQ(form->Popmeter->text(), QStringLiteral("12ab")) << "the field keeps the text";

    platform.messages.clear();
    Enter(form->BImeter, QStringLiteral("-"));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("'-' is not a valid floating point value."));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_DOUBLE_EQ(S().BirthIndex, 3.0) << "the model keeps its birth index";

    platform.messages.clear();
    form->BImeter->clear();
    QTest::keyClicks(form->BImeter, QStringLiteral("+-5"));
    ASSERT_EQ(form->BImeter->text(), QStringLiteral("+-5")) << "the key filter lets signs and digits through";
    QTest::keyClick(form->BImeter, Qt::Key_Return);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].text, QStringLiteral("'+-5' is not a valid floating point value."));
    EXPECT_DOUBLE_EQ(S().BirthIndex, 3.0) << "the model keeps its birth index";
    EXPECT_EQ(form->BImeter->text(), QStringLiteral("+-5")) << "the field keeps the text";
}

TEST_F(ParameterInput, EmptyDecimalFieldsOfAnEmptyIslandGiveTheirValuesSilently)
{
    EmptyTheIsland();
    ShowResults(form->model());
    for (QLineEdit* field : {static_cast<QLineEdit*>(form->BImeter), static_cast<QLineEdit*>(form->BDmeter),
                             static_cast<QLineEdit*>(form->ADmeter), static_cast<QLineEdit*>(form->IMmeter)})
        ASSERT_TRUE(field->text().isEmpty()) << field->objectName().toStdString() << " is empty without people";
    form->BImeter->setFocus();
    Pump();
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pump();
    }
    EXPECT_TRUE(platform.messages.empty()) << "empty texts give their values without a message";
    EXPECT_DOUBLE_EQ(S().BirthIndex, 0) << "birth index 0";
    EXPECT_DOUBLE_EQ(S().BabyMortality, 0.0001) << "baby mortality 0.01 %";
    EXPECT_DOUBLE_EQ(S().AdultMortality, 0.0001) << "adult mortality 0.01 %";
    EXPECT_DOUBLE_EQ(S().Immigration, 0) << "no migration";
}

TEST_F(ParameterInput, StableLevelRedrawsTheGraphAndMovesTheMarkerOnlyImmigrationRedrawsNoGraph)
{
    QImage& graph = form->Image2->Picture();
    form->Logscale->click();
    form->RBmeter->setText(QStringLiteral("mark"));
    graph.setPixel(5, 5, qRgb(1, 2, 3));
    Enter(form->SPmeter, QStringLiteral("2000"));
    EXPECT_EQ(form->he->y(), 145 - 66) << "logarithmic scale: 145 - round(20 log10 2000)";
    EXPECT_NE(graph.pixel(5, 5), qRgb(1, 2, 3)) << "the graph is redrawn";
    EXPECT_EQ(form->RBmeter->text(), QStringLiteral("mark")) << "nothing else is recomputed";

    graph.setPixel(5, 5, qRgb(1, 2, 3));
    Enter(form->IMmeter, QStringLiteral("1"));
    EXPECT_DOUBLE_EQ(S().Immigration, 0.01);
    EXPECT_EQ(graph.pixel(5, 5), qRgb(1, 2, 3)) << "immigration does not redraw the graph";
    EXPECT_NE(form->RBmeter->text(), QStringLiteral("mark")) << "but recomputes the results";

    Enter(form->BImeter, QStringLiteral("2.5"));
    EXPECT_NE(graph.pixel(5, 5), qRgb(1, 2, 3)) << "the birth index redraws the graph";
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ParameterInput, WholeNumberFieldsRefuseAllButDigits)
{
    form->Popmeter->clear();
    QTest::keyClicks(form->Popmeter, QStringLiteral("1a 2.3,-"));
    EXPECT_EQ(form->Popmeter->text(), QStringLiteral("123"));
    EXPECT_EQ(platform.beeps, 5) << "each refused key is announced";
    QTest::keyClicks(form->Popmeter, QStringLiteral("4567890123"));
    EXPECT_EQ(form->Popmeter->text(), QStringLiteral("123456789")) << "at most 9 characters";
}

TEST_F(ParameterInput, ClickSelectsTheWholeText)
{
    form->SPmeter->setFocus();
    QTest::mouseClick(form->SPmeter, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(form->SPmeter->selectedText(), QStringLiteral("200000"));
    QTest::mouseClick(form->BDmeter, Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_EQ(form->BDmeter->selectedText(), QStringLiteral("5.00"));
}

} // namespace
} // namespace vartel::test
