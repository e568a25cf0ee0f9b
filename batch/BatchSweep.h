#pragma once

#include "batch/BatchOptions.h"
#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <string>

namespace velmora {

// The sweep that the options ask for: the first --sweep along x, the second or --compare as the
// series.
SweepPlan sweepPlanFor(const BatchOptions& options);

// The most experiments that one run of velmora2-batch may have (points times repeats).
constexpr std::uint64_t largestPlan = 1000000;

// Empty for a plan within largestPlan, otherwise one line with its size and how long it would
// take on `jobs` threads (0: one per core), from a few ticks of its own experiments timed now:
// "203010000 experiments (...) are more than a run may have (1000000); they would take about
// 21 hours on 8 jobs".
std::string planSizeError(const SweepPlan& plan, unsigned jobs);

// The measure that --plot draws: the first --measure, or the initial rate.
Measure plottedMeasure(const BatchOptions& options);

// A progress bar on a terminal: "[#####.....]  52 % (125/240 experiments)", redrawn in place when
// the per cent changes, and wiped at the end. Draws nothing when `terminal` is null.
class ProgressBar
{
public:
    explicit ProgressBar(std::FILE* terminal) : terminal_(terminal) {}
    ~ProgressBar() { finish(); }
    void show(SweepProgress progress);
    void finish();

private:
    std::FILE* terminal_;
    int shownPercent_ = -1;
};

// The fit of each series in plain words, its Lineweaver-Burk line under it:
//   "Michaelis-Menten fit: Vmax = 18.4 +- 1.2 molecules/s, Km = 297 +- 29 molecules, residual error
//    0.84 molecules/s (105 runs)"
//   "  Lineweaver-Burk line: 1/v = 16.14 / S + 0.05435, crossing 1/S at -1/Km = -0.003367 and 1/v
//    at 1/Vmax = 0.05435"
// then the competitive fit, when the series are amounts of inhibitor.
void writeFitReport(std::ostream& out, const SweepResult& result, const SweepFits& fits);

} // namespace velmora
