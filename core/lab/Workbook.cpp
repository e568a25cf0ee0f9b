#include "lab/Workbook.h"

#include "lab/RunWords.h"

#include <nlohmann/json.hpp>
#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>

namespace velmora {

namespace {

std::string parameterTitle(SweepParameter parameter)
{
    switch (parameter) {
    case SweepParameter::temperature:
        return "Température (°C)";
    case SweepParameter::ph:
        return "pH";
    case SweepParameter::enzyme:
        return "Enzyme (molécules)";
    case SweepParameter::substrate:
        return "Substrat (molécules)";
    case SweepParameter::other:
        return "Thiolactose (molécules)";
    }
    return std::string(parameterName(parameter));
}

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
    void addChart(lxw_worksheet* page, const WorkbookSheet& sheet, const WorkbookChart& spec)
    {
        lxw_chart* chart = workbook_add_chart(book_, LXW_CHART_SCATTER_STRAIGHT);
        for (std::size_t s = 0; s < spec.yColumns.size(); ++s) {
            std::size_t first = 1;
            std::size_t last = sheet.rows.size();
            if (s < spec.rowRanges.size()) {
                first = spec.rowRanges[s].first + 1;
                last = spec.rowRanges[s].second + 1;
            }
            const std::size_t column = spec.yColumns[s];
            const std::string x = rangeOf(sheet.name, spec.xColumn, first, last);
            const std::string y = rangeOf(sheet.name, column, first, last);
            lxw_chart_series* series = chart_add_series(chart, x.c_str(), y.c_str());
            const std::string name = "='" + sheet.name + "'!" + cellReference(0, column);
            if (spec.rowRanges.empty()) {
                chart_series_set_name(series, name.c_str());
            } else if (s < seriesNames_.size()) {
                chart_series_set_name(series, seriesNames_[s].c_str());
            }
        }
        chart_title_set_name(chart, spec.title.c_str());
        chart_axis_set_name(chart->x_axis, spec.xTitle.c_str());
        chart_axis_set_name(chart->y_axis, spec.yTitle.c_str());
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

Workbook timeCourseWorkbook(const CourseRecord& current, const std::vector<CourseRecord>& kept)
{
    WorkbookSheet sheet;
    sheet.name = "Évolution";
    sheet.header = {"Temps (s)", "Substrat (molécules)", "Substrat (%)", "Température (°C)", "pH"};
    sheet.decimals = {0, 0, 1, 0, 0};
    for (std::size_t k = 0; k < kept.size(); ++k) {
        sheet.header.push_back("Courbe gardée " + std::to_string(k + 1) + " (%) : " + shortSettings(kept[k]));
        sheet.decimals.push_back(1);
    }
    const auto percent = [](const RecordedSecond& second, std::int32_t amount) -> std::optional<double> {
        if (amount <= 0) {
            return std::nullopt;
        }
        return 100.0 * second.substrate / amount;
    };
    forEachCourseRow(current, kept, [&](const CourseRow& row) {
        std::vector<std::optional<double>> cells{static_cast<double>(row.second)};
        if (row.current) {
            cells.push_back(row.current->substrate);
            cells.push_back(percent(*row.current, current.substrateAmount()));
            cells.push_back(row.current->temperature);
            cells.push_back(row.current->ph);
        } else {
            cells.insert(cells.end(), 4, std::nullopt);
        }
        for (std::size_t k = 0; k < kept.size(); ++k) {
            cells.push_back(row.kept[k] ? percent(*row.kept[k], kept[k].substrateAmount()) : std::nullopt);
        }
        sheet.rows.push_back(std::move(cells));
    });
    WorkbookChart chart;
    chart.title = "Substrat restant au cours du temps";
    chart.xTitle = "Temps (s)";
    chart.yTitle = "Substrat restant (%)";
    chart.yColumns.push_back(2);
    for (std::size_t k = 0; k < kept.size(); ++k) {
        chart.yColumns.push_back(5 + k);
    }
    sheet.chart = chart;
    return {{sheet}};
}

Workbook sweepWorkbook(const SweepResult& result)
{
    const SweepPlan& plan = result.plan;
    WorkbookSheet sheet;
    sheet.name = "Mesures";
    if (plan.series) {
        sheet.header.push_back(parameterTitle(plan.series->parameter));
        sheet.decimals.push_back(0);
    }
    const std::size_t xColumn = sheet.header.size();
    sheet.header.push_back(parameterTitle(plan.x.parameter));
    sheet.decimals.push_back(0);
    std::string firstTitle;
    const auto measureColumns = [&](const std::string& mean, const std::string& deviation) {
        if (firstTitle.empty()) {
            firstTitle = mean;
        }
        sheet.header.push_back(mean);
        sheet.header.push_back(deviation);
        sheet.decimals.push_back(3);
        sheet.decimals.push_back(3);
    };
    const MeasureChoice& measures = plan.measures;
    if (measures.initialRate) {
        measureColumns("Vitesse initiale (molécules/s)", "Écart type de la vitesse (molécules/s)");
    }
    if (measures.halfTime) {
        measureColumns("Demi-temps (s)", "Écart type du demi-temps (s)");
        sheet.header.push_back("Expériences ayant atteint le demi-temps");
        sheet.decimals.push_back(0);
    }
    if (measures.left) {
        measureColumns("Substrat restant (%)", "Écart type du substrat restant (%)");
    }
    const auto statistic = [](std::vector<std::optional<double>>& cells, const Statistic& value) {
        cells.push_back(value.count > 0 ? std::optional<double>(value.mean) : std::nullopt);
        cells.push_back(value.count > 1 ? std::optional<double>(value.standardDeviation) : std::nullopt);
    };
    for (const SweepPoint& point : result.points) {
        std::vector<std::optional<double>> cells;
        if (plan.series) {
            cells.push_back(point.seriesValue);
        }
        cells.push_back(point.xValue);
        if (measures.initialRate) {
            statistic(cells, point.initialRate);
        }
        if (measures.halfTime) {
            statistic(cells, point.halfTime);
            cells.push_back(static_cast<double>(point.halfTime.count));
        }
        if (measures.left) {
            statistic(cells, point.left);
        }
        sheet.rows.push_back(std::move(cells));
    }
    WorkbookChart chart;
    chart.title = firstTitle + " selon " + parameterTitle(plan.x.parameter);
    chart.xTitle = parameterTitle(plan.x.parameter);
    chart.yTitle = firstTitle;
    chart.xColumn = xColumn;
    const std::size_t perSeries = plan.x.values.size();
    const std::size_t seriesCount = perSeries == 0 ? 0 : result.points.size() / perSeries;
    if (plan.series && seriesCount > 1) {
        for (std::size_t s = 0; s < seriesCount; ++s) {
            chart.yColumns.push_back(xColumn + 1);
            chart.rowRanges.emplace_back(s * perSeries, (s + 1) * perSeries - 1);
        }
    } else {
        chart.yColumns.push_back(xColumn + 1);
    }
    sheet.chart = chart;
    return {{sheet}};
}

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

std::string workbookMessage(const Workbook& workbook)
{
    nlohmann::json sheets = nlohmann::json::array();
    for (const WorkbookSheet& sheet : workbook.sheets) {
        nlohmann::json item{{"name", sheet.name}, {"header", sheet.header}, {"decimals", sheet.decimals}};
        nlohmann::json rows = nlohmann::json::array();
        for (const auto& row : sheet.rows) {
            nlohmann::json cells = nlohmann::json::array();
            for (const auto& cell : row) {
                cells.push_back(cell ? nlohmann::json(*cell) : nlohmann::json());
            }
            rows.push_back(std::move(cells));
        }
        item["rows"] = std::move(rows);
        if (sheet.chart) {
            const WorkbookChart& chart = *sheet.chart;
            item["chart"] = {{"title", chart.title}, {"x_title", chart.xTitle}, {"y_title", chart.yTitle},
                             {"x", chart.xColumn},   {"y", chart.yColumns},     {"ranges", chart.rowRanges}};
        }
        sheets.push_back(std::move(item));
    }
    return sheets.dump();
}

std::optional<Workbook> workbookFromMessage(std::string_view message)
{
    try {
        const nlohmann::json sheets = nlohmann::json::parse(message.begin(), message.end());
        Workbook workbook;
        for (const auto& item : sheets) {
            WorkbookSheet sheet;
            sheet.name = item.at("name").get<std::string>();
            sheet.header = item.at("header").get<std::vector<std::string>>();
            sheet.decimals = item.at("decimals").get<std::vector<int>>();
            for (const auto& row : item.at("rows")) {
                std::vector<std::optional<double>> cells;
                for (const auto& cell : row) {
                    cells.push_back(cell.is_null() ? std::nullopt
                                                   : std::optional<double>(cell.get<double>()));
                }
                sheet.rows.push_back(std::move(cells));
            }
            if (item.contains("chart")) {
                const auto& chart = item.at("chart");
                WorkbookChart spec;
                spec.title = chart.at("title").get<std::string>();
                spec.xTitle = chart.at("x_title").get<std::string>();
                spec.yTitle = chart.at("y_title").get<std::string>();
                spec.xColumn = chart.at("x").get<std::size_t>();
                spec.yColumns = chart.at("y").get<std::vector<std::size_t>>();
                spec.rowRanges = chart.at("ranges").get<std::vector<std::pair<std::size_t, std::size_t>>>();
                sheet.chart = spec;
            }
            workbook.sheets.push_back(std::move(sheet));
        }
        return workbook;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}

} // namespace velmora
