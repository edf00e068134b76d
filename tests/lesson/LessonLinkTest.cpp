// The lesson's link: what the browser decodes (raw DEFLATE, base64url without padding), the site address,
// and the damaged, cut, padded and inflated links the decoder must refuse.
#include "lesson/LessonLink.h"
#include "lesson/Base64Url.h"
#include "lesson/Lesson.h"
#include "tests/lesson/LessonTexts.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace vartel::test {
namespace {

std::string FragmentOf(const std::string& link)
{
    return link.substr(link.find('#') + 1);
}

// The compressed bytes a link carries.
std::string DataOf(const std::string& link)
{
    return DecodeBase64Url(FragmentOf(link).substr(7)).value_or("?");
}

std::string LinkOfData(const std::string& data)
{
    return "lesson=" + EncodeBase64Url(data);
}

TEST(LessonLink, TheLessonComesBack)
{
    const std::string link = EncodeLessonLink("https://school.example/vartel/index.html", FullLesson());
    EXPECT_EQ(link.rfind("https://school.example/vartel/index.html#lesson=", 0), 0u) << link;
    EXPECT_EQ(link.find_first_of("+/=", link.find("#lesson=") + 8), std::string::npos)
        << "the URL alphabet, no padding";
    EXPECT_LT(link.size(), FullLesson().size()) << "compressed";
    const DecodedLink decoded = DecodeLessonLink(FragmentOf(link));
    EXPECT_EQ(decoded.Error, "");
    EXPECT_EQ(decoded.Text, FullLesson());
    EXPECT_EQ(DecodeLessonLink("#" + FragmentOf(link)).Text, FullLesson()) << "the '#' may come with it";
}

TEST(LessonLink, TheSiteAddressGetsItsPage)
{
    const std::string data = FragmentOf(EncodeLessonLink("x", "{}"));
    EXPECT_EQ(EncodeLessonLink("https://a.example/", "{}"), "https://a.example/index.html#" + data);
    EXPECT_EQ(EncodeLessonLink("https://a.example/v/index.html#lesson=old", "{}"),
              "https://a.example/v/index.html#" + data);
    EXPECT_EQ(EncodeLessonLink("file:///home/t/vartel/index.html", "{}"), "file:///home/t/vartel/index.html#" + data);
}

TEST(LessonLink, TheDataIsRawDeflateAsABrowserReadsIt)
{
    // Python's zlib with negative window bits reads raw DEFLATE only, as DecompressionStream('deflate-raw').
    const std::string link = EncodeLessonLink("https://a.example/", "{\"version\": 1, \"title\": \"Tijd\"}");
    const std::string command = "python3 -c \"import base64,sys,zlib; d=sys.argv[1]; "
                                "sys.stdout.write(zlib.decompress(base64.urlsafe_b64decode(d + '=' * (-len(d) % 4)), "
                                "-15).decode())\" " +
                                FragmentOf(link).substr(7);
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[256];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        out.append(buffer, n);
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_EQ(out, "{\"version\": 1, \"title\": \"Tijd\"}");
}

TEST(LessonLink, BadLinksGiveTheirMessage)
{
    const std::string data = DataOf(EncodeLessonLink("x", FullLesson()));
    const std::string cut = data.substr(0, data.size() / 2);
    const struct {
        std::string Fragment;
        std::string Message;
    } table[]{
        {"", "the link carries no lesson (no #lesson=)"},
        {"page=2", "the link carries no lesson (no #lesson=)"},
        {"lesson=ab*c", "the link's data is not base64url (A-Z a-z 0-9 - _)"},
        {"lesson=q1B8AQ==", "the link's data is not base64url (A-Z a-z 0-9 - _)"},
        {"lesson=", "the link ends before the lesson does; was it cut off?"},
        {LinkOfData(cut), "the link ends before the lesson does; was it cut off?"},
        {LinkOfData("\x07"), "the link's data is damaged"}, // a block of the reserved type
        {LinkOfData(data + "more"), "the link holds data after the lesson's end"},
        {"lesson=" + std::string(2 * MaxLessonBytes + 1, 'A'), "the link is longer than a lesson's link can be"},
    };
    for (const auto& bad : table) {
        const DecodedLink decoded = DecodeLessonLink(bad.Fragment);
        EXPECT_EQ(decoded.Error, bad.Message) << "for " << bad.Fragment.substr(0, 60);
        EXPECT_EQ(decoded.Text, "");
    }
}

TEST(LessonLink, ADecompressionBombStopsAtTheLimit)
{
    const std::string justFits(MaxLessonBytes, ' ');
    EXPECT_EQ(DecodeLessonLink(FragmentOf(EncodeLessonLink("x", justFits))).Text.size(), MaxLessonBytes);
    const std::string bomb = FragmentOf(EncodeLessonLink("x", std::string(2 * MaxLessonBytes, ' ')));
    EXPECT_LT(bomb.size(), 20000u) << "a small link";
    const DecodedLink decoded = DecodeLessonLink(bomb);
    EXPECT_EQ(decoded.Error, "the lesson in the link unpacks to more than 4194304 bytes");
    EXPECT_EQ(decoded.Text, "");
}

} // namespace
} // namespace vartel::test
