#pragma once
// The data as a spreadsheet workbook (.xlsx), which every spreadsheet program reads as numbers whatever its
// regional settings: the sheet "Data" holds the spreadsheet file's header row and one row per year 0..Year,
// the figures as numbers shown with the time table's decimals and the bulletin text on one line; the sheet
// "Start values" holds the scenario, the start values and the abbreviations of the data file.
#include "model/SimulationState.h"

#include <string>

namespace vartel {

// The data file is a workbook when its name ends in ".xlsx", in any case.
bool IsWorkbookName(const std::string& fileName);

// Writes the workbook as a new file at `path`. Returns "" or the reason it could not be written.
std::string WriteDataWorkbook(const SimulationState& s, const std::string& path);

} // namespace vartel
