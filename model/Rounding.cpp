#include "model/Rounding.h"

#include "model/CharConversion.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

namespace vartel {

double RoundEven(double value)
{
    // Adding and taking away 2^52 leaves no bits below the units, and the addition itself rounds to
    // nearest with ties to even (the default floating-point mode, which the program never changes).
    constexpr double unitsOnly = 4503599627370496.0; // 2^52
    if (!(std::fabs(value) < unitsOnly))
        return value; // already whole, or not finite
    return value >= 0.0 ? (value + unitsOnly) - unitsOnly : -((-value + unitsOnly) - unitsOnly);
}

std::int64_t RoundEvenToInt(double value)
{
    const double rounded = RoundEven(value);
    if (std::isnan(rounded))
        return 0;
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (rounded >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (rounded < -limit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

namespace {

constexpr int SignificantDigits = 7;
constexpr int MaxDecimals = 18;

// A non-negative decimal number as digit strings: integer part without leading zeros ("0" for none)
// and the digits after the point.
struct DecimalText {
    std::string Integer;
    std::string Fraction;
};

DecimalText SplitFixedText(const char* begin, const char* end)
{
    DecimalText text;
    const char* point = std::find(begin, end, '.');
    text.Integer.assign(begin, point);
    if (point != end)
        text.Fraction.assign(point + 1, end);
    const auto firstNonZero = text.Integer.find_first_not_of('0');
    text.Integer = firstNonZero == std::string::npos ? "0" : text.Integer.substr(firstNonZero);
    return text;
}

// Number of digits after the point in the exact decimal expansion of a positive finite double.
int ExactFractionDigits(double magnitude)
{
    int exponent = 0;
    const double mantissa = std::frexp(magnitude, &exponent);
    const auto bits = static_cast<std::uint64_t>(std::ldexp(mantissa, 53));
    const int lowestBit = exponent - 53 + std::countr_zero(bits);
    return lowestBit < 0 ? -lowestBit : 0;
}

// Decimal exponent (floor of log10) of the exact value, from the exact digits.
int DecimalExponent(const DecimalText& exact)
{
    if (exact.Integer != "0")
        return static_cast<int>(exact.Integer.size()) - 1;
    const auto firstNonZero = exact.Fraction.find_first_not_of('0');
    return -static_cast<int>(firstNonZero) - 1;
}

DecimalText ExactDigits(double magnitude)
{
    char buffer[1600];
    const auto result = FixedChars(buffer, buffer + sizeof buffer, magnitude, ExactFractionDigits(magnitude));
    return SplitFixedText(buffer, result.ptr);
}

// Adds one unit in the last place of a digit string; may grow it by one digit.
void IncrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Rounds the exact digits half away from zero at `decimals` places (negative: tens, hundreds, ...).
DecimalText RoundHalfAway(const DecimalText& exact, int decimals)
{
    std::string digits = exact.Integer + exact.Fraction; // the value times 10^(fraction length)
    const int fractionLength = static_cast<int>(exact.Fraction.size());
    if (decimals < fractionLength) {
        const int keep = static_cast<int>(digits.size()) - (fractionLength - decimals);
        const bool up = keep >= 0 && digits[static_cast<std::size_t>(keep)] >= '5';
        digits.resize(static_cast<std::size_t>(std::max(keep, 0)));
        if (up)
            IncrementDigits(digits);
    } else {
        digits.append(static_cast<std::size_t>(decimals - fractionLength), '0');
    }
    // `digits` is now the rounded value times 10^decimals.
    DecimalText rounded;
    if (decimals >= 0) {
        const auto needed = static_cast<std::size_t>(decimals) + 1;
        if (digits.size() < needed)
            digits.insert(0, needed - digits.size(), '0');
        const std::size_t split = digits.size() - static_cast<std::size_t>(decimals);
        rounded.Integer = digits.substr(0, split);
        rounded.Fraction = digits.substr(split);
    } else {
        rounded.Integer = digits.empty() ? "0" : digits + std::string(static_cast<std::size_t>(-decimals), '0');
    }
    const auto firstNonZero = rounded.Integer.find_first_not_of('0');
    rounded.Integer = firstNonZero == std::string::npos ? "0" : rounded.Integer.substr(firstNonZero);
    return rounded;
}

std::string ExponentText(const std::string& integerDigits)
{
    std::string significant = integerDigits.substr(0, SignificantDigits);
    const auto lastNonZero = significant.find_last_not_of('0');
    significant.resize(lastNonZero + 1);
    std::string text(1, significant[0]);
    if (significant.size() > 1) {
        text += '.';
        text.append(significant, 1);
    }
    const std::string exponent = std::to_string(integerDigits.size() - 1);
    text += "E+";
    if (exponent.size() < 2)
        text += '0';
    return text + exponent;
}

bool HasNonZeroDigit(const DecimalText& text)
{
    return text.Integer != "0" || text.Fraction.find_first_not_of('0') != std::string::npos;
}

// The common case, below 10^7 with at most 4 decimals: with the double as m * 2^k, the magnitude times
// 10^places is m * 5^places * 2^(k + places), and m * 5^places fits 64 bits (53 bits times 5^4 < 2^11),
// so the half is decided exactly on integers.
constexpr int MaxExactDecimals = 4;

bool FormatSmall(double magnitude, int decimals, DecimalText& rounded)
{
    if (decimals > MaxExactDecimals || !(magnitude < 1e7))
        return false;
    int integerDigits = 0; // a magnitude below 1 leaves every decimal to the 7 significant digits
    for (double power = 1.0; magnitude >= power; power *= 10.0)
        ++integerDigits;
    const int places = std::min(decimals, SignificantDigits - integerDigits);

    const auto bits = BitCast<std::uint64_t>(magnitude);
    const auto biased = static_cast<int>(bits >> 52);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    int exponent = -1074;
    if (biased != 0) {
        mantissa |= std::uint64_t{1} << 52;
        exponent = biased - 1075;
    }
    for (int i = 0; i < places; ++i)
        mantissa *= 5;
    const int shift = -(exponent + places);
    std::uint64_t units = 0;
    if (shift <= 0) {
        units = mantissa << -shift; // below 10^7, so no bits are lost
    } else if (shift < 64) {
        units = mantissa >> shift;
        const std::uint64_t rest = mantissa & ((std::uint64_t{1} << shift) - 1);
        if (rest >= (std::uint64_t{1} << (shift - 1)))
            ++units;
    } // else below a half: 0

    char buffer[32];
    std::string digits(buffer, std::to_chars(buffer, buffer + sizeof buffer, units).ptr);
    const auto needed = static_cast<std::size_t>(places) + 1;
    if (digits.size() < needed)
        digits.insert(0, needed - digits.size(), '0');
    const std::size_t split = digits.size() - static_cast<std::size_t>(places);
    rounded.Integer = digits.substr(0, split);
    rounded.Fraction = digits.substr(split);
    return true;
}

} // namespace

std::string FormatFixed(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, MaxDecimals);
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";

    const double magnitude = std::fabs(value);
    DecimalText rounded;
    if (magnitude == 0.0) {
        rounded.Integer = "0";
    } else if (FormatSmall(magnitude, decimals, rounded)) {
        if (rounded.Integer.size() > static_cast<std::size_t>(SignificantDigits)) {
            std::string text = value < 0 ? "-" : "";
            return text.append(ExponentText(rounded.Integer));
        }
    } else {
        // The decade of the exact value, from the shortest form; only a bare power of ten ("1e+23") may
        // stand for a value just below it, so that one is settled from the exact digits.
        char shortest[64];
        const auto end = ShortestScientificChars(shortest, shortest + sizeof shortest, magnitude).ptr;
        const char* e = std::find(shortest, end, 'e');
        int exponent10 = 0;
        std::from_chars(e + 2, end, exponent10); // after the sign
        if (e[1] == '-')
            exponent10 = -exponent10;
        const bool barePowerOfTen = e == shortest + 1 && shortest[0] == '1';

        DecimalText exact;
        if (barePowerOfTen) {
            exact = ExactDigits(magnitude);
            exponent10 = DecimalExponent(exact);
        }
        const int places = std::min(decimals, SignificantDigits - 1 - exponent10);
        if (!barePowerOfTen && places >= 0 && ExactFractionDigits(magnitude) > places + 1) {
            // Correctly rounded and no exact half is possible at this place, so every rounding rule agrees.
            char buffer[400];
            const auto result = FixedChars(buffer, buffer + sizeof buffer, magnitude, places);
            rounded = SplitFixedText(buffer, result.ptr);
        } else {
            if (!barePowerOfTen)
                exact = ExactDigits(magnitude);
            rounded = RoundHalfAway(exact, places);
        }
        if (static_cast<int>(rounded.Integer.size()) > SignificantDigits) {
            std::string text = value < 0 ? "-" : "";
            return text.append(ExponentText(rounded.Integer));
        }
    }

    std::string text = value < 0 && HasNonZeroDigit(rounded) ? "-" : "";
    text += rounded.Integer;
    if (decimals > 0) {
        rounded.Fraction.resize(static_cast<std::size_t>(decimals), '0');
        text += '.';
        text += rounded.Fraction;
    }
    return text;
}

} // namespace vartel
