// What the student report says: the group, the scenario, the settings in words, the course as a
// chart and a table, the activity curves, the answer and the log. Always in French.

#include "plot/Report.h"

#include "lab/RunWords.h"
#include "model/Catalogue.h"
#include "plot/FrenchText.h"

#include <algorithm>
#include <map>

namespace velmora {

namespace {

const std::string nbsp = french::noBreakSpace;
const std::string colon = nbsp + ":";

std::string integer(std::int64_t value)
{
    return value < 0 ? french::minusSign + std::to_string(-value) : std::to_string(value);
}

Chart courseChart(const ExperimentDocument& document, const CourseRecord& current,
                  const std::vector<CourseRecord>& kept)
{
    Chart chart;
    chart.title = "Substrat restant au cours du temps";
    chart.subtitle = std::string(reactionName(current.settings().reaction));
    chart.xTitle = "Temps (s)";
    chart.yTitle = "Substrat restant (%)";
    chart.xIncludesZero = true;
    chart.yIncludesZero = true;
    const auto seriesOf = [](const CourseRecord& run, const std::string& label) {
        ChartSeries series;
        series.label = label;
        const std::int32_t amount = run.substrateAmount();
        for (const RecordedSecond& second : run.seconds()) {
            series.line.push_back(
                {static_cast<double>(second.second), amount > 0 ? 100.0 * second.substrate / amount : 0.0});
        }
        return series;
    };
    double last = 10.0;
    if (!current.empty()) {
        chart.series.push_back(seriesOf(current, "Expérience" + colon + " " + shortSettings(current)));
        last = std::max(last, static_cast<double>(current.seconds().back().second));
    }
    for (std::size_t k = 0; k < kept.size(); ++k) {
        chart.series.push_back(seriesOf(kept[k], "Courbe gardée " + std::to_string(k + 1) + colon + " " +
                                                     shortSettings(kept[k])));
        if (!kept[k].empty()) {
            last = std::max(last, static_cast<double>(kept[k].seconds().back().second));
        }
    }
    chart.xRange = std::make_pair(0.0, last);
    if (chart.series.empty()) {
        chart.footnotes.push_back("Aucune expérience n’a encore été lancée.");
    }
    (void)document;
    return chart;
}

ReportTable courseTable(const CourseRecord& current, const std::vector<CourseRecord>& kept,
                        std::int32_t tableStep)
{
    ReportTable table;
    table.header = {"Temps (s)", "Substrat (molécules)", "Substrat (%)", "Température (°C)", "pH"};
    for (std::size_t k = 1; k <= kept.size(); ++k) {
        table.header.push_back("Courbe gardée " + std::to_string(k) + " (%)");
    }
    const auto percent = [](const RecordedSecond& second, std::int32_t amount) {
        return amount > 0 ? french::number(100.0 * second.substrate / amount, 1) : std::string();
    };
    forEachCourseRow(current, kept, [&](const CourseRow& row) {
        if (tableStep > 1 && row.second % tableStep != 0) {
            return;
        }
        std::vector<std::string> cells{integer(row.second)};
        if (row.current) {
            cells.push_back(integer(row.current->substrate));
            cells.push_back(percent(*row.current, current.substrateAmount()));
            cells.push_back(integer(row.current->temperature));
            cells.push_back(integer(row.current->ph));
        } else {
            cells.insert(cells.end(), 4, std::string());
        }
        for (std::size_t k = 0; k < kept.size(); ++k) {
            cells.push_back(row.kept[k] ? percent(*row.kept[k], kept[k].substrateAmount()) : std::string());
        }
        table.rows.push_back(std::move(cells));
    });
    return table;
}

Chart curveChart(const ActivityCurveRecord& record)
{
    static const std::map<std::string, std::string> titles{
        {"temperature", "Température (°C)"},
        {"ph", "pH"},
        {"substrate", "Quantité de substrat (molécules)"},
        {"inhibitor", "Quantité de thiolactose (molécules)"}};
    Chart chart;
    chart.title = "Vitesse initiale selon " + std::string(record.variable == "temperature" ? "la température"
                                                          : record.variable == "ph"        ? "le pH"
                                                          : record.variable == "substrate"
                                                              ? "la quantité de substrat"
                                                              : "la quantité d’inhibiteur");
    chart.subtitle = record.description;
    const auto title = titles.find(record.variable);
    chart.xTitle = title == titles.end() ? record.variable : title->second;
    chart.yTitle = "Vitesse initiale (molécules/s)";
    ChartSeries series;
    series.label = "Mesures";
    double largest = 0.0;
    for (const auto& point : record.points) {
        series.points.push_back({point[0], point[1], 0.0});
        largest = std::max(largest, point[0]);
    }
    if (record.km && record.vmax) {
        series.notes.push_back("Km\u00a0=\u00a0" + french::number(*record.km, 1) + "\u00a0molécules");
        series.notes.push_back("Vmax\u00a0=\u00a0" + french::number(*record.vmax, 2) + "\u00a0molécules/s");
        for (int i = 0; i <= 50; ++i) {
            const double s = largest * i / 50.0;
            series.line.push_back({s, *record.vmax * s / (*record.km + s)});
        }
    }
    chart.series.push_back(std::move(series));
    return chart;
}

} // namespace

Report studentReport(const ExperimentDocument& document, const CourseRecord& current,
                     const std::vector<CourseRecord>& kept, std::int32_t tableStep)
{
    Report report;
    report.identity = {{"Groupe", document.group.names},
                       {"Classe", document.group.className},
                       {"Date", document.group.date}};
    report.title = document.scenario.title;
    report.instructions = document.scenario.instructions;
    ExperimentSettings shown = current.empty() ? document.settings : current.settings();
    if (current.empty() || shown.events.empty()) {
        shown.events = document.settings.events;
    }
    report.settings = settingsLines(shown, document.volume);
    report.course = courseChart(document, current, kept);
    report.table = courseTable(current, kept, tableStep);
    for (const ActivityCurveRecord& curve : document.curves) {
        report.curves.push_back(curveChart(curve));
    }
    report.answer = document.answer;
    for (const LogEntry& entry : document.log) {
        // « 2025-03-12T10:04:05 » is shown as « 10:04:05 ».
        const std::size_t t = entry.time.find('T');
        report.log.emplace_back(t == std::string::npos ? entry.time : entry.time.substr(t + 1), entry.text);
    }
    return report;
}

} // namespace velmora
