#pragma once

#include "lab/Sweep.h"

#include <string>
#include <vector>

namespace velmora {

// The velmora2-batch arguments that run the same sweep, and so give the same table and curve:
// every setting of the base experiment, the sweep (and the compared values or the second sweep),
// the measures, the replicates, and the seed and the longest run when they are not the defaults.
// Only a plan whose x values (and those of a second sweep) are evenly stepped can be written;
// --table and --plot are left to the caller.
std::vector<std::string> sweepArguments(const SweepPlan& plan);

// The --measure value of the initial rate: "initial-rate", "initial-rate@20", "initial-rate:10".
std::string initialRateArgument(const MeasureChoice& measures);

// "velmora2-batch" and the arguments, separated by spaces (no argument needs quoting).
std::string batchCommand(const std::vector<std::string>& arguments);

} // namespace velmora
