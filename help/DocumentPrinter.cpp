#include "help/DocumentPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace vartel {

namespace {

// Indents are held in screen pixels (96 per inch), and the layout scales fonts, tab stops and the space
// between paragraphs to the printer but not the indents; the copy for the printer gets them in its pixels.
void ScaleIndents(QTextDocument& document, double scale)
{
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(format.leftMargin() * scale);
        format.setRightMargin(format.rightMargin() * scale);
        format.setTextIndent(format.textIndent() * scale);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

} // namespace

QRect PrintPageRectangle(const PrinterDeviceValues& device)
{
    const int left = device.ResolutionX - device.OffsetX;
    const int top = device.ResolutionY - device.OffsetY;
    const int right = device.PageWidth - device.ResolutionX - device.OffsetX;
    const int bottom = device.PageHeight - device.ResolutionY - device.OffsetY;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

PrinterDeviceValues PrepareDeviceValues(QPrinter& printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    return {printer.resolution(), printer.resolution(), printable.left(),
            printable.top(),      printable.width(),    printable.height()};
}

std::unique_ptr<QTextDocument> LayOutForPrinter(const QTextDocument& document, QPaintDevice& printer, QSize pageSize)
{
    std::unique_ptr<QTextDocument> copy(document.clone());
    copy->documentLayout()->setPaintDevice(&printer);
    copy->setDocumentMargin(0);
    copy->setPageSize(pageSize);
    QFont defaultFont = copy->defaultFont();
    if (defaultFont.pixelSize() > 0) {
        // Screen pixels would come out tiny in printer pixels; points scale with the device.
        defaultFont.setPointSizeF(defaultFont.pixelSize() * 72.0 / 96.0);
        copy->setDefaultFont(defaultFont);
    }
    ScaleIndents(*copy, printer.logicalDpiX() / 96.0);
    return copy;
}

bool PrintDocument(const QTextDocument& document, QPrinter& printer, const QRect& pageRectangle)
{
    if (pageRectangle.width() <= 0 || pageRectangle.height() <= 0) {
        return false;
    }
    const std::unique_ptr<QTextDocument> copy = LayOutForPrinter(document, printer, pageRectangle.size());
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const int pages = copy->pageCount();
    const double pageHeight = pageRectangle.height();
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !printer.newPage()) {
            return false;
        }
        painter.save();
        painter.translate(pageRectangle.left(), pageRectangle.top() - page * pageHeight);
        painter.setClipRect(QRectF(0, page * pageHeight, pageRectangle.width(), pageHeight));
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = QRectF(0, page * pageHeight, pageRectangle.width(), pageHeight);
        copy->documentLayout()->draw(&painter, context);
        painter.restore();
    }
    return painter.end();
}

} // namespace vartel
