// Speed of the experiment screen's session, which the browser edition runs in WebAssembly: one tick
// at the heaviest load (200 enzymes, 200 lactose, 200 thiolactose on a 960 x 540 scene), measured
// on ticks 200..299 of fresh starts. web/bench/tick.mjs measures the same in WebAssembly, and
// tools/bench-web compares the two.
// Run: build/bench/session_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "session/Session.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace velmora;

constexpr int warmUpTicks = 200;
constexpr int timedTicks = 100;

ExperimentSettings heaviestLoad()
{
    ExperimentSettings settings;
    settings.ph = 8;
    settings.enzyme = 200;
    settings.substrate = 200;
    settings.other = 200;
    settings.scene = {960, 540};
    return settings;
}

void SessionTickHeaviestLoad(benchmark::State& state)
{
    Session session(heaviestLoad());
    int timed = timedTicks;
    for (auto _ : state) {
        if (timed == timedTicks) {
            state.PauseTiming();
            session.recommencer();
            for (int t = 0; t < warmUpTicks; ++t) {
                session.tick();
            }
            timed = 0;
            state.ResumeTiming();
        }
        const auto begin = std::chrono::steady_clock::now();
        session.tick();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - begin).count());
        ++timed;
    }
}
BENCHMARK(SessionTickHeaviestLoad)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
