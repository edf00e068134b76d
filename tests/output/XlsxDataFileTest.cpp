// The workbook of "Save data" read back from its sheets' XML: the spreadsheet file's rows as typed numbers,
// the start values and abbreviations on the second sheet, and a save that cannot be made.
#include "output/XlsxDataFile.h"
#include "output/DataFile.h"
#include "output/DataFileSaver.h"

#include "model/ParameterCommit.h"
#include "model/RunControl.h"
#include "tests/model/ModelFixture.h"
#include "tests/output/ExternalTool.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <map>
#include <regex>
#include <string>
#include <vector>

namespace vartel::test {
namespace {

// A cell as the sheet's XML holds it: a number, or a shared string's index (`shared`).
struct Cell {
    std::string Value;
    bool Shared = false;
};
using Row = std::map<std::string, Cell>; // by column letters

std::string Unzipped(const std::string& workbook, const std::string& part)
{
    const ToolResult unzip = RunTool("unzip", {"-p", workbook, part});
    EXPECT_EQ(unzip.exitCode, 0) << "expected the workbook to hold " << part << ": " << unzip.err;
    return unzip.out;
}

std::vector<Row> SheetRows(const std::string& xml)
{
    static const std::regex rowPattern("<row [^>]*>(.*?)</row>");
    static const std::regex cellPattern("<c r=\"([A-Z]+)[0-9]+\"([^>]*?)(?:/>|>(?:<v>([^<]*)</v>)?</c>)");
    std::vector<Row> rows;
    for (auto r = std::sregex_iterator(xml.begin(), xml.end(), rowPattern); r != std::sregex_iterator(); ++r) {
        Row row;
        const std::string cells = (*r)[1];
        for (auto c = std::sregex_iterator(cells.begin(), cells.end(), cellPattern); c != std::sregex_iterator(); ++c)
            row[(*c)[1]] = {(*c)[3], (*c)[2].str().find("t=\"s\"") != std::string::npos};
        rows.push_back(row);
    }
    return rows;
}

std::string Unescaped(std::string text)
{
    static const std::pair<const char*, const char*> entities[] = {
        {"&quot;", "\""}, {"&apos;", "'"}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}};
    for (const auto& [entity, character] : entities)
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::string(entity).size(), character);
    return text;
}

std::vector<std::string> SharedStrings(const std::string& xml)
{
    static const std::regex stringPattern("<t(?: [^>]*)?>([^<]*)</t>");
    std::vector<std::string> strings;
    for (auto s = std::sregex_iterator(xml.begin(), xml.end(), stringPattern); s != std::sregex_iterator(); ++s)
        strings.push_back(Unescaped((*s)[1]));
    return strings;
}

class Workbook : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!ToolAvailable("unzip"))
            GTEST_SKIP() << "unzip, which reads the workbook back, is not installed; CI installs it";
        ASSERT_TRUE(folder.isValid());
    }
    std::string In(const char* name) const { return folder.filePath(QString::fromLatin1(name)).toStdString(); }

    QTemporaryDir folder;
};

TEST_F(Workbook, HoldsTheSpreadsheetRowsAsTypedNumbers)
{
    TestModel t(6);
    CaptureStartValues(t.S);
    t.RunTo(60);
    t.S.BulletinTextHistory[2] = "Say \"A\":\r\nnext & <line>";
    ASSERT_EQ(SaveDataFile(t.S, In("run.xlsx"), "10-12-2026"), "");
    const std::vector<Row> rows = SheetRows(Unzipped(In("run.xlsx"), "xl/worksheets/sheet1.xml"));
    const std::vector<std::string> strings = SharedStrings(Unzipped(In("run.xlsx"), "xl/sharedStrings.xml"));
    ASSERT_EQ(rows.size(), 1u + 61) << "a header row and one row per year 0..60";

    const auto names = SpreadsheetColumnNames();
    for (std::size_t c = 0; c < names.size(); ++c) {
        const Cell& cell = rows[0].at(std::string(1, static_cast<char>('A' + c)));
        ASSERT_TRUE(cell.Shared) << "header cells are text";
        EXPECT_EQ(strings.at(std::stoul(cell.Value)), names[c]);
    }
    for (int y = 0; y <= 60; ++y) {
        const auto figures = YearFigures(t.S, y);
        const Row& row = rows[static_cast<std::size_t>(y) + 1];
        for (std::size_t c = 0; c < FigureCount; ++c) {
            const std::string column(1, static_cast<char>('A' + c));
            if (figures[c].empty()) {
                EXPECT_EQ(row.count(column), 0u) << "an empty figure is an empty cell, year " << y;
                continue;
            }
            ASSERT_EQ(row.count(column), 1u) << "year " << y << " column " << names[c];
            EXPECT_FALSE(row.at(column).Shared) << "a number, not a text: year " << y << " column " << names[c];
            EXPECT_DOUBLE_EQ(std::stod(row.at(column).Value), std::stod(figures[c]))
                << "the value the data file shows, year " << y << " column " << names[c];
        }
    }
    EXPECT_EQ(strings.at(std::stoul(rows[3].at("N").Value)), "Say \"A\": next & <line>") << "the bulletin on one line";
    // Every figure shows the data file's decimals: the style of RBI in year 1 has four.
    const std::string styles = Unzipped(In("run.xlsx"), "xl/styles.xml");
    EXPECT_NE(styles.find("formatCode=\"0.0000\""), std::string::npos);
    EXPECT_NE(styles.find("formatCode=\"0.00\""), std::string::npos);
}

TEST_F(Workbook, SecondSheetHoldsScenarioStartValuesAndAbbreviations)
{
    TestModel t;
    CommitParameter(*t.M, ParameterField::Immigration, "-1.5");
    CaptureStartValues(t.S);
    t.RunTo(3);
    ASSERT_EQ(SaveDataFile(t.S, In("Run.XLSX"), "10-12-2026"), "") << "the extension in any case";
    const std::vector<Row> rows = SheetRows(Unzipped(In("Run.XLSX"), "xl/worksheets/sheet2.xml"));
    const std::vector<std::string> strings = SharedStrings(Unzipped(In("Run.XLSX"), "xl/sharedStrings.xml"));
    const auto text = [&](const Row& row, const char* column) {
        return row.count(column) && row.at(column).Shared ? strings.at(std::stoul(row.at(column).Value)) : "";
    };
    ASSERT_GE(rows.size(), 2u + 1 + 6 + 1 + 13);
    EXPECT_EQ(text(rows[1], "B"), "Simple");
    EXPECT_EQ(text(rows[2], "A"), "START VALUES");
    const std::vector<NamedText> start = StartValues(t.S);
    for (std::size_t i = 0; i < start.size(); ++i) {
        const Row& row = rows[3 + i];
        EXPECT_FALSE(row.at("A").Shared) << start[i].Name << " is a number";
        EXPECT_DOUBLE_EQ(std::stod(row.at("A").Value), std::stod(start[i].Text)) << start[i].Name;
        EXPECT_EQ(text(row, "B"), start[i].Name);
    }
    EXPECT_DOUBLE_EQ(std::stod(rows[8].at("A").Value), -1.5) << "emigration is negative";
    EXPECT_EQ(text(rows[9], "A"), "ABBREVIATIONS:");
    const std::vector<NamedText> legend = LegendEntries();
    for (std::size_t i = 0; i < legend.size(); ++i) {
        EXPECT_EQ(text(rows[10 + i], "A"), legend[i].Name);
        EXPECT_EQ(text(rows[10 + i], "B"), legend[i].Text);
    }
}

TEST_F(Workbook, AWorkbookThatCannotBeSavedIsToldAndLeavesNoFile)
{
    TestModel t;
    const std::string path = In("missing/run.xlsx");
    const std::string error = SaveDataFile(t.S, path, "10-12-2026");
    EXPECT_NE(error.find(path), std::string::npos) << "the error names the file: " << error;
    EXPECT_TRUE(ReadBytes(path).empty());
    EXPECT_TRUE(IsWorkbookName("dir.x/run.Xlsx") && !IsWorkbookName("run.xlsx.txt") && !IsWorkbookName("xlsx"));
}

TEST_F(Workbook, TheTextFilesStayAsTheyAre)
{
    TestModel t;
    t.RunTo(5);
    ASSERT_EQ(SaveDataFile(t.S, In("run.csv"), "10-12-2026"), "");
    EXPECT_EQ(ReadBytes(In("run.csv")), DataSpreadsheetText(t.S));
    ASSERT_EQ(SaveDataFile(t.S, In("run.txt"), "10-12-2026"), "");
    EXPECT_EQ(ReadBytes(In("run.txt")), DataFileFor(t.S, "run.txt", "10-12-2026"));
}

} // namespace
} // namespace vartel::test
