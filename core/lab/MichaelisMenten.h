#pragma once

#include "lab/Sweep.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace velmora {

// One run's initial rate v (molecules per second) at a substrate amount S (molecules).
struct RatePoint
{
    double substrate = 0.0;
    double rate = 0.0;
};

// The same with the amount I of a competitive inhibitor (molecules) present in the run.
struct InhibitedRatePoint
{
    double substrate = 0.0;
    double inhibitor = 0.0;
    double rate = 0.0;
};

// Whether a fit means something, and if not, why.
enum class FitVerdict
{
    fitted,
    tooFewPoints,  // fewer than three substrate amounts above 0 with a rate above 0
    noReaction,    // no rate above 0
    notRising,     // the rates do not rise towards a plateau: Vmax or Km would be 0 or negative
    noCurvature,   // the rates barely bend: Km lies beyond the amounts tried, or is not pinned down
    noConvergence, // the least-squares search found no minimum
    noInhibition,  // (competitive fit) Km does not clearly rise with the inhibitor: Ki is not pinned down
};

// The double-reciprocal (Lineweaver-Burk) view, for display: 1/v against 1/S for the mean rate of
// each substrate amount above 0 with a mean rate above 0, and the straight line of the fitted Km
// and Vmax, 1/v = slope / S + intercept, with slope = Km / Vmax and intercept = 1 / Vmax.
struct LineweaverBurk
{
    std::vector<RatePoint> reciprocals; // substrate holds 1/S, rate holds 1/v
    bool hasLine = false;               // the fit gave Km and Vmax
    double slope = 0.0;
    double intercept = 0.0;
    std::size_t zeroAmountsLeftOut = 0; // amounts of 0 (no reciprocal)
    std::size_t zeroRatesLeftOut = 0;   // substrate amounts above 0 whose mean rate is 0 or less
};

// v = Vmax S / (Km + S) fitted to the runs by nonlinear least squares (lab/LeastSquares.h), started
// from the unweighted Lineweaver-Burk line. The standard errors come from the covariance at the
// minimum, scaled by the residual variance; the residual error is the square root of that
// variance, in molecules per second. Vmax, Km, their errors and the residual error are set only
// when the verdict is `fitted` or `noCurvature`.
struct MichaelisMentenFit
{
    FitVerdict verdict = FitVerdict::tooFewPoints;
    double vmax = 0.0;
    double vmaxError = 0.0;
    double km = 0.0;
    double kmError = 0.0;
    double residualError = 0.0;
    double sumOfSquares = 0.0; // of the residuals
    std::size_t runs = 0;      // points fitted
    LineweaverBurk lineweaverBurk;
};

MichaelisMentenFit fitMichaelisMenten(const std::vector<RatePoint>& runs);

// The competitive model fitted to runs at several inhibitor amounts at once: one Vmax, and an
// apparent Km that grows with the inhibitor, Km (1 + I / Ki), so that v = Vmax S / (Km (1 + I / Ki)
// + S). The search runs on Vmax, Km and Km / Ki (which may come out 0 or negative when the
// inhibitor does nothing); Ki's error follows from theirs. `separateResidualError` is the residual
// error of the same runs fitted amount of inhibitor by amount, each with its own Km and Vmax (4, 6…
// parameters): when the competitive model holds, its residual error is hardly larger.
struct CompetitiveFit
{
    FitVerdict verdict = FitVerdict::tooFewPoints;
    double vmax = 0.0;
    double vmaxError = 0.0;
    double km = 0.0;
    double kmError = 0.0;
    double ki = 0.0;
    double kiError = 0.0;
    double residualError = 0.0;
    std::optional<double> separateResidualError; // when every amount of inhibitor could be fitted
    std::size_t runs = 0;

    // Km (1 + I / Ki): the apparent Km at an amount of inhibitor.
    double apparentKm(double inhibitor) const { return km * (1.0 + inhibitor / ki); }
};

// Needs at least two amounts of inhibitor; tooFewPoints otherwise.
CompetitiveFit fitCompetitive(const std::vector<InhibitedRatePoint>& runs);

// For a sweep along the substrate amount with the initial rate measured: the runs of series i
// (every replicate), and the fit of each series in order. Empty for any other sweep.
std::vector<RatePoint> seriesRates(const SweepResult& result, std::size_t series);
std::vector<MichaelisMentenFit> fitSweep(const SweepResult& result);

// When the series of such a sweep are amounts of thiolactose in lactose hydrolysis (--compare
// other=0,50), the competitive fit of all of them together; none otherwise.
std::optional<CompetitiveFit> fitCompetitiveSweep(const SweepResult& result);

// Every fit of a sweep: each series on its own, and the competitive fit of them all when the
// series are amounts of inhibitor, with the amount of each series.
struct SweepFits
{
    std::vector<MichaelisMentenFit> series;
    std::optional<CompetitiveFit> competitive;
    std::vector<double> inhibitors; // of each series, with the competitive fit

    bool empty() const { return series.empty(); }
};
SweepFits sweepFits(const SweepResult& result);

} // namespace velmora
