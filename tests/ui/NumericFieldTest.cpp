// TFloatEdit on its own: defaults, the key filter and Value.
#include "RecordingPlatform.h"
#include "ui/NumEdit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

namespace vartel::test {
namespace {

class FloatEdit : public ::testing::Test {
protected:
    void SetUp() override { edit.setText(QString()); }

    RecordingPlatform platform;
    TFloatEdit edit{platform};
};

TEST(FloatEditDefaults, TextAndWidth)
{
    RecordingPlatform platform;
    TFloatEdit edit(platform);
    EXPECT_EQ(edit.text(), QStringLiteral("0.0"));
    EXPECT_EQ(edit.width(), 33);
}

TEST_F(FloatEdit, SecondPointIsRefusedWithABeep)
{
    QTest::keyClicks(&edit, QStringLiteral("1.2.3"));
    EXPECT_EQ(edit.text(), QStringLiteral("1.23"));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(FloatEdit, PointIsRefusedEvenWhenTheSelectionHoldsIt)
{
    edit.setText(QStringLiteral("2.5"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Period);
    EXPECT_EQ(edit.text(), QStringLiteral("2.5"));
    EXPECT_EQ(platform.beeps, 1);
}

TEST_F(FloatEdit, LettersAndBlanksAreRefused)
{
    QTest::keyClicks(&edit, QStringLiteral("a 1;x"));
    EXPECT_EQ(edit.text(), QStringLiteral("1"));
    EXPECT_EQ(platform.beeps, 4);
    QTest::keyClicks(&edit, QStringLiteral("+-5"));
    EXPECT_EQ(edit.text(), QStringLiteral("1+-5")) << "signs and digits pass in any order";
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QStringLiteral("1+-")) << "Backspace works";
    QKeyEvent euro(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u20AC"));
    QApplication::sendEvent(&edit, &euro); // a character code above 255
    EXPECT_EQ(edit.text(), QStringLiteral("1+-"));
    EXPECT_EQ(platform.beeps, 5);
}

TEST_F(FloatEdit, ATypedCommaIsTheDecimalPoint)
{
    for (const QString& typed : {QStringLiteral("0,5"), QStringLiteral("2,5")}) {
        edit.clear();
        QTest::keyClicks(&edit, typed);
        EXPECT_EQ(edit.text(), QString(typed).replace(u',', u'.')) << "typed " << typed.toStdString();
        EXPECT_DOUBLE_EQ(edit.Value(), QString(typed).replace(u',', u'.').toDouble());
    }
    EXPECT_EQ(platform.beeps, 0);
    QTest::keyClicks(&edit, QStringLiteral(",.,"));
    EXPECT_EQ(edit.text(), QStringLiteral("2.5")) << "no second separator, typed either way";
    EXPECT_EQ(platform.beeps, 3);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FloatEdit, APastedCommaIsTheDecimalPoint)
{
    QApplication::clipboard()->setText(QStringLiteral("-0,25"));
    edit.setText(QStringLiteral("1"));
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("1-0.25")) << "pasted where the cursor is, the comma as a point";
    EXPECT_EQ(edit.cursorPosition(), 6) << "the cursor stays after the pasted text";
    EXPECT_TRUE(edit.isModified()) << "it stays the student's edit";
    edit.selectAll();
    QApplication::clipboard()->setText(QStringLiteral("0,5"));
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(edit.Value(), 0.5);
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(FloatEdit, ClipboardShortcutsWork)
{
    edit.setText(QStringLiteral("2.5"));
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    edit.clear();
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), QStringLiteral("2.5"));
    EXPECT_EQ(platform.beeps, 0);
}

TEST_F(FloatEdit, ValueOfEmptyFieldIsZeroAndSetsTheText)
{
    EXPECT_EQ(edit.Value(), 0.0);
    EXPECT_EQ(edit.text(), QStringLiteral("0"));
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FloatEdit, ValueOfUnconvertibleTextIsZeroWithAnInformation)
{
    edit.setText(QStringLiteral("+-5"));
    EXPECT_EQ(edit.Value(), 0.0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(platform.messages[0].text.startsWith(QStringLiteral("EConvertError\r")))
        << "class name, carriage return, message";
    EXPECT_EQ(edit.text(), QStringLiteral("+-5")) << "the text is not changed";
}

TEST_F(FloatEdit, ValueReadsAndWritesThroughTheText)
{
    edit.setText(QStringLiteral("0.25"));
    EXPECT_DOUBLE_EQ(edit.Value(), 0.25);
    edit.SetValue(1.0 / 3.0);
    EXPECT_EQ(edit.text(), QStringLiteral("0.333333333333333")) << "15 significant digits";
    edit.SetValue(2.5);
    EXPECT_EQ(edit.text(), QStringLiteral("2.5")) << "shortest form";
    edit.SetValue(1e20);
    EXPECT_EQ(edit.text(), QStringLiteral("1E20"));
    edit.setProperty("Value", 7.0);
    EXPECT_EQ(edit.property("Value").toDouble(), 7.0) << "Value is a property";
}

} // namespace
} // namespace vartel::test
