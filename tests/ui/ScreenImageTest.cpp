// What the window shows of the graph is its picture: the yearly update repaints only the new curve
// segment, so a box too small would leave stale pixels on the screen.
#include "WindowFixture.h"

#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>

namespace vartel::test {
namespace {

using ScreenImage = WindowTest;

// The pixels of the window's backing store under the view, against the view's picture; the count that differ.
int StalePixels(TForm1& form, ImageView& view)
{
    QCoreApplication::processEvents();
    const QPoint origin = view.mapTo(&form, QPoint(0, 0));
    const QImage shown = form.screen()
                             ->grabWindow(form.winId(), origin.x(), origin.y(), view.width(), view.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    const QImage& picture = view.Picture();
    if (shown.size() != picture.size())
        return picture.width() * picture.height();
    int stale = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            stale += shown.pixel(x, y) != picture.pixel(x, y);
    return stale;
}

TEST_F(ScreenImage, TheGraphOnScreenFollowsItsPictureYearByYear)
{
    form->TrackBar1->setValue(4);
    form->StartButton->click();
    for (int year : {1, 2, 10, 700, 1500}) {
        ASSERT_TRUE(RunUntil([&] { return S().Year >= year; }));
        form->StartButton->click(); // pause
        EXPECT_EQ(StalePixels(*form, *form->Image2), 0) << "graph pixels not shown at year " << S().Year;
        form->StartButton->click();
    }
    ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
    EXPECT_EQ(StalePixels(*form, *form->Image2), 0) << "graph pixels not shown after the run";
}

TEST_F(ScreenImage, TheGraphOnScreenFollowsARealisticRunOnTheLogarithmicScale)
{
    form->RadioButtons[6]->click();
    form->Logscale->click();
    form->TrackBar1->setValue(4);
    form->StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 1200; }));
    form->StartButton->click();
    EXPECT_EQ(StalePixels(*form, *form->Image2), 0) << "graph pixels not shown at year " << S().Year;
    form->StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return !S().Running; }));
    EXPECT_EQ(StalePixels(*form, *form->Image2), 0) << "graph pixels not shown after the run";
}

} // namespace
} // namespace vartel::test
