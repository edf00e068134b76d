#pragma once
// The saved data file: header, start values, abbreviations and one row per year 0..Year, CR LF lines.
#include "model/SimulationState.h"

#include <array>
#include <string>
#include <vector>

namespace vartel {

// The figures of a year: Y, P, Pc, Pe, Ps, G, BI, RBI, BM, AM, IM, A, LE.
constexpr std::size_t FigureCount = 13;
// The figures of year y as the time table and the spreadsheet file write them (fixed decimals, percentages
// as percent); the growth of year 0 is empty.
std::array<std::string, FigureCount> YearFigures(const SimulationState& s, int y);

// A text with its name: a start value and what it is, or what a column's name means.
struct NamedText {
    std::string Text;
    std::string Name;
};
// The start values as the data file writes them, from population size to % immigration.
std::vector<NamedText> StartValues(const SimulationState& s);
// The data file's abbreviations: each column's name (Y .. LE) and what it means.
std::vector<NamedText> LegendEntries();
// A text's line breaks (CR LF, CR or LF) as spaces, so that it stays in one row.
std::string OnOneLine(const std::string& text);

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
// The spreadsheet's column names: the figures' abbreviations and "Bulletin board".
std::array<std::string, FigureCount + 1> SpreadsheetColumnNames();

} // namespace vartel
