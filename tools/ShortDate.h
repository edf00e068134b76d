#pragma once
// The date line of the data file as the window writes it: today in the short date format of the user's
// locale, chosen as Qt chooses it (LC_ALL, else LC_TIME, else LANG), for the locales of the table in
// ShortDate.cpp; any other locale gets the neutral "d MMM yyyy" ("10 Dec 2026"), as the C locale does.
#include <string>

namespace vartel {

struct CalendarDate {
    int Year;
    int Month; // 1..12
    int Day;   // 1..31
};

// `locale` as in LANG: "nl_NL.UTF-8", "de_DE@euro", "C", or empty.
std::string ShortDate(const CalendarDate& date, const std::string& locale);

// The locale the environment names for dates.
std::string DateLocaleOfEnvironment();
// Today in the computer's time zone.
CalendarDate Today();

} // namespace vartel
