#pragma once
// Writing a lesson file: pretty-printed UTF-8 JSON in a fixed key order, so a teacher can read and edit it
// and the same lesson always gives the same text.
#include "lesson/Lesson.h"

#include <string>

namespace vartel {

// A text that is no valid UTF-8 is written with U+FFFD in place of its bad bytes.
std::string WriteLesson(const Lesson& lesson);

} // namespace vartel
