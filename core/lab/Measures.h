#pragma once

#include "lab/Experiment.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

// What is measured on each run. Every measure reads the graph's record: the substrate left at each
// second as the graph shows it.
enum class Measure
{
    initialRate, // substrate molecules transformed per second over the first seconds of the graph
    halfTime,    // the first graph second at which at most half of the substrate is left
    left,        // the substrate left at the end of the run, in per cent of the starting quantity
};

struct MeasureChoice
{
    bool initialRate = true;
    std::int32_t initialRateSeconds = 10; // k: the rate is taken over graph seconds 1..k
    bool halfTime = false;
    bool left = false;

    bool includes(Measure measure) const;
};

// The graph's record of one run: the substrate count at each recorded second, in order, and after
// the last tick.
struct GraphSample
{
    std::int32_t second = 0;
    std::int32_t substrate = 0;
};
struct RunCourse
{
    std::int32_t substrateAmount = 0; // the 100 % of the graph
    std::vector<GraphSample> samples;
    std::int32_t substrateAtEnd = 0;
};

// The measures of one run; a measure that was not chosen, or that the run does not give, is empty.
struct RunMeasures
{
    // (substrateAmount - substrate at second k) / k; 0 without substrate; empty when the record
    // stops before second k.
    std::optional<double> initialRate;
    // Empty when never reached (and without substrate).
    std::optional<std::int32_t> halfTime;
    // 100 * substrateAtEnd / substrateAmount; empty without substrate.
    std::optional<double> left;

    std::optional<double> value(Measure measure) const;
};

RunMeasures measureCourse(const RunCourse& course, const MeasureChoice& choice);

// Runs one experiment from `seed` for at most `ticks` ticks, ticking only as long as the chosen
// measures need (the initial rate only its k seconds; the half-time until it is reached), and
// measures it. Empty when `cancel` was set before the run ended.
std::optional<RunMeasures> measureExperiment(const ExperimentSettings& settings, const MeasureChoice& choice,
                                             std::int32_t ticks, std::uint32_t seed,
                                             const std::atomic<bool>* cancel = nullptr);

} // namespace velmora
