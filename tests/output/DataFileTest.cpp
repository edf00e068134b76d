// The saved data file: exact header lines, one row per year, the number forms and the bulletin column.
#include "output/DataFile.h"

#include "model/ParameterCommit.h"
#include "model/RunControl.h"
#include "tests/model/ModelFixture.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace vartel {
namespace {

std::vector<std::string> CrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last line ends with CR LF too";
    return lines;
}

std::vector<std::string> Fields(const std::string& row)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t tab; (tab = row.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(row.substr(start, tab - start));
    fields.push_back(row.substr(start));
    return fields;
}

constexpr int FirstRow = 33; // 0-based index of year 0's row

TEST(DataFile, YearZeroSaveHasEveryFixedLineAndOneRow)
{
    TestModel t;
    CaptureStartValues(t.S);
    const auto lines = CrLfLines(DataFileText(t.S, "08/12/2026"));
    const std::vector<std::string> header = {
        "Vartel (Population Simulation)",
        "========================",
        "",
        "Results of a simulation",
        "",
        "Date:\t08/12/2026",
        "Scenario:\tSimple",
        "",
        "START VALUES",
        "4200\tPopulation size",
        "200000\tStabile population level",
        "3.0000\tBirth index",
        "5.00\t% Baby mortality",
        "0.10\t% Adult mortality",
        "0.00\t% Immigration",
        "",
        "ABBREVIATIONS:",
        "Y\tYear",
        "P\tPopulation",
        "Pc\tPopulation: Children (age below 15 years)",
        "Pe\tPopulation: Elderly (age 65 years and above)",
        "Ps\tStabile population level",
        "G\tGrowth: increase of population compared to last year, in %",
        "BI\tBirth index",
        "RBI\tReplacement birth index",
        "BM\tBaby mortality, in %",
        "AM\tAdult mortality, in %",
        "IM\tImmigration, in % of the population (if negative: emigration)",
        "A\tMean population age",
        "LE\tLife expectancy at birth",
        "",
        "TIME TABLE",
        "Y\tP\tPk\tPe\tPs\tG\tBI\tRBI\tBM\tAM\tIM\tA\tLE",
    };
    ASSERT_EQ(lines.size(), header.size() + 2);
    for (std::size_t i = 0; i < header.size(); ++i)
        EXPECT_EQ(lines[i], header[i]) << "line " << i + 1;
    const auto row = Fields(lines[FirstRow]);
    ASSERT_EQ(row.size(), 14u);
    EXPECT_EQ(row[0], "0");
    EXPECT_EQ(row[1], "4200");
    EXPECT_EQ(row[5], "") << "no growth in year 0: two TABs in a row";
    EXPECT_NE(lines[FirstRow].find("\t\t"), std::string::npos);
    EXPECT_EQ(row[6], "3.0000");
    EXPECT_EQ(row[8], "5.00");
    EXPECT_EQ(lines.back(), "");
}

TEST(DataFile, StartValuesAreZeroBeforeAnyStartAndSurviveNew)
{
    TestModel t;
    auto lines = CrLfLines(DataFileText(t.S, "d"));
    EXPECT_EQ(lines[9], "4200\tPopulation size");
    EXPECT_EQ(lines[10], "0\tStabile population level");
    EXPECT_EQ(lines[11], "0.0000\tBirth index");
    EXPECT_EQ(lines[12], "0.00\t% Baby mortality");
    EXPECT_EQ(lines[13], "0.00\t% Adult mortality");
    EXPECT_EQ(lines[14], "0.00\t% Immigration");

    ChooseScenario(*t.M, 6);
    CaptureStartValues(t.S);
    const std::string captured = CrLfLines(DataFileText(t.S, "d"))[11];
    t.RunTo(50);
    ResetSimulation(*t.M);
    CommitParameter(*t.M, ParameterField::BirthIndex, "3");
    lines = CrLfLines(DataFileText(t.S, "d"));
    EXPECT_EQ(lines[11], captured) << "a reset keeps the values captured at the last start";
    EXPECT_EQ(lines[6], "Scenario:\tRealistic, medium");
}

TEST(DataFile, FullRunHas3001RowsWithStageTextsOverSeveralLines)
{
    TestModel t(6);
    CaptureStartValues(t.S);
    t.RunTo(MaxYear);
    const std::string text = DataFileText(t.S, "d");
    int rows = 0;
    int expectedYear = 0;
    const auto lines = CrLfLines(text);
    for (std::size_t i = FirstRow; i + 1 < lines.size(); ++i) {
        const auto fields = Fields(lines[i]);
        if (fields.size() == 14) {
            EXPECT_EQ(fields[0], std::to_string(expectedYear));
            ++expectedYear;
            ++rows;
        } else {
            EXPECT_EQ(fields.size(), 1u) << "a continuation line of a bulletin text: " << lines[i];
        }
    }
    EXPECT_EQ(rows, 3001);
    EXPECT_NE(text.find("\tPoint A:"), std::string::npos) << "the stage text is written verbatim";
}

TEST(DataFile, EmigrationIsNegativePercentWithTwoDecimals)
{
    TestModel t;
    CommitParameter(*t.M, ParameterField::Immigration, "-1.5");
    CaptureStartValues(t.S);
    t.RunTo(3);
    const auto lines = CrLfLines(DataFileText(t.S, "d"));
    EXPECT_EQ(lines[14], "-1.50\t% Immigration");
    for (int y = 1; y <= 3; ++y)
        EXPECT_EQ(Fields(lines[FirstRow + y])[10], "-1.50");
    EXPECT_EQ(Fields(lines[FirstRow + 1])[5].find('.') != std::string::npos, true) << "growth with 2 decimals";
}

TEST(DataFile, BrowsingDoesNotChangeWhatIsWritten)
{
    TestModel t;
    t.RunTo(40);
    const std::string present = DataFileText(t.S, "d");
    t.S.Browsing = true;
    t.S.BrowseYear = 12;
    EXPECT_EQ(DataFileText(t.S, "d"), present);
}

TEST(DataSpreadsheet, HeaderOfTheLegendsNamesThenOneQuotedRowPerYear)
{
    TestModel t;
    t.RunTo(2);
    t.S.BulletinTextHistory[2] = "Say \"A\":\r\nnext\rline\nend";
    const auto lines = CrLfLines(DataSpreadsheetText(t.S));
    ASSERT_EQ(lines.size(), 1u + 3) << "a header row and one row per year, nothing more";
    EXPECT_EQ(lines[0], "Y,P,Pc,Pe,Ps,G,BI,RBI,BM,AM,IM,A,LE,Bulletin board") << "the legend's names, Pc not Pk";
    EXPECT_EQ(lines[1].substr(0, 24), "0,4200,1050,0,200000,,3.") << "year 0 has no growth";
    EXPECT_EQ(lines[3].substr(lines[3].find(",\"")), ",\"Say \"\"A\"\": next line end\"")
        << "quotes doubled, each line break (CR LF, CR, LF) one space";
    EXPECT_TRUE(IsSpreadsheetName("dir.x/run.Csv") && !IsSpreadsheetName("run.csv.txt") && !IsSpreadsheetName("csv"));
}

} // namespace
} // namespace vartel
