#pragma once

#include "lab/ActivityCurves.h"
#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"
#include "plot/Chart.h"
#include "plot/ChartWords.h"
#include "session/Translator.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora {

// One of the graph's activity curves computed for a front end without threads of its own: the
// experiments run one after another in the calling thread, then the curve, its fit and its tables
// are given as the window's activity-curve window gives them.
struct ActivityRun
{
    ActivityCurve curve = ActivityCurve::temperature;
    SweepPlan plan;
    std::int32_t current = 0; // the setting under way, marked on the curve
    SweepResult result;
    SweepFits fits; // substrate curves only
};

// Runs the curve from the settings that a start would use now. `progress` is called after each
// experiment with the runs done and the runs in all.
ActivityRun runActivityCurve(ActivityCurve curve, const ExperimentSettings& current,
                             const std::function<void(std::size_t done, std::size_t total)>& progress = {});

// The chart words in the translator's language.
ChartWords translatedChartWords(const Translator& translator);

// The curve as shown, with the current setting marked; or, for a substrate curve with a fit, its
// Lineweaver-Burk view full size.
Chart activityRunChart(const ActivityRun& run, bool lineweaverBurk, const Translator& translator);

// Each series' fit in words, one line each: « avec 50 molécules de thiolactose : Vmax = … ; Km = … ».
std::vector<std::string> activityFitLines(const ActivityRun& run, const Translator& translator);

// The table as velmora2-batch --table writes it, and as a table for a spreadsheet.
std::string activityTableCsv(const ActivityRun& run);
std::string activityTableText(const ActivityRun& run, const Translator& translator);

// The velmora2-batch command that gives the same figures.
std::string activityBatchCommand(const ActivityRun& run);

} // namespace velmora
