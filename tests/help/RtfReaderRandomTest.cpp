// Thousands of random inputs, as raw bytes and as soups of RTF tokens: the reader must finish each one
// without a crash, and never produce more text than its input could hold.
#include "help/RtfReader.h"

#include <gtest/gtest.h>

#include <QTextDocument>

#include <random>

namespace vartel::test {
namespace {

void ExpectBoundedDocument(const QByteArray& input, int round)
{
    QTextDocument document;
    ReadRtf(input, document);
    // Each character or paragraph of the document comes from at least one byte of input.
    ASSERT_LE(document.characterCount(), input.size() + 1)
        << "round " << round << ": no more characters than input bytes, for input " << input.toHex().left(200).data();
}

TEST(RtfReaderRandom, RandomBytes)
{
    std::mt19937 random(20240601);
    std::uniform_int_distribution<int> length(0, 600);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int round = 0; round < 3000; ++round) {
        QByteArray input(length(random), '\0');
        for (char& c : input) {
            c = char(byte(random));
        }
        if (round % 2 == 0) {
            input.prepend("{\\rtf1 ");
        }
        ExpectBoundedDocument(input, round);
    }
}

TEST(RtfReaderRandom, TokenSoups)
{
    static const char* const Tokens[] = {
        "{",
        "}",
        "{\\*",
        "\\",
        "\\'",
        "\\'4",
        "\\'e9",
        "\\'zz",
        "\\u",
        "\\u-",
        "\\u8364?",
        "\\u-10179?",
        "\\u-8704?",
        "\\u99999999999999",
        "\\uc0",
        "\\uc3",
        "\\uc-1",
        "\\b",
        "\\b0",
        "\\i",
        "\\ul",
        "\\ulnone",
        "\\plain",
        "\\fs",
        "\\fs0",
        "\\fs48",
        "\\fs-20",
        "\\fs999999999999",
        "\\cf",
        "\\cf1",
        "\\cf-1",
        "\\cf2147483647",
        "\\f",
        "\\f1",
        "\\f-9",
        "\\par",
        "\\pard",
        "\\line",
        "\\tab",
        "\\qc",
        "\\li-99999",
        "\\fi2147483647",
        "\\sa1000000",
        "{\\fonttbl",
        "{\\f0 Arial;}",
        "{\\colortbl;",
        "\\red255",
        "\\green-4",
        "\\blue999",
        ";",
        "{\\stylesheet",
        "{\\info",
        "{\\pict",
        "\\bin5",
        "\\rtf1",
        "\\deff3",
        "\\emdash",
        "\\~",
        "\\-",
        "\\\\",
        "\\{",
        "\\}",
        "text",
        " ",
        "\r\n",
        "\t",
        "\xe9",
        "\x80",
        "x",
        "\\zzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzzz",
    };
    constexpr int TokenCount = static_cast<int>(sizeof(Tokens) / sizeof(Tokens[0]));
    std::mt19937 random(7);
    std::uniform_int_distribution<int> count(0, 200);
    std::uniform_int_distribution<int> pick(0, TokenCount - 1);
    for (int round = 0; round < 4000; ++round) {
        QByteArray input = round % 3 == 0 ? QByteArray() : QByteArray("{\\rtf1\\ansi ");
        const int tokens = count(random);
        for (int i = 0; i < tokens; ++i) {
            input += Tokens[pick(random)];
        }
        ExpectBoundedDocument(input, round);
    }
}

} // namespace
} // namespace vartel::test
