#pragma once
// What the key filters of the parameter fields judge: the character a key press types. Editing keys
// (Backspace, Delete, the arrows, Home, End, Tab, Enter; Qt gives Delete the text "\x7f") and shortcuts
// with Ctrl type nothing and always pass to the field.
#include <optional>

#include <QChar>

class QKeyEvent;

namespace vartel {

std::optional<QChar> TypedCharacter(const QKeyEvent& event);

} // namespace vartel
