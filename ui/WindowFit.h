#pragma once
// The window on a screen too small for it at the desktop's scale (a laptop at 125 %, a classroom screen at
// 175 %). Qt has no scale factor of its own for one window: the whole program is drawn at another device
// pixel ratio by starting it again with QT_SCALE_FACTOR chosen so that the window and its title bar fit the
// screen's available area; Qt then draws everything crisp at that ratio, as at any other.
#include <QMargins>
#include <QSize>

#include <optional>

class QWidget;

namespace vartel {

// The device pixels per logical pixel at which a client of `client` logical pixels and its window frame
// (`frame`, device pixels) fit `available` device pixels: `ratio` (the desktop's) when it fits, otherwise
// the largest ratio in hundredths that fits with two device pixels to spare, and never below 1 where the
// screen holds the window at 1.
double FittingRatio(QSize available, QMargins frame, QSize client, double ratio);

// Where the shown `window` does not fit its screen's available area at the current ratio: the
// QT_SCALE_FACTOR that makes it fit (the present one times the fitting ratio over the current ratio).
std::optional<double> ScaleFactorToFit(const QWidget& window);

// Moves the shown `window` so that its frame, title bar included, lies inside its screen's available area
// as far as it can.
void KeepFrameOnScreen(QWidget& window);

} // namespace vartel
