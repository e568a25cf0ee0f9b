// Speed of the simulation core: one tick at the heaviest and at a classroom load, and one start.
// Run: build/bench/core_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "experiment/Lifecycle.h"
#include "model/Tick.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using namespace velmora;

struct Load
{
    std::int32_t enzymes;
    std::int32_t substrate;
    std::int32_t other;
    SceneSize scene;
};

constexpr Load heaviest{200, 200, 200, {960, 540}};
constexpr Load classroom{20, 100, 0, {512, 384}};
constexpr int warmUpTicks = 200;
constexpr int ticksPerSnapshot = 100; // the load is restored from the snapshot this often

// Lactose hydrolysis at 37 degrees C and its optimum pH 8, large symbols, started and warmed up.
std::unique_ptr<World> startedWorld(const Load& load)
{
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    world->enzymeAmount = load.enzymes;
    world->substrateAmount = load.substrate;
    world->otherAmount = load.other;
    WindowUpdate update;
    recommencer1Click(*world, {Reaction::lactoseHydrolysis, false}, load.scene, {37, 8}, update);
    return world;
}

void tickAtLoad(benchmark::State& state, const Load& load)
{
    auto snapshot = startedWorld(load);
    for (int t = 0; t < warmUpTicks; ++t) {
        WindowUpdate update;
        Timer2Timer(*snapshot, load.scene, update);
    }
    auto world = std::make_unique<World>(*snapshot);
    int sinceSnapshot = 0;
    for (auto _ : state) {
        if (sinceSnapshot == ticksPerSnapshot) {
            *world = *snapshot;
            sinceSnapshot = 0;
        }
        WindowUpdate update;
        const auto begin = std::chrono::steady_clock::now();
        Timer2Timer(*world, load.scene, update);
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(world->count);
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        ++sinceSnapshot;
    }
}

void TickHeaviestLoad(benchmark::State& state)
{
    tickAtLoad(state, heaviest);
}
BENCHMARK(TickHeaviestLoad)->UseManualTime()->Unit(benchmark::kMicrosecond);

void TickClassroomLoad(benchmark::State& state)
{
    tickAtLoad(state, classroom);
}
BENCHMARK(TickClassroomLoad)->UseManualTime()->Unit(benchmark::kMicrosecond);

void StartHeaviestLoad(benchmark::State& state)
{
    auto world = startedWorld(heaviest);
    for (auto _ : state) {
        WindowUpdate update;
        recommencer1Click(*world, {Reaction::lactoseHydrolysis, false}, heaviest.scene, {37, 8}, update);
        benchmark::DoNotOptimize(world->posX);
    }
}
BENCHMARK(StartHeaviestLoad)->Unit(benchmark::kMicrosecond);

} // namespace
