#include "tools/ShortDate.h"

#include <array>
#include <cstdlib>
#include <ctime>

namespace vartel {

namespace {

struct LocalePattern {
    const char* Name; // language, or language_TERRITORY
    const char* Pattern;
};

// The short date formats of Qt's locale data for the locales a Vartel classroom is likely to run in; a
// language alone stands for the territory Qt picks for it.
constexpr std::array<LocalePattern, 12> Patterns{{
    {"en_US", "M/d/yy"},
    {"en_GB", "dd/MM/yyyy"},
    {"en", "M/d/yy"},
    {"nl_BE", "d/MM/yyyy"},
    {"nl", "dd-MM-yyyy"},
    {"de", "dd.MM.yy"},
    {"fr_FR", "dd/MM/yyyy"},
    {"fr", "dd/MM/yyyy"},
    {"es_ES", "d/M/yy"},
    {"es", "d/M/yy"},
    {"it_IT", "dd/MM/yy"},
    {"it", "dd/MM/yy"},
}};

constexpr const char* NeutralPattern = "d MMM yyyy";
constexpr std::array<const char*, 12> MonthAbbreviations{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const char* PatternFor(const std::string& locale)
{
    // "nl_NL.UTF-8@euro" -> "nl_NL", then "nl".
    const std::string name = locale.substr(0, locale.find_first_of(".@"));
    const std::string language = name.substr(0, name.find('_'));
    for (const std::string& key : {name, language})
        for (const LocalePattern& entry : Patterns)
            if (key == entry.Name)
                return entry.Pattern;
    return NeutralPattern;
}

std::string Padded(int value, std::size_t digits)
{
    std::string text = std::to_string(value);
    return text.size() < digits ? std::string(digits - text.size(), '0') + text : text;
}

} // namespace

std::string ShortDate(const CalendarDate& date, const std::string& locale)
{
    const std::string pattern = PatternFor(locale);
    std::string text;
    for (std::size_t i = 0; i < pattern.size();) {
        const char letter = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == letter)
            ++run;
        if (letter == 'd')
            text += Padded(date.Day, run);
        else if (letter == 'M' && run == 3)
            text += MonthAbbreviations.at(static_cast<std::size_t>(date.Month - 1));
        else if (letter == 'M')
            text += Padded(date.Month, run);
        else if (letter == 'y' && run == 2)
            text += Padded(date.Year % 100, 2);
        else if (letter == 'y')
            text += Padded(date.Year, run);
        else
            text.append(run, letter);
        i += run;
    }
    return text;
}

std::string DateLocaleOfEnvironment()
{
    for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"})
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0')
            return value;
    return {};
}

CalendarDate Today()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

} // namespace vartel
