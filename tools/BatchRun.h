#pragma once
// The run of vartel-batch: the session, and the screen images when pictures are wanted.
#include "tools/BatchArguments.h"

#include <string>

namespace vartel {

class BatchScreen;
class Session;

// Starts the session as the program does, chooses the scenario, then runs year by year to a.Years, firing
// each event once when the run is at its year (before advancing; a reset to year 0 runs on from there).
// Returns "" or, for a parameter text that is not a number, the message naming the event. The browser
// edition runs it too.
std::string RunBatchYears(Session& session, const BatchArguments& a);
// RunBatchYears, then the zoom, scale and graph mode of the arguments are chosen, as their buttons would
// after the run; `screen` is the one the session's listener draws on (nullptr when no picture is wanted)
// and takes the scale.
std::string RunBatch(Session& session, const BatchArguments& a, BatchScreen* screen = nullptr);

} // namespace vartel
