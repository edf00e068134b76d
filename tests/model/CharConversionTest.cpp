// The C library's stand-ins for the floating-point std::to_chars and std::from_chars (used where the
// standard library lacks them) give the same texts, values and range errors as the library's own.
#include "model/CharConversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace vartel {
namespace {

std::vector<double> Samples()
{
    std::vector<double> values{0.0,
                               1.0,
                               0.1,
                               0.5,
                               2.5,
                               1e23,
                               9.999999999999999e22,
                               123456.789,
                               5e-324,
                               2.2250738585072014e-308,
                               std::numeric_limits<double>::max(),
                               0.30000000000000004,
                               1234567.5,
                               1e-7};
    std::mt19937_64 bits(7);
    for (int i = 0; i < 2000; ++i) {
        const double value = BitCast<double>(bits());
        if (std::isfinite(value))
            values.push_back(std::fabs(value));
    }
    std::mt19937_64 figures(11);
    std::uniform_real_distribution<double> population(0.0, 1e7);
    for (int i = 0; i < 2000; ++i)
        values.push_back(population(figures));
    return values;
}

std::string Text(std::to_chars_result result, char* buffer)
{
    EXPECT_EQ(result.ec, std::errc{});
    return std::string(buffer, result.ptr);
}

TEST(CharConversion, PrintfGivesTheLibrarysFixedAndShortestTexts)
{
    char mine[1600];
    char library[1600];
    for (const double value : Samples()) {
        EXPECT_EQ(Text(cstdio::ShortestScientificChars(mine, mine + sizeof mine, value), mine),
                  Text(std::to_chars(library, library + sizeof library, value, std::chars_format::scientific), library))
            << value;
        for (const int places : {0, 1, 2, 4, 7, 20}) {
            EXPECT_EQ(Text(cstdio::FixedChars(mine, mine + sizeof mine, value, places), mine),
                      Text(std::to_chars(library, library + sizeof library, value, std::chars_format::fixed, places),
                           library))
                << value << " with " << places << " places";
        }
    }
}

TEST(CharConversion, StrtodReadsAsTheLibraryReads)
{
    const std::vector<std::string> texts{
        "0.0e0",    "1.5e0",   "0.1e0",   "12.345e2", "4.9e-324", "2.4e-324",  "1.0e-400",
        "0.0e-400", "1.7e308", "1.8e308", "1.0e400",  "-2.5e1",   "000.000e5", "9.999999999999999e22",
        "1e23",     "x"};
    for (const std::string& text : texts) {
        double mine = -1.0;
        double library = -1.0;
        const auto mineResult = cstdio::DoubleFromChars(text.data(), text.data() + text.size(), mine);
        const auto libraryResult = std::from_chars(text.data(), text.data() + text.size(), library);
        EXPECT_EQ(mineResult.ec, libraryResult.ec) << text;
        EXPECT_EQ(mineResult.ptr, libraryResult.ptr) << text;
        if (libraryResult.ec == std::errc{}) {
            EXPECT_EQ(BitCast<std::uint64_t>(mine), BitCast<std::uint64_t>(library)) << text;
        }
    }
}

} // namespace
} // namespace vartel
