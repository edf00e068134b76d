#include "model/Rounding.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>

namespace vartel {
namespace {

TEST(RoundEven, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double Value;
        double Expected;
    };
    const Case cases[] = {{2.5, 2},
                          {3.5, 4},
                          {12.5, 12},
                          {13.5, 14},
                          {0.5, 0},
                          {1.5, 2},
                          {-2.5, -2},
                          {-3.5, -4},
                          {2.4999999999999996, 2},
                          {2.5000000000000004, 3},
                          {-0.4, 0},
                          {7, 7}};
    for (const auto& c : cases) {
        EXPECT_EQ(RoundEven(c.Value), c.Expected) << "RoundEven(" << c.Value << ") should be " << c.Expected;
    }
    EXPECT_EQ(RoundEvenToInt(4343.5), 4344) << "4343.5 should round to the even 4344";
    EXPECT_EQ(RoundEvenToInt(1e300), INT64_MAX) << "a huge value should saturate instead of overflowing";
    EXPECT_EQ(RoundEvenToInt(std::nan("")), 0) << "NaN should give 0, not undefined behaviour";
}

struct FormatCase {
    double Value;
    int Decimals;
    const char* Expected;
};

void ExpectFormats(const FormatCase* begin, const FormatCase* end)
{
    for (const auto* c = begin; c != end; ++c) {
        EXPECT_EQ(FormatFixed(c->Value, c->Decimals), c->Expected)
            << "FormatFixed(" << c->Value << ", " << c->Decimals << ") should be \"" << c->Expected << "\"";
    }
}

TEST(FormatFixed, RoundsOnceFromTheExactBinaryValue)
{
    const FormatCase cases[] = {
        {5.15654996, 4, "5.1565"}, // not 5.1566 via an earlier rounding to 5.15655
        {1.005, 2, "1.00"},        // exactly 1.00499999999999989...
        {0.045, 2, "0.04"},        // exactly 0.04499999999999999833...
        {0.125, 2, "0.13"},        // an exact half goes away from zero
        {0.375, 2, "0.38"},
        {2.5, 0, "3"},
        {0.5, 0, "1"},
        {-2.5, 0, "-3"},
        {-0.125, 2, "-0.13"},
        {3.4300000000000068, 2, "3.43"},
        {1.0 / 3.0, 4, "0.3333"},
        {2.0 / 3.0, 1, "0.7"},
        {63.6123, 1, "63.6"},
        {23.875, 1, "23.9"},
        {23.85, 1, "23.9"},         // 23.850000000000001421...
        {0.95, 1, "0.9"},           // 0.94999999999999995559...
        {0.0000005, 6, "0.000000"}, // general path: exactly 4.99999999999999977e-7, below the half
        {0.0078125, 6, "0.007813"}, // general path, exact half
        {1234567.5, 0, "1234568"},
        {2345678.5, 0, "2345679"}, // half away from zero, not to even
    };
    ExpectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatFixed, PadsToTheDecimalsAndKeepsSevenSignificantDigits)
{
    const FormatCase cases[] = {
        {3, 4, "3.0000"},
        {0.1, 2, "0.10"},
        {0, 2, "0.00"},
        {200000, 0, "200000"},
        {1234567.891, 2, "1234568.00"},
        {12345.678, 4, "12345.6800"},
        {99999.995, 2, "99999.99"},
        {123456.75, 2, "123456.80"},
        {-25, 2, "-25.00"},
        {-100, 2, "-100.00"},
        {0.000123456, 2, "0.00"},
        {7, 0, "7"},
    };
    ExpectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatFixed, NegativeZeroHasNoMinus)
{
    const FormatCase cases[] = {{-0.0, 2, "0.00"},    {-0.001, 2, "0.00"}, {-0.004999, 2, "0.00"},
                                {-0.005, 2, "-0.01"}, {-0.04, 1, "0.0"},   {-0.4, 0, "0"}};
    ExpectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatFixed, MoreThanSevenIntegerDigitsGoToExponentForm)
{
    const FormatCase cases[] = {
        {1.7727774e27, 2, "1.772777E+27"},
        {9999999.5, 0, "1E+07"}, // the exact half rounds up into eight digits
        {9999999.6, 1, "1E+07"},
        {9999999.4, 1, "9999999.0"},
        {12345678, 0, "1.234568E+07"},
        {12345665, 2, "1.234567E+07"}, // exact half at the seventh digit, away from zero
        {-12345665, 2, "-1.234567E+07"},
        {10000000, 2, "1E+07"},
        {1e23, 2, "1E+23"}, // the double just below 10^23
        {1e300, 0, "1E+300"},
        {31415926535.0, 4, "3.141593E+10"},
    };
    ExpectFormats(std::begin(cases), std::end(cases));
}

TEST(FormatFixed, NonFiniteValuesGiveAWordInsteadOfGarbage)
{
    EXPECT_EQ(FormatFixed(std::nan(""), 2), "NAN") << "NaN should be shown as NAN";
    EXPECT_EQ(FormatFixed(1.0 / 0.0, 2), "INF") << "infinity should be shown as INF";
    EXPECT_EQ(FormatFixed(-1.0 / 0.0, 2), "-INF") << "minus infinity should be shown as -INF";
}

TEST(FormatFixed, AgreesWithCorrectlyRoundedPrintfAwayFromTies)
{
    // Random doubles are never exact halves, so a correctly rounded printf must agree.
    std::mt19937_64 engine(7);
    std::uniform_real_distribution<double> values(-99999.0, 99999.0);
    for (int i = 0; i < 20000; ++i) {
        const double value = values(engine);
        for (int decimals : {1, 2}) {
            char expected[64];
            std::snprintf(expected, sizeof expected, "%.*f", decimals, value);
            std::string reference = expected;
            if (reference.find_first_of("123456789") == std::string::npos && reference[0] == '-') {
                reference.erase(0, 1);
            }
            ASSERT_EQ(FormatFixed(value, decimals), reference)
                << "FormatFixed should match printf for " << value << " with " << decimals << " decimals";
        }
    }
    // Six decimals below 1 take the general path.
    std::uniform_real_distribution<double> fractions(-1.0, 1.0);
    for (int i = 0; i < 5000; ++i) {
        const double value = fractions(engine);
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.6f", value);
        std::string reference = expected;
        if (reference.find_first_of("123456789") == std::string::npos && reference[0] == '-')
            reference.erase(0, 1);
        ASSERT_EQ(FormatFixed(value, 6), reference) << "FormatFixed should match printf for " << value << " with 6";
    }
}

} // namespace
} // namespace vartel
