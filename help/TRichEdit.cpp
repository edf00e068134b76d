#include "help/TRichEdit.h"

#include "help/LinkDetector.h"
#include "help/RtfReader.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>

namespace vartel {

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setReadOnly(true);
    // Read-only, but with a caret and a selection, as the chapter links and Copy need them.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QTextEdit::WidgetWidth);
    viewport()->setMouseTracking(true);
}

void TRichEdit::EnableLinkDetection()
{
    linkDetection_ = true;
}

void TRichEdit::LoadRtf(const QByteArray& rtf)
{
    ReadRtf(rtf, *document());
    if (linkDetection_) {
        MarkLinks();
    }
    moveCursor(QTextCursor::Start);
}

void TRichEdit::MarkLinks()
{
    QTextCharFormat linkFormat;
    linkFormat.setForeground(QColor(0, 0, 255));
    linkFormat.setFontUnderline(true);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (const LinkRange& link : FindLinks(block.text())) {
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + link.Start);
            cursor.setPosition(block.position() + link.Start + link.Length, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(linkFormat);
        }
    }
    document()->setModified(false);
}

bool TRichEdit::LinkUnder(const QPoint& point, int& start, int& length) const
{
    if (!linkDetection_) {
        return false;
    }
    const QTextCursor hit = cursorForPosition(point);
    const QTextBlock block = hit.block();
    // The cursor lies between two characters; the character under the point is the one whose box holds
    // the point, on either side of it.
    const int inBlock = hit.position() - block.position();
    const QRect caret = cursorRect(hit);
    const int character = point.x() < caret.x() ? inBlock - 1 : inBlock;
    const auto link = LinkAt(block.text(), character);
    if (!link) {
        return false;
    }
    start = block.position() + link->Start;
    length = link->Length;
    return true;
}

void TRichEdit::mousePressEvent(QMouseEvent* event)
{
    QTextEdit::mousePressEvent(event);
    int start = 0;
    int length = 0;
    if (event->button() == Qt::LeftButton && LinkUnder(event->position().toPoint(), start, length)) {
        QTextCursor selection(document());
        selection.setPosition(start);
        selection.setPosition(start + length, QTextCursor::KeepAnchor);
        setTextCursor(selection);
        emit LinkPressed(selection.selectedText());
    }
    emit MouseDown(event->button());
}

void TRichEdit::mouseMoveEvent(QMouseEvent* event)
{
    QTextEdit::mouseMoveEvent(event);
    int start = 0;
    int length = 0;
    const bool overLink = LinkUnder(event->position().toPoint(), start, length);
    viewport()->setCursor(overLink ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

} // namespace vartel
