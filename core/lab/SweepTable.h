#pragma once

#include "lab/Sweep.h"

#include <ostream>

namespace velmora {

// Writes a sweep as CSV, one row per point (series by series, each along x):
//   [<series parameter>,]<x parameter>,initial_rate,initial_rate_sd,half_time,half_time_sd,
//   half_time_reached,left,left_sd
// with only the columns of the chosen measures. Means and standard deviations have three decimals
// ('.' as the decimal point); a mean that no run gave, or a deviation of fewer than two values, is
// left empty. half_time_reached counts the runs that reached the half-time.
void writeSweepTable(std::ostream& out, const SweepResult& result);

} // namespace velmora
