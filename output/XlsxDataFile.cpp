#include "output/XlsxDataFile.h"

#include "output/DataFile.h"
#include "output/FileExtension.h"
#include "output/PictureSaver.h"

#include <xlsxwriter.h>

#include <charconv>
#include <map>
#include <optional>

namespace vartel {

namespace {

// The number a figure text of the data file shows; nothing for an empty one.
std::optional<double> Number(const std::string& figure)
{
    double value = 0;
    const auto [end, error] = std::from_chars(figure.data(), figure.data() + figure.size(), value);
    if (error != std::errc() || end != figure.data() + figure.size())
        return std::nullopt;
    return value;
}

class Workbook {
public:
    explicit Workbook(const std::string& path) : book_(workbook_new(path.c_str())) {}
    ~Workbook()
    {
        if (book_ != nullptr)
            workbook_close(book_);
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    bool Opened() const { return book_ != nullptr; }
    lxw_worksheet* AddSheet(const char* name) { return workbook_add_worksheet(book_, name); }
    // The number format that shows as many decimals as `figure`, the data file's text of the number.
    lxw_format* DecimalsOf(const std::string& figure)
    {
        const std::size_t point = figure.find('.');
        const std::size_t decimals = point == std::string::npos ? 0 : figure.size() - point - 1;
        lxw_format*& format = decimalFormats_[decimals];
        if (format == nullptr) {
            format = workbook_add_format(book_);
            format_set_num_format(format, (decimals == 0 ? "0" : "0." + std::string(decimals, '0')).c_str());
        }
        return format;
    }
    lxw_format* Bold()
    {
        if (bold_ == nullptr) {
            bold_ = workbook_add_format(book_);
            format_set_bold(bold_);
        }
        return bold_;
    }
    // Writes the file; "" or the library's reason.
    std::string Close()
    {
        const lxw_error error = workbook_close(book_);
        book_ = nullptr;
        return error == LXW_NO_ERROR ? std::string() : std::string(lxw_strerror(error));
    }

private:
    lxw_workbook* book_;
    lxw_format* bold_ = nullptr;
    std::map<std::size_t, lxw_format*> decimalFormats_;
};

// A figure of the data file as a number shown with its decimals; an empty one leaves the cell empty.
void WriteFigure(Workbook& book, lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const std::string& figure)
{
    if (const std::optional<double> value = Number(figure))
        worksheet_write_number(sheet, row, column, *value, book.DecimalsOf(figure));
    else if (!figure.empty())
        worksheet_write_string(sheet, row, column, figure.c_str(), nullptr);
}

void WriteDataSheet(Workbook& book, lxw_worksheet* sheet, const SimulationState& s)
{
    lxw_format* bold = book.Bold();
    const auto names = SpreadsheetColumnNames();
    for (std::size_t c = 0; c < names.size(); ++c)
        worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), names[c].c_str(), bold);
    worksheet_freeze_panes(sheet, 1, 0);
    for (int y = 0; y <= s.Year; ++y) {
        const auto row = static_cast<lxw_row_t>(y + 1);
        const auto figures = YearFigures(s, y);
        for (std::size_t c = 0; c < FigureCount; ++c)
            WriteFigure(book, sheet, row, static_cast<lxw_col_t>(c), figures[c]);
        const std::string bulletin = OnOneLine(s.BulletinTextHistory[y]);
        if (!bulletin.empty())
            worksheet_write_string(sheet, row, FigureCount, bulletin.c_str(), nullptr);
    }
}

void WriteStartSheet(Workbook& book, lxw_worksheet* sheet, const SimulationState& s)
{
    lxw_format* bold = book.Bold();
    lxw_row_t row = 0;
    worksheet_write_string(sheet, row++, 0, "Vartel (Population Simulation)", bold);
    worksheet_write_string(sheet, row, 0, "Scenario:", nullptr);
    worksheet_write_string(sheet, row++, 1, s.ScenarioNames[static_cast<std::size_t>(s.Scenario)].c_str(), nullptr);
    ++row;
    worksheet_write_string(sheet, row++, 0, "START VALUES", bold);
    for (const NamedText& value : StartValues(s)) {
        WriteFigure(book, sheet, row, 0, value.Text);
        worksheet_write_string(sheet, row++, 1, value.Name.c_str(), nullptr);
    }
    ++row;
    worksheet_write_string(sheet, row++, 0, "ABBREVIATIONS:", bold);
    for (const NamedText& entry : LegendEntries()) {
        worksheet_write_string(sheet, row, 0, entry.Name.c_str(), nullptr);
        worksheet_write_string(sheet, row++, 1, entry.Text.c_str(), nullptr);
    }
}

} // namespace

bool IsWorkbookName(const std::string& fileName)
{
    return UpperExtension(fileName) == ".XLSX";
}

std::string WriteDataWorkbook(const SimulationState& s, const std::string& path)
{
    Workbook book(path);
    lxw_worksheet* data = book.Opened() ? book.AddSheet("Data") : nullptr;
    lxw_worksheet* start = book.Opened() ? book.AddSheet("Start values") : nullptr;
    if (data == nullptr || start == nullptr)
        return "the workbook could not be made";
    WriteDataSheet(book, data, s);
    WriteStartSheet(book, start, s);
    return book.Close();
}

} // namespace vartel
