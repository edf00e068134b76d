#pragma once
// The saved data file: header, start values, abbreviations and one row per year 0..Year, CR LF lines.
#include "model/SimulationState.h"

#include <string>

namespace vartel {

// `date` is today's date in the user's short date format.
std::string DataFileText(const SimulationState& s, const std::string& date);

} // namespace vartel
