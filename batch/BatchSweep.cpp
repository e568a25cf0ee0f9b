#include "batch/BatchSweep.h"

#include "plot/FrenchText.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

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

// "about 21 hours", rounded to the unit that suits.
std::string durationText(double seconds)
{
    const struct
    {
        double length;
        const char* name;
    } units[] = {{86400, "days"}, {3600, "hours"}, {60, "minutes"}};
    for (const auto& unit : units) {
        if (seconds >= 2 * unit.length) {
            return "about " + std::to_string(std::llround(seconds / unit.length)) + " " + unit.name;
        }
    }
    return "about " + std::to_string(std::max<long long>(1, std::llround(seconds))) + " seconds";
}

// Seconds per tick of the plan's experiments on this machine: a few ticks of its first, middle and
// last points (the quantities, and so the work of a tick, grow along the sweeps).
double tickCost(const SweepPlan& plan)
{
    constexpr std::int32_t sampleTicks = 200;
    MeasureChoice sampled;
    sampled.initialRate = false;
    sampled.left = true; // runs every tick asked for
    const std::vector<std::int32_t> noSeries{0};
    const std::vector<std::int32_t>& series = plan.series ? plan.series->values : noSeries;
    const std::size_t count = plan.x.values.size() * series.size();
    double seconds = 0;
    int samples = 0;
    for (const std::size_t point : {std::size_t{0}, count / 2, count - 1}) {
        const std::int32_t seriesValue = series[point / plan.x.values.size()];
        const std::int32_t xValue = plan.x.values[point % plan.x.values.size()];
        const auto start = std::chrono::steady_clock::now();
        measureExperiment(pointSettings(plan, seriesValue, xValue), sampled, sampleTicks, plan.seed);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++samples;
    }
    return seconds / (samples * sampleTicks);
}

// Four significant digits, as C's %g writes them.
std::string general(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

} // namespace

std::string planSizeError(const SweepPlan& plan, unsigned jobs)
{
    const std::uint64_t xCount = plan.x.values.size();
    const std::uint64_t seriesCount = plan.series ? plan.series->values.size() : 1;
    const auto repeats = static_cast<std::uint64_t>(std::max(plan.replicates, 1));
    const std::uint64_t experiments = xCount * seriesCount * repeats;
    if (experiments <= largestPlan || xCount == 0 || seriesCount == 0) {
        return {};
    }
    // Only the initial rate: each experiment stops after its seconds.
    const MeasureChoice& measures = plan.measures;
    const std::int64_t ticks =
        measures.halfTime || measures.left
            ? plan.ticks
            : std::min<std::int64_t>(plan.ticks, 20 * std::int64_t{measures.initialRateSeconds});
    if (jobs == 0) {
        jobs = std::max(1u, std::thread::hardware_concurrency());
    }
    const double seconds = double(experiments) * double(ticks) * tickCost(plan) / jobs;
    std::string points = std::to_string(xCount) + " points";
    if (plan.series) {
        points = std::to_string(seriesCount) + " x " + points;
    }
    return std::to_string(experiments) + " experiments (" + points + " x " + std::to_string(repeats) +
           " repeats) are more than a run may have (" + std::to_string(largestPlan) + "); they would take " +
           durationText(seconds) + " on " + std::to_string(jobs) + (jobs == 1 ? " job" : " jobs");
}

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
