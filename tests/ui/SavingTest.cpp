// The save buttons through the recording platform: what the dialogs are asked, what is written where,
// what the window remembers, and what the user is told when something goes wrong.
#include "WindowFixture.h"
#include "tests/output/GifFrames.h"

#include "lesson/LessonReader.h"
#include "output/AnimationWriter.h"
#include "output/DataFile.h"
#include "output/EmfCanvas.h"
#include "output/PictureSaver.h"
#include "tools/BatchSession.h"
#include "ui/LessonEditor.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDate>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>
#include <sstream>

namespace vartel::test {
namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool IsEmf(const QByteArray& bytes)
{
    // The header record (type 1) carries the signature " EMF" at offset 40.
    return bytes.size() > 44 && bytes.at(0) == 1 && bytes.mid(40, 4) == QByteArray(" EMF");
}

class Saving : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    QString In(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }

    const FileDialogRequest& LastRequest() const { return platform.fileRequests.back(); }

    void StepYears(int years)
    {
        form->Controls().TrackBar1->setValue(4);
        form->Controls().StartButton->click();
        ASSERT_TRUE(RunUntil([&] { return S().Year >= years; }));
        form->Controls().StartButton->click(); // pause
        ASSERT_FALSE(S().Running);
    }

    void Image2ContextMenuOpenAndClose()
    {
        form->Image2ContextMenu(form->Controls().Image2->mapToGlobal(QPoint(300, 60)));
        Pump();
        form->Controls().GraphMenu->close();
    }

    QTemporaryDir folder;
};

TEST_F(Saving, PictureDialogIsAskedWithItsSettings)
{
    form->Controls().Button1->click();
    ASSERT_EQ(platform.fileRequests.size(), 1u) << "one dialog per click";
    const FileDialogRequest& graph = LastRequest();
    EXPECT_EQ(graph.Title, QStringLiteral("Save graph as image file"));
    EXPECT_EQ(graph.Filters,
              (QStringList{"Enhanced Metafile (*.emf)", "Metafile (*.wmf)", "Bitmap (*.bmp)", "JPEG Image File (*.jpg)",
                           "CompuServe GIF Image (*.gif)", "PNG Image (*.png)", "Scalable Vector Graphics (*.svg)"}))
        << "the seven picture formats, EMF first";
    EXPECT_EQ(graph.DefaultExtension, QStringLiteral("emf")) << "initial default extension";
    EXPECT_TRUE(graph.ProposedName.isEmpty()) << "no proposal the first time";
    EXPECT_TRUE(graph.PicturePreview) << "the picture dialog has a preview";
    EXPECT_FALSE(graph.ExtensionFollowsFilter) << "the picture's filter plays no part";
    form->Controls().Button3->click();
    EXPECT_EQ(LastRequest().Title, QStringLiteral("Save population pyramid as image file"));
}

TEST_F(Saving, CancelKeepsThePauseAndTheProposals)
{
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 5; }));
    form->Controls().Button1->click(); // cancelled: no answer queued
    EXPECT_FALSE(S().Running) << "saving pauses the run";
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue"))
        << "the start button then reads Continue";
    const int pausedAt = S().Year;
    QTest::qWait(30);
    EXPECT_EQ(S().Year, pausedAt) << "a cancelled dialog does not resume";
    EXPECT_TRUE(form->Controls().StartButton->hasFocus()) << "the start button gets the focus after a cancel";

    platform.fileAnswers.push_back(In("graph.jpg"));
    form->Controls().Button1->click();
    ASSERT_TRUE(QFile::exists(In("graph.jpg")));
    form->Controls().Button1->click(); // cancelled
    form->Controls().Button1->click(); // cancelled again
    EXPECT_EQ(LastRequest().ProposedName, In("graph")) << "a cancel leaves the proposal without extension";
    EXPECT_EQ(LastRequest().DefaultExtension, QStringLiteral("JPG")) << "a cancel leaves the default extension";
    EXPECT_EQ(S().LastImageExtension, ".JPG");
}

TEST_F(Saving, MixedCaseEmfIsSavedAsEmfAndBecomesTheDefaultForBoth)
{
    platform.fileAnswers.push_back(In("graph.Emf"));
    form->Controls().Button1->click();
    EXPECT_TRUE(IsEmf(ReadAll(In("graph.Emf")))) << "a mixed-case .Emf writes an enhanced metafile";
    EXPECT_EQ(S().LastImageExtension, ".EMF");

    platform.fileAnswers.push_back(In("pyramid.gif"));
    form->Controls().Button3->click();
    EXPECT_EQ(LastRequest().DefaultExtension, QStringLiteral("EMF")) << "the pyramid dialog shares the default";
    EXPECT_EQ(LastRequest().ProposedName, In("graph")) << "and the proposal";
    const QImage gif(In("pyramid.gif"));
    EXPECT_EQ(gif.size(), QSize(231, 278)) << "the pyramid's GIF is its screen bitmap";
    EXPECT_EQ(QImageReader(In("pyramid.gif")).format(), QByteArray("gif"));

    form->Controls().Button1->click(); // cancelled
    EXPECT_EQ(LastRequest().DefaultExtension, QStringLiteral("GIF")) << "a GIF save makes GIF the default";
    EXPECT_EQ(LastRequest().ProposedName, In("pyramid"));
}

TEST_F(Saving, RasterPicturesAreThe1xViewsWhateverTheScreen)
{
    StepYears(120);
    form->Image2MouseMove(100, 80); // year 40 frozen on the pyramid
    form->Image2Click();
    ASSERT_TRUE(S().Frozen);
    platform.fileAnswers.push_back(In("graph.bmp"));
    form->Button1Click();
    platform.fileAnswers.push_back(In("pyramid.png"));
    form->Button3Click();
    platform.fileAnswers.push_back(In("graph.wmf"));
    form->Button1Click();

    RasterImage oneX(PyramidWidth, PyramidHeight);
    RasterCanvas canvas(oneX);
    DrawPyramid(canvas, S(), 40, 1);
    const QImage pyramid = QImage(In("pyramid.png")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(pyramid, ToQImage(oneX)) << "the frozen year's pyramid as shown, at 1x";
    const QImage graph = QImage(In("graph.bmp")).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(graph.size(), QSize(847, 162)) << "the graph's bitmap at 1x";
    EXPECT_EQ(graph, ToQImage(form->Controls().Image2->Picture())) << "pixel for pixel";
    const QByteArray wmf = ReadAll(In("graph.wmf"));
    ASSERT_GT(wmf.size(), 22) << "a placeable metafile";
    std::int16_t right = 0, bottom = 0; // the bounding box in the placeable header, at scale 4
    std::memcpy(&right, wmf.constData() + 10, 2);
    std::memcpy(&bottom, wmf.constData() + 12, 2);
    EXPECT_EQ(right, 3388) << "drawn at s = 4 whatever the screen";
    EXPECT_EQ(bottom, 648) << "drawn at s = 4 whatever the screen";
}

TEST_F(Saving, NameWithoutExtensionGetsTheDefault)
{
    platform.fileAnswers.push_back(In("graph"));
    form->Controls().Button1->click();
    EXPECT_TRUE(IsEmf(ReadAll(In("graph.emf")))) << "the default extension emf is added";
    EXPECT_EQ(S().LastImageExtension, ".EMF");
}

TEST_F(Saving, OtherExtensionWritesNothingAndSaysSo)
{
    platform.fileAnswers.push_back(In("graph.jpeg"));
    form->Controls().Button1->click();
    EXPECT_FALSE(QFile::exists(In("graph.jpeg"))) << "only .jpg selects JPEG";
    ASSERT_EQ(platform.messages.size(), 1u) << "the user is told nothing was saved";
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].text, QString::fromStdString(UnsupportedExtensionMessage()));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(S().LastImageExtension, ".JPEG") << "the extension is still remembered";
    EXPECT_TRUE(form->Controls().StartButton->hasFocus());
    form->Controls().Button3->click(); // cancelled
    EXPECT_EQ(LastRequest().DefaultExtension, QStringLiteral("JPEG"));
    EXPECT_EQ(LastRequest().ProposedName, In("graph")) << "the proposal loses the extension";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 0) << "no file at all was written";
}

TEST_F(Saving, UnwritablePictureGoesToTheErrorReport)
{
    platform.fileAnswers.push_back(In("missing-folder/graph.bmp"));
    form->Controls().Newbutton->setFocus();
    form->Controls().Button1->click();
    ASSERT_EQ(platform.messages.size(), 1u) << "the failure is reported";
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("graph.bmp"))) << "the text names the file";
    EXPECT_TRUE(platform.messages[0].text.endsWith(u'.')) << "with a full stop";
    form->Controls().Button1->click(); // cancelled
    EXPECT_EQ(LastRequest().ProposedName, In("missing-folder/graph.bmp")) << "the proposal keeps its extension";
}

TEST_F(Saving, FrozenPyramidYearIsDrawnIntoTheMetafile)
{
    StepYears(60);
    const auto pyramidEmf = [this](int year, const QString& path) {
        const ViewSource view{nullptr, // a metafile is drawn anew, without the bitmap
                              [this, year](Canvas& c, int scale) { DrawPyramid(c, form->state(), year, scale); },
                              PyramidWidth, PyramidHeight};
        EXPECT_EQ(SavePicture(PictureFormat::Emf, path.toStdString(), view), "");
        return ReadAll(path);
    };
    const QByteArray ofYear20 = pyramidEmf(20, In("ref20.emf"));
    const QByteArray ofPresent = pyramidEmf(S().Year, In("refnow.emf"));
    ASSERT_NE(ofYear20, ofPresent) << "the two years have different pyramids";

    form->Image2MouseMove(95, 80); // year 20
    form->Image2Click();
    ASSERT_TRUE(S().Frozen);
    platform.fileAnswers.push_back(In("frozen.emf"));
    form->Button3Click();
    EXPECT_EQ(ReadAll(In("frozen.emf")), ofYear20) << "the frozen year's pyramid is saved";

    form->Image2Click(); // release
    form->Image2MouseMove(95, 80);
    ASSERT_TRUE(S().Browsing && !S().Frozen);
    platform.fileAnswers.push_back(In("browsed.emf"));
    form->Button3Click();
    EXPECT_EQ(ReadAll(In("browsed.emf")), ofPresent) << "without a freeze the current year's pyramid is saved";
}

TEST_F(Saving, DataFileAtYearZero)
{
    form->Controls().Button2->click(); // cancelled
    const FileDialogRequest& request = LastRequest();
    EXPECT_EQ(request.Title, QStringLiteral("Save Data"));
    EXPECT_EQ(request.Filters, (QStringList{QStringLiteral("Text file (*.txt)"), QStringLiteral("Spreadsheet (*.csv)"),
                                            QStringLiteral("Workbook (*.xlsx)")}));
    EXPECT_EQ(request.DefaultExtension, QStringLiteral("txt"));
    EXPECT_TRUE(request.ExtensionFollowsFilter) << "choosing Spreadsheet makes a typed name a .csv";
    EXPECT_TRUE(request.ProposedName.isEmpty());
    EXPECT_FALSE(request.PicturePreview);

    platform.fileAnswers.push_back(In("data"));
    form->Controls().Button2->click();
    const QByteArray text = ReadAll(In("data.txt"));
    ASSERT_FALSE(text.isEmpty()) << "txt is added to a name without extension";
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_GE(lines.size(), 35);
    EXPECT_EQ(lines[0], "Vartel (Population Simulation)\r");
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(lines[5], ("Date:\t" + today + "\r").toLocal8Bit()) << "today's date in the short format";
    EXPECT_TRUE(lines[33].startsWith("0\t")) << "the only row is year 0";
    EXPECT_TRUE(lines[33].contains("\t\t")) << "year 0 has an empty growth field";
    EXPECT_EQ(lines.size(), 36) << "34 lines of header and one row, the empty last line, then nothing";
    EXPECT_TRUE(form->Controls().StartButton->hasFocus());

    form->Controls().Button2->click(); // cancelled
    EXPECT_EQ(LastRequest().ProposedName, In("data.txt")) << "the last name is proposed again";
}

TEST_F(Saving, DataFileAfterARunWhileRunningPauses)
{
    form->Controls().TrackBar1->setValue(4);
    form->Controls().StartButton->click();
    ASSERT_TRUE(RunUntil([this] { return S().Year >= 30; }));
    platform.fileAnswers.push_back(In("run.txt"));
    form->Controls().Button2->click();
    EXPECT_EQ(form->Controls().StartButton->text(), QStringLiteral("Continue")) << "saving pauses the run first";
    const int year = S().Year;
    const QList<QByteArray> lines = ReadAll(In("run.txt")).split('\n');
    ASSERT_EQ(lines.size(), 33 + (year + 1) + 2) << "one row per year 0.." << year;
    EXPECT_TRUE(lines[33 + year].startsWith(QByteArray::number(year) + "\t")) << "the last row is the current year";
}

TEST_F(Saving, DataFileWithTheCsvExtensionIsTheSpreadsheetFile)
{
    StepYears(20);
    platform.fileAnswers.push_back(In("run.csv"));
    form->Controls().Button2->click();
    EXPECT_EQ(ReadAll(In("run.csv")), QByteArray::fromStdString(DataSpreadsheetText(S())));
    EXPECT_TRUE(form->Controls().StartButton->hasFocus());
}

TEST_F(Saving, FullDeviceGivesTheErrorBox)
{
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), In("full.txt")));
    platform.fileAnswers.push_back(In("full.txt"));
    form->Controls().Newbutton->setFocus();
    form->Controls().Button2->click();
    ASSERT_EQ(platform.messages.size(), 1u) << "a full disk is reported";
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("full.txt"))) << "naming the file";
    EXPECT_TRUE(form->Controls().Newbutton->hasFocus()) << "the focus is not moved after a failure";
    EXPECT_FALSE(S().Running);
}

TEST_F(Saving, TheAnimationOfTheRunIsSavedFromTheGraphsMenu)
{
    StepYears(60);
    form->Controls().StartButton->click(); // running again: the save pauses
    platform.fileAnswers.push_back(In("run"));
    form->Controls().SaveAnimationItem->trigger();
    EXPECT_FALSE(S().Running);
    ASSERT_EQ(platform.fileRequests.size(), 1u);
    EXPECT_EQ(LastRequest().Title, QStringLiteral("Save animation"));
    EXPECT_EQ(LastRequest().Filters, QStringList{QStringLiteral("CompuServe GIF Image (*.gif)")});
    ASSERT_TRUE(platform.messages.empty()) << platform.messages[0].text.toStdString();

    const test::GifFrames gif = test::ReadGifFrames(In("run.gif").toStdString());
    ASSERT_EQ(gif.Error, "") << "the name gets the .gif it was typed without";
    ASSERT_EQ(gif.Frames.size(), AnimationYears(S().Year, DefaultAnimationYears).size());
    EXPECT_EQ(gif.Delays.back(), AnimationLastFrameHold);
    RasterImage pyramid(PyramidWidth, PyramidHeight);
    RasterCanvas canvas(pyramid);
    DrawPyramid(canvas, S(), S().Year, 1);
    EXPECT_TRUE(test::PartOf(gif.Frames.back(), gif.Size.Width - PyramidWidth, 0, pyramid.Size()) == pyramid)
        << "the last frame shows the pyramid of the present";
    EXPECT_TRUE(form->Controls().StartButton->hasFocus());

    platform.fileAnswers.push_back(In("missing-folder/run.gif"));
    form->Controls().SaveAnimationItem->trigger();
    ASSERT_EQ(platform.messages.size(), 1u) << "the failure is reported";
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
    EXPECT_TRUE(platform.messages[0].text.contains(QStringLiteral("run.gif"))) << "naming the file";
    EXPECT_FALSE(QFile::exists(In("missing-folder/run.gif")));

    form->Controls().SaveAnimationItem->trigger(); // cancelled: nothing more asked or told
    EXPECT_EQ(platform.fileRequests.size(), 3u);
    EXPECT_EQ(platform.fileRequests.back().ProposedName, In("missing-folder/run.gif")) << "the last name is proposed";
    EXPECT_EQ(platform.messages.size(), 1u);
}

// Fills in the lesson editor once it is open and presses OK (or Cancel).
void AnswerLessonEditor(bool ok)
{
    QTimer::singleShot(0, [ok] {
        auto* editor = qobject_cast<LessonEditor*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr) << "the lesson editor is open";
        editor->findChild<QLineEdit*>(QStringLiteral("LessonTitle"))->setText(QStringLiteral("Een epidemie"));
        editor->findChild<QPlainTextEdit*>(QStringLiteral("LessonInstructions"))->setPlainText(QStringLiteral("Kijk."));
        editor->findChild<QCheckBox*>(QStringLiteral("LockIncidents"))->setChecked(true);
        editor->AddPausePoint(500, QStringLiteral("Why?"));
        editor->AddPausePoint(200, QStringLiteral("How many?"));
        if (ok)
            editor->accept();
        else
            editor->reject();
    });
}

TEST_F(Saving, ALessonSavedFromTheRunGivesTheBatchToolTheSameRun)
{
    form->ScenarioClick(6);
    StepYears(30);
    form->IncidentClick(1);
    const int epidemicYear = S().Year;
    StepYears(epidemicYear + 40);
    form->Controls().BImeter->setText(QStringLiteral("2.5"));
    form->BImeterExit();
    const int commitYear = S().Year;
    StepYears(commitYear + 30);

    AnswerLessonEditor(false);
    form->Controls().SaveLessonItem->trigger();
    EXPECT_TRUE(platform.fileRequests.empty()) << "a cancelled editor saves nothing";

    AnswerLessonEditor(true);
    platform.fileAnswers.push_back(In("epidemic"));
    form->Controls().SaveLessonItem->trigger();
    ASSERT_EQ(platform.fileRequests.size(), 1u);
    EXPECT_EQ(LastRequest().Filters, QStringList{QStringLiteral("Lesson (*.vartel)")});
    ASSERT_TRUE(platform.messages.empty());
    const LessonReading lesson = ReadLesson(ReadAll(In("epidemic.vartel")).toStdString());
    ASSERT_EQ(lesson.Error, "");
    const Lesson& read = lesson.Read;
    EXPECT_EQ(read.Title, "Een epidemie");
    EXPECT_EQ(read.Instructions, "Kijk.");
    EXPECT_TRUE(read.Locks.Incidents && !read.Locks.Scenario && !read.Locks.Parameters && !read.Locks.Speed);
    ASSERT_EQ(read.PausePoints.size(), 2u);
    EXPECT_EQ(read.PausePoints[0].Year, 200) << "in order of year";
    EXPECT_EQ(read.PausePoints[1].Question, "Why?");
    EXPECT_EQ(read.Scenario, 6);
    ASSERT_EQ(read.Events.size(), 2u);
    EXPECT_EQ(read.Events[0].Argument, std::to_string(epidemicYear) + ":epidemic");
    EXPECT_EQ(read.Events[1].Argument, std::to_string(commitYear) + ":birth-index=2.5");
    EXPECT_EQ(read.Speed, 4);
    EXPECT_EQ(read.Seed, std::optional<std::uint64_t>(platform.ClockSeed()));

    BatchArguments a;
    a.Years = S().Year;
    ASSERT_EQ(UseLesson(read, a), "");
    std::ostringstream corrections;
    BatchSession batch(corrections, false);
    ASSERT_EQ(batch.Run(a), "");
    EXPECT_EQ(DataFileText(batch.Simulation.state(), "today"), DataFileText(S(), "today"))
        << "the lesson's run is the window's";
}

// Pixels of the graph's screen bitmap in `color`.
int PixelsIn(const RasterImage& image, Color color)
{
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            n += image.PixelColor(x, y) == color;
    return n;
}

TEST_F(Saving, GraphMenuKeepsComparesAndForgetsCurves)
{
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(300, 60),
                                 form->Controls().Image2->mapToGlobal(QPoint(300, 60)));
    QCoreApplication::sendEvent(form->Controls().Image2, &rightClick);
    Pump();
    ASSERT_TRUE(form->Controls().GraphMenu->isVisible()) << "a right click opens the graph's menu";
    const QList<QAction*> items = form->Controls().GraphMenu->actions();
    ASSERT_EQ(items.size(), 6) << "three entries for the curves, a separator, the animation and the lesson";
    EXPECT_EQ(items[0]->text(), QStringLiteral("Keep this curve for comparison"));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Compare with a saved run…"));
    EXPECT_EQ(items[2]->text(), QStringLiteral("Forget the kept curves"));
    EXPECT_TRUE(items[3]->isSeparator());
    EXPECT_EQ(items[4], form->Controls().SaveAnimationItem);
    EXPECT_EQ(items[4]->text(), QStringLiteral("Save animation…"));
    EXPECT_EQ(items[5], form->Controls().SaveLessonItem);
    EXPECT_EQ(items[5]->text(), QStringLiteral("Save as lesson…"));
    EXPECT_FALSE(items[0]->isEnabled()) << "nothing to keep at year 0";
    EXPECT_TRUE(items[1]->isEnabled());
    EXPECT_FALSE(items[2]->isEnabled()) << "nothing kept yet";
    EXPECT_FALSE(S().Browsing || S().Frozen) << "the right click does not browse or freeze";
    form->Controls().GraphMenu->close();

    StepYears(200);
    form->KeepCurveClick();
    ASSERT_EQ(form->Kept().Count(), 1u);
    EXPECT_EQ(form->Kept().Curve(0).Label, "Simple") << "the scenario's own course";
    EXPECT_EQ(form->Kept().Curve(0).Population.size(), static_cast<std::size_t>(S().Year) + 1);
    const int drawn = PixelsIn(form->Controls().Image2->Picture(), KeptCurveColors[0]);
    EXPECT_GT(drawn, 100) << "the kept curve is on the screen at once";

    form->Controls().Newbutton->click();
    form->Controls().RadioButtons[5]->click();
    ASSERT_EQ(S().Year, 0);
    EXPECT_EQ(form->Kept().Count(), 1u) << "kept over New and a scenario change";
    EXPECT_GT(PixelsIn(form->Controls().Image2->Picture(), KeptCurveColors[0]), 100) << "and still drawn";
    Image2ContextMenuOpenAndClose();
    EXPECT_TRUE(form->Controls().ForgetCurvesItem->isEnabled()) << "something to forget";

    StepYears(100);
    form->KeepCurveClick();
    EXPECT_EQ(form->Kept().Curve(1).Label, "Realistic, low") << "its own course";
    form->Controls().EpiButton->click();
    form->KeepCurveClick();
    EXPECT_EQ(form->Kept().Curve(2).Label, "Realistic, low*") << "an incident just begun marks the curve";
    form->ForgetCurvesClick();
    form->KeepCurveClick();
    StepYears(S().Year + 60);
    form->KeepCurveClick();
    EXPECT_EQ(form->Kept().Curve(1).Label, "Realistic, low*") << "an incident marks the curve";

    platform.fileAnswers.push_back(In("run.txt"));
    form->Controls().Button2->click();
    ASSERT_TRUE(QFile::exists(In("run.txt")));
    platform.fileAnswers.push_back(In("run.txt"));
    form->CompareClick();
    EXPECT_EQ(LastRequest().Title, QStringLiteral("Compare with a saved run"));
    EXPECT_EQ(LastRequest().Filters,
              (QStringList{QStringLiteral("Text file (*.txt)"), QStringLiteral("Spreadsheet (*.csv)")}));
    ASSERT_EQ(form->Kept().Count(), 3u);
    EXPECT_EQ(form->Kept().Curve(2).Label, "Realistic, low*") << "the saved run, named by the scenario its file names";
    EXPECT_GT(PixelsIn(form->Controls().Image2->Picture(), KeptCurveColors[2]), 50) << "the third colour is drawn";

    QFile bad(In("notes.txt"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("Population of the island, by hand\r\n1200\t5000\r\n");
    bad.close();
    const RasterImage before = form->Controls().Image2->Picture();
    platform.fileAnswers.push_back(In("notes.txt"));
    form->CompareClick();
    ASSERT_EQ(platform.messages.size(), 1u) << "a file that is no data file is reported";
    EXPECT_EQ(platform.messages[0].caption, QStringLiteral("Vartel"));
    EXPECT_EQ(platform.messages[0].text,
              "\"" + In("notes.txt") + QStringLiteral("\" is not a data file of Vartel: it has no time table."));
    EXPECT_EQ(form->Kept().Count(), 3u) << "everything kept as it was";
    EXPECT_EQ(form->Controls().Image2->Picture(), before) << "and the graph too";
    form->CompareClick(); // cancelled
    EXPECT_EQ(LastRequest().ProposedName, In("notes.txt")) << "the last file is proposed again";
    EXPECT_EQ(form->Kept().Count(), 3u);

    platform.fileAnswers.push_back(In("compare.svg"));
    form->Controls().Button1->click();
    const QByteArray svg = ReadAll(In("compare.svg"));
    EXPECT_TRUE(svg.contains(">Realistic, low*<")) << "the saved picture shows the kept curves";
    EXPECT_TRUE(svg.contains("#7755bb")) << "in their colours";
    platform.fileAnswers.push_back(In("compare.bmp"));
    form->Controls().Button1->click();
    EXPECT_GT(PixelsIn(ToRasterImage(QImage(In("compare.bmp"))), KeptCurveColors[1]), 50)
        << "and so does a raster picture";

    form->KeepCurveClick();
    ASSERT_EQ(form->Kept().Count(), 3u) << "three at most";
    EXPECT_EQ(form->Kept().Curve(0).Label, "Realistic, low*") << "the fourth replaced the oldest";
    EXPECT_EQ(form->Kept().ColorOf(2), KeptCurveColors[0]) << "in the oldest one's colour";

    form->ForgetCurvesClick();
    EXPECT_TRUE(form->Kept().Empty());
    for (Color kept : KeptCurveColors)
        EXPECT_EQ(PixelsIn(form->Controls().Image2->Picture(), kept), 0) << "nothing kept is drawn any more";

    form->Controls().Newbutton->click();
    StepYears(50);
    form->KeepCurveClick();
    Enter(form->Controls().SPmeter, QStringLiteral("5000"));
    form->KeepCurveClick();
    ASSERT_EQ(form->Kept().Count(), 2u);
    EXPECT_EQ(form->Kept().Curve(0).Label, "Realistic, low");
    EXPECT_EQ(form->Kept().Curve(1).Label, "Realistic, low*") << "a commit just made marks the curve";
}

// The batch tool draws as the window does: after a full run of the same scenario its BMPs are the window's
// saved BMPs, byte for byte, for each graph button (pressed after the run) and for the pyramid.
class SavingAsTheBatchTool : public Saving, public ::testing::WithParamInterface<int> {
protected:
    QByteArray WindowBmp(QPushButton* saveButton, const std::string& name)
    {
        platform.fileAnswers.push_back(In(name.c_str()));
        saveButton->click();
        return ReadAll(In(name.c_str()));
    }
    QByteArray BatchBmp(const std::string& mode, bool pyramid)
    {
        BatchArguments a =
            ParseBatchArguments({"--scenario", std::to_string(GetParam()), "--graph-mode", mode}).Arguments;
        (pyramid ? a.PyramidFile : a.GraphFile) = In("batch.bmp").toStdString();
        std::ostringstream corrections;
        BatchSession session(corrections, true);
        EXPECT_TRUE(session.Run(a).empty() && session.WriteFiles(a).empty());
        return ReadAll(In("batch.bmp"));
    }
};

TEST_P(SavingAsTheBatchTool, FullRunGivesTheSamePicturesForEveryGraphButton)
{
    if (GetParam() != 1)
        form->Controls().RadioButtons[static_cast<std::size_t>(GetParam())]->click();
    RunToEndAtFullSpeed();
    ASSERT_EQ(S().Year, MaxYear);
    const QByteArray pyramid = WindowBmp(form->Controls().Button3, "pyramid.bmp");
    ASSERT_FALSE(pyramid.isEmpty());
    EXPECT_TRUE(pyramid == BatchBmp("population", true)) << "the pyramid";
    const std::pair<QPushButton*, std::string> buttons[] = {{nullptr, "population"},
                                                            {form->Controls().BirthButton, "birth"},
                                                            {form->Controls().DeathButton, "mortality"},
                                                            {form->Controls().lifebutton, "survival"}};
    for (const auto& [button, mode] : buttons) {
        if (button != nullptr)
            button->click();
        const QByteArray window = WindowBmp(form->Controls().Button1, mode + ".bmp");
        ASSERT_FALSE(window.isEmpty());
        EXPECT_TRUE(window == BatchBmp(mode, false)) << "the " << mode << " graph";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryScenario, SavingAsTheBatchTool, ::testing::Range(1, 8));

} // namespace
} // namespace vartel::test
