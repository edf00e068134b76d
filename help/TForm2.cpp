#include "help/TForm2.h"

#include "help/DocumentLines.h"
#include "help/DocumentPrinter.h"
#include "help/HelpGeometry.h"
#include "help/LinkDetector.h"
#include "help/TRichEdit.h"
#include "platform/Language.h"
#include "platform/Platform.h"
#include "widgets/Fonts.h"
#include "widgets/Placement.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include <cmath>

namespace vartel {
namespace {

// Unlike the main window's buttons these stay in the tab order.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    return Place(new QPushButton(caption, parent), name, {left, 4, 120, 24});
}

} // namespace

TForm2::TForm2(Platform& platform, QWidget* parent) : QWidget(parent, Qt::Window), platform_(platform)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("Vartel  -  Programme explanation"));
    setAttribute(Qt::WA_QuitOnClose, false); // closing it only hides it; it keeps no program running
    setFont(UnstretchedSansFont(11));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setFixedHeight(30);
    Button1 = MakeButton(Panel1, "Button1", tr("Copy to Clipboard"), 6);
    Button2 = MakeButton(Panel1, "Button2", tr("Print"), 130);
    Button3 = MakeButton(Panel1, "Button3", tr("Printer properties"), 254);
    Button4 = MakeButton(Panel1, "Button4", tr("Back to top"), 378);

    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Programme explanation"));
    RichEdit1->setFont(UnstretchedSansFont(25));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(RichEdit1, 1);

    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm2::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TForm2::Button4Click);
    connect(RichEdit1, &TRichEdit::MouseDown, this, &TForm2::RichEdit1MouseDown);
    connect(RichEdit1, &TRichEdit::LinkPressed, this, &TForm2::OpenClickedLink);
    // A keyboard user closes the window as any other of the desktop's document windows.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);

    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect geometry = HelpWindowGeometry(screen ? screen->size() : QSize(1024, 768));
    move(geometry.topLeft());
    resize(geometry.size());

    printerAvailable_ = platform_.PrinterInstalled();
    if (printerAvailable_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printPageRect_ = PrintPageRectangle(PrepareDeviceValues(*printer_));
    }

    RichEdit1->EnableLinkDetection();
    QFile document(HelpDocumentResource());
    if (document.open(QIODevice::ReadOnly)) {
        RichEdit1->LoadRtf(document.readAll());
    }
}

void TForm2::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (width() < HelpMinimumWidth) {
        resize(HelpMinimumWidth, height());
    }
    RichEdit1->viewport()->update();
}

void TForm2::Button1Click()
{
    QTextCursor selection = RichEdit1->textCursor();
    if (!selection.hasSelection()) {
        selection.select(QTextCursor::Document);
    }
    // Copied from a separate cursor, so the view's own selection and scroll position stay as they are.
    const QTextDocumentFragment fragment = selection.selection();
    auto* data = new QMimeData;
    data->setHtml(fragment.toHtml());
    data->setText(fragment.toPlainText());
    QApplication::clipboard()->setMimeData(data);
    RichEdit1->setFocus();
}

void TForm2::Button2Click()
{
    if (!printerAvailable_) {
        ReportNoPrinter();
        return;
    }
    printer_->setDocName(QString());
    if (!PrintDocument(*RichEdit1->document(), *printer_, printPageRect_)) {
        platform_.ReportError(this, tr("The programme explanation could not be printed"));
    }
}

void TForm2::Button3Click()
{
    if (!printerAvailable_) {
        ReportNoPrinter();
        return;
    }
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(tr("Printer properties"));
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only chooses printer and paper here; nothing is printed when it closes.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(tr("OK"));
        }
    }
    if (dialog.exec() == QDialog::Accepted) {
        // Another printer or paper needs its own margins, or the text would run off the page.
        printPageRect_ = PrintPageRectangle(PrepareDeviceValues(*printer_));
    }
}

void TForm2::Button4Click()
{
    RichEdit1->moveCursor(QTextCursor::Start);
    RichEdit1->verticalScrollBar()->setValue(0);
}

void TForm2::RichEdit1MouseDown()
{
    const std::vector<DocumentLine> lines = LayOutLines(*RichEdit1->document());
    const int caretLine = LineOfPosition(lines, RichEdit1->textCursor().position());
    const std::optional<int> heading = ChapterHeadingLine(lines, caretLine);
    if (!heading) {
        return;
    }
    QTextCursor caret(RichEdit1->document());
    caret.setPosition(lines[*heading].Start);
    RichEdit1->setTextCursor(caret);
    // The heading becomes the top line; near the end the scroll bar stops at the end of the document.
    RichEdit1->verticalScrollBar()->setValue(static_cast<int>(std::ceil(lines[*heading].Top)));
}

void TForm2::OpenClickedLink(const QString& linkText)
{
    platform_.OpenLink(LinkTarget(linkText));
}

void TForm2::ReportNoPrinter()
{
    platform_.ShowMessage(this, tr("Error"), tr("No printer is connected"), MessageIcon::None);
}

} // namespace vartel
