#include "output/SavedRunReader.h"

#include "model/CharConversion.h"
#include "model/SimulationState.h"
#include "output/DataFile.h"
#include "output/WholeFile.h"
#include "output/WriterMessages.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <optional>

namespace vartel {

namespace {

constexpr std::size_t FigureCount = 13; // the numbered columns before the bulletin text
constexpr std::string_view ScenarioPrefix = "Scenario:\t";

struct Lines {
    std::vector<std::string_view> Text; // without their line ends
    bool Terminated = true;             // the last one ends with a line end
};

// CR LF as the program writes them; a lone LF (a file passed through other tools) is taken too.
Lines SplitLines(std::string_view bytes)
{
    Lines lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end == std::string_view::npos) {
            lines.Terminated = false;
            bytes = {};
        } else {
            bytes.remove_prefix(end + 1);
        }
        if (!line.empty() && line.back() == '\r' && end != std::string_view::npos)
            line.remove_suffix(1);
        lines.Text.push_back(line);
    }
    return lines;
}

bool IsBinary(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return (c < 0x20 && c != '\t' && c != '\r' && c != '\n') || c == 0x7F;
    });
}

template <typename T> std::optional<T> Number(std::string_view text)
{
    T value{};
    std::from_chars_result read{};
    if constexpr (std::is_same_v<T, double>)
        read = DoubleFromChars(text.data(), text.data() + text.size(), value);
    else
        read = std::from_chars(text.data(), text.data() + text.size(), value);
    const auto [end, error] = read;
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// A number too large for a double, such as 1e400.
bool TooLarge(std::string_view text)
{
    double value = 0;
    const auto [end, error] = DoubleFromChars(text.data(), text.data() + text.size(), value);
    return error == std::errc::result_out_of_range && end == text.data() + text.size();
}

// The first `count` fields of a line split at `separator`; the rest of the line after them in `rest`.
std::optional<std::vector<std::string_view>> LeadingFields(std::string_view line, char separator, std::size_t count,
                                                           std::string_view& rest)
{
    std::vector<std::string_view> fields;
    while (fields.size() < count) {
        const std::size_t end = line.find(separator);
        if (end == std::string_view::npos)
            return std::nullopt;
        fields.push_back(line.substr(0, end));
        line.remove_prefix(end + 1);
    }
    rest = line;
    return fields;
}

// A line that begins as a row does: a whole number and a TAB.
bool StartsLikeRow(std::string_view line)
{
    const std::size_t digits = line.find_first_not_of("-0123456789");
    return digits != std::string_view::npos && digits > 0 && line[digits] == '\t';
}

// A quoted spreadsheet field that ends the line, its quotes doubled inside.
bool IsQuotedToTheEnd(std::string_view field)
{
    if (field.size() < 2 || field.front() != '"')
        return false;
    for (std::size_t i = 1; i < field.size(); ++i) {
        if (field[i] != '"')
            continue;
        if (i + 1 < field.size() && field[i + 1] == '"')
            ++i;
        else
            return i + 1 == field.size();
    }
    return false;
}

class Reader {
public:
    explicit Reader(SavedRunReading& reading) : r_(reading) {}

    // The year and population fields of the row on line `line`; false when reading stops there.
    bool Row(std::string_view yearText, std::string_view populationText, int line)
    {
        const int expected = static_cast<int>(r_.Run.Population.size());
        const std::optional<int> year = Number<int>(yearText);
        if (year && *year > MaxYear && expected > MaxYear)
            return Stop(SavedRunProblem::YearOutOfRange, line, *year);
        if (!year || *year != expected)
            return Stop(SavedRunProblem::BadRow, line, expected);
        const std::optional<double> people = Number<double>(populationText);
        if (!people && !TooLarge(populationText))
            return Stop(SavedRunProblem::BadRow, line, *year);
        if (!people || !std::isfinite(*people) || *people < 0)
            return Stop(SavedRunProblem::PopulationOutOfRange, line, *year);
        r_.Run.Population.push_back(*people);
        return true;
    }

    bool Stop(SavedRunProblem problem, int line, int year)
    {
        r_.Problem = problem;
        r_.Line = line;
        r_.Year = year;
        return false;
    }

    bool Truncated(int line) { return Stop(SavedRunProblem::Truncated, line, LastYear()); }
    int LastYear() const { return static_cast<int>(r_.Run.Population.size()) - 1; }

private:
    SavedRunReading& r_;
};

// The text table: the rows after the header line, each year's bulletin text running on over the lines up
// to the next row; the file ends with one empty line.
void ReadTextTable(const Lines& lines, std::size_t header, Reader& reader)
{
    const std::size_t count = lines.Text.size();
    for (std::size_t i = header + 1; i < count; ++i) {
        const std::string_view line = lines.Text[i];
        const int number = static_cast<int>(i) + 1;
        if (i + 1 == count && !lines.Terminated)
            return static_cast<void>(reader.Truncated(number));
        if (i + 1 == count && line.empty() && reader.LastYear() >= 0)
            return; // the last line
        if (!StartsLikeRow(line)) {
            if (reader.LastYear() < 0)
                return static_cast<void>(reader.Stop(SavedRunProblem::BadRow, number, 0));
            continue; // the bulletin text of the row before
        }
        std::string_view text;
        const auto fields = LeadingFields(line, '\t', FigureCount, text);
        if (!fields)
            return static_cast<void>(reader.Stop(SavedRunProblem::BadRow, number, reader.LastYear() + 1));
        if (!reader.Row((*fields)[0], (*fields)[1], number))
            return;
    }
    reader.Truncated(static_cast<int>(count) + 1);
}

// The spreadsheet file: one row per year after the header row, the bulletin text quoted.
void ReadSpreadsheet(const Lines& lines, Reader& reader)
{
    const std::size_t count = lines.Text.size();
    for (std::size_t i = 1; i < count; ++i) {
        const std::string_view line = lines.Text[i];
        const int number = static_cast<int>(i) + 1;
        if (i + 1 == count && !lines.Terminated)
            return static_cast<void>(reader.Truncated(number));
        if (line.empty() && std::all_of(lines.Text.begin() + static_cast<std::ptrdiff_t>(i), lines.Text.end(),
                                        [](std::string_view l) { return l.empty(); }))
            return; // empty lines an editor left at the end
        std::string_view text;
        const auto fields = LeadingFields(line, ',', FigureCount, text);
        if (!fields || !IsQuotedToTheEnd(text))
            return static_cast<void>(reader.Stop(SavedRunProblem::BadRow, number, reader.LastYear() + 1));
        if (!reader.Row((*fields)[0], (*fields)[1], number))
            return;
    }
}

} // namespace

SavedRunReading ReadSavedRun(std::string_view bytes)
{
    SavedRunReading reading;
    Reader reader(reading);
    if (IsBinary(bytes)) {
        reader.Stop(SavedRunProblem::Binary, 0, -1);
        return reading;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3); // a byte-order mark a spreadsheet may add
    const Lines lines = SplitLines(bytes);
    if (!lines.Text.empty() && lines.Text.front() == SpreadsheetHeader()) {
        ReadSpreadsheet(lines, reader);
    } else {
        const auto header = std::find(lines.Text.begin(), lines.Text.end(), TimeTableHeader());
        if (header == lines.Text.end()) {
            reader.Stop(SavedRunProblem::NoTimeTable, 0, -1);
            return reading;
        }
        for (auto line = lines.Text.begin(); line != header; ++line)
            if (line->substr(0, ScenarioPrefix.size()) == ScenarioPrefix) {
                reading.Run.ScenarioName = std::string(line->substr(ScenarioPrefix.size()));
                break;
            }
        ReadTextTable(lines, static_cast<std::size_t>(header - lines.Text.begin()), reader);
    }
    if (reading.Problem == SavedRunProblem::None && reading.Run.Population.size() < 2)
        reader.Stop(SavedRunProblem::TooShort, 0, static_cast<int>(reading.Run.Population.size()));
    if (reading.Problem != SavedRunProblem::None)
        reading.Run = {};
    return reading;
}

namespace {

std::string Message(const char* english, std::initializer_list<std::string> values = {})
{
    return WriterMessage("SavedRun", english, values);
}

std::string ProblemText(const SavedRunReading& r)
{
    switch (r.Problem) {
    case SavedRunProblem::None:
        break;
    case SavedRunProblem::Binary:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "it holds binary data"));
    case SavedRunProblem::NoTimeTable:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "it has no time table"));
    case SavedRunProblem::Truncated:
        if (r.Year < 0)
            return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "it ends before the first row of its time table"));
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "it ends in the middle of its time table, after year %1"),
                       {std::to_string(r.Year)});
    case SavedRunProblem::BadRow:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "line %1 is not the row of year %2"),
                       {std::to_string(r.Line), std::to_string(r.Year)});
    case SavedRunProblem::YearOutOfRange:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "its time table goes on after year 3000 (line %1)"),
                       {std::to_string(r.Line)});
    case SavedRunProblem::PopulationOutOfRange:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "the population of year %1 is out of range (line %2)"),
                       {std::to_string(r.Year), std::to_string(r.Line)});
    case SavedRunProblem::TooShort:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "it holds fewer than two years, too few for a curve"));
    }
    return {};
}

// The whole file, or the message why not.
std::string ReadWhole(const std::string& path, std::string& bytes)
{
    const WholeFileReading reading = ReadWholeFile(path, MaxSavedRunBytes, bytes);
    switch (reading.Problem) {
    case WholeFileProblem::None:
        break;
    case WholeFileProblem::CannotRead:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "\"%1\" cannot be read: %2"),
                       {path, std::strerror(reading.Error)});
    case WholeFileProblem::NotAFile:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "\"%1\" is not a file"), {path});
    case WholeFileProblem::TooLarge:
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "\"%1\" is too large for a data file of Vartel"), {path});
    }
    return {};
}

} // namespace

std::string ReadKeptCurve(const std::string& path, KeptCurve& curve)
{
    std::string bytes;
    if (std::string problem = ReadWhole(path, bytes); !problem.empty())
        return problem;
    SavedRunReading reading = ReadSavedRun(bytes);
    if (reading.Problem != SavedRunProblem::None)
        return Message(VARTEL_TRANSLATE_NOOP("SavedRun", "\"%1\" is not a data file of Vartel: %2"),
                       {path, ProblemText(reading)});
    curve = SavedRunCurve(reading.Run.ScenarioName, std::move(reading.Run.Population),
                          std::filesystem::path(path).stem().string());
    return {};
}

} // namespace vartel
