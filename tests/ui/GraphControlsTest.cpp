// The graph buttons, the scales and the zoom: enabled states, hints and the hint zones.
#include "WindowFixture.h"

#include "ui/HintZone.h"
#include "ui/ImageView.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>

namespace vartel::test {
namespace {

const QString AgeGraphHint = QStringLiteral("Choose from 4 types of  graph");

class GraphControls : public WindowTest {
protected:
    void ExpectZones(int h0Top, int h0Height, int heTop, const char* when)
    {
        EXPECT_EQ(form->Controls().h0->y(), h0Top) << when << ": h0 top";
        EXPECT_EQ(form->Controls().h0->height(), h0Height) << when << ": h0 height";
        EXPECT_EQ(form->Controls().he->y(), heTop) << when << ": he top";
        EXPECT_EQ(form->Controls().h0->x(), 90);
        EXPECT_EQ(form->Controls().he->width(), 751);
    }
};

TEST_F(GraphControls, ZoomButtonsAtStartUp)
{
    EXPECT_TRUE(form->Controls().Inbutton->isEnabled()) << "zoom in usable at 1";
    EXPECT_FALSE(form->Controls().Outbutton->isEnabled()) << "zoom out not usable at 1";
    EXPECT_EQ(form->Controls().h1->height(), 20) << "h1 over the overpopulation strip at zoom 1";
    ExpectZones(146, 0, 145 - 8, "after the reset"); // round(200000 / 25000) = 8
}

TEST_F(GraphControls, ZoomWalksTheSequenceAndSetsTheZones)
{
    const int sequence[] = {2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 20000};
    for (int zoom : sequence) {
        ASSERT_TRUE(form->Controls().Inbutton->isEnabled()) << "zoom in usable below 20000";
        form->Controls().Inbutton->click();
        EXPECT_EQ(S().ZoomFactor, zoom);
        EXPECT_EQ(form->Controls().h1->height(), 0) << "no overpopulation zone above zoom 1";
        EXPECT_TRUE(form->Controls().Outbutton->isEnabled());
    }
    EXPECT_FALSE(form->Controls().Inbutton->isEnabled()) << "disabled at 20000";
    // d50 = round(20000 * 50 / 25000) = 40; dE = round(20000 * 200000 / 25000) = 160000.
    ExpectZones(106, 40, 145 - 160000, "at zoom 20000");
    for (int i = 0; i < 13; ++i)
        form->Controls().Outbutton->click();
    EXPECT_EQ(S().ZoomFactor, 1);
    EXPECT_FALSE(form->Controls().Outbutton->isEnabled()) << "disabled at 1";
    EXPECT_EQ(form->Controls().h1->height(), 20) << "back to 20 at zoom 1";
}

TEST_F(GraphControls, LogarithmicScaleDisablesZoomAndPlacesTheZones)
{
    form->Controls().Logscale->click();
    EXPECT_FALSE(form->Controls().Inbutton->isEnabled());
    EXPECT_FALSE(form->Controls().Outbutton->isEnabled());
    EXPECT_EQ(form->Controls().h1->height(), 10) << "h1 on the logarithmic scale";
    ExpectZones(111, 34, 145 - 106, "logarithmic"); // round(20 * log10(200000)) = 106
    form->Controls().Linscale->click();
    EXPECT_TRUE(form->Controls().Inbutton->isEnabled());
    EXPECT_FALSE(form->Controls().Outbutton->isEnabled());
    ExpectZones(146, 0, 146 - 8, "linear after the scale click");
}

TEST_F(GraphControls, AgeGraphButtonsSwitchScalesZoomAndHints)
{
    form->Controls().BirthButton->click();
    EXPECT_EQ(S().GraphMode, 2);
    EXPECT_FALSE(form->Controls().Linscale->isEnabled() || form->Controls().Logscale->isEnabled())
        << "birth graph: scales greyed";
    EXPECT_FALSE(form->Controls().Inbutton->isEnabled() || form->Controls().Outbutton->isEnabled()) << "no zoom";
    EXPECT_FALSE(form->Controls().h0->HintShown() || form->Controls().h1->HintShown() ||
                 form->Controls().he->HintShown())
        << "zone hints off";
    EXPECT_EQ(form->Controls().Image2->toolTip(), AgeGraphHint);
    EXPECT_EQ(form->Controls().Image2->Picture().PixelColor(2, 2), Rgb(221, 255, 221)) << "birth graph background";

    form->Controls().DeathButton->click();
    EXPECT_EQ(S().GraphMode, 3);
    EXPECT_TRUE(form->Controls().Linscale->isEnabled() && form->Controls().Logscale->isEnabled())
        << "mortality follows the scale";
    EXPECT_FALSE(form->Controls().Inbutton->isEnabled());

    form->Controls().lifebutton->click();
    EXPECT_EQ(S().GraphMode, 4);
    EXPECT_FALSE(form->Controls().Linscale->isEnabled());
    EXPECT_TRUE(form->Controls().Linscale->isChecked()) << "the checked state is kept";

    form->Controls().PopButton->click();
    EXPECT_EQ(S().GraphMode, 1);
    EXPECT_TRUE(form->Controls().Linscale->isEnabled());
    EXPECT_TRUE(form->Controls().h0->HintShown() && form->Controls().h1->HintShown() &&
                form->Controls().he->HintShown())
        << "zone hints on";
    EXPECT_TRUE(form->Controls().Inbutton->isEnabled());
    EXPECT_EQ(form->Controls().Image2->toolTip(),
              QStringLiteral("Move the mouse through the graph while the simulation pauses to see the population "
                             "pyramid of each moment in time"));
}

TEST_F(GraphControls, ResetRestoresThePopulationGraphAndKeepsTheZoom)
{
    form->Controls().Inbutton->click();
    form->Controls().Inbutton->click(); // 5
    form->Controls().BirthButton->click();
    form->Controls().Newbutton->click();
    EXPECT_EQ(S().GraphMode, 1);
    EXPECT_EQ(S().ZoomFactor, 5) << "the reset keeps the zoom";
    EXPECT_TRUE(form->Controls().Linscale->isEnabled() && form->Controls().Logscale->isEnabled());
    EXPECT_TRUE(form->Controls().h1->HintShown()) << "the reset switches the h1 hint on";
    EXPECT_TRUE(form->Controls().Inbutton->isEnabled() && form->Controls().Outbutton->isEnabled());
    ExpectZones(146, 0, 145 - 40, "after a reset at zoom 5"); // round(5 * 200000 / 25000) = 40
}

TEST_F(GraphControls, HintZonesSwallowTheMouse)
{
    QSignalSpy moves(form->Controls().Image2, &ImageView::MouseMoved);
    QTest::mouseMove(form->Controls().he, QPoint(100, 1));
    Pump();
    EXPECT_EQ(moves.count(), 0) << "the graph under a zone receives no mouse movement";
    QTest::mouseMove(form->Controls().Panel2, QPoint(400, 90));
    Pump();
    EXPECT_GE(moves.count(), 1) << "elsewhere the graph reports the mouse";
}

TEST_F(GraphControls, StretchedMapReportsPicturePixels)
{
    QSignalSpy moves(form->Controls().Map, &ImageView::MouseMoved);
    QTest::mouseMove(form->Controls().Map, QPoint(399, 229));
    Pump();
    ASSERT_GE(moves.count(), 1);
    EXPECT_EQ(moves.last().at(0).toInt(), 394) << "400 wide shown, 395 wide picture";
    EXPECT_EQ(moves.last().at(1).toInt(), 222);
}

} // namespace
} // namespace vartel::test
