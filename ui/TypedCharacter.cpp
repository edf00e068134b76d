#include "ui/TypedCharacter.h"

#include <QKeyEvent>

namespace vartel {

std::optional<QChar> TypedCharacter(const QKeyEvent& event)
{
    const QString text = event.text();
    // Ctrl with Alt is AltGr on many keyboards, which types characters.
    const bool shortcut =
        event.modifiers().testFlag(Qt::ControlModifier) && !event.modifiers().testFlag(Qt::AltModifier);
    if (text.size() != 1 || shortcut)
        return std::nullopt;
    const QChar c = text.front();
    if (c.unicode() < 32 || c.unicode() == 127) // control characters: the editing keys
        return std::nullopt;
    return c;
}

} // namespace vartel
