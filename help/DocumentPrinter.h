#pragma once
// Printing the help document: the page rectangle with a margin of one inch from the paper's left and top
// edge, and the print job itself.
#include <QRect>
#include <QSize>

#include <memory>

class QPaintDevice;
class QPrinter;
class QTextDocument;

namespace vartel {

// What the printer reports, in printer pixels.
struct PrinterDeviceValues {
    int ResolutionX = 0; // pixels per inch
    int ResolutionY = 0;
    int OffsetX = 0; // where the printable area starts, measured from the paper's edge
    int OffsetY = 0;
    int PageWidth = 0; // of the printable area
    int PageHeight = 0;
};

// The rectangle the document is laid out in, relative to the printable area.
QRect PrintPageRectangle(const PrinterDeviceValues& device);

// Sets the printer's margins to its hardware minimum, so that its page is its whole printable area, and
// reads its device values.
PrinterDeviceValues PrepareDeviceValues(QPrinter& printer);

// A copy of the document laid out in the printer's pixels on pages of `pageSize`; the view's own layout
// is left alone.
std::unique_ptr<QTextDocument> LayOutForPrinter(const QTextDocument& document, QPaintDevice& printer, QSize pageSize);

// Prints the whole document, page after page, within `pageRectangle`. False when the job could not be
// started.
bool PrintDocument(const QTextDocument& document, QPrinter& printer, const QRect& pageRectangle);

} // namespace vartel
