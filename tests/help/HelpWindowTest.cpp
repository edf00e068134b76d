// The help window: its fixed beginning, chapter links, copy, back to top, size rule and printer messages; the
// names assistive technology reads, and the document as sharp as the screen (the suite runs at a device
// pixel ratio of 2 as well).
#include "help/HelpGeometry.h"
#include "tests/help/HelpWindowFixture.h"
#include "tests/views/DeviceImages.h"
#include "widgets/QtRasterImage.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTextDocumentFragment>

namespace vartel::test {
namespace {

TEST_F(HelpWindowTest, WindowHasItsCaptionButtonsAndStartsHidden)
{
    TForm2 fresh(platform());
    EXPECT_FALSE(fresh.isVisible()) << "the help window is created hidden";
    EXPECT_EQ(fresh.windowTitle(), "Vartel  -  Programme explanation") << "caption with two spaces around the dash";

    const struct {
        const char* name;
        const char* caption;
        int left;
    } buttons[] = {{"Button1", "Copy to Clipboard", 6},
                   {"Button2", "Print", 130},
                   {"Button3", "Printer properties", 254},
                   {"Button4", "Back to top", 378}};
    for (const auto& expected : buttons) {
        QPushButton* button = Button(expected.name);
        ASSERT_NE(button, nullptr) << expected.name << " exists";
        EXPECT_EQ(button->text(), expected.caption) << expected.name << " caption";
        EXPECT_EQ(button->geometry(), QRect(expected.left, 4, 120, 24)) << expected.name << " placed on Panel1";
        EXPECT_EQ(button->parentWidget()->objectName(), "Panel1") << expected.name << " lies on Panel1";
        EXPECT_EQ(button->focusPolicy(), Qt::StrongFocus) << expected.name << " is in the tab order";
    }
    EXPECT_TRUE(view->isReadOnly()) << "the document cannot be edited";
    EXPECT_EQ(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff) << "no horizontal scroll bar";
    EXPECT_EQ(view->lineWrapMode(), QTextEdit::WidgetWidth) << "lines wrap at the window width";
    EXPECT_EQ(fresh.font().family(), "Liberation Sans") << "the installed face for MS Sans Serif";
    EXPECT_EQ(fresh.font().pixelSize(), 11) << "the window's font is 11 pixels";
    EXPECT_EQ(fresh.font().stretch(), QFont::AnyStretch) << "at the face's own width, not condensed";
    EXPECT_FALSE(fresh.font().resolveMask() & QFont::WeightResolved) << "the weight is left to the face";
    EXPECT_EQ(view->font().pixelSize(), 25) << "the document's default font is 25 pixels";
    EXPECT_FALSE(fresh.testAttribute(Qt::WA_QuitOnClose)) << "an open help window does not keep the program running";
}

TEST_F(HelpWindowTest, ButtonsAndDocumentAreNamedAndTheDocumentIsAsSharpAsTheScreen)
{
    for (const char* name : {"Button1", "Button2", "Button3", "Button4"}) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Button(name));
        ASSERT_NE(face, nullptr) << name;
        EXPECT_EQ(face->text(QAccessible::Name), Button(name)->text()) << name << " is named by its caption";
        EXPECT_EQ(face->role(), QAccessible::Button) << name;
    }
    QAccessibleInterface* document = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->text(QAccessible::Name), "Programme explanation") << "the document is named";

    const QPixmap shown = view->viewport()->grab();
    const double d = view->viewport()->devicePixelRatioF();
    if (qEnvironmentVariableIsSet("VARTEL_EXPECT_RATIO")) {
        EXPECT_EQ(d, qEnvironmentVariable("VARTEL_EXPECT_RATIO").toDouble()) << "the ratio of the screen";
    }
    EXPECT_EQ(shown.devicePixelRatio(), d) << "the document is drawn at the screen's ratio";
    EXPECT_EQ(shown.size(), view->viewport()->size() * d) << "with the screen's pixels";
    if (d > 1.0) {
        const RasterImage image = ToRasterImage(shown.toImage());
        EXPECT_GT(test::MixedPixels(image, {0, 0, view->viewport()->width() - 1, 120}, d), 200)
            << "the letters are drawn at the device's resolution, not enlarged";
    }
}

TEST_F(HelpWindowTest, DocumentBeginsWithTitleEmptyLineAndTenSingleLineContentsEntries)
{
    ASSERT_TRUE(QFile::exists(HelpDocumentResource())) << "the help document is compiled in";
    const std::vector<DocumentLine> lines = Lines();
    ASSERT_GT(lines.size(), 200u) << "the document holds ten chapters of explanation";
    EXPECT_EQ(lines[0].Text, DocumentTitle()) << "line 0 is the title, five spaces";
    EXPECT_EQ(lines[1].Text, "") << "line 1 is empty";
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(lines[2 + i].Text, ChapterTitles()[i]) << "contents line " << 2 + i << " is one whole line";
    }
    EXPECT_EQ(lines[12].Text, "") << "an empty line follows the contents";
    EXPECT_FALSE(lines[13].Text.isEmpty()) << "then the hint that a title can be clicked";
    EXPECT_EQ(lines[14].Text, "") << "and another empty line";
    EXPECT_EQ(lines[15].Text, ChapterTitles()[0]) << "then the first chapter begins";

    int previous = 15;
    for (int i = 1; i < 10; ++i) {
        const int heading = LineWithText(ChapterTitles()[i], previous + 1);
        EXPECT_GT(heading, previous) << "chapter heading \"" << ChapterTitles()[i].toStdString()
                                     << "\" follows in order";
        previous = heading;
    }
}

TEST_F(HelpWindowTest, DocumentTellsTheKeysTheMenuOfTheGraphAndTheWorkbook)
{
    const bool dutch = CurrentLanguage() == Language::Dutch;
    const QString text = view->toPlainText();
    for (const QString& told :
         {QStringLiteral("Shift+Tab"), QStringLiteral("F1"),
          dutch ? QStringLiteral("Ctrl+Spatie") : QStringLiteral("Ctrl+Space"), QStringLiteral("Ctrl+N"),
          QStringLiteral("Ctrl+Shift+S"), QStringLiteral("Shift+F10"), QStringLiteral("Escape"),
          dutch ? QStringLiteral("Deze curve bewaren om te vergelijken")
                : QStringLiteral("Keep this curve for comparison"),
          dutch ? QStringLiteral("Vergelijken met een opgeslagen simulatie")
                : QStringLiteral("Compare with a saved run"),
          QStringLiteral(".xlsx")})
        EXPECT_TRUE(text.contains(told)) << "expected the document to tell " << told.toStdString();
}

TEST_F(HelpWindowTest, ProgramInformationNamesTheVersionOfTheBuild)
{
    const QString text = view->toPlainText();
    const QString version =
        CurrentLanguage() == Language::Dutch ? QStringLiteral("versie ") : QStringLiteral("version ");
    EXPECT_TRUE(text.contains(version + QStringLiteral(EXPECTED_PROJECT_VERSION ":")))
        << "the program information names version " EXPECTED_PROJECT_VERSION;
    EXPECT_FALSE(text.contains(QStringLiteral("@PROJECT_VERSION@"))) << "the build fills in the version";
}

TEST_F(HelpWindowTest, ContentsLinesStaySingleLinesInTheNarrowestWindow)
{
    form->resize(HelpMinimumWidth, form->height());
    Settle();
    const std::vector<DocumentLine> lines = Lines();
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(lines[2 + i].Text, ChapterTitles()[i]) << "contents line " << 2 + i << " does not wrap at 300 px";
    }
}

TEST_F(HelpWindowTest, ClickOnContentsLineBringsItsHeadingToTheTop)
{
    PressOnLine(5); // "4. Graphs"
    const int heading = LineWithText(ChapterTitles()[3], 6);
    ASSERT_GT(heading, 11) << "the chapter heading lies below the contents";
    EXPECT_EQ(view->textCursor().position(), Lines()[heading].Start) << "caret at the start of the heading";
    EXPECT_FALSE(view->textCursor().hasSelection()) << "nothing is selected by the jump";
    EXPECT_EQ(TopVisibleLine(), heading) << "the heading is the topmost visible line";
}

TEST_F(HelpWindowTest, EveryContentsLineJumpsToItsOwnHeading)
{
    for (int i = 0; i < 10; ++i) {
        Button("Button4")->click();
        PressOnLine(2 + i);
        const int heading = LineWithText(ChapterTitles()[i], 12);
        EXPECT_EQ(CaretLine(), heading) << "contents line " << 2 + i << " puts the caret on its heading";
        if (Scroll() < view->verticalScrollBar()->maximum()) {
            EXPECT_EQ(TopVisibleLine(), heading) << "heading " << i + 1 << " scrolled to the top";
        } else {
            EXPECT_LE(TopVisibleLine(), heading) << "near the end the view stops at the end of the document";
        }
    }
}

TEST_F(HelpWindowTest, ClicksOutsideTheContentsOnlyPlaceTheCaret)
{
    const int hint = 13;
    const int chapterLine = LineWithText(ChapterTitles()[0], 12) + 1;
    for (int line : {0, 1, hint, 14, chapterLine}) {
        Button("Button4")->click();
        PressOnLine(line);
        EXPECT_EQ(Scroll(), 0) << "a click on line " << line << " does not scroll";
        EXPECT_EQ(CaretLine(), line) << "a click on line " << line << " places the caret on it";
    }
}

TEST_F(HelpWindowTest, ChapterLineWithTheSameTextAsAHeadingDoesNotJump)
{
    const int heading = LineWithText(ChapterTitles()[3], 12);
    view->verticalScrollBar()->setValue(static_cast<int>(Lines()[heading].Top));
    const int scrolled = Scroll();
    PressOnLine(heading);
    EXPECT_EQ(Scroll(), scrolled) << "a click on a chapter heading is not a link";
    EXPECT_EQ(CaretLine(), heading) << "the caret is placed on the heading clicked";
}

TEST_F(HelpWindowTest, BackToTopShowsTheTitleAgain)
{
    PressOnLine(8); // "7. Parameters"
    ASSERT_GT(Scroll(), 0) << "the jump scrolled down";
    Button("Button4")->click();
    EXPECT_EQ(Scroll(), 0) << "the view is back at the top";
    EXPECT_EQ(view->textCursor().position(), 0) << "the caret is at the start of the document";
    EXPECT_EQ(TopVisibleLine(), 0) << "the title line is visible at the top";
}

TEST_F(HelpWindowTest, CopyWithoutSelectionCopiesTheWholeDocumentAndKeepsTheCaret)
{
    PressOnLine(13);
    const int caret = view->textCursor().position();
    const int scroll = Scroll();
    Button("Button1")->click();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr) << "something was copied";
    EXPECT_EQ(copied->text(), view->document()->toPlainText()) << "the whole document as plain text";
    EXPECT_TRUE(copied->hasHtml()) << "and as formatted text";
    EXPECT_TRUE(copied->html().contains(ChapterTitles()[9].mid(4))) << "the formatted copy holds the last chapter";
    EXPECT_EQ(view->textCursor().position(), caret) << "the caret stays where it was";
    EXPECT_FALSE(view->textCursor().hasSelection()) << "no selection is left behind";
    EXPECT_EQ(Scroll(), scroll) << "the view does not scroll";
}

TEST_F(HelpWindowTest, CopyWithSelectionCopiesOnlyTheSelectionAndRestoresIt)
{
    QTextCursor selection(view->document());
    selection.setPosition(Lines()[5].Start + 3);
    selection.setPosition(Lines()[5].Start, QTextCursor::KeepAnchor); // selected backwards
    view->setTextCursor(selection);
    Button("Button1")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), "4. ") << "only the selected characters are copied";
    EXPECT_EQ(view->textCursor().anchor(), selection.anchor()) << "selection anchor restored";
    EXPECT_EQ(view->textCursor().position(), selection.position()) << "selection end restored";
}

TEST_F(HelpWindowTest, CloseHidesAndShowingAgainKeepsThePlace)
{
    PressOnLine(10); // "9. Results"
    const int scroll = Scroll();
    const int caret = view->textCursor().position();
    form->close();
    EXPECT_FALSE(form->isVisible()) << "closing hides the window";
    form->show();
    Settle();
    EXPECT_EQ(Scroll(), scroll) << "the document is shown where it was left";
    EXPECT_EQ(view->textCursor().position(), caret) << "the caret is where it was";
}

TEST_F(HelpWindowTest, EscapeAndCtrlWCloseIt)
{
    for (const QKeyCombination keys : {QKeyCombination(Qt::Key_Escape), Qt::CTRL | Qt::Key_W}) {
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get())) << "the help window should become active";
        view->setFocus();
        QTest::keyClick(view, keys.key(), keys.keyboardModifiers());
        EXPECT_FALSE(form->isVisible()) << QKeySequence(keys).toString().toStdString() << " closes the help window";
    }
}

TEST(HelpGeometry, FollowsTheScreenWithinItsLimits)
{
    EXPECT_EQ(HelpWindowGeometry(QSize(1920, 1080)), QRect(40, 10, 900, 980)) << "1920 x 1080: 900 x 980 at (40, 10)";
    EXPECT_EQ(HelpWindowGeometry(QSize(800, 600)).width(), 730) << "800 wide: 730";
    EXPECT_EQ(HelpWindowGeometry(QSize(970, 768)).width(), 900) << "970 wide: exactly the 900 maximum";
    EXPECT_EQ(HelpWindowGeometry(QSize(320, 240)).width(), 300) << "never narrower than 300";
}

TEST_F(HelpWindowTest, IsPlacedByTheScreenAndWidenedBackTo300)
{
    const QRect expected = HelpWindowGeometry(QGuiApplication::primaryScreen()->size());
    TForm2 fresh(platform());
    EXPECT_EQ(fresh.pos(), QPoint(40, 10)) << "placed at (40, 10)";
    EXPECT_EQ(fresh.size(), expected.size()) << "sized by the screen";
    form->resize(200, 400);
    Settle();
    EXPECT_EQ(form->width(), 300) << "a window made narrower than 300 is widened back";
}

TEST_F(HelpWindowTest, NoPrinterAtStartGivesTheMessageForPrintAndPrinterProperties)
{
    EXPECT_FALSE(form->PrinterAvailable()) << "no printer was installed";
    platform().SetPrinter(true); // installed while the program runs: not looked at again
    Button("Button2")->click();
    Button("Button3")->click();
    ASSERT_EQ(platform().messages.size(), 2u) << "each button shows one message";
    for (const ShownMessage& message : platform().messages) {
        EXPECT_EQ(message.caption, "Error") << "caption";
        EXPECT_EQ(message.text, "No printer is connected") << "text";
        EXPECT_EQ(message.icon, MessageIcon::None) << "no icon";
    }
    EXPECT_TRUE(form->PrintPageRect().isNull()) << "no page rectangle without a printer";
}

} // namespace
} // namespace vartel::test
