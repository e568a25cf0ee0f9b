#include "lab/MichaelisMenten.h"

#include "lab/LeastSquares.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace velmora {

namespace {

constexpr std::size_t fewestAmounts = 3;
// Km beyond twice the largest amount tried: the curve has barely begun to bend.
constexpr double farestKmPerLargestAmount = 2.0;
// A parameter whose standard error exceeds this share of its value is not pinned down.
constexpr double loosestRelativeError = 0.5;

// The unweighted straight line through the reciprocals: a starting point for the fit only.
struct Line
{
    bool found = false;
    double slope = 0.0;
    double intercept = 0.0;
};

Line leastSquaresLine(const std::vector<RatePoint>& points)
{
    const std::size_t n = points.size();
    if (n < 2) {
        return {};
    }
    double meanX = 0.0;
    double meanY = 0.0;
    for (const RatePoint& p : points) {
        meanX += p.substrate;
        meanY += p.rate;
    }
    meanX /= static_cast<double>(n);
    meanY /= static_cast<double>(n);
    double sxx = 0.0;
    double sxy = 0.0;
    for (const RatePoint& p : points) {
        sxx += (p.substrate - meanX) * (p.substrate - meanX);
        sxy += (p.substrate - meanX) * (p.rate - meanY);
    }
    if (sxx <= 0.0) {
        return {};
    }
    return {true, sxy / sxx, meanY - sxy / sxx * meanX};
}

// The reciprocals of the mean rate of each substrate amount, in increasing amounts.
LineweaverBurk reciprocalsOf(const std::vector<RatePoint>& runs)
{
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
            ++view.zeroAmountsLeftOut;
        } else if (rate <= 0.0) {
            ++view.zeroRatesLeftOut;
        } else {
            view.reciprocals.push_back({1.0 / substrate, 1.0 / rate});
        }
    }
    return view;
}

// What the runs allow before any search: a verdict when they cannot be fitted.
std::optional<FitVerdict> refusalBeforeFitting(const std::vector<double>& substrates,
                                               const std::vector<double>& rates)
{
    std::set<double> amounts;
    double largestRate = 0.0;
    for (std::size_t i = 0; i < rates.size(); ++i) {
        if (substrates[i] > 0.0 && rates[i] > 0.0) {
            amounts.insert(substrates[i]);
        }
        largestRate = std::max(largestRate, rates[i]);
    }
    if (largestRate <= 0.0) {
        return rates.empty() ? FitVerdict::tooFewPoints : FitVerdict::noReaction;
    }
    if (amounts.size() < fewestAmounts) {
        return FitVerdict::tooFewPoints;
    }
    return std::nullopt;
}

double largestOf(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

bool loose(double value, double error)
{
    return !std::isfinite(error) || error > loosestRelativeError * std::fabs(value);
}

} // namespace

MichaelisMentenFit fitMichaelisMenten(const std::vector<RatePoint>& runs)
{
    MichaelisMentenFit fit;
    fit.runs = runs.size();
    fit.lineweaverBurk = reciprocalsOf(runs);

    std::vector<double> substrates;
    std::vector<double> rates;
    for (const RatePoint& run : runs) {
        substrates.push_back(run.substrate);
        rates.push_back(run.rate);
    }
    if (const std::optional<FitVerdict> refusal = refusalBeforeFitting(substrates, rates)) {
        fit.verdict = *refusal;
        return fit;
    }

    // The start: the Lineweaver-Burk estimates when they make sense, else a plateau at twice the
    // largest rate reached halfway through the amounts.
    const double largestAmount = largestOf(substrates);
    double vmax = 2.0 * largestOf(rates);
    double km = largestAmount / 2.0;
    const Line line = leastSquaresLine(fit.lineweaverBurk.reciprocals);
    if (line.found && line.intercept > 0.0 && line.slope > 0.0) {
        vmax = 1.0 / line.intercept;
        km = line.slope / line.intercept;
    }

    const std::size_t n = runs.size();
    const LeastSquaresResult found =
        fitLeastSquares(n, {vmax, km},
                        [&](const std::vector<double>& p, std::vector<double>& residuals,
                            std::vector<std::vector<double>>& j) {
                            for (std::size_t i = 0; i < n; ++i) {
                                const double s = substrates[i];
                                const double denominator = p[1] + s;
                                if (denominator == 0.0) {
                                    return false;
                                }
                                residuals[i] = p[0] * s / denominator - rates[i];
                                j[i][0] = s / denominator;
                                j[i][1] = -p[0] * s / (denominator * denominator);
                            }
                            return true;
                        });
    const std::vector<std::vector<double>> covariance = parameterCovariance(found, n);
    if (!std::isfinite(found.parameters[0]) || !std::isfinite(found.parameters[1])) {
        fit.verdict = FitVerdict::noConvergence;
        return fit;
    }
    if (!found.converged) {
        // Rates on a straight line send Km and Vmax off together, without end.
        fit.verdict = found.parameters[1] > farestKmPerLargestAmount * largestAmount
                          ? FitVerdict::noCurvature
                          : FitVerdict::noConvergence;
        return fit;
    }
    if (found.parameters[0] <= 0.0 || found.parameters[1] <= 0.0) {
        fit.verdict = FitVerdict::notRising;
        return fit;
    }
    fit.vmax = found.parameters[0];
    fit.km = found.parameters[1];
    fit.sumOfSquares = found.sumOfSquares;
    fit.residualError = std::sqrt(found.sumOfSquares / static_cast<double>(n - 2));
    fit.vmaxError = covariance.empty() ? NAN : std::sqrt(covariance[0][0]);
    fit.kmError = covariance.empty() ? NAN : std::sqrt(covariance[1][1]);

    const bool pinned = !loose(fit.vmax, fit.vmaxError) && !loose(fit.km, fit.kmError);
    fit.verdict = fit.km > farestKmPerLargestAmount * largestAmount || !pinned ? FitVerdict::noCurvature
                                                                               : FitVerdict::fitted;
    if (!std::isfinite(fit.vmaxError) || !std::isfinite(fit.kmError)) {
        fit.vmaxError = fit.kmError = 0.0;
    }
    if (fit.verdict == FitVerdict::fitted) {
        fit.lineweaverBurk.hasLine = true;
        fit.lineweaverBurk.slope = fit.km / fit.vmax;
        fit.lineweaverBurk.intercept = 1.0 / fit.vmax;
    }
    return fit;
}

CompetitiveFit fitCompetitive(const std::vector<InhibitedRatePoint>& runs)
{
    CompetitiveFit fit;
    fit.runs = runs.size();
    std::vector<double> substrates;
    std::vector<double> inhibitors;
    std::vector<double> rates;
    std::map<double, std::vector<RatePoint>> byInhibitor;
    for (const InhibitedRatePoint& run : runs) {
        substrates.push_back(run.substrate);
        inhibitors.push_back(run.inhibitor);
        rates.push_back(run.rate);
        byInhibitor[run.inhibitor].push_back({run.substrate, run.rate});
    }
    if (byInhibitor.size() < 2) {
        fit.verdict = FitVerdict::tooFewPoints;
        return fit;
    }
    if (const std::optional<FitVerdict> refusal = refusalBeforeFitting(substrates, rates)) {
        fit.verdict = *refusal;
        return fit;
    }

    // Each amount of inhibitor alone: the start of the search, and the residual error to compare.
    std::vector<std::pair<double, MichaelisMentenFit>> separate;
    double separateSquares = 0.0;
    bool allSeparate = true;
    for (const auto& [inhibitor, points] : byInhibitor) {
        separate.emplace_back(inhibitor, fitMichaelisMenten(points));
        const MichaelisMentenFit& alone = separate.back().second;
        allSeparate =
            allSeparate && (alone.verdict == FitVerdict::fitted || alone.verdict == FitVerdict::noCurvature);
        separateSquares += alone.sumOfSquares;
    }
    const std::size_t separateParameters = 2 * byInhibitor.size();
    if (allSeparate && runs.size() > separateParameters) {
        fit.separateResidualError =
            std::sqrt(separateSquares / static_cast<double>(runs.size() - separateParameters));
    }

    // The start: Vmax and Km of the lowest amount, and the rise of the apparent Km per inhibitor
    // molecule between the lowest and the highest amount, when both were fitted.
    const double largestAmount = largestOf(substrates);
    double vmax = 2.0 * largestOf(rates);
    double km = largestAmount / 2.0;
    double rise = 0.0;
    const auto& [lowest, lowestFit] = separate.front();
    const auto& [highest, highestFit] = separate.back();
    if (lowestFit.km > 0.0 && lowestFit.vmax > 0.0) {
        vmax = lowestFit.vmax;
        km = lowestFit.km;
        if (highestFit.km > 0.0) {
            rise = (highestFit.km - lowestFit.km) / (highest - lowest);
        }
    }
    // Km at no inhibitor, from the lowest amount's apparent Km.
    km = std::max(km - rise * lowest, km / 2.0);

    const std::size_t n = runs.size();
    const LeastSquaresResult found =
        fitLeastSquares(n, {vmax, km, rise},
                        [&](const std::vector<double>& p, std::vector<double>& residuals,
                            std::vector<std::vector<double>>& j) {
                            for (std::size_t i = 0; i < n; ++i) {
                                const double s = substrates[i];
                                const double denominator = p[1] + p[2] * inhibitors[i] + s;
                                if (denominator == 0.0) {
                                    return false;
                                }
                                const double v = p[0] * s / denominator;
                                residuals[i] = v - rates[i];
                                j[i][0] = s / denominator;
                                j[i][1] = -v / denominator;
                                j[i][2] = -v * inhibitors[i] / denominator;
                            }
                            return true;
                        });
    if (!found.converged || !std::all_of(found.parameters.begin(), found.parameters.end(),
                                         [](double v) { return std::isfinite(v); })) {
        fit.verdict = found.converged || !(found.parameters[1] > farestKmPerLargestAmount * largestAmount)
                          ? FitVerdict::noConvergence
                          : FitVerdict::noCurvature;
        return fit;
    }
    if (found.parameters[0] <= 0.0 || found.parameters[1] <= 0.0) {
        fit.verdict = FitVerdict::notRising;
        return fit;
    }
    const std::vector<std::vector<double>> covariance = parameterCovariance(found, n);
    const double perInhibitor = found.parameters[2]; // Km / Ki
    fit.vmax = found.parameters[0];
    fit.km = found.parameters[1];
    fit.residualError = std::sqrt(found.sumOfSquares / static_cast<double>(n - 3));
    if (perInhibitor <= 0.0 || covariance.empty()) {
        fit.verdict = FitVerdict::noInhibition;
        return fit;
    }
    fit.ki = fit.km / perInhibitor;
    fit.vmaxError = std::sqrt(covariance[0][0]);
    fit.kmError = std::sqrt(covariance[1][1]);
    // Ki = Km / c: its relative variance from those of Km and c and their covariance.
    const double relativeVariance = covariance[1][1] / (fit.km * fit.km) +
                                    covariance[2][2] / (perInhibitor * perInhibitor) -
                                    2.0 * covariance[1][2] / (fit.km * perInhibitor);
    fit.kiError = fit.ki * std::sqrt(std::max(relativeVariance, 0.0));

    if (loose(perInhibitor, std::sqrt(covariance[2][2])) || loose(fit.ki, fit.kiError)) {
        fit.verdict = FitVerdict::noInhibition;
    } else if (fit.km > farestKmPerLargestAmount * largestAmount || loose(fit.vmax, fit.vmaxError) ||
               loose(fit.km, fit.kmError)) {
        fit.verdict = FitVerdict::noCurvature;
    } else {
        fit.verdict = FitVerdict::fitted;
    }
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

namespace {

bool fittable(const SweepResult& result)
{
    const SweepPlan& plan = result.plan;
    return plan.x.parameter == SweepParameter::substrate && plan.measures.initialRate && !result.cancelled;
}

} // namespace

std::vector<MichaelisMentenFit> fitSweep(const SweepResult& result)
{
    if (!fittable(result)) {
        return {};
    }
    const SweepPlan& plan = result.plan;
    const std::size_t seriesCount = plan.series ? plan.series->values.size() : 1;
    std::vector<MichaelisMentenFit> fits;
    for (std::size_t series = 0; series < seriesCount; ++series) {
        fits.push_back(fitMichaelisMenten(seriesRates(result, series)));
    }
    return fits;
}

std::optional<CompetitiveFit> fitCompetitiveSweep(const SweepResult& result)
{
    const SweepPlan& plan = result.plan;
    if (!fittable(result) || !plan.series || plan.series->parameter != SweepParameter::other ||
        plan.base.reaction != Reaction::lactoseHydrolysis || plan.series->values.size() < 2) {
        return std::nullopt;
    }
    std::vector<InhibitedRatePoint> runs;
    for (const SweepPoint& point : result.points) {
        for (const RunMeasures& run : point.runs) {
            if (run.initialRate) {
                runs.push_back({static_cast<double>(point.xValue), static_cast<double>(point.seriesValue),
                                *run.initialRate});
            }
        }
    }
    return fitCompetitive(runs);
}

SweepFits sweepFits(const SweepResult& result)
{
    SweepFits fits;
    fits.series = fitSweep(result);
    fits.competitive = fitCompetitiveSweep(result);
    if (fits.competitive) {
        const std::size_t perSeries = result.plan.x.values.size();
        for (std::size_t s = 0; s < fits.series.size() && s * perSeries < result.points.size(); ++s) {
            fits.inhibitors.push_back(result.points[s * perSeries].seriesValue);
        }
    }
    return fits;
}

} // namespace velmora
