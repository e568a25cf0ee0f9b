#pragma once

#include "lab/Sweep.h"

#include <ostream>

namespace velmora {

// Writes a sweep as CSV, one row per point (series by series, each along x):
//   [<series parameter>,]<x parameter>,initial_rate,initial_rate_sd,initial_rate_min,
//   initial_rate_max,initial_rate_cut_short,half_time,half_time_sd,half_time_min,half_time_max,
//   half_time_reached,left,left_sd,left_min,left_max
// with only the columns of the chosen measures: each its mean, standard deviation, minimum and
// maximum over the point's runs. Figures have three decimals ('.' as the decimal point); a figure
// that no run gave, or a deviation of fewer than two values, is left empty. initial_rate_cut_short
// (an initial rate over a share of the substrate only) counts the runs that ended before that share
// was transformed; half_time_reached the runs that reached the half-time.
void writeSweepTable(std::ostream& out, const SweepResult& result);

} // namespace velmora
