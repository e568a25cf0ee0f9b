#include "lab/ActivityCurves.h"

namespace velmora {

namespace {

struct CurveAxis
{
    SweepParameter parameter;
    std::int32_t from;
    std::int32_t to;
    std::int32_t step;
};

CurveAxis axisOf(ActivityCurve curve)
{
    switch (curve) {
    case ActivityCurve::temperature:
        return {SweepParameter::temperature, -10, 90, 5};
    case ActivityCurve::ph:
        return {SweepParameter::ph, 0, 14, 1};
    case ActivityCurve::substrate:
        return {SweepParameter::substrate, 0, maxSlot, 10};
    case ActivityCurve::inhibitor:
        return {SweepParameter::other, 0, maxSlot, 10};
    }
    return {SweepParameter::temperature, -10, 90, 5};
}

} // namespace

bool activityCurveAvailable(ActivityCurve curve, std::int32_t reaction)
{
    return curve != ActivityCurve::inhibitor || reaction == Reaction::lactoseHydrolysis;
}

SweepPlan activityCurvePlan(ActivityCurve curve, const ExperimentSettings& current)
{
    const CurveAxis axis = axisOf(curve);
    SweepPlan plan;
    plan.base = current;
    plan.base.events.clear();
    plan.x = steppedAxis(axis.parameter, axis.from, axis.to, axis.step);
    const std::int32_t thiolactose = clampAmount(current.other);
    if (curve != ActivityCurve::inhibitor && current.reaction == Reaction::lactoseHydrolysis &&
        thiolactose > 0) {
        plan.series = SweepAxis{SweepParameter::other, {0, thiolactose}};
    }
    if (curve == ActivityCurve::substrate) {
        plan.measures.initialRateShare = saturationInitialRateShare;
    }
    plan.replicates = activityCurveReplicates;
    return plan;
}

std::int32_t currentSetting(ActivityCurve curve, const ExperimentSettings& current)
{
    switch (curve) {
    case ActivityCurve::temperature:
        return current.temperature;
    case ActivityCurve::ph:
        return current.ph;
    case ActivityCurve::substrate:
        return clampAmount(current.substrate);
    case ActivityCurve::inhibitor:
        return clampAmount(current.other);
    }
    return 0;
}

} // namespace velmora
