#include "lab/MichaelisMenten.h"

#include <gsl/gsl_blas.h>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_matrix.h>
#include <gsl/gsl_multifit_nlinear.h>
#include <gsl/gsl_vector.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace velmora {

namespace {

constexpr std::size_t fewestAmounts = 3;
constexpr std::size_t iterationLimit = 500;
constexpr double tolerance = 1e-10;
// Km beyond twice the largest amount tried: the curve has barely begun to bend.
constexpr double farestKmPerLargestAmount = 2.0;
// A parameter whose standard error exceeds this share of its value is not pinned down.
constexpr double loosestRelativeError = 0.5;

// GSL's default handler aborts the process on a failed call; the fit reads the status instead.
void stopGslAborting()
{
    static std::once_flag once;
    std::call_once(once, [] { gsl_set_error_handler_off(); });
}

int residuals(const gsl_vector* parameters, void* data, gsl_vector* f)
{
    const auto& runs = *static_cast<const std::vector<RatePoint>*>(data);
    const double vmax = gsl_vector_get(parameters, 0);
    const double km = gsl_vector_get(parameters, 1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const double s = runs[i].substrate;
        if (km + s == 0.0) {
            return GSL_EDOM;
        }
        gsl_vector_set(f, i, vmax * s / (km + s) - runs[i].rate);
    }
    return GSL_SUCCESS;
}

int jacobian(const gsl_vector* parameters, void* data, gsl_matrix* j)
{
    const auto& runs = *static_cast<const std::vector<RatePoint>*>(data);
    const double vmax = gsl_vector_get(parameters, 0);
    const double km = gsl_vector_get(parameters, 1);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const double s = runs[i].substrate;
        const double denominator = km + s;
        if (denominator == 0.0) {
            return GSL_EDOM;
        }
        gsl_matrix_set(j, i, 0, s / denominator);
        gsl_matrix_set(j, i, 1, -vmax * s / (denominator * denominator));
    }
    return GSL_SUCCESS;
}

LineweaverBurk lineweaverBurkOf(const std::vector<RatePoint>& runs)
{
    // Mean rate of each substrate amount, in increasing amounts.
    std::map<double, std::pair<double, int>> sums;
    for (const RatePoint& run : runs) {
        auto& [sum, count] = sums[run.substrate];
        sum += run.rate;
        ++count;
    }
    LineweaverBurk view;
    for (const auto& [substrate, sum] : sums) {
        const double rate = sum.first / sum.second;
        if (substrate <= 0.0) {
            continue;
        }
        if (rate <= 0.0) {
            ++view.zeroRatesLeftOut;
            continue;
        }
        view.reciprocals.push_back({1.0 / substrate, 1.0 / rate});
    }
    const std::size_t n = view.reciprocals.size();
    if (n < 2) {
        return view;
    }
    double meanX = 0.0;
    double meanY = 0.0;
    for (const RatePoint& p : view.reciprocals) {
        meanX += p.substrate;
        meanY += p.rate;
    }
    meanX /= static_cast<double>(n);
    meanY /= static_cast<double>(n);
    double sxx = 0.0;
    double sxy = 0.0;
    for (const RatePoint& p : view.reciprocals) {
        sxx += (p.substrate - meanX) * (p.substrate - meanX);
        sxy += (p.substrate - meanX) * (p.rate - meanY);
    }
    if (sxx <= 0.0) {
        return view;
    }
    view.hasLine = true;
    view.slope = sxy / sxx;
    view.intercept = meanY - view.slope * meanX;
    return view;
}

struct Workspace
{
    void operator()(gsl_multifit_nlinear_workspace* w) const { gsl_multifit_nlinear_free(w); }
    void operator()(gsl_matrix* m) const { gsl_matrix_free(m); }
};

} // namespace

MichaelisMentenFit fitMichaelisMenten(const std::vector<RatePoint>& runs)
{
    stopGslAborting();
    MichaelisMentenFit fit;
    fit.runs = runs.size();
    fit.lineweaverBurk = lineweaverBurkOf(runs);

    std::set<double> amounts;
    double largestAmount = 0.0;
    double largestRate = 0.0;
    for (const RatePoint& run : runs) {
        if (run.substrate > 0.0 && run.rate > 0.0) {
            amounts.insert(run.substrate);
        }
        largestAmount = std::max(largestAmount, run.substrate);
        largestRate = std::max(largestRate, run.rate);
    }
    if (largestRate <= 0.0) {
        fit.verdict = runs.empty() ? FitVerdict::tooFewPoints : FitVerdict::noReaction;
        return fit;
    }
    if (amounts.size() < fewestAmounts) {
        fit.verdict = FitVerdict::tooFewPoints;
        return fit;
    }

    // The start: the Lineweaver-Burk estimates when they make sense, else a plateau at twice the
    // largest rate reached halfway through the amounts.
    double vmax = 2.0 * largestRate;
    double km = largestAmount / 2.0;
    const LineweaverBurk& line = fit.lineweaverBurk;
    if (line.hasLine && line.intercept > 0.0 && line.slope > 0.0) {
        vmax = 1.0 / line.intercept;
        km = line.slope / line.intercept;
    }

    const std::size_t n = runs.size();
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = residuals;
    fdf.df = jacobian;
    fdf.n = n;
    fdf.p = 2;
    fdf.params = const_cast<std::vector<RatePoint>*>(&runs);
    const gsl_multifit_nlinear_parameters settings = gsl_multifit_nlinear_default_parameters();
    const std::unique_ptr<gsl_multifit_nlinear_workspace, Workspace> workspace(
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &settings, n, 2));
    if (!workspace) {
        fit.verdict = FitVerdict::noConvergence;
        return fit;
    }
    double start[2] = {vmax, km};
    gsl_vector_view startView = gsl_vector_view_array(start, 2);
    int info = 0;
    const bool converged =
        gsl_multifit_nlinear_init(&startView.vector, &fdf, workspace.get()) == GSL_SUCCESS &&
        gsl_multifit_nlinear_driver(iterationLimit, tolerance, tolerance, tolerance, nullptr, nullptr, &info,
                                    workspace.get()) == GSL_SUCCESS;
    const gsl_vector* found = gsl_multifit_nlinear_position(workspace.get());
    fit.vmax = gsl_vector_get(found, 0);
    fit.km = gsl_vector_get(found, 1);
    if (!converged || !std::isfinite(fit.vmax) || !std::isfinite(fit.km)) {
        fit.verdict = FitVerdict::noConvergence;
        fit.vmax = fit.km = 0.0;
        return fit;
    }
    if (fit.vmax <= 0.0 || fit.km <= 0.0) {
        fit.verdict = FitVerdict::notRising;
        fit.vmax = fit.km = 0.0;
        return fit;
    }

    // Standard errors: the covariance (J^T J)^-1 scaled by the residual variance.
    const std::unique_ptr<gsl_matrix, Workspace> covariance(gsl_matrix_alloc(2, 2));
    gsl_multifit_nlinear_covar(gsl_multifit_nlinear_jac(workspace.get()), 0.0, covariance.get());
    double squares = 0.0;
    gsl_blas_ddot(gsl_multifit_nlinear_residual(workspace.get()),
                  gsl_multifit_nlinear_residual(workspace.get()), &squares);
    const double variance = squares / static_cast<double>(n - 2);
    fit.vmaxError = std::sqrt(gsl_matrix_get(covariance.get(), 0, 0) * variance);
    fit.kmError = std::sqrt(gsl_matrix_get(covariance.get(), 1, 1) * variance);

    const bool loose = !std::isfinite(fit.vmaxError) || !std::isfinite(fit.kmError) ||
                       fit.vmaxError > loosestRelativeError * fit.vmax ||
                       fit.kmError > loosestRelativeError * fit.km;
    fit.verdict = fit.km > farestKmPerLargestAmount * largestAmount || loose ? FitVerdict::noCurvature
                                                                             : FitVerdict::fitted;
    return fit;
}

std::vector<RatePoint> seriesRates(const SweepResult& result, std::size_t series)
{
    std::vector<RatePoint> rates;
    const std::size_t perSeries = result.plan.x.values.size();
    for (std::size_t i = series * perSeries; i < (series + 1) * perSeries && i < result.points.size(); ++i) {
        const SweepPoint& point = result.points[i];
        for (const RunMeasures& run : point.runs) {
            if (run.initialRate) {
                rates.push_back({static_cast<double>(point.xValue), *run.initialRate});
            }
        }
    }
    return rates;
}

std::vector<MichaelisMentenFit> fitSweep(const SweepResult& result)
{
    const SweepPlan& plan = result.plan;
    if (plan.x.parameter != SweepParameter::substrate || !plan.measures.initialRate || result.cancelled) {
        return {};
    }
    const std::size_t seriesCount = plan.series ? plan.series->values.size() : 1;
    std::vector<MichaelisMentenFit> fits;
    for (std::size_t series = 0; series < seriesCount; ++series) {
        fits.push_back(fitMichaelisMenten(seriesRates(result, series)));
    }
    return fits;
}

} // namespace velmora
