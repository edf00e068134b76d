#pragma once
// A typed or pasted text without the blanks around it, as the window's fields have always trimmed it.
#include <string>
#include <string_view>

namespace vartel {

// `text` (UTF-8) without leading and trailing white space: the ASCII blanks and controls \t \n \v \f \r,
// U+0085 and the Unicode space, line and paragraph separators. Blanks inside stay.
std::string TrimmedText(std::string_view text);

} // namespace vartel
