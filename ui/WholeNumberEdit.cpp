#include "ui/WholeNumberEdit.h"

#include "platform/Platform.h"
#include "session/NumberKeyFilter.h"
#include "ui/TypedCharacter.h"

#include <QKeyEvent>

namespace vartel {

WholeNumberEdit::WholeNumberEdit(Platform& platform, QWidget* parent) : QLineEdit(parent), platform_(platform)
{
    connect(this, &QLineEdit::textChanged, this, &WholeNumberEdit::CutToMaxDigits);
}

void WholeNumberEdit::CutToMaxDigits()
{
    if (text().size() <= MaxDigits)
        return;
    // A pasted text that is cut stays the student's edit.
    const bool edited = isModified();
    setText(text().left(MaxDigits));
    setModified(edited);
}

void WholeNumberEdit::keyPressEvent(QKeyEvent* event)
{
    if (const std::optional<QChar> typed = TypedCharacter(*event)) {
        if (!TypedIntoNumberField(NumberField::Whole, typed->unicode(), text().toStdString(), '.')) {
            platform_.Beep();
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace vartel
