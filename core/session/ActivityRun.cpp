#include "session/ActivityRun.h"

#include "lab/BatchCommand.h"
#include "lab/SweepTable.h"
#include "model/Translatable.h"
#include "plot/ActivityChart.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace velmora {

SweepPlan activityRunPlan(ActivityCurve curve, const ExperimentSettings& current,
                          const ActivityChoices& choices)
{
    SweepPlan plan = activityCurvePlan(curve, current);
    const bool rate = choices.measure != Measure::halfTime;
    plan.measures.initialRate = rate;
    plan.measures.halfTime = !rate;
    if (choices.share) {
        plan.measures.initialRateShare = std::clamp(*choices.share, 1, largestInitialRateShare);
    }
    plan.replicates = std::clamp(choices.replicates, 1, 1000);
    return plan;
}

ActivityRun runActivityCurve(ActivityCurve curve, const ExperimentSettings& current,
                             const std::function<void(std::size_t done, std::size_t total)>& progress,
                             const ActivityChoices& choices)
{
    ActivityRun run;
    run.curve = curve;
    run.measure = choices.measure == Measure::halfTime ? Measure::halfTime : Measure::initialRate;
    run.plan = activityRunPlan(curve, current, choices);
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
    const std::string value =
        parameterValueText(run.plan.x.parameter, run.current, run.plan.base.reaction, words);
    return shownActivityChart(
        run.result, run.measure, run.fits, words, lineweaverBurk, run.current,
        fillPattern(translator.text("ActivityWindow", "réglage actuel\u00a0: %1"), {value}));
}

std::vector<std::string> activityFitLines(const ActivityRun& run, const Translator& translator)
{
    std::vector<std::string> lines;
    if (run.fits.empty()) {
        return lines;
    }
    const Chart chart = activityChart(run.result, run.measure, run.fits, translatedChartWords(translator));
    const std::string separator = translator.text("ActivityWindow", " ; ");
    for (const ChartSeries& series : chart.series) {
        if (series.notes.empty()) {
            continue; // a curve of another model, told with that model
        }
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
        return translator.text("ActivityTable", source);
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
    const bool rate = run.measure == Measure::initialRate;
    const bool cutShortColumn = rate && !run.plan.measures.initialRateOverSeconds();
    std::vector<std::string> header;
    if (run.plan.series) {
        header.push_back(heading(run.plan.series->parameter));
    }
    header.push_back(heading(run.plan.x.parameter));
    if (rate) {
        header.insert(header.end(), {word("vitesse initiale (molécules/s)"), word("écart type (molécules/s)"),
                                     word("minimum (molécules/s)"), word("maximum (molécules/s)")});
    } else {
        header.insert(header.end(), {word("temps de demi-réaction (s)"), word("écart type (s)"),
                                     word("minimum (s)"), word("maximum (s)")});
    }
    if (cutShortColumn) {
        header.push_back(word("mesure écourtée (expériences)"));
    }
    if (!rate) {
        header.push_back(word("demi-temps atteint (expériences)"));
    }
    const auto line = [](const std::vector<std::string>& cells) {
        std::string joined;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            joined += (c == 0 ? "" : "\t") + cells[c];
        }
        return joined + '\n';
    };
    std::string table = line(header);
    for (const SweepPoint& point : run.result.points) {
        std::vector<std::string> cells;
        if (run.plan.series) {
            cells.push_back(std::to_string(point.seriesValue));
        }
        const Statistic& statistic = point.statistic(run.measure);
        const auto cell = [&](double value, std::int32_t fewest) {
            return statistic.count >= fewest ? number(value) : std::string();
        };
        cells.insert(cells.end(), {std::to_string(point.xValue), cell(statistic.mean, 1),
                                   cell(statistic.standardDeviation, 2), cell(statistic.minimum, 1),
                                   cell(statistic.maximum, 1)});
        if (cutShortColumn) {
            cells.push_back(std::to_string(point.initialRateCutShort));
        }
        if (!rate) {
            cells.push_back(std::to_string(statistic.count));
        }
        table += line(cells);
    }
    return table;
}

std::string activityCutShortNote(const ActivityRun& run, const Translator& translator)
{
    return cutShortNote(run.result, translatedChartWords(translator));
}

std::string activityBatchCommand(const ActivityRun& run)
{
    return batchCommand(sweepArguments(run.plan));
}

} // namespace velmora
