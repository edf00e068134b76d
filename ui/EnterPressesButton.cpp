#include "ui/EnterPressesButton.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace vartel {

bool EnterPressesButton::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            if (auto* button = qobject_cast<QAbstractButton*>(watched)) {
                if (!key->isAutoRepeat())
                    button->click();
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vartel
