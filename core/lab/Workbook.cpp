#include "lab/Workbook.h"

#include "lab/RunWords.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>

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
                WorkbookChart wanted;
                wanted.title = chart.at("title").get<std::string>();
                wanted.xTitle = chart.at("x_title").get<std::string>();
                wanted.yTitle = chart.at("y_title").get<std::string>();
                wanted.xColumn = chart.at("x").get<std::size_t>();
                wanted.yColumns = chart.at("y").get<std::vector<std::size_t>>();
                wanted.rowRanges = chart.at("ranges").get<std::vector<std::pair<std::size_t, std::size_t>>>();
                sheet.chart = wanted;
            }
            workbook.sheets.push_back(std::move(sheet));
        }
        return workbook;
    } catch (const nlohmann::json::exception&) {
        return std::nullopt;
    }
}

} // namespace velmora
