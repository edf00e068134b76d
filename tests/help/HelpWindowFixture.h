#pragma once
// The help window, shown offscreen with a recording platform, and ways to find and click its lines.
#include "help/DocumentLines.h"
#include "help/TForm2.h"
#include "platform/Language.h"
#include "tests/help/HelpPlatform.h"
#include "tests/help/QStringPrinter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace vartel::test {

// The document's title line and chapter titles in the windows' language (the suite runs in Dutch as well).
inline const QStringList& ChapterTitles()
{
    static const QStringList english{
        "1. Introduction", "2. Perform a simulation", "3. Population pyramid", "4. Graphs",  "5. The Vartel model",
        "6. Scenarios",    "7. Parameters",           "8. Incidents",          "9. Results", "10. Program information"};
    static const QStringList dutch{"1. Inleiding",          "2. Een simulatie uitvoeren",
                                   "3. Bevolkingspiramide", "4. Grafieken",
                                   "5. Het Vartel-model",   "6. Scenario's",
                                   "7. Parameters",         "8. Gebeurtenissen",
                                   "9. Uitkomsten",         "10. Programma-informatie"};
    return CurrentLanguage() == Language::Dutch ? dutch : english;
}
inline QString DocumentTitle()
{
    return CurrentLanguage() == Language::Dutch ? QStringLiteral("Vartel     (Bevolkingssimulatie)")
                                                : QStringLiteral("Vartel     (Population Simulation)");
}

class HelpWindowTest : public ::testing::Test {
protected:
    explicit HelpWindowTest(bool printer = false) : platform_(printer) {}

    void SetUp() override
    {
        form = std::make_unique<TForm2>(platform_);
        view = form->findChild<QTextEdit*>("RichEdit1");
        ASSERT_NE(view, nullptr) << "the help window has a rich-text view named RichEdit1";
        form->show();
        Settle();
    }

    // Lets the view finish its layout after a show or a resize: the scroll range follows the new layout a
    // moment later, long before a user clicks.
    void Settle()
    {
        QApplication::processEvents();
        const bool settled = QTest::qWaitFor([this] {
            const int range = static_cast<int>(view->document()->size().height()) - view->viewport()->height();
            return std::abs(view->verticalScrollBar()->maximum() - std::max(range, 0)) <= 1;
        });
        EXPECT_TRUE(settled) << "the scroll range follows the document's layout";
    }

    HelpPlatform& platform() { return platform_; }
    QPushButton* Button(const char* name) { return form->findChild<QPushButton*>(name); }
    std::vector<DocumentLine> Lines() { return LayOutLines(*view->document()); }
    int Scroll() { return view->verticalScrollBar()->value(); }
    int CaretLine() { return LineOfPosition(Lines(), view->textCursor().position()); }
    // The laid-out line shown at the top edge of the view.
    int TopVisibleLine() { return LineOfPosition(Lines(), view->cursorForPosition(QPoint(40, 1)).position()); }

    // A press of `button` a little inside the start of laid-out line `line`, which must be visible.
    void PressOnLine(int line, Qt::MouseButton button = Qt::LeftButton, int x = 40)
    {
        const std::vector<DocumentLine> lines = Lines();
        ASSERT_LT(line, static_cast<int>(lines.size())) << "the document has a line " << line;
        const int y = static_cast<int>(lines[line].Top) - Scroll() + 3;
        QTest::mouseClick(view->viewport(), button, {}, QPoint(x, y));
    }

    int LineWithText(const QString& text, int from = 0)
    {
        const std::vector<DocumentLine> lines = Lines();
        for (int i = from; i < static_cast<int>(lines.size()); ++i) {
            if (lines[i].Text == text) {
                return i;
            }
        }
        return -1;
    }

    HelpPlatform platform_;
    std::unique_ptr<TForm2> form;
    QTextEdit* view = nullptr;
};

} // namespace vartel::test
