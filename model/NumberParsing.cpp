#include "model/NumberParsing.h"

#include "model/CharConversion.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <string>

namespace vartel {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

} // namespace

std::optional<int> ParseInteger(std::string_view text)
{
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    const std::size_t digitsBegin = at;
    if (SkipDigits(text, at) != text.size() || digitsBegin == text.size())
        return std::nullopt;
    std::int64_t value = 0;
    constexpr std::int64_t limit = static_cast<std::int64_t>(std::numeric_limits<int>::max()) + 1;
    for (std::size_t i = digitsBegin; i < text.size(); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

std::optional<double> ParseDecimal(std::string_view text, int decimalShift)
{
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    const std::size_t integerBegin = at;
    at = SkipDigits(text, at);
    std::string_view integerDigits = text.substr(integerBegin, at - integerBegin);
    std::string_view fractionDigits;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fractionBegin = ++at;
        at = SkipDigits(text, at);
        fractionDigits = text.substr(fractionBegin, at - fractionBegin);
    }
    if (integerDigits.empty() && fractionDigits.empty())
        return std::nullopt;

    // The exponent saturates: beyond a few thousand the value is zero or out of range anyway.
    constexpr std::int64_t exponentCap = 100000;
    std::int64_t exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        bool exponentNegative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            exponentNegative = text[at++] == '-';
        const std::size_t exponentBegin = at;
        at = SkipDigits(text, at);
        if (at == exponentBegin)
            return std::nullopt;
        for (std::size_t i = exponentBegin; i < at; ++i) {
            if (exponent < exponentCap)
                exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentNegative)
            exponent = -exponent;
    }
    if (at != text.size())
        return std::nullopt;

    std::string normalized(integerDigits.empty() ? "0" : integerDigits);
    normalized += '.';
    normalized += fractionDigits.empty() ? "0" : fractionDigits;
    normalized += 'e';
    normalized += std::to_string(exponent + decimalShift);
    double value = 0.0;
    const auto result = DoubleFromChars(normalized.data(), normalized.data() + normalized.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Below the smallest double the value is zero; above the largest it is no number.
        const auto integerStart = integerDigits.find_first_not_of('0');
        const std::int64_t magnitude = integerStart != std::string_view::npos
                                           ? static_cast<std::int64_t>(integerDigits.size() - integerStart)
                                           : -static_cast<std::int64_t>(fractionDigits.find_first_not_of('0'));
        if (magnitude + exponent + decimalShift > 0)
            return std::nullopt;
        value = 0.0;
    } else if (result.ec != std::errc{} || result.ptr != normalized.data() + normalized.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace vartel
