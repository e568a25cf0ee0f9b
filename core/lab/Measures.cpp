#include "lab/Measures.h"

#include "model/Tick.h"

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
    if (choice.initialRate && !choice.initialRateOverSeconds()) {
        if (course.shareReached) {
            measures.initialRate = static_cast<double>(amount - course.shareReached->substrate) *
                                   ticksPerSecond / static_cast<double>(course.shareReached->tick);
        } else if (course.ticksRun > 0) {
            measures.initialRate = static_cast<double>(amount - course.substrateAtEnd) * ticksPerSecond /
                                   static_cast<double>(course.ticksRun);
            measures.initialRateCutShort = true;
        }
    }
    for (const GraphSample& sample : course.samples) {
        if (choice.initialRate && choice.initialRateOverSeconds() && !measures.initialRate &&
            sample.second == choice.initialRateSeconds) {
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

    // The ticks that the chosen measures need at most; the half-time and the share may end the
    // run earlier.
    std::int64_t needed = 0;
    if (course.substrateAmount > 0) {
        if (choice.initialRate) {
            needed = choice.initialRateOverSeconds()
                         ? static_cast<std::int64_t>(choice.initialRateSeconds) * ticksPerSecond
                         : ticks;
        }
        if (choice.halfTime || choice.left) {
            needed = ticks;
        }
        needed = std::min<std::int64_t>(needed, ticks);
    }
    const bool byShare = choice.initialRate && !choice.initialRateOverSeconds();
    const std::int32_t& substrate = world->count[world->substrateKind];
    bool halfReached = false;
    bool rateDone = !choice.initialRate;
    for (std::int64_t tick = 1; tick <= needed; ++tick) {
        if (cancel && tick % ticksBetweenCancelChecks == 0 && cancel->load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
        const std::optional<RecordedSecond> recorded = experiment.tick();
        course.ticksRun = tick;
        if (byShare && !course.shareReached &&
            shareTransformed(substrate, course.substrateAmount, choice.initialRateShare)) {
            course.shareReached = TickSample{tick, substrate};
            rateDone = true;
        }
        if (recorded) {
            course.samples.push_back({recorded->second, recorded->substrate});
            halfReached = halfReached || halfGone(recorded->substrate, course.substrateAmount);
            rateDone = rateDone || (!byShare && recorded->second >= choice.initialRateSeconds);
        }
        if (!choice.left && rateDone && (!choice.halfTime || halfReached)) {
            break;
        }
        // A run in which nothing can happen any more (frozen, every enzyme denatured) would end
        // as it stands: its share measure and what is left are known. Not while a change of the
        // temperature or the pH is still to come: warmed, a frozen run goes on.
        if (tick % ticksPerSecond == 0 && !experiment.eventsPending() && (!choice.initialRate || byShare) &&
            (!choice.halfTime || halfReached) && substrateSettled(*world, needed - tick)) {
            course.ticksRun = needed;
            break;
        }
    }
    course.substrateAtEnd = world->count[world->substrateKind];
    return measureCourse(course, choice);
}

} // namespace velmora
