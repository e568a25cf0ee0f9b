#pragma once

#include "lab/Sweep.h"

#include <cstdint>

namespace velmora {

// The four activity curves that the window's graph offers, each a sweep of the initial rate (until
// 10 % of the substrate is transformed, 25 % for the substrate curve, until the window chooses
// another measure), from the settings
// of the experiment that the window would start now:
//
//   temperature  -10..90 degrees C by 5 (21 points)
//   ph           0..14 by 1 (15 points)
//   substrate    0..200 molecules by 10 (21 points)
//   inhibitor    thiolactose 0..200 molecules by 10 (21 points), lactose hydrolysis only
//
// with 10 experiments per point from the launch state and its replicates (velmora2-batch's
// --repeat 10 and default --seed 0). When the settings hold thiolactose (lactose hydrolysis with
// some), the first three are drawn without and with it: a comparison on `other`, 0 then the
// settings' amount.
enum class ActivityCurve
{
    temperature,
    ph,
    substrate,
    inhibitor,
};

inline constexpr std::int32_t activityCurveReplicates = 10;

// The substrate curve takes its initial rate until a quarter of the substrate is transformed: with
// 10 % of at most 200 molecules, fewer molecules are transformed than there are enzymes, so the
// measure would time the enzymes' first catalytic cycle, not the rate, and saturation would not
// show (Km beyond the axis). A quarter gives Km within the axis in the smaller boxes.
inline constexpr std::int32_t saturationInitialRateShare = 25;

// Whether the curve exists for a reaction: the inhibitor only in lactose hydrolysis.
bool activityCurveAvailable(ActivityCurve curve, std::int32_t reaction);

// The sweep of a curve from the current settings (their panel changes left out).
SweepPlan activityCurvePlan(ActivityCurve curve, const ExperimentSettings& current);

// Where the current settings lie along the curve's axis (the value to mark).
std::int32_t currentSetting(ActivityCurve curve, const ExperimentSettings& current);

} // namespace velmora
