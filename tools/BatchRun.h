#pragma once
// The run of vartel-batch: the session, and the screen images when pictures are wanted.
#include "tools/BatchArguments.h"

#include <cstdint>
#include <string>

namespace vartel {

class BatchScreen;
class Session;

// The window seeds from the clock; its random draws only place houses and move single people when a
// population size is entered. A fixed seed makes every batch run repeatable.
inline constexpr std::uint64_t BatchSeed = 1;

// Starts the session as the program does, chooses the scenario, then runs year by year to a.Years, firing
// each event once when the run is at its year (before advancing; a reset to year 0 runs on from there).
// At the end the zoom, scale and graph mode of the arguments are chosen, as their buttons would after the
// run; `screen` is the one the session's listener draws on (nullptr when no picture is wanted) and takes
// the scale.
// Returns "" or, for a parameter text that is not a number, the message naming the event.
std::string RunBatch(Session& session, const BatchArguments& a, BatchScreen* screen = nullptr);

} // namespace vartel
