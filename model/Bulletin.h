#pragma once
#include "model/Model.h"

namespace vartel {

// Posts a message on the board; nothing happens when the text is the board's current text.
void PostBulletin(Model& m, Color background, Color fontColor, int fontSize, const std::string& text, bool alarm);
// Chooses the message of the current year (the last part of ShowResults).
void ChooseBulletin(Model& m);

} // namespace vartel
