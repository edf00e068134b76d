#include "ui/WholeNumberEdit.h"

#include "ui/Platform.h"

#include <QKeyEvent>

namespace vartel {

WholeNumberEdit::WholeNumberEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, &WholeNumberEdit::CutToMaxDigits);
}

void WholeNumberEdit::CutToMaxDigits()
{
    if (text().size() > MaxDigits)
        setText(text().left(MaxDigits));
}

void WholeNumberEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    // Shortcuts with Ctrl (the clipboard, undo, select all) insert nothing and pass.
    const bool shortcut = event->modifiers().testFlag(Qt::ControlModifier) &&
                          !event->modifiers().testFlag(Qt::AltModifier);
    if (typed.size() == 1 && !shortcut) {
        const QChar c = typed.front();
        const bool control = c.unicode() < 32;
        if (!control && !(c >= u'0' && c <= u'9')) {
            CurrentPlatform().Beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vartel
