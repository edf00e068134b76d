// Web and mail addresses: how they are found in text, and a press on one in the help window.
#include "help/LinkDetector.h"
#include "tests/help/HelpWindowFixture.h"

#include <QTextBlock>

namespace vartel::test {
namespace {

QStringList LinkTexts(const QString& text)
{
    QStringList found;
    for (const LinkRange& link : FindLinks(text)) {
        found << text.mid(link.Start, link.Length);
    }
    return found;
}

TEST(LinkDetector, FindsWebAndMailAddressesWithoutTrailingPunctuation)
{
    EXPECT_EQ(LinkTexts("See https://example.org/a?b=1, or www.example.org."),
              QStringList({"https://example.org/a?b=1", "www.example.org"}))
        << "comma and full stop end the sentence, not the address";
    EXPECT_EQ(LinkTexts("Mail mailto:info@example.org (or info@example.org)!"),
              QStringList({"mailto:info@example.org", "info@example.org"}))
        << "a mailto: link and a bare address, brackets excluded";
    EXPECT_EQ(LinkTexts("HTTP://EXAMPLE.ORG and WWW.EXAMPLE.ORG"),
              QStringList({"HTTP://EXAMPLE.ORG", "WWW.EXAMPLE.ORG"}))
        << "prefixes in any case";
    EXPECT_TRUE(LinkTexts("no links: 3.5 million, a@b, http:// and www.").isEmpty())
        << "numbers, an address without domain and bare prefixes are no links";
}

TEST(LinkDetector, LinkAtCoversExactlyTheLinkCharacters)
{
    const QString text = "Mail x@example.org now";
    EXPECT_FALSE(LinkAt(text, 4)) << "the space before the link";
    EXPECT_EQ(LinkAt(text, 5), (LinkRange{5, 13})) << "the first character of the link";
    EXPECT_EQ(LinkAt(text, 17), (LinkRange{5, 13})) << "the last character of the link";
    EXPECT_FALSE(LinkAt(text, 18)) << "the space after the link";
}

TEST(LinkDetector, TargetsAreWhatTheDesktopCanOpen)
{
    EXPECT_EQ(LinkTarget("www.example.org"), "http://www.example.org") << "www. opens as a web address";
    EXPECT_EQ(LinkTarget("info@example.org"), "mailto:info@example.org") << "a bare address opens the mail program";
    EXPECT_EQ(LinkTarget("mailto:info@example.org"), "mailto:info@example.org") << "mailto: unchanged";
    EXPECT_EQ(LinkTarget("https://a@example.org/"), "https://a@example.org/") << "a web address with @ unchanged";
}

class HelpLinkTest : public HelpWindowTest {
protected:
    // Scrolls to the document's line holding `text` and returns the viewport point of its first character
    // plus `offset` characters.
    QPoint PointOf(const QString& text, int offset)
    {
        const int index = view->document()->toPlainText().indexOf(text);
        EXPECT_GE(index, 0) << text.toStdString() << " is in the document";
        QTextCursor at(view->document());
        at.setPosition(index + offset);
        view->setTextCursor(at);
        view->ensureCursorVisible();
        const QRect caret = view->cursorRect(at);
        QTextCursor after(at);
        after.setPosition(index + offset + 1);
        const int nextX = view->cursorRect(after).x();
        return QPoint((caret.x() + nextX) / 2, caret.center().y());
    }
};

TEST_F(HelpLinkTest, LeftPressOnAMailLinkOpensItOnceAndLeavesItSelected)
{
    const QString link = "mailto:vartel@example.org";
    const QPoint point = PointOf(link, 4);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, point);
    ASSERT_EQ(platform().links.size(), 1u) << "one press opens the link once";
    EXPECT_EQ(platform().links.front(), link) << "the mail link is handed over as it stands";
    EXPECT_EQ(view->textCursor().selectedText(), link) << "the link text stays selected";
}

TEST_F(HelpLinkTest, WebLinkOpensAsWebAddress)
{
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, PointOf("www.example.org/vartel", 2));
    ASSERT_EQ(platform().links.size(), 1u) << "one press, one opening";
    EXPECT_EQ(platform().links.front(), "http://www.example.org/vartel") << "opened as a web address";
}

TEST_F(HelpLinkTest, OtherPressesAndMovesOpenNothing)
{
    const QString link = "mailto:vartel@example.org";
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, PointOf(link, 4));
    QTest::mouseMove(view->viewport(), PointOf(link, 6));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, PointOf("Questions and remarks", 3));
    EXPECT_TRUE(platform().links.empty()) << "right button, a mouse move and a press beside the link open nothing";
}

TEST_F(HelpLinkTest, DetectedLinksAreShownAsLinks)
{
    const int index = view->document()->toPlainText().indexOf("www.example.org/vartel");
    QTextCursor inside(view->document());
    inside.setPosition(index + 3);
    EXPECT_TRUE(inside.charFormat().fontUnderline()) << "a detected link is underlined";
}

} // namespace
} // namespace vartel::test
