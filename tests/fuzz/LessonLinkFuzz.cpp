// libFuzzer entry: any fragment must decode without a crash, a hang or a leak, to a text no larger than a
// lesson or to a message; a text that decodes must come back through a link of its own.
#include "lesson/Lesson.h"
#include "lesson/LessonLink.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vartel;
    const DecodedLink decoded = DecodeLessonLink(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!decoded.Error.empty()) {
        if (!decoded.Text.empty())
            std::abort();
        return 0;
    }
    if (decoded.Text.size() > MaxLessonBytes)
        std::abort();
    const std::string link = EncodeLessonLink("x", decoded.Text);
    if (DecodeLessonLink(link.substr(link.find('#'))).Text != decoded.Text)
        std::abort();
    return 0;
}
