#pragma once
// What a typed key does in a number field of the window: the decimal fields take digits, a sign and one
// decimal separator; the whole-number fields take digits only. A decimal comma, which Dutch students write,
// is taken as the decimal separator, typed or pasted, so that "0,5" never becomes 5.
#include <optional>
#include <string>
#include <string_view>

namespace vartel {

enum class NumberField { Decimal, Whole };

// The character that `typed` puts into a field holding `text` (UTF-8) whose decimal separator is
// `separator` ('.' or ','), or nothing when the key is refused (with a beep). The separator is refused
// when the text holds one, even when typing would replace it.
std::optional<char32_t> TypedIntoNumberField(NumberField field, char32_t typed, std::string_view text, char separator);

// A pasted or dropped text in a decimal field: every comma read as the decimal separator.
std::string WithDecimalSeparator(std::string text, char separator);

} // namespace vartel
