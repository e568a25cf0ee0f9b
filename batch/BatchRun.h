#pragma once

#include "batch/BatchOptions.h"
#include "lab/CourseRecord.h"
#include "model/World.h"

#include <cstdint>
#include <ostream>

namespace velmora {

// Runs the experiment that the options describe, as the window would with the same panel values
// and menu choices (see Experiment), from the generator state options.seed. Writes one CSV row for
// every second that the graph records to `csv` when given, as the window saves its data
// (CourseRecord.h), and keeps them in `record` when given. Returns the number of ticks run.
std::int32_t runBatch(const BatchOptions& options, World& world, std::ostream* csv,
                      CourseRecord* record = nullptr);

} // namespace velmora
