#include "session/NumberKeyFilter.h"

#include <algorithm>

namespace vartel {

namespace {

bool IsDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

} // namespace

std::optional<char32_t> TypedIntoNumberField(NumberField field, char32_t typed, std::string_view text, char separator)
{
    if (field == NumberField::Whole)
        return IsDigit(typed) ? std::optional<char32_t>(typed) : std::nullopt;
    if (IsDigit(typed) || typed == U'+' || typed == U'-')
        return typed;
    const bool decimalMark = typed == static_cast<char32_t>(separator) || typed == U',';
    if (!decimalMark || text.find(separator) != std::string_view::npos)
        return std::nullopt;
    return static_cast<char32_t>(separator);
}

std::string WithDecimalSeparator(std::string text, char separator)
{
    std::replace(text.begin(), text.end(), ',', separator);
    return text;
}

} // namespace vartel
