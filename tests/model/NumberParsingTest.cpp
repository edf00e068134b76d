#include "model/NumberParsing.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(ParseInteger, AcceptsSignAndDigitsOnly)
{
    EXPECT_EQ(ParseInteger("4200"), 4200) << "plain digits";
    EXPECT_EQ(ParseInteger("+50"), 50) << "a plus sign";
    EXPECT_EQ(ParseInteger("-7"), -7) << "a minus sign";
    EXPECT_EQ(ParseInteger("000123"), 123) << "leading zeros";
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647) << "the largest 32-bit value";
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1) << "the smallest 32-bit value";
    for (const char* bad : {"", "-", "+", "+-5", "12a", " 12", "12 ", "1.0", "1e3", "2147483648", "-2147483649",
                            "99999999999999999999999", "٣"}) {
        EXPECT_FALSE(ParseInteger(bad).has_value()) << "\"" << bad << "\" is not a 32-bit integer";
    }
}

TEST(ParseDecimal, AcceptsPascalStyleNumbersWithAPoint)
{
    struct Case {
        const char* Text;
        double Value;
    };
    const Case good[] = {{"3", 3},  {"3.25", 3.25}, {"-6", -6},     {"+0.5", 0.5},    {".5", 0.5},
                         {"5.", 5}, {"1e2", 100},   {"1E-2", 0.01}, {"-2.5e+1", -25}, {"0000.0001", 1e-4}};
    for (const auto& c : good) {
        const auto value = ParseDecimal(c.Text);
        ASSERT_TRUE(value.has_value()) << "\"" << c.Text << "\" is a number";
        EXPECT_EQ(*value, c.Value) << "\"" << c.Text << "\" is " << c.Value;
    }
    for (const char* bad : {"", "-", "+", ".", "+-5", "1e", "1e+", "e5", "1,5", "a", " 1", "1 ", "1.2.3", "inf", "nan",
                            "0x10", "1e99999", "--1", "1..2"}) {
        EXPECT_FALSE(ParseDecimal(bad).has_value()) << "\"" << bad << "\" is not a floating point value";
    }
}

TEST(ParseDecimal, PercentShiftIsExact)
{
    EXPECT_EQ(ParseDecimal("0.01", -2), 0.0001) << "0.01 % is exactly the fraction 0.0001";
    EXPECT_EQ(ParseDecimal("99", -2), 0.99) << "99 % is exactly the fraction 0.99";
    EXPECT_EQ(ParseDecimal("-6", -2), -0.06) << "-6 % is exactly the fraction -0.06";
    EXPECT_EQ(ParseDecimal("1e-99999", -2), 0.0) << "a value too small for a double is 0";
    EXPECT_EQ(ParseDecimal("-0.0000001e-400"), -0.0) << "a tiny negative value is 0 as well";
    EXPECT_EQ(ParseDecimal(std::string(5000, '9') + "e-4990", -2), 1e8) << "long digit strings round correctly";
    EXPECT_FALSE(ParseDecimal("0.001e400").has_value()) << "a value too large for a double is no number";
}

} // namespace
} // namespace vartel
