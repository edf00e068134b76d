#include "ui/InfoLine.h"

#include "help/LinkDetector.h"
#include "help/TRichEdit.h"
#include "platform/Platform.h"
#include "ui/WidgetFactory.h"

#include <QCoreApplication>
#include <QTextDocument>

namespace vartel {

QString InfoLineText()
{
    return QCoreApplication::translate("InfoLine", "Vartel – population simulation for schools. Questions and "
                                                   "remarks: mailto:vartel@example.org");
}

TRichEdit* CreateInfoLine(QWidget* window, Platform& platform)
{
    auto* line = Place(new TRichEdit(window), "RichEdit1", {56, 628, 774, 17},
                       QCoreApplication::translate("InfoLine", "Program information"));
    line->setFrameShape(QFrame::NoFrame);
    line->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    line->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    line->setLineWrapMode(QTextEdit::NoWrap);
    line->setFocusPolicy(Qt::ClickFocus); // not in the tab order
    line->setFont(SansFont(11));
    line->document()->setDocumentMargin(1); // the one line fits the 17 pixels
    QPalette palette = line->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    palette.setColor(QPalette::Text, QColor(128, 0, 0));
    line->setPalette(palette);

    line->EnableLinkDetection();
    // The text goes in as a document of its own, so the links are found as in any loaded document.
    QByteArray rtf("{\\rtf1\\ansi ");
    for (const QChar c : InfoLineText()) {
        if (c.unicode() < 128)
            rtf += static_cast<char>(c.unicode());
        else
            rtf += "\\u" + QByteArray::number(c.unicode()) + "?";
    }
    rtf += "}";
    line->LoadRtf(rtf);

    QObject::connect(line, &TRichEdit::LinkPressed, window,
                     [&platform](const QString& link) { platform.OpenLink(LinkTarget(link)); });
    return line;
}

} // namespace vartel
