#include "ui/ClickSelectsAll.h"

#include <QEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace vartel {

bool ClickSelectsAll::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            // After the field's own handling, which places the cursor.
            field->event(event);
            field->selectAll();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vartel
