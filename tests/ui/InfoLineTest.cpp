// The information line: its link opens once on a left press, nothing else opens it.
#include "WindowFixture.h"

#include "help/TRichEdit.h"
#include "ui/InfoLine.h"

#include <QTextCursor>

namespace vartel::test {
namespace {

class InfoLine : public WindowTest {
protected:
    // The viewport point over the character at `index` of the line.
    QPoint PointAt(int index) const
    {
        QTextCursor cursor(form->Controls().RichEdit1->document());
        cursor.setPosition(index);
        const QRect before = form->Controls().RichEdit1->cursorRect(cursor);
        cursor.setPosition(index + 1);
        const QRect after = form->Controls().RichEdit1->cursorRect(cursor);
        return {(before.x() + after.x()) / 2, before.center().y()};
    }
    int LinkStart() const { return static_cast<int>(InfoLineText().indexOf(QStringLiteral("mailto:"))); }
};

TEST_F(InfoLine, OneLineWithAMailLink)
{
    ASSERT_NE(form->Controls().RichEdit1, nullptr);
    EXPECT_EQ(form->Controls().RichEdit1->objectName(), QStringLiteral("RichEdit1"));
    EXPECT_EQ(form->Controls().RichEdit1->geometry(), QRect(56, 628, 774, 17));
    EXPECT_EQ(form->Controls().RichEdit1->toPlainText(), InfoLineText());
    EXPECT_GE(LinkStart(), 0) << "the line holds a mailto: link";
    EXPECT_EQ(form->Controls().RichEdit1->focusPolicy(), Qt::ClickFocus) << "not in the tab order";
}

TEST_F(InfoLine, LeftPressOnTheLinkOpensItOnce)
{
    QTest::mousePress(form->Controls().RichEdit1->viewport(), Qt::LeftButton, {}, PointAt(LinkStart() + 3));
    QTest::mouseRelease(form->Controls().RichEdit1->viewport(), Qt::LeftButton, {}, PointAt(LinkStart() + 3));
    Pump();
    ASSERT_EQ(platform.links.size(), 1u) << "one press, one open";
    EXPECT_EQ(platform.links[0], QStringLiteral("mailto:vartel@example.org"));
    EXPECT_EQ(form->Controls().RichEdit1->textCursor().selectedText(), QStringLiteral("mailto:vartel@example.org"))
        << "the link is selected first";
}

TEST_F(InfoLine, OtherPressesOpenNothing)
{
    QTest::mouseClick(form->Controls().RichEdit1->viewport(), Qt::LeftButton, {}, PointAt(2));
    EXPECT_TRUE(platform.links.empty()) << "a press on the text before the link";
    QTest::mouseClick(form->Controls().RichEdit1->viewport(), Qt::RightButton, {}, PointAt(LinkStart() + 3));
    QTest::mouseClick(form->Controls().RichEdit1->viewport(), Qt::MiddleButton, {}, PointAt(LinkStart() + 3));
    EXPECT_TRUE(platform.links.empty()) << "other buttons on the link";
    QTest::mouseMove(form->Controls().RichEdit1->viewport(), PointAt(LinkStart() + 3));
    EXPECT_TRUE(platform.links.empty()) << "a move over the link";
    const QPoint beyondText(form->Controls().RichEdit1->viewport()->width() - 3, PointAt(0).y());
    QTest::mouseClick(form->Controls().RichEdit1->viewport(), Qt::LeftButton, {}, beyondText);
    EXPECT_TRUE(platform.links.empty()) << "a press right of the text";
}

} // namespace
} // namespace vartel::test
