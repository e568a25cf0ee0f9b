#pragma once

#include "lab/ActivityCurves.h"
#include "lab/Measures.h"
#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"
#include "plot/Chart.h"
#include "plot/ChartWords.h"
#include "session/Translator.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora {

// One of the graph's activity curves computed for a front end without threads of its own: the
// experiments run one after another in the calling thread, then the curve, its fit and its tables
// are given as the window's activity-curve window gives them.
// What the curve shows, as the activity window lets the user choose: the measure (the initial
// rate, by default over the curve's own share, or the half-reaction time) and the experiments per
// point.
struct ActivityChoices
{
    Measure measure = Measure::initialRate;
    // Per cent, 1..largestInitialRateShare; none: the curve's own (10 %, a quarter for the substrate
    // curve).
    std::optional<std::int32_t> share;
    std::int32_t replicates = activityCurveReplicates;
};

struct ActivityRun
{
    ActivityCurve curve = ActivityCurve::temperature;
    Measure measure = Measure::initialRate;
    SweepPlan plan;
    std::int32_t current = 0; // the setting under way, marked on the curve
    SweepResult result;
    SweepFits fits; // substrate curves only
};

// The plan of the curve from the settings that a start would use now, with those choices (a share
// or a number of experiments out of range takes the nearest allowed).
SweepPlan activityRunPlan(ActivityCurve curve, const ExperimentSettings& current,
                          const ActivityChoices& choices);

// Runs the curve. `progress` is called after each experiment with the runs done and the runs in all.
ActivityRun runActivityCurve(ActivityCurve curve, const ExperimentSettings& current,
                             const std::function<void(std::size_t done, std::size_t total)>& progress = {},
                             const ActivityChoices& choices = {});

// The chart words in the translator's language.
ChartWords translatedChartWords(const Translator& translator);

// The curve as shown, with the current setting marked; or, for a substrate curve with a fit, its
// Lineweaver-Burk view full size, each series named with its fit under it and the competitive
// model's results last.
Chart activityRunChart(const ActivityRun& run, bool lineweaverBurk, const Translator& translator);

// Each series' fit in words, one line each: « avec 50 molécules de thiolactose : Vmax = … ; Km = … »,
// then the competitive model's.
std::vector<std::string> activityFitLines(const ActivityRun& run, const Translator& translator);

// The table as velmora2-batch --table writes it, and as a table for a spreadsheet (one line per
// point: the measure's mean, standard deviation, minimum and maximum, and the runs whose initial
// rate was cut short, or that reached half the substrate).
std::string activityTableCsv(const ActivityRun& run);
std::string activityTableText(const ActivityRun& run, const Translator& translator);

// Why some points' initial rate is taken over the whole run, or nothing.
std::string activityCutShortNote(const ActivityRun& run, const Translator& translator);

// The velmora2-batch command that gives the same figures.
std::string activityBatchCommand(const ActivityRun& run);

} // namespace velmora
