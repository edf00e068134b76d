#pragma once
// A lesson carried in a link, index.html#lesson=DATA: DATA is the lesson's text compressed as raw DEFLATE
// and written in base64url without padding, which a browser reads back with
// DecompressionStream('deflate-raw'); no server sees it.
#include <string>
#include <string_view>

namespace vartel {

// `baseUrl` is the address of the site or of its index.html; one ending in "/" gets "index.html", and a
// fragment it has is replaced.
std::string EncodeLessonLink(std::string_view baseUrl, std::string_view lessonText);

struct DecodedLink {
    std::string Text;  // the lesson's text, at most MaxLessonBytes
    std::string Error; // one line; empty when the link holds a lesson
};

// `fragment` is the part after "#", with or without the "#".
DecodedLink DecodeLessonLink(std::string_view fragment);

} // namespace vartel
