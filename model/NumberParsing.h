#pragma once
// Conversions of field texts, independent of the C locale: "." is the only decimal separator.
#include <optional>
#include <string_view>

namespace vartel {

// Optional sign and decimal digits, within 32 bits; nothing else (no blanks).
std::optional<int> ParseInteger(std::string_view text);

// Optional sign, digits, optional "." with digits, optional exponent ("e" or "E", optional sign, digits);
// at least one digit before the exponent. The value is multiplied by 10^decimalShift exactly before it is
// rounded to a double (-2 turns a percentage into a fraction). Out of the range of a double: no value.
std::optional<double> ParseDecimal(std::string_view text, int decimalShift = 0);

} // namespace vartel
