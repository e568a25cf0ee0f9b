#include "lab/Measures.h"

#include <algorithm>
#include <memory>

namespace velmora {

namespace {

constexpr std::int32_t ticksPerSecond = 20;
constexpr std::int32_t ticksBetweenCancelChecks = 20;

// Whether `substrate` is at most half of the starting quantity, counted exactly.
bool halfGone(std::int32_t substrate, std::int32_t substrateAmount)
{
    return 2 * static_cast<std::int64_t>(substrate) <= substrateAmount;
}

} // namespace

bool MeasureChoice::includes(Measure measure) const
{
    switch (measure) {
    case Measure::initialRate:
        return initialRate;
    case Measure::halfTime:
        return halfTime;
    case Measure::left:
        return left;
    }
    return false;
}

std::optional<double> RunMeasures::value(Measure measure) const
{
    switch (measure) {
    case Measure::initialRate:
        return initialRate;
    case Measure::halfTime:
        return halfTime ? std::optional<double>(*halfTime) : std::nullopt;
    case Measure::left:
        return left;
    }
    return std::nullopt;
}

RunMeasures measureCourse(const RunCourse& course, const MeasureChoice& choice)
{
    RunMeasures measures;
    const std::int32_t amount = course.substrateAmount;
    if (amount <= 0) {
        // Nothing to transform: the graph records nothing.
        if (choice.initialRate) {
            measures.initialRate = 0.0;
        }
        return measures;
    }
    for (const GraphSample& sample : course.samples) {
        if (choice.initialRate && !measures.initialRate && sample.second == choice.initialRateSeconds) {
            measures.initialRate = static_cast<double>(amount - sample.substrate) / choice.initialRateSeconds;
        }
        if (choice.halfTime && !measures.halfTime && halfGone(sample.substrate, amount)) {
            measures.halfTime = sample.second;
        }
    }
    if (choice.left) {
        measures.left = 100.0 * course.substrateAtEnd / amount;
    }
    return measures;
}

std::optional<RunMeasures> measureExperiment(const ExperimentSettings& settings, const MeasureChoice& choice,
                                             std::int32_t ticks, std::uint32_t seed,
                                             const std::atomic<bool>* cancel)
{
    const auto world = std::make_unique<World>();
    Experiment experiment(settings, *world, seed);
    RunCourse course;
    course.substrateAmount = world->substrateAmount;

    // The ticks that the chosen measures need at most; the half-time may end the run earlier.
    std::int64_t needed = 0;
    if (course.substrateAmount > 0) {
        if (choice.initialRate) {
            needed = static_cast<std::int64_t>(choice.initialRateSeconds) * ticksPerSecond;
        }
        if (choice.halfTime || choice.left) {
            needed = ticks;
        }
        needed = std::min<std::int64_t>(needed, ticks);
    }
    bool halfReached = false;
    for (std::int64_t tick = 1; tick <= needed; ++tick) {
        if (cancel && tick % ticksBetweenCancelChecks == 0 && cancel->load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
        if (const std::optional<RecordedSecond> recorded = experiment.tick()) {
            course.samples.push_back({recorded->second, recorded->substrate});
            halfReached = halfReached || halfGone(recorded->substrate, course.substrateAmount);
            const bool rateDone = !choice.initialRate || recorded->second >= choice.initialRateSeconds;
            if (!choice.left && rateDone && (!choice.halfTime || halfReached)) {
                break;
            }
        }
    }
    course.substrateAtEnd = world->count[world->substrateKind];
    return measureCourse(course, choice);
}

} // namespace velmora
