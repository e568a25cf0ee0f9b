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

void writeFitReport(std::ostream& out, const SweepResult& result, const std::vector<MichaelisMentenFit>& fits)
{
    const SweepPlan& plan = result.plan;
    const std::size_t perSeries = plan.x.values.size();
    for (std::size_t s = 0; s < fits.size(); ++s) {
        const MichaelisMentenFit& fit = fits[s];
        out << "Michaelis-Menten fit";
        if (plan.series && s * perSeries < result.points.size()) {
            out << " (" << parameterName(plan.series->parameter) << ' '
                << result.points[s * perSeries].seriesValue << ')';
        }
        if (fit.verdict == FitVerdict::fitted) {
            out << ": Vmax = " << plusOrMinus(fit.vmax, fit.vmaxError)
                << " molecules/s, Km = " << plusOrMinus(fit.km, fit.kmError) << " molecules (" << fit.runs
                << " runs)\n";
        } else {
            out << ": not meaningful, " << verdictText(fit.verdict) << '\n';
        }
        const LineweaverBurk& line = fit.lineweaverBurk;
        if (line.hasLine) {
            char text[160];
            std::snprintf(text, sizeof text, "  Lineweaver-Burk line: 1/v = %.4g / S %c %.4g", line.slope,
                          line.intercept < 0 ? '-' : '+', std::fabs(line.intercept));
            out << text;
            if (line.zeroRatesLeftOut > 0) {
                out << " (" << line.zeroRatesLeftOut << " amounts with a zero rate left out)";
            }
            out << '\n';
        }
    }
}

} // namespace velmora
