// Speed of sweeps: 24 classroom runs on 1 and 2 jobs against 24 single runs, the initial-rate
// sweep over 21 temperatures, and the window's four activity curves (10 experiments a point, with
// and without thiolactose) at a classroom's settings and at full load, on the one job that the
// window gives them on a two-core machine.
// Run: build/bench/lab_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "lab/ActivityCurves.h"
#include "lab/Experiment.h"
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

// Argument 0: the curve; argument 1: 0 for 20 enzymes, 100 lactose and 50 thiolactose, 1 for 200 of
// each.
void WindowActivityCurve(benchmark::State& state)
{
    ExperimentSettings settings = classroom();
    settings.other = 50;
    if (state.range(1) == 1) {
        settings.enzyme = settings.substrate = settings.other = 200;
    }
    const SweepPlan plan = activityCurvePlan(static_cast<ActivityCurve>(state.range(0)), settings);
    SweepControl control;
    control.jobs = 1;
    for (auto _ : state) {
        const SweepResult result = runSweep(plan, control);
        benchmark::DoNotOptimize(fitSweep(result).data());
    }
}
BENCHMARK(WindowActivityCurve)
    ->ArgNames({"curve", "full"})
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
