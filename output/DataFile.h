#pragma once
// The saved data file: header, start values, abbreviations and one row per year 0..Year, CR LF lines.
#include "model/SimulationState.h"

#include <string>

namespace vartel {

// `date` is today's date in the user's short date format.
std::string DataFileText(const SimulationState& s, const std::string& date);

// The same years for a spreadsheet (RFC 4180): a header row with the columns' names, then one row per
// year 0..Year with the figures as in the time table, comma separated, and the bulletin text quoted with
// its line breaks as spaces. UTF-8 without byte-order mark, CR LF lines.
std::string DataSpreadsheetText(const SimulationState& s);
// The data file is a spreadsheet file when its name ends in ".csv", in any case.
bool IsSpreadsheetName(const std::string& fileName);
// What a data file of that name holds: the spreadsheet for a ".csv" name, otherwise the time table dated
// `today` (in the user's short date format, which the front end knows). The window and the batch tool save
// through here alike.
std::string DataFileFor(const SimulationState& s, const std::string& fileName, const std::string& today);

// The time table's header line, "Y\tP\tPk\t...\tLE", and the spreadsheet file's header row, without
// their line ends.
std::string TimeTableHeader();
std::string SpreadsheetHeader();

} // namespace vartel
