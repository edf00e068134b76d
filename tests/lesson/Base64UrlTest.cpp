// Base64url without padding: the vectors of RFC 4648 and the texts no encoding gives.
#include "lesson/Base64Url.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vartel::test {
namespace {

TEST(Base64Url, TheRfcVectorsWithoutPadding)
{
    const std::vector<std::pair<std::string, std::string>> vectors{{"", ""},
                                                                   {"f", "Zg"},
                                                                   {"fo", "Zm8"},
                                                                   {"foo", "Zm9v"},
                                                                   {"foob", "Zm9vYg"},
                                                                   {"fooba", "Zm9vYmE"},
                                                                   {"foobar", "Zm9vYmFy"},
                                                                   {"\xFB\xFF\xBF", "-_-_"},
                                                                   {std::string("\0\x10\x83", 3), "ABCD"}};
    for (const auto& [bytes, text] : vectors) {
        EXPECT_EQ(EncodeBase64Url(bytes), text);
        EXPECT_EQ(DecodeBase64Url(text), bytes) << text;
    }
}

TEST(Base64Url, EveryByteValueComesBack)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    for (std::size_t size = 0; size <= bytes.size(); size += 85)
        EXPECT_EQ(DecodeBase64Url(EncodeBase64Url(bytes.substr(0, size))), bytes.substr(0, size));
}

TEST(Base64Url, TextsNoEncodingGivesAreRefused)
{
    for (const char* bad : {"Zg==", "Zm9v+", "Zm9v/", "Z", "Zm9vY", " Zg", "Zg\n", "Zm 9v", "%41"})
        EXPECT_FALSE(DecodeBase64Url(bad).has_value()) << "expected no bytes for '" << bad << "'";
}

} // namespace
} // namespace vartel::test
