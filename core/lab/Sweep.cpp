#include "lab/Sweep.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <exception>
#include <map>
#include <mutex>
#include <system_error>
#include <thread>

namespace velmora {

namespace {

// WebAssembly built without threads has none to start: every run is then made in the calling
// thread, one after another.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
constexpr bool threadsAvailable = false;
#else
constexpr bool threadsAvailable = true;
#endif

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

// One measure over the runs of a point, taken in replicate order: the mean from the sum, the
// deviation from Welford's running sum of squares, so that no run need be kept.
class StatisticSum
{
public:
    void add(std::optional<double> value)
    {
        if (!value) {
            return;
        }
        minimum_ = count_ == 0 ? *value : std::min(minimum_, *value);
        maximum_ = count_ == 0 ? *value : std::max(maximum_, *value);
        ++count_;
        sum_ += *value;
        const double delta = *value - runningMean_;
        runningMean_ += delta / count_;
        squares_ += delta * (*value - runningMean_);
    }

    Statistic statistic() const
    {
        Statistic statistic;
        statistic.count = count_;
        if (count_ > 0) {
            statistic.mean = sum_ / count_;
            statistic.minimum = minimum_;
            statistic.maximum = maximum_;
        }
        if (count_ > 1) {
            statistic.standardDeviation = std::sqrt(squares_ / (count_ - 1));
        }
        return statistic;
    }

private:
    std::int32_t count_ = 0;
    double sum_ = 0.0;
    double runningMean_ = 0.0;
    double squares_ = 0.0;
    double minimum_ = 0.0;
    double maximum_ = 0.0;
};

// What a point has gathered: the statistics of the runs taken so far in replicate order, and the
// runs that ended before one of a lower replicate (a few, as many as the jobs outrun one another).
struct PointSums
{
    std::int32_t nextReplicate = 0;
    std::map<std::int32_t, RunMeasures> waiting;
    StatisticSum initialRate;
    StatisticSum halfTime;
    StatisticSum left;
    std::int32_t initialRateCutShort = 0; // runs whose initial rate was cut short

    void add(std::int32_t replicate, const RunMeasures& measures)
    {
        waiting.emplace(replicate, measures);
        for (auto next = waiting.begin(); next != waiting.end() && next->first == nextReplicate;
             next = waiting.erase(next), ++nextReplicate) {
            initialRate.add(next->second.value(Measure::initialRate));
            initialRateCutShort += next->second.initialRateCutShort ? 1 : 0;
            halfTime.add(next->second.value(Measure::halfTime));
            left.add(next->second.value(Measure::left));
        }
    }
};

// The runs of a sweep, shared out among the jobs: each job takes the next run not yet taken, and
// writes its measures into the run's own place.
class RunQueue
{
public:
    RunQueue(const SweepPlan& plan, std::vector<SweepPoint>& points, const SweepControl& control)
        : plan_(plan), points_(points), control_(control),
          total_(points.size() * static_cast<std::size_t>(plan.replicates)), sums_(points.size()),
          keepsRuns_(keepsRuns(plan))
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
                if (keepsRuns_) {
                    point.runs[static_cast<std::size_t>(replicate)] = *measures;
                }
                const std::lock_guard lock(progressMutex_);
                sums_[run / replicates].add(replicate, *measures);
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
    const PointSums& sums(std::size_t point) const { return sums_[point]; }

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
    std::vector<PointSums> sums_;
    const bool keepsRuns_;
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

bool keepsRuns(const SweepPlan& plan)
{
    return plan.x.parameter == SweepParameter::substrate && plan.measures.initialRate;
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
            if (keepsRuns(plan)) {
                point.runs.resize(static_cast<std::size_t>(result.plan.replicates));
            }
            result.points.push_back(std::move(point));
        }
    }

    RunQueue queue(result.plan, result.points, control);
    unsigned jobs = control.jobs != 0 ? control.jobs : std::max(1u, std::thread::hardware_concurrency());
    jobs = static_cast<unsigned>(std::min<std::size_t>(jobs, std::max<std::size_t>(queue.total(), 1)));
    if (!threadsAvailable) {
        jobs = 1; // the runs one after another, in this thread
    }
    result.jobsWanted = jobs;
    {
        std::vector<std::thread> threads;
        threads.reserve(jobs - 1);
        for (unsigned j = 1; j < jobs; ++j) {
            try {
                threads.emplace_back([&queue] { queue.work(); });
            } catch (const std::system_error&) {
                break; // no more threads: those started share the runs
            }
        }
        result.jobsRun = static_cast<unsigned>(threads.size()) + 1;
        queue.work();
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
    for (std::size_t i = 0; i < result.points.size(); ++i) {
        SweepPoint& point = result.points[i];
        point.initialRate = queue.sums(i).initialRate.statistic();
        point.initialRateCutShort = queue.sums(i).initialRateCutShort;
        point.halfTime = queue.sums(i).halfTime.statistic();
        point.left = queue.sums(i).left.statistic();
    }
    return result;
}

} // namespace velmora
