#pragma once
#include <cstdint>
#include <string>

namespace vartel {

// Round to the nearest integer, an exact half to the even neighbour (2.5 -> 2, 3.5 -> 4).
double RoundEven(double value);
std::int64_t RoundEvenToInt(double value);

// Fixed-point text: rounded once, half away from zero, from the exact binary value, at the coarser of
// `decimals` decimals and 7 significant digits; padded to exactly `decimals` decimals; "." as separator;
// never "-0". More than 7 digits before the point: 7 significant digits in exponent form ("1.772777E+27").
std::string FormatFixed(double value, int decimals);

} // namespace vartel
