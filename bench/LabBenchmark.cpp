// Speed of sweeps: 24 classroom runs on 1 and 2 jobs against 24 single runs, the initial-rate
// sweep over 21 temperatures, and the window's four activity curves (10 experiments a point, with
// and without thiolactose) at a classroom's settings and at full load, on the one job that the
// window gives them on a two-core machine.
// Also the window's copy of its experiment, taken every second for a restart: the whole file of
// a full session (five kept runs of ten minutes, the run under way, the four curves and a log at
// its largest).
// Run: build/bench/lab_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "lab/ActivityCurves.h"
#include "lab/CourseRecord.h"
#include "lab/Experiment.h"
#include "lab/ExperimentFile.h"
#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace velmora;

constexpr std::int32_t classroomRuns = 24;
constexpr std::int32_t classroomTicks = 2400;

// Lactose hydrolysis at 37 degrees C and its optimum pH 8: 20 enzymes, 100 lactose.
ExperimentSettings classroom()
{
    ExperimentSettings settings;
    settings.ph = 8;
    return settings;
}

// The 24 runs of a classroom sweep: one point, 24 replicates, run to the end (the substrate left).
SweepPlan classroomSweep()
{
    SweepPlan plan;
    plan.base = classroom();
    plan.x = steppedAxis(SweepParameter::enzyme, 20, 20, 1);
    plan.measures.initialRate = false;
    plan.measures.left = true;
    plan.ticks = classroomTicks;
    plan.replicates = classroomRuns;
    return plan;
}

// One classroom run as velmora2-batch runs one, from the states of the sweep's runs in turn.
void SingleClassroomRun(benchmark::State& state)
{
    const ExperimentSettings settings = classroom();
    std::int32_t replicate = 0;
    for (auto _ : state) {
        const auto world = std::make_unique<World>();
        Experiment experiment(settings, *world, replicateSeed(designedSeed, replicate));
        forEachTick(1, classroomTicks, [&](std::int32_t) { experiment.tick(); });
        benchmark::DoNotOptimize(world->count);
        replicate = (replicate + 1) % classroomRuns;
    }
}
BENCHMARK(SingleClassroomRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void ClassroomSweep(benchmark::State& state)
{
    const SweepPlan plan = classroomSweep();
    SweepControl control;
    control.jobs = static_cast<unsigned>(state.range(0));
    for (auto _ : state) {
        const SweepResult result = runSweep(plan, control);
        benchmark::DoNotOptimize(result.points.data());
    }
}
BENCHMARK(ClassroomSweep)->ArgName("jobs")->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void InitialRateOver21Temperatures(benchmark::State& state)
{
    SweepPlan plan;
    plan.base = classroom();
    plan.x = steppedAxis(SweepParameter::temperature, -10, 90, 5);
    SweepControl control;
    control.jobs = 1;
    for (auto _ : state) {
        const SweepResult result = runSweep(plan, control);
        benchmark::DoNotOptimize(result.points.data());
    }
}
BENCHMARK(InitialRateOver21Temperatures)->Unit(benchmark::kMillisecond)->UseRealTime();

// The cost of measuring the initial rate, tick for tick: the same 200 ticks (5 degrees C, where
// half of the substrate is not transformed within them) measured over 10 graph seconds, and over a
// share of 50 %, counted at every tick. Argument: 0 over the seconds, 1 over the share.
void InitialRateMeasureOf200Ticks(benchmark::State& state)
{
    ExperimentSettings settings = classroom();
    settings.temperature = 5;
    MeasureChoice choice;
    choice.initialRateSeconds = state.range(0) == 0 ? 10 : 0;
    choice.initialRateShare = 50;
    std::int32_t replicate = 0;
    for (auto _ : state) {
        const std::optional<RunMeasures> measured =
            measureExperiment(settings, choice, 200, replicateSeed(designedSeed, replicate));
        if (state.range(0) == 1 && !measured->initialRateCutShort) {
            state.SkipWithError("the share was reached: the runs differ in length");
            break;
        }
        benchmark::DoNotOptimize(measured->initialRate);
        replicate = (replicate + 1) % classroomRuns;
    }
}
BENCHMARK(InitialRateMeasureOf200Ticks)->ArgName("share")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Argument 0: the curve; argument 1: 0 for 20 enzymes, 100 lactose and 50 thiolactose, 1 for 200 of
// each; argument 2: the repeats; argument 3: 0 for the initial rate over 10 % of the substrate, 10
// for the rate over the first 10 seconds.
void WindowActivityCurve(benchmark::State& state)
{
    ExperimentSettings settings = classroom();
    settings.other = 50;
    if (state.range(1) == 1) {
        settings.enzyme = settings.substrate = settings.other = 200;
    }
    SweepPlan plan = activityCurvePlan(static_cast<ActivityCurve>(state.range(0)), settings);
    plan.replicates = static_cast<std::int32_t>(state.range(2));
    plan.measures.initialRateSeconds = static_cast<std::int32_t>(state.range(3));
    SweepControl control;
    control.jobs = 1;
    for (auto _ : state) {
        const SweepResult result = runSweep(plan, control);
        benchmark::DoNotOptimize(sweepFits(result).series.data());
    }
}
BENCHMARK(WindowActivityCurve)
    ->ArgNames({"curve", "full", "repeats", "seconds"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}, {10, 50}, {0, 10}})
    ->Unit(benchmark::kMillisecond);

// The experiment file of a session at its largest, written as the window's autosave writes it.
void AutosaveOfAFullSession(benchmark::State& state)
{
    ExperimentDocument document;
    document.settings = classroom();
    document.answer = std::string(2000, 'a');
    for (std::size_t run = 0; run < mostKeptCourses; ++run) {
        KeptRun kept;
        kept.settings = classroom();
        for (std::int32_t second = 0; second < 600; ++second) {
            kept.seconds.push_back({second, 100 - second / 6, 37, 8});
        }
        document.kept.push_back(kept);
    }
    document.run = RunSoFar{classroom(), 100, designedSeed, 12000};
    for (const char* variable : {"temperature", "ph", "substrate", "inhibitor"}) {
        ActivityCurveRecord curve{variable, "37 °C, pH 8, 20 enzymes, 100 lactose", {}, 12.5, 3.25};
        for (int point = 0; point < 21; ++point) {
            curve.points.push_back({point * 5.0, point * 0.25});
        }
        document.curves.push_back(curve);
    }
    for (int entry = 0; entry < 10000; ++entry) {
        document.log.push_back({"2025-03-12T10:04:05", "Température : 45 °C"});
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string file = writeExperimentFile(document);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(AutosaveOfAFullSession)->Unit(benchmark::kMillisecond);

} // namespace
