#pragma once
// The run a student or teacher made in the window, as the set-up of a lesson.
#include "lesson/Lesson.h"
#include "session/RunRecorder.h"

namespace vartel {

// The scenario the run started from and its changes as events at their years; nothing else is set.
Lesson LessonOfRecording(const RunRecorder& recorder);

} // namespace vartel
