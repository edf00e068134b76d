#include "widgets/Placement.h"

#include <QWidget>

namespace vartel {

void PlaceWidget(QWidget* widget, const char* name, Geometry g, const QString& hint)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(g.Left, g.Top, g.Width, g.Height);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
}

} // namespace vartel
