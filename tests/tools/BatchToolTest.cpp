// vartel-batch as a process: exit statuses, messages, the data file and the pictures it writes.
#include "lesson/LessonLink.h"
#include "lesson/LessonReader.h"
#include "model/Scenarios.h"
#include "output/DataFile.h"
#include "output/PictureSaver.h"
#include "tests/output/ExternalTool.h"
#include "tests/output/GifFrames.h"
#include "tests/tools/BadArguments.h"
#include "tools/BatchRun.h"
#include "tools/BatchSession.h"
#include "views/GraphView.h"
#include "views/PyramidView.h"
#include "views/RasterCanvas.h"
#include "widgets/QtRasterImage.h"

#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

namespace vartel::test {
namespace {

// CTest passes the tool's path.
std::string ToolPath()
{
    return qEnvironmentVariable("VARTEL_BATCH").toStdString();
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2)
        lines.push_back(text.substr(begin, end - begin));
    if (begin < text.size())
        lines.push_back(text.substr(begin));
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t begin = 0;
    for (std::size_t end; (end = line.find('\t', begin)) != std::string::npos; begin = end + 1)
        fields.push_back(line.substr(begin, end - begin));
    fields.push_back(line.substr(begin));
    return fields;
}

// The fields of the time table's rows in order of year; a bulletin text with line breaks continues a row
// over several lines, which are left out here.
std::vector<std::vector<std::string>> TimeTable(const std::string& text)
{
    const std::vector<std::string> lines = Lines(text);
    std::size_t at = 0;
    while (at < lines.size() && lines[at] != "TIME TABLE")
        ++at;
    std::vector<std::vector<std::string>> rows;
    for (at += 2; at < lines.size(); ++at)
        if (lines[at].rfind(std::to_string(rows.size()) + "\t", 0) == 0)
            rows.push_back(Fields(lines[at]));
    return rows;
}

std::string DateLine(const std::string& text)
{
    for (const std::string& line : Lines(text))
        if (line.rfind("Date:\t", 0) == 0)
            return line;
    return {};
}

std::string WithoutDateLine(const std::string& text)
{
    std::string rest;
    for (const std::string& line : Lines(text))
        if (line.rfind("Date:\t", 0) != 0)
            rest += line + "\n";
    return rest;
}

class BatchTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(ToolPath().empty()) << "expected VARTEL_BATCH to name the tool";
        ASSERT_TRUE(dir_.isValid());
    }

    std::string Path(const std::string& name) const
    {
        return dir_.filePath(QString::fromStdString(name)).toStdString();
    }
    bool Exists(const std::string& name) const { return QFile::exists(QString::fromStdString(Path(name))); }
    std::string Read(const std::string& name) const { return ReadBytes(Path(name)); }
    ToolResult Run(const std::vector<std::string>& args) const { return RunTool(ToolPath(), args); }

    // Runs with a data file and returns its text; the run must succeed.
    std::string DataOf(std::vector<std::string> args, const std::string& name = "data.txt")
    {
        args.insert(args.end(), {"--data", Path(name)});
        const ToolResult run = Run(args);
        EXPECT_EQ(run.exitCode, 0) << "expected a successful run; stderr: " << run.err;
        return Read(name);
    }

    QTemporaryDir dir_;
};

TEST_F(BatchTool, HelpAndVersionPrintAndSucceed)
{
    const ToolResult run = Run({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out.rfind("Usage: vartel-batch", 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");
    const ToolResult version = Run({"--version", "--data", Path("d.txt")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "vartel-batch " VARTEL_VERSION "\n") << "the name and the project's version";
    EXPECT_EQ(version.err, "");
    EXPECT_FALSE(Exists("d.txt")) << "nothing is run";
}

TEST_F(BatchTool, ADefaultRunWritesEveryYearToTheLast)
{
    const std::vector<std::vector<std::string>> rows = TimeTable(DataOf({}));
    ASSERT_EQ(rows.size(), 3001u) << "expected the rows of years 0..3000";
    EXPECT_EQ(rows.back().size(), 14u) << "13 columns and the bulletin text";
    EXPECT_EQ(rows[0][5], "") << "no growth in year 0";
}

TEST_F(BatchTool, ARunOfNoYearsIsTheDataFileOfTheFreshProgram)
{
    const std::string file = DataOf({"--years", "0"});
    QuietListener quiet;
    SeededRandom random(BatchSeed);
    Session fresh(quiet, random, [] { return std::int64_t{0}; });
    fresh.StartUp();
    fresh.ChooseScenario(1);
    const std::string date = DateLine(file).substr(6);
    ASSERT_FALSE(date.empty()) << "expected a date line";
    EXPECT_EQ(file, DataFileText(fresh.state(), date)) << "expected the save of a window that was just opened";
}

// Read by Python's csv module: one row per year and the text file's numbers, for a full run whose stage
// texts break the text file's rows over several lines.
TEST_F(BatchTool, TheSpreadsheetFileHasOneRowPerYearWithTheTextFilesNumbers)
{
    REQUIRE_TOOL("python3");
    const auto text = TimeTable(DataOf({"--scenario", "6"}, "medium.txt"));
    DataOf({"--scenario", "6"}, "medium.CSV");
    const std::string script = "import csv, json, sys\n"
                               "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
                               "    print(json.dumps(list(csv.reader(f))))\n";
    const ToolResult read = RunTool("python3", {"-c", script, Path("medium.CSV")});
    ASSERT_EQ(read.exitCode, 0) << read.err;
    const QJsonArray rows = QJsonDocument::fromJson(QByteArray::fromStdString(read.out)).array();
    ASSERT_EQ(rows.size(), 1 + 3001) << "a header row and one row for each year 0..3000";
    EXPECT_EQ(rows[0].toArray().size(), 14);
    EXPECT_EQ(Read("medium.CSV").find("Y,P,Pc"), 0u) << "the header first, no byte-order mark";
    ASSERT_EQ(text.size(), 3001u);
    for (int y = 0; y <= 3000; ++y) {
        const QJsonArray row = rows[y + 1].toArray();
        ASSERT_EQ(row.size(), 14) << "year " << y;
        for (int i = 0; i < 13; ++i)
            ASSERT_EQ(row[i].toString().toStdString(), text[y][i]) << "year " << y << ", column " << i;
        ASSERT_EQ(row[13].toString().toStdString().rfind(text[y][13], 0), 0u) << "year " << y << ": the board";
    }
}

TEST_F(BatchTool, TheSameRunTwiceGivesTheSameFile)
{
    // The population entered moves single people at random: the fixed seed keeps it repeatable.
    const std::vector<std::string> args{
        "--scenario",   "3",       "--event",           "100:population=50001", "--event",
        "200:epidemic", "--event", "500:population=333"};
    const std::string first = DataOf(args, "first.txt");
    const std::string second = DataOf(args, "second.txt");
    ASSERT_FALSE(first.empty());
    EXPECT_TRUE(WithoutDateLine(first) == WithoutDateLine(second)) << "expected identical files apart from the date";
}

TEST_F(BatchTool, TheSeedChoosesTheDrawsOfAPopulationEntry)
{
    const std::vector<std::string> args{"--years", "300", "--event", "100:population=50001"};
    auto seeded = [&](const std::string& seed, const std::string& name) {
        std::vector<std::string> withSeed = args;
        withSeed.insert(withSeed.end(), {"--seed", seed});
        return WithoutDateLine(DataOf(withSeed, name));
    };
    const std::string byDefault = WithoutDateLine(DataOf(args, "default.txt"));
    EXPECT_TRUE(seeded("1", "one.txt") == byDefault) << "expected 1 to be the default seed";
    EXPECT_TRUE(seeded("2", "two.txt") != byDefault) << "expected another seed to move other people";
    EXPECT_TRUE(seeded("2", "two-again.txt") == seeded("2", "two.txt")) << "expected a seed to replay its run";
}

TEST_F(BatchTool, EmigrationEnteredAtAYearShowsInTheImmigrationColumnAfterIt)
{
    // Ends before the island overfills, when the catastrophe drift would change the immigration.
    const auto rows = TimeTable(DataOf({"--years", "1000", "--event", "10:immigration=-1.5"}));
    ASSERT_EQ(rows.size(), 1001u);
    for (int y = 0; y <= 10; ++y)
        ASSERT_EQ(rows[y][10], "0.00") << "year " << y << " was computed before the field was entered";
    for (int y = 11; y <= 1000; ++y)
        ASSERT_EQ(rows[y][10], "-1.50") << "expected an emigration of 1.5% in year " << y;
}

TEST_F(BatchTool, ACorrectionIsToldOnStderr)
{
    const ToolResult run = Run({"--years", "3", "--event", "0:birth-index=99", "--data", Path("d.txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.err.find("A birth index of more than 20 is not allowed. The value is adjusted."), std::string::npos)
        << "stderr: " << run.err;
    EXPECT_NE(Read("d.txt").find("20.0000\tBirth index"), std::string::npos) << "the start value is the corrected one";
}

TEST_F(BatchTool, AFileThatCannotBeWrittenGivesTheReasonAndStatusOne)
{
    const ToolResult full = Run({"--years", "10", "--data", "/dev/full"});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("/dev/full"), std::string::npos) << full.err;
    EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;

    const ToolResult missing =
        Run({"--years", "10", "--pyramid", Path("no/such/folder/p.png"), "--data", Path("d.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;
    EXPECT_TRUE(Exists("d.txt")) << "the other files are still written";
}

TEST_F(BatchTool, AnUnsupportedExtensionIsRefusedBeforeAnythingIsWritten)
{
    const ToolResult run = Run({"--data", Path("d.txt"), "--graph", Path("g.jpeg")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find(UnsupportedExtensionMessage()), std::string::npos) << run.err;
    EXPECT_FALSE(Exists("g.jpeg"));
    EXPECT_FALSE(Exists("d.txt")) << "refused before the run";
    EXPECT_EQ(Run({"--pyramid", Path("p")}).exitCode, 2) << "a name without extension selects no format";
}

TEST_F(BatchTool, EveryBadCommandLineGivesStatusTwoAndOneLine)
{
    for (const BadArguments& bad : BadArgumentTable()) {
        std::vector<std::string> args = bad.Args;
        args.insert(args.begin(), {"--data", Path("d.txt")});
        const ToolResult run = Run(args);
        std::string shown;
        for (const auto& a : bad.Args)
            shown += " " + a;
        EXPECT_EQ(run.exitCode, 2) << "for" << shown;
        EXPECT_EQ(run.err.rfind("vartel-batch: ", 0), 0u) << "for" << shown << ": " << run.err;
        EXPECT_NE(run.err.find(bad.MessagePart), std::string::npos) << "for" << shown << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "one line for" << shown << ": " << run.err;
    }
    EXPECT_FALSE(Exists("d.txt")) << "nothing is written after a bad argument";
}

TEST_F(BatchTool, ANonNumericParameterIsABadArgumentWithTheFieldsError)
{
    const ToolResult run = Run({"--event", "10:adult-mortality=1,5", "--data", Path("d.txt")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("'1,5' is not a valid floating point value"), std::string::npos) << run.err;
    EXPECT_FALSE(Exists("d.txt"));
}

TEST_F(BatchTool, TheRasterPicturesAreTheScreenBitmaps)
{
    const std::vector<std::string> view{"--years", "1200", "--scenario", "6", "--scale", "log"};
    std::vector<std::string> args = view;
    args.insert(args.end(), {"--graph", Path("graph.bmp"), "--pyramid", Path("pyramid.png")});
    const ToolResult run = Run(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const QImage graph(QString::fromStdString(Path("graph.bmp")));
    const QImage pyramid(QString::fromStdString(Path("pyramid.png")));
    EXPECT_EQ(graph.size(), QSize(847, 162));
    EXPECT_EQ(pyramid.size(), QSize(231, 278));

    // The same run in this process, drawn as the window draws it.
    std::ostringstream corrections;
    BatchSession session(corrections, true);
    ASSERT_EQ(session.Run(ParseBatchArguments(view).Arguments), "");
    EXPECT_TRUE(graph.convertToFormat(QImage::Format_RGB32) == ToQImage(session.Screen->Graph()))
        << "expected the screen's graph bitmap";
    EXPECT_TRUE(pyramid.convertToFormat(QImage::Format_RGB32) == ToQImage(session.Screen->Pyramid()))
        << "expected the screen's pyramid of the last year";
    EXPECT_EQ(graph.pixel(846, 80), qRgb(0, 0, 0)) << "the outline of the window's first clearing stays";
}

TEST_F(BatchTool, TheAnimationShowsTheRunFromYearZeroToTheScreensOfTheLastYear)
{
    const std::vector<std::string> view{"--years", "300", "--scenario", "6", "--event", "120:epidemic"};
    std::vector<std::string> args = view;
    args.insert(args.end(), {"--animation", Path("run.gif"), "--animation-years", "50"});
    const ToolResult run = Run(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const test::GifFrames gif = test::ReadGifFrames(Path("run.gif"));
    ASSERT_EQ(gif.Error, "");
    ASSERT_EQ(gif.Frames.size(), 7u) << "years 0, 50, ..., 300";
    EXPECT_EQ(gif.Size, (PixelSize{1086, 278}));
    EXPECT_TRUE(gif.LoopsForEver);
    EXPECT_EQ(gif.Delays, (std::vector<int>{10, 10, 10, 10, 10, 10, 300}));

    std::ostringstream corrections;
    BatchSession session(corrections, true);
    ASSERT_EQ(session.Run(ParseBatchArguments(view).Arguments), "");
    const SimulationState& st = session.Simulation.state();
    const int pyramidLeft = GraphWidth + 8, graphTop = (PyramidHeight - GraphHeight) / 2;
    EXPECT_TRUE(test::PartOf(gif.Frames.back(), pyramidLeft, 0, {PyramidWidth, PyramidHeight}) ==
                session.Screen->Pyramid())
        << "the last frame's pyramid is the screen's";
    RasterImage graph(GraphWidth, GraphHeight);
    RasterCanvas canvas(graph);
    ClearGraphImage(canvas);
    DrawGraph(canvas, st, true, 1);
    EXPECT_TRUE(test::PartOf(gif.Frames.back(), 0, graphTop, {GraphWidth, GraphHeight}) == graph)
        << "the last frame's graph is the whole graph of the run";
    RasterImage first(PyramidWidth, PyramidHeight);
    RasterCanvas firstCanvas(first);
    DrawPyramid(firstCanvas, st, 0, 1);
    EXPECT_TRUE(test::PartOf(gif.Frames.front(), pyramidLeft, 0, {PyramidWidth, PyramidHeight}) == first)
        << "the first frame's pyramid is that of year 0";
    EXPECT_FALSE(test::PartOf(gif.Frames.front(), 0, graphTop, {GraphWidth, GraphHeight}) == graph)
        << "the first frame's graph has no curve yet";
}

TEST_F(BatchTool, AnAnimationThatCannotBeWrittenGivesTheReasonAndNoFile)
{
    const ToolResult missing =
        Run({"--years", "30", "--animation", Path("no/such/folder/a.gif"), "--data", Path("d.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("no/such/folder/a.gif"), std::string::npos) << missing.err;
    EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;
    EXPECT_TRUE(Exists("d.txt")) << "the other files are still written";

    ASSERT_TRUE(QFile::link("/dev/full", QString::fromStdString(Path("full.gif"))));
    const ToolResult full = Run({"--years", "30", "--animation", Path("full.gif")});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;

    const ToolResult badYears = Run({"--years", "30", "--animation", Path("a.gif"), "--animation-years", "0"});
    EXPECT_EQ(badYears.exitCode, 2);
    EXPECT_NE(badYears.err.find("--animation-years 0 is outside 1..3000"), std::string::npos) << badYears.err;
    EXPECT_FALSE(Exists("a.gif")) << "nothing is run after a bad argument";
}

TEST_F(BatchTool, TheVectorPicturesAreDrawnAtFourTimesTheSize)
{
    const ToolResult run = Run(
        {"--years", "300", "--graph", Path("graph.emf"), "--pyramid", Path("pyramid.svg"), "--graph-mode", "birth"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string emf = Read("graph.emf");
    ASSERT_GT(emf.size(), 88u) << "expected at least the metafile header";
    EXPECT_EQ(emf.substr(40, 4), " EMF") << "the enhanced metafile signature";
    QSvgRenderer svg(QString::fromStdString(Path("pyramid.svg")));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 924, 1112));
}

TEST_F(BatchTool, EveryPictureFormatIsChosenByItsExtension)
{
    const std::vector<std::pair<std::string, std::string>> formats{
        {"g.Emf", " EMF"}, {"g.wmf", "\xD7\xCD\xC6\x9A"}, {"g.BMP", "BM"},   {"g.jpg", "\xFF\xD8\xFF"},
        {"g.gif", "GIF8"}, {"g.png", "\x89PNG"},          {"g.svg", "<?xml"}};
    for (const auto& [name, signature] : formats) {
        const ToolResult run = Run({"--years", "20", "--graph", Path(name)});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
        const std::string bytes = Read(name);
        const std::size_t at = signature == " EMF" ? 40 : 0;
        EXPECT_EQ(bytes.substr(at, signature.size()), signature) << "expected the signature of " << name;
    }
}

TEST_F(BatchTool, ComparedRunsAreKeptInTheGraphAndABadFileGivesStatusOne)
{
    ASSERT_EQ(Run({"--scenario", "6", "--years", "1000", "--data", Path("a.txt")}).exitCode, 0);
    ASSERT_EQ(Run({"--scenario", "5", "--years", "800", "--data", Path("b.csv")}).exitCode, 0);
    const ToolResult run = Run({"--scenario", "6", "--years", "1000", "--event", "500:epidemic", "--compare",
                                Path("a.txt"), "--compare", Path("b.csv"), "--graph", Path("both.svg")});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string svg = Read("both.svg");
    EXPECT_NE(svg.find(">Realistic, medium<"), std::string::npos) << "the kept run named by its scenario";
    EXPECT_NE(svg.find(">b<"), std::string::npos) << "a spreadsheet file named by its file";
    EXPECT_NE(svg.find("#449999"), std::string::npos) << "in the first kept colour";
    EXPECT_NE(svg.find("#7755bb"), std::string::npos) << "and the second";

    ASSERT_EQ(Run({"--years", "10", "--graph", Path("alone.png")}).exitCode, 0);
    ASSERT_EQ(Run({"--years", "10", "--compare", Path("a.txt"), "--graph", Path("kept.png")}).exitCode, 0);
    const auto keptPixels = [&](const char* name) {
        const QImage image(QString::fromStdString(Path(name)));
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += image.pixel(x, y) == qRgb(68, 153, 153);
        return n;
    };
    EXPECT_EQ(keptPixels("alone.png"), 0);
    EXPECT_GT(keptPixels("kept.png"), 200) << "the raster picture shows the kept curve";

    QFile notes(QString::fromStdString(Path("notes.txt")));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("1200\t5000\r\n");
    notes.close();
    const ToolResult bad = Run({"--years", "10", "--compare", Path("notes.txt"), "--data", Path("d.txt")});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_EQ(bad.err,
              "vartel-batch: \"" + Path("notes.txt") + "\" is not a data file of Vartel: it has no time table\n");
    EXPECT_FALSE(Exists("d.txt")) << "refused before the run";
    EXPECT_EQ(Run({"--compare", Path("none.txt")}).exitCode, 1) << "a file that is not there";
}

TEST_F(BatchTool, ASavedLessonRunsTheSameRunAsItsOptions)
{
    ASSERT_EQ(Run({"--scenario", "5", "--years", "300", "--data", Path("earlier.txt")}).exitCode, 0);
    const std::vector<std::string> setUp{
        "--scenario",   "6",       "--event",          "0:birth-index=5.5", "--event",
        "150:epidemic", "--event", "400:stable=30000", "--compare",         Path("earlier.txt")};
    std::vector<std::string> options = setUp;
    options.insert(options.end(), {"--data", Path("options.csv"), "--graph", Path("options.bmp"), "--save-lesson",
                                   Path("key.vartel"), "--title", "Een epidemie", "--instructions", "Kijk goed."});
    const ToolResult saving = Run(options);
    ASSERT_EQ(saving.exitCode, 0) << saving.err;

    const LessonReading lesson = ReadLesson(Read("key.vartel"));
    ASSERT_EQ(lesson.Error, "");
    EXPECT_EQ(lesson.Read.Title, "Een epidemie");
    EXPECT_EQ(lesson.Read.Instructions, "Kijk goed.");
    EXPECT_EQ(lesson.Read.Scenario, 6);
    EXPECT_EQ(lesson.Read.Events.size(), 3u);
    EXPECT_EQ(lesson.Read.Seed, BatchSeed) << "the seed of the run, so a window gives the same numbers";
    ASSERT_EQ(lesson.Read.Curves.size(), 1u);
    EXPECT_EQ(lesson.Read.Curves[0].Name, "earlier");
    EXPECT_EQ(lesson.Read.Curves[0].Data, Read("earlier.txt"));

    const ToolResult running =
        Run({"--lesson", Path("key.vartel"), "--data", Path("lesson.csv"), "--graph", Path("lesson.bmp")});
    ASSERT_EQ(running.exitCode, 0) << running.err;
    EXPECT_EQ(running.err, saving.err) << "the same corrections told";
    EXPECT_TRUE(Read("lesson.csv") == Read("options.csv")) << "expected the same data file, byte for byte";
    EXPECT_TRUE(Read("lesson.bmp") == Read("options.bmp")) << "expected the same graph with the kept curve";
}

TEST_F(BatchTool, TheStartingParametersOfALessonAreEnteredAtYearZero)
{
    QFile file(QString::fromStdString(Path("start.vartel")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"version": 1, "scenario": 2, "parameters": {"immigration": "-1.5"}, "events": ["5:epidemic"]})");
    file.close();
    ASSERT_EQ(Run({"--lesson", Path("start.vartel"), "--years", "20", "--data", Path("lesson.csv")}).exitCode, 0);
    EXPECT_EQ(Read("lesson.csv"),
              DataOf({"--scenario", "2", "--years", "20", "--event", "0:immigration=-1.5", "--event", "5:epidemic"},
                     "options.csv"));
}

TEST_F(BatchTool, ABadLessonGivesItsMessageStatusTwoAndNoFiles)
{
    QFile file(QString::fromStdString(Path("bad.vartel")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"version": 1, "title": "Vraag 3",
  "pausePoints": [{"year": 10, "question": "a"}, {"year": 20, "question": "b"}, {"year": 4000, "question": "c"}]})");
    file.close();
    const ToolResult run = Run({"--lesson", Path("bad.vartel"), "--data", Path("d.txt"), "--graph", Path("g.png")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "vartel-batch: '" + Path("bad.vartel") +
                           "' is not a lesson: /pausePoints/2/year: 4000 is outside 1..3000\n");
    EXPECT_FALSE(Exists("d.txt") || Exists("g.png")) << "nothing is written";

    const ToolResult missing = Run({"--lesson", Path("none.vartel"), "--data", Path("d.txt")});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_EQ(missing.err.rfind("vartel-batch: '" + Path("none.vartel") + "' cannot be read: ", 0), 0u) << missing.err;
    EXPECT_EQ(Run({"--lesson", dir_.path().toStdString()}).exitCode, 2) << "a folder is no lesson";
    EXPECT_FALSE(Exists("d.txt"));
}

TEST_F(BatchTool, ALessonsUnknownFieldsAreToldAndLeftOut)
{
    QFile file(QString::fromStdString(Path("newer.vartel")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"version": 2, "scenario": 3, "handIn": true})");
    file.close();
    const ToolResult run = Run({"--lesson", Path("newer.vartel"), "--years", "5", "--data", Path("d.txt")});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "vartel-batch: " + Path("newer.vartel") +
                           ": This lesson is of version 2, newer than this program (1): what it does not know is "
                           "left out.\nvartel-batch: " +
                           Path("newer.vartel") + ": Left out, unknown to this program: /handIn.\n");
    EXPECT_TRUE(Exists("d.txt"));
}

TEST_F(BatchTool, TheLinkOfALessonCarriesItsText)
{
    ASSERT_EQ(Run({"--scenario", "4", "--event", "100:one-child", "--save-lesson", Path("l.vartel")}).exitCode, 0);
    const ToolResult run = Run({"--lesson", Path("l.vartel"), "--link", "https://school.example/vartel/"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string prefix = "https://school.example/vartel/index.html#lesson=";
    ASSERT_EQ(run.out.rfind(prefix, 0), 0u) << run.out;
    ASSERT_EQ(run.out.back(), '\n');
    const DecodedLink decoded = DecodeLessonLink(run.out.substr(prefix.size() - 7, run.out.size() - prefix.size() + 6));
    EXPECT_EQ(decoded.Error, "");
    EXPECT_EQ(decoded.Text, Read("l.vartel"));
}

} // namespace
} // namespace vartel::test
