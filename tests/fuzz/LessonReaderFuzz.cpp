// libFuzzer entry: any byte string must read without a crash, a hang or a leak; a lesson that is read must
// write a text that reads back to the same text, and a refused one must keep nothing.
#include "lesson/LessonReader.h"
#include "lesson/LessonWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vartel;
    const LessonReading reading = ReadLesson(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!reading.Error.empty()) {
        if (!reading.Read.Title.empty() || !reading.Read.Events.empty() || !reading.Read.Curves.empty())
            std::abort();
        return 0;
    }
    const std::string written = WriteLesson(reading.Read);
    const LessonReading back = ReadLesson(written);
    if (!back.Error.empty() || !back.Notices.empty() || WriteLesson(back.Read) != written)
        std::abort();
    return 0;
}
