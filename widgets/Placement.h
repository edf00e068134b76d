#pragma once
// A control given its name, absolute geometry and hint in one call.
#include <QString>

class QWidget;

namespace vartel {

struct Geometry {
    int Left, Top, Width, Height;
};

// Places a control and names it; the hint is its tool tip.
void PlaceWidget(QWidget* widget, const char* name, Geometry g, const QString& hint);
template <typename W> W* Place(W* widget, const char* name, Geometry g, const QString& hint = {})
{
    PlaceWidget(widget, name, g, hint);
    return widget;
}

} // namespace vartel
