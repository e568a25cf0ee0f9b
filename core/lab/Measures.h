#pragma once

#include "lab/Experiment.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

// What is measured on each run.
enum class Measure
{
    initialRate, // substrate molecules transformed per second at the start (see MeasureChoice)
    halfTime,    // the first graph second at which at most half of the substrate is left
    left,        // the substrate left at the end of the run, in per cent of the starting quantity
};

inline constexpr std::int32_t defaultInitialRateShare = 10; // per cent
inline constexpr std::int32_t largestInitialRateShare = 50;

struct MeasureChoice
{
    bool initialRate = true;
    // The initial rate is the substrate transformed per second from the start to the first tick
    // at which at least this share of the starting substrate (1..50 %) is transformed, counted on
    // the ticks...
    std::int32_t initialRateShare = defaultInitialRateShare;
    // ...or, when k is above 0, over the first k seconds of the graph (its seconds 1..k).
    std::int32_t initialRateSeconds = 0;
    bool halfTime = false;
    bool left = false;

    bool includes(Measure measure) const;
    bool initialRateOverSeconds() const { return initialRateSeconds > 0; }
};

// The record of one run: the substrate count at each second that the graph recorded, in order,
// the first tick at which the initial rate's share was transformed, and the end.
struct GraphSample
{
    std::int32_t second = 0;
    std::int32_t substrate = 0;
};
struct TickSample
{
    std::int64_t tick = 0; // ticks run since the start
    std::int32_t substrate = 0;
};
struct RunCourse
{
    std::int32_t substrateAmount = 0; // the 100 % of the graph
    std::vector<GraphSample> samples;
    std::int32_t substrateAtEnd = 0;
    std::optional<TickSample> shareReached; // empty when the run ended first
    std::int64_t ticksRun = 0;
};

// Whether `share` per cent of `substrateAmount` is transformed when `substrate` is left, counted
// exactly.
constexpr bool shareTransformed(std::int32_t substrate, std::int32_t substrateAmount, std::int32_t share)
{
    return 100 * (static_cast<std::int64_t>(substrateAmount) - substrate) >=
           static_cast<std::int64_t>(share) * substrateAmount;
}

// The measures of one run; a measure that was not chosen, or that the run does not give, is empty.
struct RunMeasures
{
    // Over a share: transformed / (ticks to reach it / 20) molecules per second; when the run ends
    // first, transformed at the end / (ticks run / 20), and the rate is cut short. Over k seconds:
    // (substrateAmount - substrate at second k) / k, empty when the record stops before second k.
    // 0 without substrate.
    std::optional<double> initialRate;
    bool initialRateCutShort = false;
    // Empty when never reached (and without substrate).
    std::optional<std::int32_t> halfTime;
    // 100 * substrateAtEnd / substrateAmount; empty without substrate.
    std::optional<double> left;

    std::optional<double> value(Measure measure) const;
};

RunMeasures measureCourse(const RunCourse& course, const MeasureChoice& choice);

// Runs one experiment from `seed` for at most `ticks` ticks, ticking only as long as the chosen
// measures need (the initial rate until its share is transformed, or its k seconds; the half-time
// until it is reached), and measures it. Empty when `cancel` was set before the run ended.
std::optional<RunMeasures> measureExperiment(const ExperimentSettings& settings, const MeasureChoice& choice,
                                             std::int32_t ticks, std::uint32_t seed,
                                             const std::atomic<bool>* cancel = nullptr);

} // namespace velmora
