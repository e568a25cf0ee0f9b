#include "lab/Sweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <mutex>
#include <thread>

namespace velmora {

namespace {

struct ParameterEntry
{
    SweepParameter parameter;
    std::string_view name;
    ParameterRange range;
};

constexpr std::array<ParameterEntry, 5> parameters{{
    {SweepParameter::temperature, "temperature", {-10, 90}},
    {SweepParameter::ph, "ph", {0, 14}},
    {SweepParameter::enzyme, "enzyme", {0, maxSlot}},
    {SweepParameter::substrate, "substrate", {0, maxSlot}},
    {SweepParameter::other, "other", {0, maxSlot}},
}};

const ParameterEntry& entryFor(SweepParameter parameter)
{
    return parameters[static_cast<std::size_t>(parameter)];
}

Statistic statisticOf(const std::vector<RunMeasures>& runs, Measure measure)
{
    Statistic statistic;
    double sum = 0.0;
    for (const RunMeasures& run : runs) {
        if (const std::optional<double> value = run.value(measure)) {
            statistic.minimum = statistic.count == 0 ? *value : std::min(statistic.minimum, *value);
            statistic.maximum = statistic.count == 0 ? *value : std::max(statistic.maximum, *value);
            sum += *value;
            ++statistic.count;
        }
    }
    if (statistic.count == 0) {
        return statistic;
    }
    statistic.mean = sum / statistic.count;
    if (statistic.count > 1) {
        double squares = 0.0;
        for (const RunMeasures& run : runs) {
            if (const std::optional<double> value = run.value(measure)) {
                squares += (*value - statistic.mean) * (*value - statistic.mean);
            }
        }
        statistic.standardDeviation = std::sqrt(squares / (statistic.count - 1));
    }
    return statistic;
}

// The runs of a sweep, shared out among the jobs: each job takes the next run not yet taken, and
// writes its measures into the run's own place.
class RunQueue
{
public:
    RunQueue(const SweepPlan& plan, std::vector<SweepPoint>& points, const SweepControl& control)
        : plan_(plan), points_(points), control_(control),
          total_(points.size() * static_cast<std::size_t>(plan.replicates))
    {
    }

    std::size_t total() const { return total_; }

    void work()
    {
        try {
            for (std::size_t run = next_++; run < total_; run = next_++) {
                if (stopped()) {
                    return;
                }
                const auto replicates = static_cast<std::size_t>(plan_.replicates);
                SweepPoint& point = points_[run / replicates];
                const auto replicate = static_cast<std::int32_t>(run % replicates);
                const std::optional<RunMeasures> measures =
                    measureExperiment(pointSettings(plan_, point.seriesValue, point.xValue), plan_.measures,
                                      plan_.ticks, replicateSeed(plan_.seed, replicate), control_.cancel);
                if (!measures) {
                    return;
                }
                point.runs[static_cast<std::size_t>(replicate)] = *measures;
                const std::lock_guard lock(progressMutex_);
                ++done_;
                if (control_.progress) {
                    control_.progress({done_, total_});
                }
            }
        } catch (...) {
            const std::lock_guard lock(progressMutex_);
            if (!failure_) {
                failure_ = std::current_exception();
            }
            stop_ = true;
        }
    }

    // Whether the caller asked to stop, or a job failed.
    bool stopped()
    {
        if (control_.cancel && control_.cancel->load(std::memory_order_relaxed)) {
            stop_ = true;
        }
        return stop_;
    }

    bool complete() const { return done_ == total_; }
    std::exception_ptr failure() const { return failure_; }

private:
    const SweepPlan& plan_;
    std::vector<SweepPoint>& points_;
    const SweepControl& control_;
    const std::size_t total_;
    std::atomic<std::size_t> next_{0};
    std::atomic<bool> stop_{false};
    std::mutex progressMutex_;
    std::size_t done_ = 0;
    std::exception_ptr failure_;
};

} // namespace

ParameterRange parameterRange(SweepParameter parameter)
{
    return entryFor(parameter).range;
}

std::string_view parameterName(SweepParameter parameter)
{
    return entryFor(parameter).name;
}

std::optional<SweepParameter> parameterNamed(std::string_view name)
{
    for (const ParameterEntry& entry : parameters) {
        if (entry.name == name) {
            return entry.parameter;
        }
    }
    return std::nullopt;
}

void setParameter(ExperimentSettings& settings, SweepParameter parameter, std::int32_t value)
{
    switch (parameter) {
    case SweepParameter::temperature:
        settings.temperature = value;
        break;
    case SweepParameter::ph:
        settings.ph = value;
        break;
    case SweepParameter::enzyme:
        settings.enzyme = value;
        break;
    case SweepParameter::substrate:
        settings.substrate = value;
        break;
    case SweepParameter::other:
        settings.other = value;
        break;
    }
}

SweepAxis steppedAxis(SweepParameter parameter, std::int32_t from, std::int32_t to, std::int32_t step)
{
    SweepAxis axis{parameter, {}};
    for (std::int64_t value = from; step > 0 && value <= to; value += step) {
        axis.values.push_back(static_cast<std::int32_t>(value));
    }
    return axis;
}

std::uint32_t replicateSeed(std::uint32_t seed, std::int32_t replicate)
{
    return seed + static_cast<std::uint32_t>(replicate) * 2654435769u;
}

const Statistic& SweepPoint::statistic(Measure measure) const
{
    return measure == Measure::initialRate ? initialRate : measure == Measure::halfTime ? halfTime : left;
}

ExperimentSettings pointSettings(const SweepPlan& plan, std::int32_t seriesValue, std::int32_t xValue)
{
    ExperimentSettings settings = plan.base;
    if (plan.series) {
        setParameter(settings, plan.series->parameter, seriesValue);
    }
    setParameter(settings, plan.x.parameter, xValue);
    return settings;
}

SweepResult runSweep(const SweepPlan& plan, const SweepControl& control)
{
    SweepResult result;
    result.plan = plan;
    result.plan.replicates = std::max(plan.replicates, 1);
    const std::vector<std::int32_t> noSeries{0};
    for (const std::int32_t seriesValue : plan.series ? plan.series->values : noSeries) {
        for (const std::int32_t xValue : plan.x.values) {
            SweepPoint point;
            point.seriesValue = seriesValue;
            point.xValue = xValue;
            point.runs.resize(static_cast<std::size_t>(result.plan.replicates));
            result.points.push_back(std::move(point));
        }
    }

    RunQueue queue(result.plan, result.points, control);
    unsigned jobs = control.jobs != 0 ? control.jobs : std::max(1u, std::thread::hardware_concurrency());
    jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(queue.total(), 1)));
    if (jobs <= 1) {
        queue.work();
    } else {
        std::vector<std::thread> threads;
        threads.reserve(jobs);
        for (unsigned j = 0; j < jobs; ++j) {
            threads.emplace_back([&queue] { queue.work(); });
        }
        for (std::thread& thread : threads) {
            thread.join();
        }
    }
    if (queue.failure()) {
        std::rethrow_exception(queue.failure());
    }
    if (!queue.complete()) {
        result.cancelled = true;
        return result;
    }
    for (SweepPoint& point : result.points) {
        point.initialRate = statisticOf(point.runs, Measure::initialRate);
        point.initialRateCutShort = static_cast<std::int32_t>(
            std::count_if(point.runs.begin(), point.runs.end(),
                          [](const RunMeasures& run) { return run.initialRateCutShort; }));
        point.halfTime = statisticOf(point.runs, Measure::halfTime);
        point.left = statisticOf(point.runs, Measure::left);
    }
    return result;
}

} // namespace velmora
