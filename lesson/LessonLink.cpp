#include "lesson/LessonLink.h"

#include "lesson/Base64Url.h"
#include "lesson/Lesson.h"

#include <zlib.h>

#include <array>
#include <optional>

namespace vartel {

namespace {

constexpr std::string_view Key = "lesson=";
constexpr int RawDeflate = -15; // negative window bits: no zlib header or checksum

std::string Deflate(std::string_view text)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, RawDeflate, 9, Z_DEFAULT_STRATEGY);
    std::string out(deflateBound(&stream, static_cast<uLong>(text.size())), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
    stream.avail_in = static_cast<uInt>(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH); // the bound leaves room for it all
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

// The text, or the reason there is none. The output is capped, so a small link cannot expand into an
// unbounded text.
DecodedLink Inflate(const std::string& data)
{
    z_stream stream{};
    if (inflateInit2(&stream, RawDeflate) != Z_OK)
        return {{}, "the link cannot be unpacked here"};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    DecodedLink result;
    std::array<char, 65536> buffer{};
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
        stream.avail_out = static_cast<uInt>(buffer.size());
        status = inflate(&stream, Z_NO_FLUSH);
        result.Text.append(buffer.data(), buffer.size() - stream.avail_out);
        if (result.Text.size() > MaxLessonBytes) {
            result = {{}, "the lesson in the link unpacks to more than " + std::to_string(MaxLessonBytes) + " bytes"};
            break;
        }
    }
    if (result.Error.empty() && status == Z_STREAM_END && stream.avail_in != 0)
        result = {{}, "the link holds data after the lesson's end"};
    else if (result.Error.empty() && status == Z_BUF_ERROR)
        result = {{}, "the link ends before the lesson does; was it cut off?"};
    else if (result.Error.empty() && status != Z_STREAM_END)
        result = {{}, "the link's data is damaged"};
    inflateEnd(&stream);
    return result;
}

} // namespace

std::string EncodeLessonLink(std::string_view baseUrl, std::string_view lessonText)
{
    std::string link(baseUrl.substr(0, baseUrl.find('#')));
    if (!link.empty() && link.back() == '/')
        link += "index.html";
    return link + "#" + std::string(Key) + EncodeBase64Url(Deflate(lessonText));
}

DecodedLink DecodeLessonLink(std::string_view fragment)
{
    if (!fragment.empty() && fragment.front() == '#')
        fragment.remove_prefix(1);
    if (fragment.substr(0, Key.size()) != Key)
        return {{}, "the link carries no lesson (no #lesson=)"};
    fragment.remove_prefix(Key.size());
    // Base64 of the largest compressed lesson zlib can make, with room to spare.
    if (fragment.size() > 2 * MaxLessonBytes)
        return {{}, "the link is longer than a lesson's link can be"};
    const std::optional<std::string> data = DecodeBase64Url(fragment);
    if (!data)
        return {{}, "the link's data is not base64url (A-Z a-z 0-9 - _)"};
    return Inflate(*data);
}

} // namespace vartel
