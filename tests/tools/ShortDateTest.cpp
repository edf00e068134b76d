// The batch tool's date line: the short date formats Qt's locale data gives, without Qt.
#include "tools/ShortDate.h"

#include <gtest/gtest.h>

namespace vartel {
namespace {

TEST(ShortDate, FollowsTheLocaleAsTheWindowDoes)
{
    const CalendarDate date{2026, 12, 8};
    const struct {
        const char* locale;
        const char* shown;
    } cases[] = {
        {"", "8 Dec 2026"},          {"C", "8 Dec 2026"},           {"C.UTF-8", "8 Dec 2026"},
        {"POSIX", "8 Dec 2026"},     {"xx_YY", "8 Dec 2026"},       {"en_US.UTF-8", "12/8/26"},
        {"en", "12/8/26"},           {"en_GB.UTF-8", "08/12/2026"}, {"nl_NL.UTF-8", "08-12-2026"},
        {"nl", "08-12-2026"},        {"nl_BE.UTF-8", "8/12/2026"},  {"de_DE.UTF-8@euro", "08.12.26"},
        {"de_AT", "08.12.26"},       {"fr_FR.UTF-8", "08/12/2026"}, {"es_ES.UTF-8", "8/12/26"},
        {"it_IT.UTF-8", "08/12/26"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortDate(date, c.locale), c.shown) << "for the locale \"" << c.locale << "\"";
    EXPECT_EQ(ShortDate({2005, 3, 14}, "en_US"), "3/14/05") << "expected two-digit years padded";
    EXPECT_EQ(ShortDate({2005, 1, 1}, "C"), "1 Jan 2005");
}

} // namespace
} // namespace vartel
