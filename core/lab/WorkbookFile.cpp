#include "lab/Workbook.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

// The workbook's file, written with libxlsxwriter (apart, so that a build without the library can
// still make the workbook's contents).

namespace velmora {

namespace {

// « A1 »-style reference of a cell, rows and columns from 0, absolute: $B$2.
std::string cellReference(std::size_t row, std::size_t column)
{
    std::string letters;
    for (std::size_t c = column + 1; c > 0; c = (c - 1) / 26) {
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    }
    return "$" + letters + "$" + std::to_string(row + 1);
}

std::string rangeOf(const std::string& sheet, std::size_t column, std::size_t firstRow, std::size_t lastRow)
{
    return "='" + sheet + "'!" + cellReference(firstRow, column) + ":" + cellReference(lastRow, column);
}

std::string numberFormat(int decimals)
{
    return decimals <= 0 ? "0" : "0." + std::string(static_cast<std::size_t>(decimals), '0');
}
// Every call of libxlsxwriter on one workbook, which it closes once.
class XlsxFile
{
public:
    explicit XlsxFile(const std::string& path) : book_(workbook_new(path.c_str())) {}
    ~XlsxFile()
    {
        if (book_) {
            workbook_close(book_);
        }
    }
    XlsxFile(const XlsxFile&) = delete;
    XlsxFile& operator=(const XlsxFile&) = delete;

    bool add(const WorkbookSheet& sheet)
    {
        if (!book_) {
            return false;
        }
        lxw_worksheet* page = workbook_add_worksheet(book_, sheet.name.c_str());
        if (!page) {
            return false;
        }
        lxw_format* bold = workbook_add_format(book_);
        format_set_bold(bold);
        format_set_text_wrap(bold);
        for (std::size_t c = 0; c < sheet.header.size(); ++c) {
            worksheet_write_string(page, 0, static_cast<lxw_col_t>(c), sheet.header[c].c_str(), bold);
            lxw_format* shown = workbook_add_format(book_);
            format_set_num_format(shown,
                                  numberFormat(c < sheet.decimals.size() ? sheet.decimals[c] : 0).c_str());
            worksheet_set_column(page, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), c >= 5 ? 24 : 16,
                                 shown);
        }
        worksheet_freeze_panes(page, 1, 0);
        for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
            for (std::size_t c = 0; c < sheet.rows[r].size(); ++c) {
                if (sheet.rows[r][c]) {
                    if (worksheet_write_number(page, static_cast<lxw_row_t>(r + 1), static_cast<lxw_col_t>(c),
                                               *sheet.rows[r][c], nullptr) != LXW_NO_ERROR) {
                        return false;
                    }
                }
            }
        }
        if (sheet.chart && !sheet.rows.empty()) {
            addChart(page, sheet, *sheet.chart);
        }
        return true;
    }

    lxw_error close()
    {
        const lxw_error error = workbook_close(book_);
        book_ = nullptr;
        return error;
    }

private:
    void addChart(lxw_worksheet* page, const WorkbookSheet& sheet, const WorkbookChart& wanted)
    {
        lxw_chart* chart = workbook_add_chart(book_, LXW_CHART_SCATTER_STRAIGHT);
        for (std::size_t s = 0; s < wanted.yColumns.size(); ++s) {
            std::size_t first = 1;
            std::size_t last = sheet.rows.size();
            if (s < wanted.rowRanges.size()) {
                first = wanted.rowRanges[s].first + 1;
                last = wanted.rowRanges[s].second + 1;
            }
            const std::size_t column = wanted.yColumns[s];
            const std::string x = rangeOf(sheet.name, wanted.xColumn, first, last);
            const std::string y = rangeOf(sheet.name, column, first, last);
            lxw_chart_series* series = chart_add_series(chart, x.c_str(), y.c_str());
            const std::string name = "='" + sheet.name + "'!" + cellReference(0, column);
            if (wanted.rowRanges.empty()) {
                chart_series_set_name(series, name.c_str());
            } else if (s < seriesNames_.size()) {
                chart_series_set_name(series, seriesNames_[s].c_str());
            }
        }
        chart_title_set_name(chart, wanted.title.c_str());
        chart_axis_set_name(chart->x_axis, wanted.xTitle.c_str());
        chart_axis_set_name(chart->y_axis, wanted.yTitle.c_str());
        chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
        lxw_chart_options placement{};
        placement.x_scale = 1.6;
        placement.y_scale = 1.6;
        worksheet_insert_chart_opt(page, 1, static_cast<lxw_col_t>(sheet.header.size() + 1), chart,
                                   &placement);
    }

public:
    std::vector<std::string> seriesNames_; // names of the lines cut from one column

private:
    lxw_workbook* book_;
};

} // namespace

std::string workbookBytes(const Workbook& workbook, std::string& error)
{
    const char* folder = std::getenv("TMPDIR");
    std::string name = std::string(folder && *folder ? folder : "/tmp") + "/velmora2-workbook-XXXXXX";
    const int file = mkstemp(name.data());
    if (file < 0) {
        error = std::string("fichier temporaire impossible à créer : ") + std::strerror(errno);
        return {};
    }
    close(file);
    std::string bytes;
    {
        XlsxFile book(name);
        bool added = true;
        for (const WorkbookSheet& sheet : workbook.sheets) {
            if (sheet.chart && !sheet.chart->rowRanges.empty() && !sheet.rows.empty() &&
                !sheet.header.empty()) {
                // A line per series value, named by it.
                book.seriesNames_.clear();
                for (const auto& range : sheet.chart->rowRanges) {
                    const std::optional<double> value = sheet.rows[range.first][0];
                    std::ostringstream text;
                    text << sheet.header[0] << " = " << (value ? *value : 0.0);
                    book.seriesNames_.push_back(text.str());
                }
            }
            added = added && book.add(sheet);
        }
        const lxw_error closed = book.close();
        if (!added || closed != LXW_NO_ERROR) {
            error = std::string("le classeur n’a pas pu être écrit : ") + lxw_strerror(closed);
        }
    }
    if (error.empty()) {
        std::ifstream in(name, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (!in.good() && !in.eof()) {
            error = "le classeur n’a pas pu être relu";
        }
    }
    unlink(name.c_str());
    return error.empty() ? bytes : std::string();
}

} // namespace velmora
