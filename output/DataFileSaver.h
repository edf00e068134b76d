#pragma once
// "Save data" and the batch tool's --data: the file's name chooses what it holds, the workbook for ".xlsx",
// the spreadsheet file for ".csv", otherwise the time table; each is saved without ever leaving a truncated
// file behind.
#include "model/SimulationState.h"

#include <string>

namespace vartel {

// `today` is the date the time table carries (in the user's short date format). Returns "" or the error text
// naming the file and the reason.
std::string SaveDataFile(const SimulationState& s, const std::string& fileName, const std::string& today);

} // namespace vartel
