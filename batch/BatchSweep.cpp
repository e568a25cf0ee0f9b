#include "batch/BatchSweep.h"

#include "plot/FrenchText.h"

#include <cmath>
#include <cstdio>

namespace velmora {

namespace {

constexpr int barWidth = 30;

std::string verdictText(FitVerdict verdict)
{
    switch (verdict) {
    case FitVerdict::fitted:
        return {};
    case FitVerdict::tooFewPoints:
        return "too few substrate amounts give a rate above 0 (3 are needed)";
    case FitVerdict::noReaction:
        return "no rate is above 0";
    case FitVerdict::notRising:
        return "the rates do not rise towards a plateau";
    case FitVerdict::noCurvature:
        return "the rates barely level off, so Km and Vmax are not pinned down (try larger amounts)";
    case FitVerdict::noConvergence:
        return "the least-squares search did not settle";
    case FitVerdict::noInhibition:
        return "Km does not clearly rise with the inhibitor, so Ki is not pinned down";
    }
    return {};
}

// A value and its standard error, to two significant digits of the error.
std::string plusOrMinus(double value, double error)
{
    const int decimals = french::decimalsForError(error);
    char text[96];
    std::snprintf(text, sizeof text, "%.*f +- %.*f", decimals, value, decimals, error);
    return text;
}

// Four significant digits, as C's %g writes them.
std::string general(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

} // namespace

SweepPlan sweepPlanFor(const BatchOptions& options)
{
    SweepPlan plan;
    plan.base = options;
    plan.x = options.sweeps.at(0);
    if (options.sweeps.size() == 2) {
        plan.series = options.sweeps[1];
    } else if (options.compare) {
        plan.series = options.compare;
    }
    MeasureChoice& choice = plan.measures;
    choice.initialRate = options.measures.empty();
    for (const Measure measure : options.measures) {
        (measure == Measure::initialRate ? choice.initialRate
         : measure == Measure::halfTime  ? choice.halfTime
                                         : choice.left) = true;
    }
    choice.initialRateShare = options.initialRateShare;
    choice.initialRateSeconds = options.initialRateSeconds;
    plan.ticks = options.ticks;
    plan.replicates = options.repeat;
    plan.seed = options.seed;
    return plan;
}

Measure plottedMeasure(const BatchOptions& options)
{
    return options.measures.empty() ? Measure::initialRate : options.measures.front();
}

void ProgressBar::show(SweepProgress progress)
{
    if (!terminal_ || progress.runsTotal == 0) {
        return;
    }
    const auto percent = static_cast<int>(100 * progress.runsDone / progress.runsTotal);
    if (percent == shownPercent_) {
        return;
    }
    shownPercent_ = percent;
    const int filled = percent * barWidth / 100;
    std::fprintf(terminal_, "\r[%s%s] %3d %% (%zu/%zu experiments)", std::string(filled, '#').c_str(),
                 std::string(barWidth - filled, '.').c_str(), percent, progress.runsDone, progress.runsTotal);
    std::fflush(terminal_);
}

void ProgressBar::finish()
{
    if (terminal_ && shownPercent_ >= 0) {
        std::fputs("\r\033[K", terminal_);
        std::fflush(terminal_);
        shownPercent_ = -1;
    }
}

void writeFitReport(std::ostream& out, const SweepResult& result, const SweepFits& fits)
{
    const SweepPlan& plan = result.plan;
    const std::size_t perSeries = plan.x.values.size();
    for (std::size_t s = 0; s < fits.series.size(); ++s) {
        const MichaelisMentenFit& fit = fits.series[s];
        out << "Michaelis-Menten fit";
        if (plan.series && s * perSeries < result.points.size()) {
            out << " (" << parameterName(plan.series->parameter) << ' '
                << result.points[s * perSeries].seriesValue << ')';
        }
        if (fit.verdict == FitVerdict::fitted) {
            out << ": Vmax = " << plusOrMinus(fit.vmax, fit.vmaxError)
                << " molecules/s, Km = " << plusOrMinus(fit.km, fit.kmError) << " molecules, residual error "
                << general(fit.residualError) << " molecules/s (" << fit.runs << " runs)\n";
        } else {
            out << ": not meaningful, " << verdictText(fit.verdict) << '\n';
        }
        const LineweaverBurk& line = fit.lineweaverBurk;
        if (line.hasLine) {
            out << "  Lineweaver-Burk line: 1/v = " << general(line.slope) << " / S + "
                << general(line.intercept) << ", crossing 1/S at -1/Km = " << general(-1.0 / fit.km)
                << " and 1/v at 1/Vmax = " << general(line.intercept);
            const std::size_t leftOut = line.zeroAmountsLeftOut + line.zeroRatesLeftOut;
            if (leftOut > 0) {
                out << " (" << leftOut << (leftOut == 1 ? " amount" : " amounts")
                    << " with S = 0 or a zero rate left out)";
            }
            out << '\n';
        }
    }
    if (fits.competitive) {
        const CompetitiveFit& fit = *fits.competitive;
        out << "Competitive fit (one Vmax, apparent Km = Km (1 + I/Ki))";
        if (fit.verdict == FitVerdict::fitted) {
            out << ": Vmax = " << plusOrMinus(fit.vmax, fit.vmaxError)
                << " molecules/s, Km = " << plusOrMinus(fit.km, fit.kmError)
                << " molecules, Ki = " << plusOrMinus(fit.ki, fit.kiError) << " molecules, residual error "
                << general(fit.residualError) << " molecules/s";
            if (fit.separateResidualError) {
                out << " (fitted amount by amount: " << general(*fit.separateResidualError) << ")";
            }
            out << " (" << fit.runs << " runs)\n";
        } else {
            out << ": not meaningful, " << verdictText(fit.verdict) << '\n';
        }
    }
}

} // namespace velmora
