#pragma once
// What a lesson sets up for its run, in the form the runs take it.
#include "lesson/Lesson.h"
#include "views/KeptCurves.h"

#include <vector>

namespace vartel {

// The starting parameters as entries into their fields at year 0, before anything else, then the events.
std::vector<BatchEvent> LessonRunEvents(const Lesson& lesson);

// The curves to compare with, oldest first; a lesson that was read holds only curves that read.
std::vector<KeptCurve> LessonKeptCurves(const Lesson& lesson);

} // namespace vartel
