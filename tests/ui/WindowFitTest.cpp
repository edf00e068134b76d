// The ratio at which the window and its frame fit a screen's available area.
#include "ui/WindowFit.h"

#include <gtest/gtest.h>

namespace vartel::test {
namespace {

struct FitCase {
    QSize Available; // device pixels
    double DesktopRatio;
    double Expected;
    const char* Screen;
};

TEST(WindowFit, TheLargestRatioThatFitsInHundredths)
{
    const QSize client(865, 643);
    const QMargins frame(1, 24, 1, 1); // a title bar of 24 device pixels
    const FitCase cases[] = {
        {{1920, 1080}, 1.0, 1.0, "full HD at 100 %: fits as it is"},
        {{2560, 1440}, 2.0, 2.0, "QHD at 200 %: 1755 x 1311 fits"},
        {{1920, 1080}, 1.75, 1.63, "full HD at 175 %: 1053 rows of room for 643 logical rows"},
        {{1280, 800}, 1.25, 1.20, "1280 x 800 at 125 %: 773 rows of room"},
        {{1280, 720}, 1.25, 1.07, "1280 x 720 at 125 %"},
        {{1366, 670}, 1.0, 1.0, "exactly the window, its frame and two pixels"},
        {{1366, 669}, 1.0, 0.99, "a pixel less"},
        {{1024, 600}, 1.0, 0.89, "a netbook holds the window only below 1"},
        {{4000, 4000}, 0.5, 0.5, "a ratio below 1 that fits stays"},
    };
    for (const FitCase& c : cases)
        EXPECT_DOUBLE_EQ(FittingRatio(c.Available, frame, client, c.DesktopRatio), c.Expected) << c.Screen;
}

TEST(WindowFit, TheWidthCanBeWhatLimits)
{
    EXPECT_DOUBLE_EQ(FittingRatio({1000, 2000}, {}, {865, 643}, 1.5), 1.15) << "998 / 865 = 1.154";
    EXPECT_GT(FittingRatio({1, 1}, {}, {865, 643}, 1.0), 0) << "never zero, whatever the screen";
}

} // namespace
} // namespace vartel::test
