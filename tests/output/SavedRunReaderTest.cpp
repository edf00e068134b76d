// Reading a saved data file back for a comparison: the files this program writes, and everything else.
#include "output/SavedRunReader.h"

#include "model/Incidents.h"
#include "model/Rounding.h"
#include "output/DataFile.h"
#include "output/SafeFileWriter.h"
#include "tests/model/ModelFixture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vartel {
namespace {

// A run of `scenario` to `year`, an epidemic at `epidemicYear` (none when negative).
std::unique_ptr<TestModel> RunOf(int scenario, int year, int epidemicYear = -1)
{
    auto t = std::make_unique<TestModel>(scenario);
    while (t->S.Year < year) {
        if (t->S.Year == epidemicYear)
            StartIncident(*t->M, 1);
        t->Step();
    }
    return t;
}

std::string Rows(int from, int to, const std::string& population = "1000")
{
    std::string rows;
    for (int y = from; y <= to; ++y)
        rows += std::to_string(y) + "\t" + population + "\t1\t1\t1\t\t1\t1\t1\t1\t1\t1\t1\t text\r\n";
    return rows;
}

std::string Table(const std::string& rows)
{
    return "Vartel (Population Simulation)\r\nScenario:\tSimple\r\n\r\nTIME TABLE\r\n" + TimeTableHeader() + "\r\n" +
           rows + "\r\n";
}

TEST(SavedRunReader, ReadsTheTextTableAndTheSpreadsheetFileThatThisProgramWrites)
{
    const auto t = RunOf(6, MaxYear);
    for (const std::string& text : {DataFileText(t->S, "1-1-2026"), DataSpreadsheetText(t->S)}) {
        const SavedRunReading r = ReadSavedRun(text);
        ASSERT_EQ(r.Problem, SavedRunProblem::None) << "line " << r.Line << ", year " << r.Year;
        ASSERT_EQ(r.Run.Population.size(), static_cast<std::size_t>(HistorySize)) << "years 0..3000";
        for (int y : {0, 1, 1500, 3000})
            EXPECT_EQ(r.Run.Population[y], std::stod(FormatFixed(t->S.PopHistory[y], 0))) << "P of year " << y;
    }
    EXPECT_EQ(ReadSavedRun(DataFileText(t->S, "d")).Run.ScenarioName, "Realistic, medium");
    EXPECT_EQ(ReadSavedRun(DataSpreadsheetText(t->S)).Run.ScenarioName, "") << "a spreadsheet names none";

    std::string lf = DataFileText(RunOf(1, 10)->S, "d");
    for (std::size_t at; (at = lf.find("\r\n")) != std::string::npos;)
        lf.erase(at, 1);
    EXPECT_EQ(ReadSavedRun(lf).Run.Population.size(), 11u) << "line ends that an editor made LF";
}

TEST(SavedRunReader, RefusesWhatIsNoSuchFileAndSaysWhere)
{
    const std::string good = DataFileText(RunOf(6, 400)->S, "d");
    struct Case {
        const char* what;
        std::string bytes;
        SavedRunProblem problem;
        int line, year;
    };
    const Case cases[] = {
        {"empty", "", SavedRunProblem::NoTimeTable, 0, -1},
        {"another text", "Dear class,\r\nY\tP\r\n", SavedRunProblem::NoTimeTable, 0, -1},
        {"binary data", std::string("GIF89a\0\x01\x02", 9), SavedRunProblem::Binary, 0, -1},
        {"truncated in a row", good.substr(0, good.size() / 2), SavedRunProblem::Truncated, -1, -2},
        {"truncated after a row", Table(Rows(0, 5)).substr(0, Table(Rows(0, 5)).size() - 2), SavedRunProblem::Truncated,
         12, 5},
        {"no rows", Table(""), SavedRunProblem::BadRow, 6, 0},
        {"a year left out", Table(Rows(0, 3) + Rows(5, 6)), SavedRunProblem::BadRow, 10, 4},
        {"a row too short", Table(Rows(0, 1) + "2\t1000\r\n"), SavedRunProblem::BadRow, 8, 2},
        {"after year 3000", Table(Rows(0, 3001)), SavedRunProblem::YearOutOfRange, 3007, 3001},
        {"a negative population", Table(Rows(0, 1) + Rows(2, 2, "-5")), SavedRunProblem::PopulationOutOfRange, 8, 2},
        {"an infinite population", Table(Rows(0, 0) + Rows(1, 1, "1e400")), SavedRunProblem::PopulationOutOfRange, 7,
         1},
        {"not a number", Table(Rows(0, 0, "nan") + Rows(1, 1)), SavedRunProblem::PopulationOutOfRange, 6, 0},
        {"a population in words", Table(Rows(0, 0, "many")), SavedRunProblem::BadRow, 6, 0},
        {"one year only", Table(Rows(0, 0)), SavedRunProblem::TooShort, 0, 1},
        {"a spreadsheet row unquoted", SpreadsheetHeader() + "\r\n0,1,1,1,1,,1,1,1,1,1,1,1,text\r\n",
         SavedRunProblem::BadRow, 2, 0},
    };
    for (const Case& k : cases) {
        const SavedRunReading r = ReadSavedRun(k.bytes);
        EXPECT_EQ(r.Problem, k.problem) << k.what;
        if (k.line >= 0) {
            EXPECT_EQ(r.Line, k.line) << k.what;
            EXPECT_EQ(r.Year, k.year) << k.what;
        }
        EXPECT_TRUE(r.Run.Population.empty() && r.Run.ScenarioName.empty()) << "nothing of it kept: " << k.what;
    }
    EXPECT_EQ(ReadSavedRun(Table(Rows(0, 1))).Problem, SavedRunProblem::None) << "two years are enough";
}

TEST(SavedRunReader, KeptCurveIsNamedAndMarkedOrTheMessageSaysWhatIsWrong)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto path = [&](const char* name) { return dir.filePath(QLatin1String(name)).toStdString(); };
    ASSERT_EQ(WriteFileSafely(path("low.txt"), DataFileText(RunOf(5, 600)->S, "d")), "");
    ASSERT_EQ(WriteFileSafely(path("epidemic.txt"), DataFileText(RunOf(5, 600, 300)->S, "d")), "");
    ASSERT_EQ(WriteFileSafely(path("sheet.csv"), DataSpreadsheetText(RunOf(7, 50)->S)), "");
    ASSERT_EQ(WriteFileSafely(path("short.txt"), Table(Rows(0, 0))), "");

    KeptCurve curve;
    EXPECT_EQ(ReadKeptCurve(path("low.txt"), curve), "");
    EXPECT_EQ(curve.Label, "Realistic, low") << "its own course: no mark";
    EXPECT_EQ(curve.Population.size(), 601u);
    EXPECT_EQ(ReadKeptCurve(path("epidemic.txt"), curve), "");
    EXPECT_EQ(curve.Label, "Realistic, low*") << "an incident on the way";
    EXPECT_EQ(ReadKeptCurve(path("sheet.csv"), curve), "");
    EXPECT_EQ(curve.Label, "sheet") << "a spreadsheet names no scenario, and its course is found";

    const std::string shortFile = ReadKeptCurve(path("short.txt"), curve);
    EXPECT_EQ(shortFile, "\"" + path("short.txt") +
                             "\" is not a data file of Vartel: it holds fewer than two years, too few "
                             "for a curve");
    EXPECT_NE(ReadKeptCurve(path("missing.txt"), curve).find("cannot be read: No such file"), std::string::npos);
    const std::string folder = ReadKeptCurve(dir.path().toStdString(), curve);
    EXPECT_EQ(folder.substr(folder.size() - 13), "is not a file") << folder;
    EXPECT_EQ(curve.Label, "sheet") << "a refused file leaves the curve as it was";
}

} // namespace
} // namespace vartel
