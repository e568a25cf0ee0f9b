#pragma once

#include "lab/Sweep.h"

#include <cstddef>
#include <vector>

namespace velmora {

// One run's initial rate v (molecules per second) at a substrate amount S (molecules).
struct RatePoint
{
    double substrate = 0.0;
    double rate = 0.0;
};

// Whether the fit means something, and if not, why.
enum class FitVerdict
{
    fitted,
    tooFewPoints,  // fewer than three substrate amounts above 0 with a rate above 0
    noReaction,    // no rate above 0
    notRising,     // the rates do not rise towards a plateau: Vmax or Km would be 0 or negative
    noCurvature,   // the rates barely bend: Km lies beyond the amounts tried, or is not pinned down
    noConvergence, // the least-squares search found no minimum
};

// The double-reciprocal (Lineweaver-Burk) view, for display: 1/v against 1/S for the mean rate of
// each substrate amount above 0 with a mean rate above 0, and the straight line through them by
// least squares, 1/v = slope / S + intercept (so Km = slope / intercept, Vmax = 1 / intercept).
struct LineweaverBurk
{
    std::vector<RatePoint> reciprocals; // substrate holds 1/S, rate holds 1/v
    bool hasLine = false;               // at least two points
    double slope = 0.0;
    double intercept = 0.0;
    std::size_t zeroRatesLeftOut = 0; // substrate amounts above 0 whose mean rate is 0 or less
};

// v = Vmax S / (Km + S) fitted to the runs by nonlinear least squares (GSL's trust-region
// Levenberg-Marquardt), started from the Lineweaver-Burk estimates. The standard errors come from
// the covariance at the minimum, scaled by the residual variance. Vmax, Km and their errors are set
// only when the verdict is `fitted` or `noCurvature`.
struct MichaelisMentenFit
{
    FitVerdict verdict = FitVerdict::tooFewPoints;
    double vmax = 0.0;
    double vmaxError = 0.0;
    double km = 0.0;
    double kmError = 0.0;
    std::size_t runs = 0; // points fitted
    LineweaverBurk lineweaverBurk;
};

MichaelisMentenFit fitMichaelisMenten(const std::vector<RatePoint>& runs);

// For a sweep along the substrate amount with the initial rate measured: the runs of series i
// (every replicate), and the fit of each series in order. Empty for any other sweep.
std::vector<RatePoint> seriesRates(const SweepResult& result, std::size_t series);
std::vector<MichaelisMentenFit> fitSweep(const SweepResult& result);

} // namespace velmora
