// Printing: the page rectangle's one-inch margins, a document printed into a PDF file, and a real print
// job on a CUPS PDF queue when one can be set up.
#include "help/DocumentPrinter.h"
#include "help/RtfReader.h"
#include "tests/help/HelpWindowFixture.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QThread>

namespace vartel::test {
namespace {

TEST(PrintPageRectangle, LeavesOneInchFromThePapersLeftAndTopEdge)
{
    // 600 dpi, printable area starting 100 and 120 pixels from the paper's edge, 4760 x 6779 pixels.
    const QRect rect = PrintPageRectangle({600, 600, 100, 120, 4760, 6779});
    EXPECT_EQ(rect.left(), 500) << "left = resolution - offset: one inch from the paper's edge";
    EXPECT_EQ(rect.top(), 480) << "top = resolution - offset";
    EXPECT_EQ(rect.left() + rect.width(), 4760 - 600 - 100) << "right = page width - resolution - offset";
    EXPECT_EQ(rect.top() + rect.height(), 6779 - 600 - 120) << "bottom = page height - resolution - offset";
}

int PdfPageCount(const QByteArray& pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    return static_cast<int>(QString::fromLatin1(pdf).count(page));
}

TEST(PrintDocument, PrintsEveryPageWithinTheRectangle)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid()) << "a temporary folder";
    const QString file = folder.filePath("help.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    const QRect rect = PrintPageRectangle(PrepareDeviceValues(printer));
    ASSERT_GT(rect.width(), 0) << "a usable rectangle on the PDF page";

    QByteArray rtf = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 300; ++i) {
        rtf += "Line " + QByteArray::number(i) + "\\par ";
    }
    rtf += "}";
    QTextDocument document;
    ReadRtf(rtf, document);
    ASSERT_TRUE(PrintDocument(document, printer, rect)) << "the job starts and ends";

    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "the PDF was written";
    const QByteArray content = pdf.readAll();
    EXPECT_TRUE(content.startsWith("%PDF")) << "it is a PDF file";
    // 300 lines of 12 points need 3600 points; an A4 or Letter page less two inches holds under 700.
    EXPECT_GE(PdfPageCount(content), 5) << "the long document runs over several pages";
}

TEST(PrintDocument, IndentsTabsAndSpacingKeepTheirSizeOnPaper)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const double dpi = printer.logicalDpiX();
    ASSERT_GT(dpi, 96.0) << "a printer with more pixels per inch than the screen";
    QTextDocument document;
    // A bullet half an inch in, its text one inch in after the tab; a sixth of an inch below the paragraph.
    ReadRtf("{\\rtf1 \\li1440\\fi-720\\sa240 \\bullet\\tab one inch\\par \\pard next}", document);
    const QSize page(static_cast<int>(6 * dpi), static_cast<int>(9 * dpi));
    const std::unique_ptr<QTextDocument> paper = LayOutForPrinter(document, printer, page);

    const QTextBlock item = paper->firstBlock();
    const QRectF itemBox = paper->documentLayout()->blockBoundingRect(item);
    const QTextLine line = item.layout()->lineAt(0);
    EXPECT_NEAR(line.cursorToX(0), dpi / 2, dpi / 50) << "the bullet half an inch from the left";
    EXPECT_NEAR(line.cursorToX(2), dpi, dpi / 50) << "the text after the tab one inch from the left";
    const QRectF nextBox = paper->documentLayout()->blockBoundingRect(item.next());
    EXPECT_NEAR(nextBox.top() - (itemBox.top() + line.height()), dpi / 6, dpi / 50)
        << "a sixth of an inch below the paragraph";
    EXPECT_EQ(document.firstBlock().blockFormat().leftMargin(), 96.0) << "the view's own document is unchanged";
}

TEST(PrintDocument, RefusesAnEmptyRectangle)
{
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("none.pdf"));
    QTextDocument document("text");
    EXPECT_FALSE(PrintDocument(document, printer, QRect())) << "nothing can be laid out in an empty rectangle";
}

// A CUPS scheduler with a PDF queue, started for the test when the packages are present and nothing
// runs yet; what it starts or adds, it removes again.
class CupsPdfQueue {
public:
    CupsPdfQueue()
    {
        const bool tools = !QStandardPaths::findExecutable("cupsd").isEmpty() &&
                           !QStandardPaths::findExecutable("lpadmin").isEmpty() &&
                           !QStandardPaths::findExecutable("lpstat").isEmpty();
        if (!tools || !QFileInfo::exists("/usr/lib/cups/backend/cups-pdf") || !QFileInfo::exists(Ppd)) {
            problem = "cups or printer-driver-cups-pdf is not installed "
                      "(apt-get install -y cups printer-driver-cups-pdf)";
            return;
        }
        if (!SchedulerRuns()) {
            QDir().mkpath("/run/cups");
            scheduler_.start("cupsd", {"-f"});
            if (!scheduler_.waitForStarted(5000)) {
                problem = "cupsd could not be started";
                return;
            }
            for (int i = 0; i < 50 && !SchedulerRuns(); ++i) {
                QThread::msleep(200);
            }
        }
        if (!Run("lpstat", {"-p", "PDF"})) {
            addedQueue_ = Run("lpadmin", {"-p", "PDF", "-E", "-v", "cups-pdf:/", "-P", Ppd});
            if (!addedQueue_) {
                problem = "the PDF queue could not be added (lpadmin needs root)";
                return;
            }
        }
        previousDefault_ = QPrinterInfo::defaultPrinterName();
        Run("lpadmin", {"-d", "PDF"});
    }

    ~CupsPdfQueue()
    {
        if (!previousDefault_.isEmpty() && previousDefault_ != "PDF") {
            Run("lpadmin", {"-d", previousDefault_});
        }
        if (addedQueue_) {
            Run("lpadmin", {"-x", "PDF"});
        }
        if (scheduler_.state() != QProcess::NotRunning) {
            scheduler_.terminate();
            scheduler_.waitForFinished(5000);
        }
    }

    QString problem;

private:
    static constexpr const char* Ppd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";

    // lpstat -r succeeds either way; only its answer tells.
    static bool SchedulerRuns()
    {
        QProcess process;
        process.start("lpstat", {"-r"});
        process.waitForFinished(10000);
        return process.readAllStandardOutput().trimmed() == "scheduler is running";
    }

    static bool Run(const QString& program, const QStringList& arguments)
    {
        QProcess process;
        process.start(program, arguments);
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QProcess scheduler_;
    bool addedQueue_ = false;
    QString previousDefault_;
};

// Whether a PDF's last bytes are its end-of-file marker: on a busy machine the writer may pause longer than
// a poll in the middle of the file.
bool EndsAsAPdf(const QFileInfo& info)
{
    QFile file(info.filePath());
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    file.seek(file.size() - 8);
    return file.read(8).contains("%%EOF");
}

// The newest PDF in the folder written after `since`, once it is whole and its size has stopped changing.
QFileInfo WaitForFinishedPdf(const QDir& folder, const QDateTime& since)
{
    qint64 lastSize = -1;
    for (int i = 0; i < 300; ++i) {
        const QFileInfoList pdfs = folder.entryInfoList({"*.pdf"}, QDir::Files, QDir::Time);
        if (!pdfs.isEmpty() && pdfs.front().lastModified() >= since.addSecs(-1)) {
            const qint64 size = pdfs.front().size();
            if (size > 0 && size == lastSize && EndsAsAPdf(pdfs.front())) {
                return pdfs.front();
            }
            lastSize = size;
        }
        QThread::msleep(200);
        folder.refresh();
    }
    return {};
}

class HelpPrintTest : public HelpWindowTest {
protected:
    HelpPrintTest() : HelpWindowTest(true) {}
    void SetUp() override
    {
        if (!queue_.problem.isEmpty()) {
            GTEST_SKIP() << "No PDF printer for this test: " << queue_.problem.toStdString();
        }
        HelpWindowTest::SetUp();
    }
    CupsPdfQueue queue_; // constructed before the window, so the window finds the printer
};

TEST_F(HelpPrintTest, PrintButtonPrintsTheDocumentOnThePdfQueue)
{
    ASSERT_TRUE(form->PrinterAvailable()) << "the queue is installed when the window is created";
    ASSERT_GT(form->PrintPageRect().width(), 0) << "a page rectangle was set up";
    const QDir folder(QDir::home().filePath("PDF"));
    const QDateTime started = QDateTime::currentDateTime();
    Button("Button2")->click();
    EXPECT_TRUE(platform().messages.empty()) << "printing shows no message";
    const QFileInfo pdf = WaitForFinishedPdf(folder, started);
    ASSERT_TRUE(pdf.exists()) << "a PDF appeared in " << folder.path().toStdString() << " within 60 s";
    EXPECT_GT(pdf.size(), 0) << "the PDF is not empty";
    QFile file(pdf.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the PDF can be read";
    const QByteArray content = file.readAll();
    EXPECT_TRUE(content.startsWith("%PDF")) << "the file is a PDF";
    EXPECT_GE(PdfPageCount(content), 3) << "the whole explanation is printed, over several pages";
    file.close();
    QFile::remove(pdf.filePath());
}

} // namespace
} // namespace vartel::test
