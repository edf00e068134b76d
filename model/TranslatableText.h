#pragma once
// Texts that the window shows in the user's language are written in English here and marked for the
// translation tools (lupdate takes VARTEL_TRANSLATE_NOOP for QT_TRANSLATE_NOOP). The mark changes nothing:
// the model, the data file and the batch tool keep the English, and the window looks up the translation
// under the same context when it shows the text.
#include <string>

#define VARTEL_TRANSLATE_NOOP(context, text) text

namespace vartel {

// A pattern with one value filled in for "%1", as the window's translation fills in its own pattern.
inline std::string FillIn(const std::string& pattern, const std::string& value)
{
    std::string text = pattern;
    const std::size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, value);
    return text;
}

} // namespace vartel
