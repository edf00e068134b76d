#pragma once
#include "model/Color.h"

#include <QColor>

namespace vartel {

inline QColor ToQColor(Color c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace vartel
