#include "help/HelpGeometry.h"

#include <algorithm>

namespace vartel {

QRect HelpWindowGeometry(const QSize& screen)
{
    const int width = std::max(std::min(screen.width() - 70, 900), HelpMinimumWidth);
    const int height = std::max(screen.height() - 100, 100); // a usable window even on a tiny screen
    return QRect(40, 10, width, height);
}

} // namespace vartel
