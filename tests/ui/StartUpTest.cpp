// Start-up: the reset state in the fields, the houses on land, the first idle call, hints and the blink.
#include "WindowFixture.h"

#include "ui/HintSwitch.h"
#include "ui/HintZone.h"
#include "ui/ImageView.h"
#include "views/HouseMap.h"
#include "widgets/QtRasterImage.h"

#include <QCheckBox>
#include <QHelpEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolTip>

namespace vartel::test {
namespace {

using StartUp = WindowTest;

TEST_F(StartUp, FieldsShowTheSimpleScenarioReset)
{
    EXPECT_EQ(form->Controls().Popmeter->text(), QStringLiteral("4200"));
    EXPECT_EQ(form->Controls().SPmeter->text(), QStringLiteral("200000"));
    EXPECT_EQ(form->Controls().clock->text(), QStringLiteral("0"));
    EXPECT_EQ(form->Controls().PGmeter->text(), QString()) << "no growth in year 0";
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("3.0000"));
    EXPECT_EQ(form->Controls().BDmeter->text(), QStringLiteral("5.00"));
    EXPECT_EQ(form->Controls().ADmeter->text(), QStringLiteral("0.10"));
    EXPECT_EQ(form->Controls().IMmeter->text(), QStringLiteral("0.00"));
    EXPECT_EQ(form->Controls().LEmeter->text(), QStringLiteral("63.6"));
    EXPECT_EQ(form->Controls().MAmeter->text(), QStringLiteral("23.9"));
    EXPECT_EQ(form->Controls().RBmeter->text(), QStringLiteral("2.2538"));
    EXPECT_EQ(form->Controls().GRmeter->text(), QStringLiteral("0.0%"));
    EXPECT_EQ(form->Controls().CHmeter->text(), QStringLiteral("25.0%"));
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Start"));
    EXPECT_EQ(S().Scenario, 1);
    EXPECT_EQ(S().GraphMode, 1);
    EXPECT_EQ(S().ZoomFactor, 1);
    EXPECT_EQ(S().ScenarioNames[6], "Realistic, medium") << "scenario names from the radio buttons";
    EXPECT_EQ(S().Stages[1].Letter, "A");
}

TEST_F(StartUp, RealisticScenarioResetsToItsStartValues)
{
    form->Controls().RadioButtons[6]->click();
    Pump();
    EXPECT_EQ(S().Scenario, 6);
    EXPECT_EQ(form->Controls().Popmeter->text(), QStringLiteral("3000"));
    EXPECT_EQ(form->Controls().SPmeter->text(), QStringLiteral("18000"));
    EXPECT_EQ(form->Controls().BImeter->text(), QStringLiteral("6.0000"));
    EXPECT_EQ(form->Controls().BDmeter->text(), QStringLiteral("55.00"));
    EXPECT_EQ(form->Controls().LEmeter->text(), QStringLiteral("25.0"));
    EXPECT_EQ(form->Controls().RBmeter->text(), QStringLiteral("5.7524"));
}

TEST_F(StartUp, ThreeHundredHousesOnLandAndOnlyTheFirstShown)
{
    const QImage map = ToQImage(form->Controls().Map->Picture());
    ASSERT_EQ(map.size(), QSize(395, 223)) << "the map picture is carried with the program";
    int visible = 0;
    for (int i = 1; i <= HouseCountMax; ++i) {
        const QLabel* house = form->Controls().Houses[static_cast<std::size_t>(i)];
        ASSERT_NE(house, nullptr) << "house " << i << " exists";
        EXPECT_EQ(house->parentWidget(), form->Controls().Panel3) << "houses are children of the map panel";
        EXPECT_EQ(house->size(), QSize(28, 19));
        const QPoint centre = house->pos() + QPoint(14, 10);
        EXPECT_EQ(map.pixel(centre), qRgb(140, 255, 140))
            << "house " << i << " centre (" << centre.x() << "," << centre.y() << ") on land";
        visible += house->isVisible() ? 1 : 0;
    }
    EXPECT_TRUE(form->Controls().Houses[1]->isVisible()) << "house 1 shown";
    EXPECT_EQ(visible, 1) << "only house 1 visible after start-up";
    EXPECT_EQ(S().HousesShown, 1);
}

TEST_F(StartUp, MapPictureIsMostlyLandInSea)
{
    const QImage map = ToQImage(form->Controls().Map->Picture());
    int land = 0, sea = 0;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x) {
            land += map.pixel(x, y) == qRgb(140, 255, 140);
            sea += map.pixel(x, y) == qRgb(181, 231, 255);
        }
    EXPECT_GT(land, map.width() * map.height() / 2) << "land is more than half of the map, so houses find a place";
    EXPECT_GT(sea, 0) << "the island lies in a light blue sea";
    EXPECT_EQ(map.pixel(0, 0), qRgb(181, 231, 255)) << "the corner is sea";
}

TEST_F(StartUp, HousePictureHasATransparentBackground)
{
    const QImage house = form->Controls().Houses[1]->pixmap().toImage();
    ASSERT_FALSE(house.isNull()) << "the house picture is carried with the program";
    EXPECT_EQ(qAlpha(house.pixel(0, house.height() - 1)), 0) << "black background transparent";
    EXPECT_EQ(qAlpha(house.pixel(14, 10)), 255) << "the house itself opaque";
}

TEST_F(StartUp, FirstIdleCallFocusesTheStartButton)
{
    EXPECT_TRUE(S().FirstIdleDone) << "the idle handler ran once the event loop was idle";
    EXPECT_EQ(form->focusWidget(), form->Controls().StartButton) << "focus on StartButton";
}

TEST_F(StartUp, GraphIsDrawnAndThePyramidToo)
{
    // The graph background of the linear population graph at zoom 1.
    EXPECT_EQ(form->Controls().Image2->Picture().PixelColor(2, 2), Rgb(250, 250, 144)) << "graph background drawn";
    EXPECT_EQ(form->Controls().Image2->Picture().Size(), PixelSize(847, 162));
    EXPECT_EQ(form->Controls().Image1->Picture().Size(), PixelSize(231, 278));
}

TEST_F(StartUp, HintsAreOffUntilSwitchedOn)
{
    QWidget* target = form->Controls().Newbutton;
    const QPoint inside = target->rect().center();
    QHelpEvent offEvent(QEvent::ToolTip, inside, target->mapToGlobal(inside));
    QApplication::sendEvent(target, &offEvent);
    EXPECT_FALSE(QToolTip::isVisible()) << "no hint while CheckBox3 is unchecked";

    form->Controls().CheckBox3->click();
    EXPECT_TRUE(hints.HintsShown()) << "checking the box switches hints on";
    QHelpEvent onEvent(QEvent::ToolTip, inside, target->mapToGlobal(inside));
    QApplication::sendEvent(target, &onEvent);
    EXPECT_TRUE(QToolTip::isVisible()) << "the hint shows at once";
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Return to the start\r\n(Ctrl+N)")) << "the hint tells the shortcut";
    QToolTip::hideText();

    form->Controls().CheckBox3->click();
    EXPECT_FALSE(hints.HintsShown()) << "unchecking switches hints off again";
}

// QToolTip::hideText() lets the hint fade for a moment; the tests need it gone at once.
void HideHintAtOnce()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->inherits("QTipLabel"))
            window->hide();
}

// The hint a resting mouse brings up on `target` (at its centre), or an empty text when none shows.
QString HintShownOn(QWidget* target)
{
    HideHintAtOnce();
    const QPoint inside = target->rect().center();
    QHelpEvent event(QEvent::ToolTip, inside, target->mapToGlobal(inside));
    QApplication::sendEvent(target, &event);
    const QString shown = QToolTip::isVisible() ? QToolTip::text() : QString();
    HideHintAtOnce();
    return shown;
}

TEST_F(StartUp, HintZonesOverTheGraphFollowTheHintSwitch)
{
    for (HintZone* zone : {form->Controls().h1, form->Controls().he})
        EXPECT_EQ(HintShownOn(zone), QString()) << zone->objectName().toStdString() << ": no hint while hints are off";

    form->Controls().CheckBox3->click();
    EXPECT_EQ(HintShownOn(form->Controls().h1),
              QStringLiteral("Danger zone: overpopulation and environmental destruction.\r\n"
                             "If the population size crosses the red line, the system may "
                             "collapse dramatically."));
    EXPECT_EQ(HintShownOn(form->Controls().he), QStringLiteral("Equilibrium population level"));
    form->Controls().Logscale->click(); // gives h0 a height
    EXPECT_EQ(HintShownOn(form->Controls().h0),
              QStringLiteral("Danger zone: underpopulation.\r\nThrough inbreeding and "
                             "economic stagnation the birth index decreases to zero.\r\nThe "
                             "population may become extinct."));

    form->Controls().BirthButton->click();
    for (HintZone* zone : {form->Controls().h0, form->Controls().h1, form->Controls().he})
        EXPECT_EQ(HintShownOn(zone), QString()) << zone->objectName().toStdString() << ": no hint over an age graph";
    form->Controls().PopButton->click();
    EXPECT_EQ(HintShownOn(form->Controls().he), QStringLiteral("Equilibrium population level"))
        << "back with the population graph";

    form->Controls().CheckBox3->click();
    EXPECT_EQ(HintShownOn(form->Controls().he), QString()) << "hints switched off again";
    EXPECT_EQ(HintShownOn(form->Controls().Newbutton), QString()) << "for every control";
}

// The 20 s a hint stays up live in Qt's tip label, out of a test's reach short of waiting for them.
TEST_F(StartUp, HintsWakeUpAtOnce)
{
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 0) << "0 ms delay";
}

TEST_F(StartUp, MemoTimerBlinksRedAndYellow)
{
    EXPECT_EQ(form->Controls().MemoTimer->interval(), 500);
    EXPECT_TRUE(form->Controls().MemoTimer->isActive()) << "enabled from start-up";
    const QColor first = form->Controls().Memo1->palette().color(QPalette::WindowText);
    form->MemoTimerTimer();
    const QColor second = form->Controls().Memo1->palette().color(QPalette::WindowText);
    form->MemoTimerTimer();
    const QColor third = form->Controls().Memo1->palette().color(QPalette::WindowText);
    EXPECT_EQ(first, QColor(255, 0, 0)) << "red at start";
    EXPECT_EQ(second, QColor(255, 255, 0)) << "red becomes yellow";
    EXPECT_EQ(third, QColor(255, 0, 0)) << "yellow becomes red";
}

} // namespace
} // namespace vartel::test
