#include "session/ActivityRun.h"

#include "lab/BatchCommand.h"
#include "lab/SweepTable.h"
#include "model/Translatable.h"
#include "plot/ActivityChart.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace velmora {

ActivityRun runActivityCurve(ActivityCurve curve, const ExperimentSettings& current,
                             const std::function<void(std::size_t done, std::size_t total)>& progress)
{
    ActivityRun run;
    run.curve = curve;
    run.plan = activityCurvePlan(curve, current);
    run.current = currentSetting(curve, current);
    SweepControl control;
    control.jobs = 1;
    if (progress) {
        control.progress = [&progress](SweepProgress done) { progress(done.runsDone, done.runsTotal); };
    }
    run.result = runSweep(run.plan, control);
    run.fits = sweepFits(run.result);
    return run;
}

ChartWords translatedChartWords(const Translator& translator)
{
    ChartWords words;
    for (std::string* word : words.all()) {
        *word = translator.text("ActivityChart", *word);
    }
    for (std::string& name : words.reactionNames) {
        name = translator.text("Catalogue", name);
    }
    words.pluralFromTwo = translator.pluralFromTwo;
    return words;
}

Chart activityRunChart(const ActivityRun& run, bool lineweaverBurk, const Translator& translator)
{
    const ChartWords words = translatedChartWords(translator);
    const Chart curve = activityChart(run.result, Measure::initialRate, run.fits, words);
    if (lineweaverBurk && !run.fits.empty()) {
        Chart view = lineweaverBurkChart(run.fits, words);
        view.subtitle = curve.title + (curve.subtitle.empty() ? "" : words.listComma + curve.subtitle);
        for (std::size_t s = 0; s < view.series.size() && s < curve.series.size(); ++s) {
            view.series[s].label = curve.series[s].label;
        }
        return view;
    }
    Chart chart = curve;
    chart.inset.reset(); // the Lineweaver-Burk view is shown on demand, full size
    const std::string value =
        parameterValueText(run.plan.x.parameter, run.current, run.plan.base.reaction, words);
    chart.mark =
        ChartMark{static_cast<double>(run.current),
                  fillPattern(translator.text("ActivityWindow", "réglage actuel\u00a0: %1"), {value})};
    return chart;
}

std::vector<std::string> activityFitLines(const ActivityRun& run, const Translator& translator)
{
    std::vector<std::string> lines;
    if (run.fits.empty()) {
        return lines;
    }
    const Chart chart =
        activityChart(run.result, Measure::initialRate, run.fits, translatedChartWords(translator));
    const std::string separator = translator.text("ActivityWindow", " ; ");
    for (const ChartSeries& series : chart.series) {
        std::string joined;
        for (const std::string& note : series.notes) {
            joined += (joined.empty() ? "" : separator) + note;
        }
        lines.push_back(series.label.empty() ? joined
                                             : fillPattern(translator.text("ActivityWindow", "%1\u00a0: %2"),
                                                           {series.label, joined}));
    }
    return lines;
}

std::string activityTableCsv(const ActivityRun& run)
{
    std::ostringstream out;
    writeSweepTable(out, run.result);
    return out.str();
}

std::string activityTableText(const ActivityRun& run, const Translator& translator)
{
    const auto word = [&translator](std::string_view source) {
        return translator.text("ActivityWindow", source);
    };
    const auto heading = [&word](SweepParameter parameter) {
        switch (parameter) {
        case SweepParameter::temperature:
            return word("température (°C)");
        case SweepParameter::ph:
            return word("pH");
        case SweepParameter::enzyme:
            return word("enzyme (molécules)");
        case SweepParameter::substrate:
            return word("substrat (molécules)");
        case SweepParameter::other:
            return word("thiolactose (molécules)");
        }
        return std::string();
    };
    const std::string mark = translator.text("GraphExport", ",");
    const auto number = [&mark](double value) {
        char text[64];
        std::snprintf(text, sizeof text, "%.3f", value);
        std::string shown(text);
        if (const auto point = shown.find('.'); point != std::string::npos) {
            shown.replace(point, 1, mark);
        }
        return shown;
    };
    std::string table;
    if (run.plan.series) {
        table += heading(run.plan.series->parameter) + '\t';
    }
    table += heading(run.plan.x.parameter) + '\t' + word("vitesse initiale (molécules/s)") + '\t' +
             word("écart type (molécules/s)") + '\n';
    for (const SweepPoint& point : run.result.points) {
        if (run.plan.series) {
            table += std::to_string(point.seriesValue) + '\t';
        }
        const Statistic& rate = point.initialRate;
        table += std::to_string(point.xValue) + '\t' + (rate.count > 0 ? number(rate.mean) : std::string()) +
                 '\t' + (rate.count > 1 ? number(rate.standardDeviation) : std::string()) + '\n';
    }
    return table;
}

std::string activityBatchCommand(const ActivityRun& run)
{
    return batchCommand(sweepArguments(run.plan));
}

} // namespace velmora
