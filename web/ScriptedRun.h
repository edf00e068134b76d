#pragma once
// A whole run as vartel-batch makes it, for the page's scripted runs until the page drives a session.
#include "tools/BatchArguments.h"

#include <string>

namespace vartel {

// The data file of the run `a` asks for, dated `date` (today as the user's short date format writes it),
// or "Error: " and the message naming the event whose parameter text is not a number.
std::string ScriptedRunDataFile(const BatchArguments& a, const std::string& date);

} // namespace vartel
