#pragma once
// The window's text for an English text of the model or the views, which mark their texts with
// VARTEL_TRANSLATE_NOOP and keep them English.
#include "session/RunState.h"

#include <QString>

#include <string>

namespace vartel {

// The translation of `english` under `context`; a text filled in from one of the model's patterns
// ("''%1'' is not a valid integer value") becomes the translated pattern with the same value. Texts
// without a translation (and every text in English) come back as they are.
QString Translated(const char* context, const std::string& english);

// The Start button's caption for a state of the run, in the user's language.
QString StartCaption(RunState state);

} // namespace vartel
