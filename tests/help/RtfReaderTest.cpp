// The RTF reader: the formatting the help document uses, and malformed input read as far as it goes.
#include "help/RtfReader.h"
#include "tests/help/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace vartel::test {
namespace {

QString Read(const QByteArray& rtf, QTextDocument& document)
{
    ReadRtf(rtf, document);
    return document.toRawText(); // keeps non-breaking spaces and line separators as read
}

QString Read(const QByteArray& rtf)
{
    QTextDocument document;
    return Read(rtf, document);
}

// The character format of the first occurrence of `text` (taken at its second character).
QTextCharFormat FormatOf(const QTextDocument& document, const QString& text)
{
    const int index = document.toPlainText().indexOf(text);
    EXPECT_GE(index, 0) << '"' << text.toStdString() << "\" is in the document";
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(index + 1);
    return cursor.charFormat();
}

const QByteArray Header =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
    "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red200\\green10\\blue20;}";

TEST(RtfReader, CharacterFormattingAndGroupsRestoringIt)
{
    QTextDocument document;
    Read(Header + "\\fs24 plain {\\b bold} {\\i italic} {\\ul under\\ulnone line} {\\fs40 big} "
                  "{\\cf3 red} {\\f1 mono} {\\b\\i both\\b0 italic2} after}",
         document);
    EXPECT_EQ(FormatOf(document, "plain").fontWeight(), QFont::Normal) << "plain text is not bold";
    EXPECT_EQ(FormatOf(document, "plain").fontPointSize(), 12.0) << "\\fs24 is 12 points (half-points)";
    EXPECT_EQ(FormatOf(document, "bold").fontWeight(), QFont::Bold) << "\\b makes bold";
    EXPECT_TRUE(FormatOf(document, "italic").fontItalic()) << "\\i makes italic";
    EXPECT_TRUE(FormatOf(document, "under").fontUnderline()) << "\\ul underlines";
    EXPECT_FALSE(FormatOf(document, "line").fontUnderline()) << "\\ulnone ends underlining";
    EXPECT_EQ(FormatOf(document, "big").fontPointSize(), 20.0) << "\\fs40 is 20 points";
    EXPECT_EQ(FormatOf(document, "red").foreground().color(), QColor(200, 10, 20)) << "\\cf3 is the third colour";
    EXPECT_EQ(FormatOf(document, "mono").fontFamilies().toStringList(), QStringList({"Courier New"}))
        << "\\f1 is the second font of the table";
    EXPECT_EQ(FormatOf(document, "plain").fontFamilies().toStringList(), QStringList({"Arial"}))
        << "\\deff0 gives the default font";
    EXPECT_EQ(FormatOf(document, "italic2").fontWeight(), QFont::Normal) << "\\b0 ends bold";
    EXPECT_TRUE(FormatOf(document, "italic2").fontItalic()) << "\\b0 leaves italic";
    const QTextCharFormat after = FormatOf(document, "after");
    EXPECT_EQ(after.fontWeight(), QFont::Normal) << "the group's end restores non-bold";
    EXPECT_EQ(after.fontPointSize(), 12.0) << "the group's end restores the size";
    EXPECT_FALSE(after.hasProperty(QTextFormat::ForegroundBrush)) << "the group's end restores the auto colour";
}

TEST(RtfReader, AutoColourAndPlainResetFormatting)
{
    QTextDocument document;
    Read(Header + "{\\cf0 auto} {\\cf9 missing} \\b\\fs30\\cf2 x\\plain reset}", document);
    EXPECT_FALSE(FormatOf(document, "auto").hasProperty(QTextFormat::ForegroundBrush)) << "\\cf0 is auto";
    EXPECT_FALSE(FormatOf(document, "missing").hasProperty(QTextFormat::ForegroundBrush))
        << "a colour index beyond the table is auto";
    const QTextCharFormat reset = FormatOf(document, "reset");
    EXPECT_EQ(reset.fontWeight(), QFont::Normal) << "\\plain ends bold";
    EXPECT_FALSE(reset.hasProperty(QTextFormat::FontPointSize)) << "\\plain drops the size";
    EXPECT_FALSE(reset.hasProperty(QTextFormat::ForegroundBrush)) << "\\plain drops the colour";
}

TEST(RtfReader, ParagraphsLineBreaksTabsAndAlignment)
{
    QTextDocument document;
    Read("{\\rtf1 \\qc centred\\par \\pard left\\line next\\tab tabbed\\par {\\qr right\\par}last}", document);
    ASSERT_EQ(document.blockCount(), 4) << "three \\par give four paragraphs";
    EXPECT_EQ(document.findBlockByNumber(0).text(), "centred") << "first paragraph";
    EXPECT_EQ(document.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter)
        << "\\qc centres";
    EXPECT_EQ(document.findBlockByNumber(1).text(), QString("left") + QChar::LineSeparator + "next\ttabbed")
        << "\\line breaks the line inside the paragraph, \\tab is a tab";
    EXPECT_EQ(document.findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft)
        << "\\pard resets the alignment";
    EXPECT_EQ(document.findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight)
        << "\\qr aligns right";
    EXPECT_EQ(document.findBlockByNumber(3).text(), "last") << "text after the last \\par";
}

TEST(RtfReader, HangingIndentTabLinesTheTextUpWithTheLeftIndent)
{
    QTextDocument document;
    Read("{\\rtf1 \\li400\\fi-200 \\bullet\\tab item text\\par \\pard plain\\tab tabbed}", document);
    document.setTextWidth(600);
    const QTextBlock item = document.findBlockByNumber(0);
    document.documentLayout()->blockBoundingRect(item); // lays the block out
    const QTextLine line = item.layout()->lineAt(0);
    EXPECT_NEAR(line.cursorToX(0), (400 - 200) / 15.0, 0.5) << "the bullet starts at the first-line indent";
    EXPECT_NEAR(line.cursorToX(2), 400 / 15.0, 0.5) << "after the tab the text starts at the left indent";

    const QTextBlock plain = document.findBlockByNumber(1);
    EXPECT_TRUE(plain.blockFormat().tabPositions().isEmpty()) << "\\pard ends the hanging indent's tab stop";
}

TEST(RtfReader, EscapesAndUnicode)
{
    EXPECT_EQ(Read("{\\rtf1 a\\\\b\\{c\\}d}"), "a\\b{c}d") << "escaped backslash and braces";
    EXPECT_EQ(Read("{\\rtf1 caf\\'e9 \\'80 \\'93x\\'94}"), QString::fromUtf8("café € “x”"))
        << "\\'hh is a cp1252 byte, 0x80 the euro sign";
    EXPECT_EQ(Read("{\\rtf1 \\u8364?\\u-3913?}"), QString::fromUtf8("€") + QChar(0xF0B7))
        << "\\uN with its fallback skipped; a negative N is N + 65536";
    EXPECT_EQ(Read("{\\rtf1 \\uc2\\u8364\\'80\\'80 after}"), QString::fromUtf8("€ after"))
        << "\\uc2 skips two fallback characters, each \\'hh counting as one";
    EXPECT_EQ(Read("{\\rtf1 \\uc0\\u8364\\u8364 x}"), QString::fromUtf8("€€x")) << "\\uc0 skips nothing";
    EXPECT_EQ(Read("{\\rtf1 {\\uc3 \\u8364 ab}cd}"), QString::fromUtf8("€cd"))
        << "the skipping stops at the group's end";
    EXPECT_EQ(Read("{\\rtf1 \\u-10179?\\u-8704?}"), QString::fromUtf8("😀"))
        << "a surrogate pair gives one character outside the basic plane";
    EXPECT_EQ(Read("{\\rtf1 \\u-10179?x}"), QString(QChar(0xFFFD)) + "x") << "a lone high surrogate is replaced";
    EXPECT_EQ(Read("{\\rtf1 \\emdash\\~\\bullet\\ldblquote}"),
              QString::fromUtf8("—") + QChar(0xA0) + QString::fromUtf8("•“"))
        << "named characters and the non-breaking space";
}

TEST(RtfReader, DestinationsAndUnknownWordsAreSkipped)
{
    const QByteArray rtf = Header + "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Secret}{\\author Someone}}"
                                    "{\\*\\generator Writer 1.0;}{\\*\\unknowndest hidden {\\b nested}}"
                                    "{\\pict\\pngblip 89504e47}{\\header top}"
                                    "\\unknownword12 shown \\foo-3 too}";
    EXPECT_EQ(Read(rtf), "shown too") << "style sheet, info, ignorable and picture groups show nothing";
    EXPECT_EQ(Read("{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt visible}}}"), "visible")
        << "of a field only its result shows";
}

TEST(RtfReader, MalformedInputGivesBestEffortDocument)
{
    EXPECT_EQ(Read("{\\rtf1 {\\b open {\\i groups never closed"), "open groups never closed")
        << "unclosed groups: the text so far";
    EXPECT_EQ(Read("{\\rtf1 a}}} b"), "a") << "stray closing braces end the document";
    EXPECT_EQ(Read("}}{\\rtf1 x}"), "x") << "closing braces before the document are ignored";
    EXPECT_EQ(Read("{\\rtf1 end\\"), "end") << "a backslash at the very end";
    EXPECT_EQ(Read("{\\rtf1 end\\'"), "end") << "a \\' without digits";
    EXPECT_EQ(Read("{\\rtf1 end\\'4"), "end") << "a \\' with one digit gives a control byte, which is dropped";
    EXPECT_EQ(Read("{\\rtf1 a\\'00b\\'0dc\\'0ad\\'1fe\\'07f}"), "abcdef")
        << "control bytes written as \\'hh are no text";
    EXPECT_EQ(Read("{\\rtf1 a\\'09b\\'20c}"), "a\tb c") << "a tab and a blank written as \\'hh are kept";
    EXPECT_EQ(Read("{\\rtf1 \\'e9\\'e"), QString::fromUtf8("é")) << "a truncated escape after a whole one";
    EXPECT_EQ(Read("{\\rtf1 end\\u"), "end") << "a \\u without number";
    EXPECT_EQ(Read("plain text, no header"), "plain text, no header") << "text without RTF header";
    EXPECT_EQ(Read(""), "") << "empty input";
    EXPECT_EQ(Read(QByteArray("{\\rtf1 a\0b}", 10)), "ab") << "a NUL byte is dropped";
    EXPECT_EQ(Read("{\\rtf1 \\fi-99999999999999 hanging"), "hanging")
        << "the most negative first-line indent still gives its hanging tab stop";

    QTextDocument document;
    EXPECT_EQ(Read("{\\rtf1 \\fs99999999999999999999 huge \\cf-5 neg \\f2147483648 font \\u99999999999 x"
                   "\\uc99999999 y}",
                   document),
              QString("huge neg font ") + QChar(0xFFFD) + "y")
        << "huge numbers are clamped; an impossible \\u is replaced and its fallback skipped";
    EXPECT_EQ(FormatOf(document, "huge").fontPointSize(), 1638.0) << "the size is limited to 1638 points";
}

TEST(RtfReader, DeepNestingNeitherOverflowsNorLosesTheOuterText)
{
    const int depth = 200000;
    QByteArray rtf = "{\\rtf1 outer ";
    rtf += QByteArray(depth, '{') + "deep" + QByteArray(depth, '}');
    rtf += " again}";
    QTextDocument document;
    const QString text = Read(rtf, document);
    EXPECT_TRUE(text.startsWith("outer ")) << "the text before the nesting";
    EXPECT_TRUE(text.endsWith(" again")) << "the text after the nesting is read once the groups close";

    QByteArray unclosed = "{\\rtf1 " + QByteArray(depth, '{') + "\\b x";
    EXPECT_NO_FATAL_FAILURE(Read(unclosed)) << "deep unclosed groups";
}

TEST(RtfReader, ReplacesThePreviousContent)
{
    QTextDocument document;
    Read("{\\rtf1 first}", document);
    EXPECT_EQ(Read("{\\rtf1 second}", document), "second") << "a second read replaces the first document";
}

} // namespace
} // namespace vartel::test
