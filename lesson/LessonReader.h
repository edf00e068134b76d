#pragma once
// Reading a lesson file: UTF-8 JSON, checked field by field. A malformed file gives one message that names
// the field by its JSON pointer (/pausePoints/2/year) or, for a JSON syntax error, the line and column, and
// no lesson. Fields this version does not know, and a newer version's, are left out with a notice.
#include "lesson/Lesson.h"

#include <string>
#include <string_view>
#include <vector>

namespace vartel {

struct LessonReading {
    Lesson Read;                      // meaningful only when Error is empty
    std::string Error;                // one line; empty when the file is a lesson
    std::vector<std::string> Notices; // for the front end to show; also with an error
};

LessonReading ReadLesson(std::string_view text);

} // namespace vartel
