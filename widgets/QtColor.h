#pragma once
// The one translation from the model's colours to Qt's, for the canvases and the window alike.
#include "model/Color.h"

#include <QColor>
#include <QRgb>

namespace vartel {

inline QColor ToQColor(Color c)
{
    return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}
inline QRgb ToQRgb(Color c)
{
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

} // namespace vartel
