#pragma once

#include "app/batch/BatchOptions.h"
#include "model/World.h"

#include <cstdint>
#include <ostream>

namespace velmora {

// Runs the experiment that the options describe, as the window would with the same panel values
// and menu choices: defaults, panel values stored, reaction choice applied, start, then the ticks
// with their panel events. Writes one CSV row for every second that the graph records to `csv`
// when given. Returns the number of ticks run.
std::int32_t runBatch(const BatchOptions& options, World& world, std::ostream* csv);

// Calls runTick(tick) for every tick from `first` to `last` in order, nothing when last < first.
// The counter never passes `last`, so that a run up to the largest 32-bit count ends too.
template <typename RunTick> void forEachTick(std::int32_t first, std::int32_t last, RunTick runTick)
{
    if (last < first) {
        return;
    }
    for (std::int32_t tick = first;; ++tick) {
        runTick(tick);
        if (tick == last) {
            return;
        }
    }
}

// Header of the time-course CSV.
inline constexpr const char* timeCourseHeader = "second,substrate,percent,temperature,ph";

} // namespace velmora
