#pragma once

#include "lab/Experiment.h"
#include "lab/Measures.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

// A setting that a sweep varies, named as on velmora2-batch's command line.
enum class SweepParameter
{
    temperature, // -10..90 degrees C
    ph,          // 0..14
    enzyme,      // 0..200 molecules
    substrate,
    other,
};

struct ParameterRange
{
    std::int32_t low = 0;
    std::int32_t high = 0;
};

ParameterRange parameterRange(SweepParameter parameter);
std::string_view parameterName(SweepParameter parameter); // "temperature", "ph", ...
std::optional<SweepParameter> parameterNamed(std::string_view name);
void setParameter(ExperimentSettings& settings, SweepParameter parameter, std::int32_t value);

// The values that one parameter takes: FROM, FROM + STEP, ... up to TO.
struct SweepAxis
{
    SweepParameter parameter = SweepParameter::temperature;
    std::vector<std::int32_t> values;
};
SweepAxis steppedAxis(SweepParameter parameter, std::int32_t from, std::int32_t to, std::int32_t step);

// Many experiments of one set-up: the x parameter varies along each curve, and the series
// parameter, when there is one, from curve to curve (a grid of two sweeps, or the same sweep
// compared at a few values). Each point runs `replicates` experiments.
struct SweepPlan
{
    ExperimentSettings base;
    SweepAxis x;
    std::optional<SweepAxis> series;
    MeasureChoice measures;
    std::int32_t ticks = 2000; // longest run; the measures may need fewer
    std::int32_t replicates = 1;
    std::uint32_t seed = designedSeed;
};

// The generator state of replicate r (0-based): the seed itself for replicate 0, then the seed plus
// r times 2654435769 (2^32 divided by the golden ratio, odd), modulo 2^32, so that the states of
// up to 2^32 replicates all differ. Every point uses the same states.
std::uint32_t replicateSeed(std::uint32_t seed, std::int32_t replicate);

// Mean, sample standard deviation and range of one measure over the runs of a point that gave a
// value.
struct Statistic
{
    std::int32_t count = 0; // runs that gave a value
    double mean = 0.0;
    double standardDeviation = 0.0; // 0 with fewer than two values
    double minimum = 0.0;
    double maximum = 0.0;
};

struct SweepPoint
{
    std::int32_t seriesValue = 0; // when the plan has a series
    std::int32_t xValue = 0;
    // One per replicate, in replicate order, when the plan keeps its runs (see keepsRuns); empty
    // otherwise, so that memory grows with the points and not with the repeats.
    std::vector<RunMeasures> runs;
    Statistic initialRate;
    std::int32_t initialRateCutShort = 0; // runs that ended before the initial rate's share
    Statistic halfTime;
    Statistic left;

    const Statistic& statistic(Measure measure) const;
};

struct SweepResult
{
    SweepPlan plan;
    // Series by series, each along x: point i is series i / x.values.size(), x value
    // i % x.values.size().
    std::vector<SweepPoint> points;
    bool cancelled = false; // the statistics are then empty
    // The threads asked for, and those that ran experiments: fewer when the system would start no
    // more (a limit on processes), the calling thread's alone at worst.
    unsigned jobsWanted = 0;
    unsigned jobsRun = 0;
};

// Whether a sweep of this plan keeps every run's measures: only the Michaelis-Menten fit needs them
// (a substrate sweep of the initial rate). The statistics are the same either way, gathered run
// by run in replicate order.
bool keepsRuns(const SweepPlan& plan);

// The settings of one point of the plan.
ExperimentSettings pointSettings(const SweepPlan& plan, std::int32_t seriesValue, std::int32_t xValue);

struct SweepProgress
{
    std::size_t runsDone = 0;
    std::size_t runsTotal = 0;
};

// How a sweep is run. Nothing here changes its results: every run depends only on its own settings
// and generator state, and the jobs only share the runs out.
struct SweepControl
{
    unsigned jobs = 0; // threads; 0: one per core
    // Called after each run, from the thread that ran it, never two calls at once; runsDone grows
    // by one at each call.
    std::function<void(SweepProgress)> progress;
    // Set to true (from any thread) to stop: runs under way stop within 20 ticks, and runSweep
    // returns a result marked cancelled.
    const std::atomic<bool>* cancel = nullptr;
};

// Runs every experiment of the plan and gathers the statistics. Blocks until done or cancelled.
// Keeps no state between calls: several sweeps may run at once. The calling thread is one of the
// jobs; when the system refuses a thread, the sweep runs on those it has.
SweepResult runSweep(const SweepPlan& plan, const SweepControl& control = {});

} // namespace velmora
