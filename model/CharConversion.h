#pragma once
// Floating-point text conversions and bit casts that give the same results with every standard library:
// the library's own where it has them, otherwise (libc++ 13, in the browser edition) the same results
// made otherwise.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>
#include <type_traits>
#include <version>

#if __cpp_lib_bit_cast >= 201806L
#include <bit>
#endif

namespace vartel {

template <typename To, typename From> To BitCast(const From& from)
{
    static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<From>);
#if __cpp_lib_bit_cast >= 201806L
    return std::bit_cast<To>(from);
#else
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
#endif
}

// The C library's exact printf and strtod doing what std::to_chars and std::from_chars do; the browser
// edition's library (libc++ 13) has no floating-point forms of those.
namespace cstdio {

inline std::to_chars_result Printed(char* first, char* last, const char* format, int precision, double value)
{
    const int length = std::snprintf(first, static_cast<std::size_t>(last - first), format, precision, value);
    if (length < 0 || length >= last - first)
        return {last, std::errc::value_too_large};
    return {first + length, std::errc{}};
}

inline std::to_chars_result FixedChars(char* first, char* last, double value, int places)
{
    return Printed(first, last, "%.*f", places, value);
}

// The fewest digits that read back as `value`: printf rounds correctly, so the first precision that reads
// back is the shortest, and its digits are the nearest ones.
inline std::to_chars_result ShortestScientificChars(char* first, char* last, double value)
{
    for (int precision = 0;; ++precision) {
        const std::to_chars_result result = Printed(first, last, "%.*e", precision, value);
        if (result.ec != std::errc{} || precision >= std::numeric_limits<double>::max_digits10 ||
            std::strtod(std::string(first, result.ptr).c_str(), nullptr) == value)
            return result;
    }
}

// Only the plain form "[-]digits[.digits][e[+-]digits]" that the callers hand over (strtod of the C
// locale, which a program that never sets a locale keeps). Out of range, as std::from_chars tells it, is a
// value too large for a double or one that only rounds to zero.
inline std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value)
{
    const std::string text(first, last);
    char* end = nullptr;
    const double parsed = std::strtod(text.c_str(), &end);
    const char* ptr = first + (end - text.c_str());
    if (ptr == first)
        return {first, std::errc::invalid_argument};
    const std::string read = text.substr(0, static_cast<std::size_t>(end - text.c_str()));
    const std::string mantissa = read.substr(0, read.find_first_of("eE"));
    const bool nonZeroDigits = mantissa.find_first_of("123456789") != std::string::npos;
    if (parsed == std::numeric_limits<double>::infinity() || parsed == -std::numeric_limits<double>::infinity() ||
        (parsed == 0.0 && nonZeroDigits))
        return {ptr, std::errc::result_out_of_range};
    value = parsed;
    return {ptr, std::errc{}};
}

} // namespace cstdio

#if __cpp_lib_to_chars >= 201611L

// `value` with `places` decimals, correctly rounded, as std::to_chars with chars_format::fixed writes it.
inline std::to_chars_result FixedChars(char* first, char* last, double value, int places)
{
    return std::to_chars(first, last, value, std::chars_format::fixed, places);
}

// The shortest text that reads back as `value`, in the form "d.ddde+XX".
inline std::to_chars_result ShortestScientificChars(char* first, char* last, double value)
{
    return std::to_chars(first, last, value, std::chars_format::scientific);
}

inline std::from_chars_result DoubleFromChars(const char* first, const char* last, double& value)
{
    return std::from_chars(first, last, value);
}

#else

using cstdio::DoubleFromChars;
using cstdio::FixedChars;
using cstdio::ShortestScientificChars;

#endif

} // namespace vartel
