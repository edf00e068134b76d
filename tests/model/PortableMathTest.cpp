#include "model/math/PortableMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace vartel {
namespace {

struct Case {
    double Argument;
    double Expected; // exactly rounded, from 300-bit arithmetic
};

// Arguments the model meets (ratios of mortalities and populations, a fifth of a logarithm) and the ends of
// the range: the smallest normal and subnormal numbers, the largest double, results near overflow and
// in the subnormal range.
constexpr Case LogTable[] = {
    {0x1.0000000000000p-1, -0x1.62e42fefa39efp-1},    {0x1.0000000000000p+1, 0x1.62e42fefa39efp-1},
    {0x1.4000000000000p+3, 0x1.26bb1bbb55516p+1},     {0x1.56e1fc2f8f359p-997, -0x1.5963447f87fb5p+9},
    {0x1.7e43c8800759cp+996, 0x1.5963447f87fb5p+9},   {0x1.47ae147ae147bp-6, -0x1.f4bd2b7ac1bafp+1},
    {0x1.8000000000000p+0, 0x1.9f323ecbf984cp-2},     {0x1.fff2e48e8a71ep-1, -0x1.a3738d2cf1cc2p-14},
    {0x1.00068db8bac71p+0, 0x1.a368d0657fcd4p-14},    {0x1.34a456d5cfaadp+10, 0x1.c7951d51791d7p+2},
    {0x1.0000000000000p-1022, -0x1.6232bdd7abcd2p+9}, {0x0.0000000000001p-1022, -0x1.74385446d71c3p+9},
    {0x0.0000000006000p-1022, -0x1.6f2a4f5736e06p+9}, {0x1.8000000000000p-1, -0x1.269621134db92p-2},
    {0x1.8000000000000p+1, 0x1.193ea7aad030bp+0},     {0x1.4f8b588e368f1p-17, -0x1.7069e2aa2aa5bp+3},
    {0x1.e666666666666p-1, -0x1.a431d5bcc193ep-5},    {0x1.fffffffffffffp+1023, 0x1.62e42fefa39efp+9},
};
constexpr Case Log10Table[] = {
    {0x1.0000000000000p+1, 0x1.34413509f79ffp-2},     {0x1.8000000000000p+1, 0x1.e8927964fd5fdp-2},
    {0x1.47ae147ae147bp-6, -0x1.b2efb2bd82180p+0},    {0x1.4f8b588e368f1p-17, -0x1.4000000000000p+2},
    {0x1.0f0cf064dd592p+73, 0x1.6000000000000p+4},    {0x1.f400000000000p+9, 0x1.8000000000000p+1},
    {0x1.999999999999ap-4, -0x1.0000000000000p+0},    {0x1.81cd6c8b43958p+13, 0x1.05db618083a9ep+2},
    {0x1.0000000000000p-1, -0x1.34413509f79ffp-2},    {0x1.0cccccccccccdp+0, 0x1.5b2a5ca1f47ccp-6},
    {0x1.ff7ced916872bp-1, -0x1.c79e5dbf022b6p-12},   {0x1.c000000000000p+2, 0x1.b0b0b0b78cc3fp-1},
    {0x0.0000000000001p-1022, -0x1.434e6420f4374p+8}, {0x1.56e1fc2f8f359p-997, -0x1.2c00000000000p+8},
    {0x1.fffffffffffffp+1023, 0x1.34413509f79ffp+8},  {0x1.4000000000000p+0, 0x1.8cf183886480dp-4},
};
constexpr Case ExpTable[] = {
    {0x1.0000000000000p+0, 0x1.5bf0a8b145769p+1},     {-0x1.0000000000000p+0, 0x1.78b56362cef38p-2},
    {0x1.0000000000000p-1, 0x1.a61298e1e069cp+0},     {-0x1.909755fbce2f2p-1, 0x1.d447c6894b362p-2},
    {0x1.5e00000000000p+9, 0x1.d945df4f8ec8ep+1009},  {-0x1.5e00000000000p+9, 0x1.14f2b0fb9307fp-1010},
    {-0x1.7480000000000p+9, 0x0.0000000000001p-1022}, {0x1.62e3d70a3d70ap+9, 0x1.fe9ce5c4c52b4p+1023},
    {-0x1.999999999999ap-4, 0x1.cf46d99d52b3ap-1},    {0x1.b7cdfd9d7bdbbp-34, 0x1.000000006df38p+0},
    {-0x1.4000000000000p+4, 0x1.1b48655f37267p-29},   {0x1.8000000000000p+1, 0x1.415e5bf6fb106p+4},
    {-0x1.7200000000000p+9, 0x0.0000000000055p-1022}, {0x1.62e42fefa39efp-1, 0x1.0000000000000p+1},
};

template <std::size_t N> void ExpectAll(double (*function)(double), const Case (&table)[N], const char* name)
{
    for (const Case& c : table)
        EXPECT_EQ(std::bit_cast<std::uint64_t>(function(c.Argument)), std::bit_cast<std::uint64_t>(c.Expected))
            << name << "(" << std::hexfloat << c.Argument << ") gave " << function(c.Argument) << ", not "
            << c.Expected;
}

TEST(PortableMath, GivesTheExactlyRoundedValues)
{
    ExpectAll(math::Log, LogTable, "Log");
    ExpectAll(math::Log10, Log10Table, "Log10");
    ExpectAll(math::Exp, ExpTable, "Exp");
}

TEST(PortableMath, KeepsTheCLibrarysSpecialValues)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    for (auto log : {math::Log, math::Log10}) {
        EXPECT_EQ(log(0.0), -inf) << "the logarithm of 0 is -inf";
        EXPECT_EQ(log(-0.0), -inf) << "the logarithm of -0 is -inf";
        EXPECT_TRUE(std::isnan(log(-1.0))) << "no logarithm of a negative number";
        EXPECT_TRUE(std::isnan(log(-inf))) << "no logarithm of -inf";
        EXPECT_TRUE(std::isnan(log(-5e-324))) << "no logarithm of a negative subnormal";
        EXPECT_EQ(log(inf), inf) << "the logarithm of inf is inf";
        EXPECT_TRUE(std::isnan(log(nan))) << "NaN stays NaN";
        EXPECT_EQ(std::bit_cast<std::uint64_t>(log(1.0)), 0u) << "the logarithm of 1 is +0";
    }
    EXPECT_EQ(math::Exp(0.0), 1.0);
    EXPECT_EQ(math::Exp(-0.0), 1.0);
    EXPECT_EQ(math::Exp(5e-324), 1.0) << "a subnormal argument gives 1";
    EXPECT_EQ(math::Exp(inf), inf);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(math::Exp(-inf)), 0u) << "exp(-inf) is +0";
    EXPECT_TRUE(std::isnan(math::Exp(nan)));
    EXPECT_EQ(math::Exp(710.0), inf) << "overflow gives inf";
    EXPECT_EQ(math::Exp(-746.0), 0.0) << "underflow below the subnormals gives 0";
}

} // namespace
} // namespace vartel
