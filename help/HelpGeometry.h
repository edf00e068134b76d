#pragma once
// Where the help window opens and how narrow it may become.
#include <QRect>
#include <QSize>

namespace vartel {

inline constexpr int HelpMinimumWidth = 300;

// At (40, 10), the screen width less 70 but at most 900 pixels wide, the screen height less 100 high.
QRect HelpWindowGeometry(const QSize& screen);

} // namespace vartel
