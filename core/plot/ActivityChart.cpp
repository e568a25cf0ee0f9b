#include "plot/ActivityChart.h"

#include "model/BoxVolume.h"
#include "model/Catalogue.h"
#include "plot/FrenchText.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int fittedCurveSamples = 120;
constexpr int neutralColour = 6; // the palette's black: what belongs to no one series

bool hasThiolactose(std::int32_t reaction)
{
    return reaction == Reaction::lactoseHydrolysis;
}

// The reaction's name with the typographic apostrophe.
std::string reactionTitle(std::int32_t reaction, const ChartWords& words)
{
    std::string name =
        isReaction(reaction) ? words.reactionNames[static_cast<std::size_t>(reaction)] : std::string();
    for (std::size_t at = name.find('\''); at != std::string::npos; at = name.find('\'', at)) {
        name.replace(at, 1, "\u2019");
    }
    return name;
}

std::string conditions(const SweepPlan& plan, const ChartWords& words)
{
    const ExperimentSettings& base = plan.base;
    const auto swept = [&](SweepParameter parameter) {
        return plan.x.parameter == parameter || (plan.series && plan.series->parameter == parameter);
    };
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "" : words.listComma) + part; };
    for (const SweepParameter parameter :
         {SweepParameter::temperature, SweepParameter::ph, SweepParameter::enzyme, SweepParameter::substrate,
          SweepParameter::other}) {
        if (swept(parameter) || (parameter == SweepParameter::other && !hasThiolactose(base.reaction))) {
            continue;
        }
        const std::int32_t value = parameter == SweepParameter::temperature ? base.temperature
                                   : parameter == SweepParameter::ph        ? base.ph
                                   : parameter == SweepParameter::enzyme    ? clampAmount(base.enzyme)
                                   : parameter == SweepParameter::substrate ? clampAmount(base.substrate)
                                                                            : clampAmount(base.other);
        add(parameterValueText(parameter, value, base.reaction, words));
    }
    if (const std::optional<std::int32_t> volume = volumeOfBox(base.scene); !volume) {
        add(fillPattern(words.boxValue, {french::number(base.scene.width, 0, words.decimalMark),
                                         french::number(base.scene.height, 0, words.decimalMark)}));
    } else if (*volume != defaultVolume) {
        add(fillPattern(words.volumeValue, {french::number(*volume, 0, words.decimalMark)}));
    }
    return text;
}

const std::string& verdictText(FitVerdict verdict, const ChartWords& words)
{
    static const std::string none;
    switch (verdict) {
    case FitVerdict::fitted:
        return none;
    case FitVerdict::tooFewPoints:
        return words.tooFewPoints;
    case FitVerdict::noReaction:
        return words.noReaction;
    case FitVerdict::notRising:
        return words.notRising;
    case FitVerdict::noCurvature:
        return words.noCurvature;
    case FitVerdict::noConvergence:
        return words.noConvergence;
    case FitVerdict::noInhibition:
        return words.noInhibition;
    }
    return none;
}

// A value and its uncertainty, both to the uncertainty's two significant digits, in `pattern`.
std::string withError(const std::string& pattern, double value, double error, const ChartWords& words)
{
    const int decimals = french::decimalsForError(error);
    return fillPattern(pattern, {french::number(value, decimals, words.decimalMark),
                                 french::number(error, decimals, words.decimalMark)});
}

// Two significant digits: "0,0041", "−0,0036", "0,071".
std::string significant(double value, const ChartWords& words)
{
    const double magnitude = std::fabs(value);
    const int decimals =
        magnitude > 0.0 ? std::max(0, 1 - static_cast<int>(std::floor(std::log10(magnitude)))) : 0;
    return french::number(value, decimals, words.decimalMark);
}

std::string residualText(double error, const ChartWords& words)
{
    return significant(error, words);
}

// The mean rates that have no reciprocal (S = 0, or no rate), over every series.
std::size_t pointsLeftOut(const SweepFits& fits)
{
    std::size_t leftOut = 0;
    for (const MichaelisMentenFit& fit : fits.series) {
        leftOut += fit.lineweaverBurk.zeroAmountsLeftOut + fit.lineweaverBurk.zeroRatesLeftOut;
    }
    return leftOut;
}

// v = Vmax S / (Km + S) from 0 to `high`.
std::vector<ChartLinePoint> michaelisMentenCurve(double vmax, double km, double high)
{
    std::vector<ChartLinePoint> curve;
    for (int i = 0; i <= fittedCurveSamples; ++i) {
        const double substrate = high * i / fittedCurveSamples;
        curve.push_back({substrate, vmax * substrate / (km + substrate)});
    }
    return curve;
}

} // namespace

std::string parameterAxisTitle(SweepParameter parameter, std::int32_t reaction, const ChartWords& words)
{
    switch (parameter) {
    case SweepParameter::temperature:
        return words.temperatureTitle;
    case SweepParameter::ph:
        return words.phTitle;
    case SweepParameter::enzyme:
        return words.enzymeTitle;
    case SweepParameter::substrate:
        return words.substrateTitle;
    case SweepParameter::other:
        return hasThiolactose(reaction) ? words.thiolactoseTitle : words.otherSpeciesTitle;
    }
    return {};
}

std::string measureAxisTitle(Measure measure, const ChartWords& words)
{
    switch (measure) {
    case Measure::initialRate:
        return words.initialRateTitle;
    case Measure::halfTime:
        return words.halfTimeTitle;
    case Measure::left:
        return words.leftTitle;
    }
    return {};
}

std::string parameterValueText(SweepParameter parameter, std::int32_t value, std::int32_t reaction,
                               const ChartWords& words)
{
    switch (parameter) {
    case SweepParameter::temperature:
        return fillPattern(words.temperatureValue, {french::number(value, 0, words.decimalMark)});
    case SweepParameter::ph:
        return fillPattern(words.phValue, {french::number(value, 0, words.decimalMark)});
    case SweepParameter::enzyme:
        return words.counted(value, words.enzymes);
    case SweepParameter::substrate:
        return words.counted(value, words.substrateMolecules);
    case SweepParameter::other:
        if (!hasThiolactose(reaction)) {
            return words.counted(value, words.otherSpeciesMolecules);
        }
        return value == 0 ? words.noThiolactose : words.counted(value, words.thiolactoseMolecules);
    }
    return {};
}

std::string cutShortNote(const SweepResult& result, const ChartWords& words)
{
    const SweepPlan& plan = result.plan;
    const auto cutShort = static_cast<std::int32_t>(
        std::count_if(result.points.begin(), result.points.end(),
                      [](const SweepPoint& p) { return p.initialRateCutShort > 0; }));
    if (cutShort == 0 || !plan.measures.initialRate || plan.measures.initialRateOverSeconds()) {
        return {};
    }
    return fillPattern(words.counted(cutShort, words.cutShortNote),
                       {"%1", french::number(plan.measures.initialRateShare, 0, words.decimalMark),
                        french::number(plan.ticks / 20.0, plan.ticks % 20 == 0 ? 0 : 2, words.decimalMark)});
}

std::vector<std::string> fitLines(const MichaelisMentenFit& fit, const ChartWords& words)
{
    if (fit.verdict != FitVerdict::fitted) {
        return {fillPattern(words.fitImpossible, {verdictText(fit.verdict, words)})};
    }
    return {withError(words.vmaxLine, fit.vmax, fit.vmaxError, words),
            withError(words.kmLine, fit.km, fit.kmError, words),
            fillPattern(words.residualLine, {residualText(fit.residualError, words)})};
}

std::vector<std::string> competitiveLines(const CompetitiveFit& fit, const ChartWords& words)
{
    if (fit.verdict != FitVerdict::fitted) {
        return {fillPattern(words.competitiveImpossible, {verdictText(fit.verdict, words)})};
    }
    std::vector<std::string> lines{withError(words.vmaxLine, fit.vmax, fit.vmaxError, words),
                                   withError(words.kmLine, fit.km, fit.kmError, words),
                                   withError(words.kiLine, fit.ki, fit.kiError, words),
                                   fillPattern(words.residualLine, {residualText(fit.residualError, words)})};
    if (fit.separateResidualError) {
        lines.push_back(
            fillPattern(words.separateResidualLine, {residualText(*fit.separateResidualError, words)}));
    }
    return lines;
}

Chart activityChart(const SweepResult& result, Measure measure, const SweepFits& fits,
                    const ChartWords& words)
{
    const SweepPlan& plan = result.plan;
    const std::int32_t reaction = plan.base.reaction;
    Chart chart;
    chart.decimalMark = words.decimalMark;
    chart.title = reactionTitle(reaction, words);
    chart.subtitle = conditions(plan, words);
    chart.xTitle = parameterAxisTitle(plan.x.parameter, reaction, words);
    chart.yTitle = measureAxisTitle(measure, words);
    chart.xIncludesZero = plan.x.parameter == SweepParameter::substrate;
    if (!plan.x.values.empty()) {
        chart.xRange = {plan.x.values.front(), plan.x.values.back()};
    }

    const std::size_t perSeries = plan.x.values.size();
    const std::size_t seriesCount = perSeries == 0 ? 0 : result.points.size() / perSeries;
    const double high = plan.x.values.empty() ? 0.0 : plan.x.values.back();
    const bool fitted = !fits.empty() && measure == Measure::initialRate;
    chart.legendBelow = fitted; // the fits' results are long: they would hide the data
    std::size_t omitted = 0;
    for (std::size_t s = 0; s < seriesCount; ++s) {
        ChartSeries series;
        if (plan.series) {
            series.label = parameterValueText(plan.series->parameter,
                                              result.points[s * perSeries].seriesValue, reaction, words);
        }
        for (std::size_t i = s * perSeries; i < (s + 1) * perSeries; ++i) {
            const SweepPoint& point = result.points[i];
            const Statistic& statistic = point.statistic(measure);
            // A half-time shows only when every run reached it.
            if (statistic.count == 0 || statistic.count < plan.replicates) {
                ++omitted;
                continue;
            }
            series.points.push_back(
                {static_cast<double>(point.xValue), statistic.mean, statistic.standardDeviation});
        }
        if (fitted && s < fits.series.size()) {
            const MichaelisMentenFit& fit = fits.series[s];
            series.notes = fitLines(fit, words);
            if (fit.verdict == FitVerdict::fitted) {
                series.line = michaelisMentenCurve(fit.vmax, fit.km, high);
            }
        }
        chart.series.push_back(std::move(series));
    }
    // The competitive model's curves, dashed in each series' colour, and its results.
    if (fitted && fits.competitive) {
        const CompetitiveFit& competitive = *fits.competitive;
        if (competitive.verdict == FitVerdict::fitted) {
            for (std::size_t s = 0; s < fits.inhibitors.size() && s < seriesCount; ++s) {
                ChartSeries curve;
                curve.colour = static_cast<int>(s);
                curve.dashed = true;
                curve.line =
                    michaelisMentenCurve(competitive.vmax, competitive.apparentKm(fits.inhibitors[s]), high);
                chart.series.push_back(std::move(curve));
            }
        }
        ChartSeries summary;
        summary.label = words.competitiveTitle;
        summary.colour = neutralColour;
        summary.dashed = true;
        summary.notes = competitiveLines(competitive, words);
        chart.series.push_back(std::move(summary));
    }

    if (measure == Measure::initialRate && plan.measures.initialRateOverSeconds()) {
        chart.footnotes.push_back(words.counted(plan.measures.initialRateSeconds, words.initialRateNote));
    } else if (measure == Measure::initialRate) {
        chart.footnotes.push_back(
            fillPattern(words.initialRateShareNote,
                        {french::number(plan.measures.initialRateShare, 0, words.decimalMark)}));
        if (const std::string note = cutShortNote(result, words); !note.empty()) {
            chart.footnotes.push_back(note);
        }
    } else {
        chart.footnotes.push_back(fillPattern(
            words.durationNote,
            {french::number(plan.ticks / 20.0, plan.ticks % 20 == 0 ? 0 : 2, words.decimalMark)}));
    }
    if (plan.replicates > 1) {
        chart.footnotes.push_back(
            fillPattern(words.replicatesNote, {french::number(plan.replicates, 0, words.decimalMark)}));
    }
    if (measure == Measure::halfTime && omitted > 0) {
        chart.footnotes.push_back(words.counted(static_cast<std::int32_t>(omitted), words.omittedNote));
    }
    if (fitted) {
        const bool anyPoint =
            std::any_of(fits.series.begin(), fits.series.end(), [](const MichaelisMentenFit& fit) {
                return !fit.lineweaverBurk.reciprocals.empty();
            });
        if (anyPoint) {
            // The inset's notes, shortened, go under the whole chart, where they have room.
            Chart inset = lineweaverBurkChart(fits, words);
            const bool competitive = fits.competitive && fits.competitive->verdict == FitVerdict::fitted;
            chart.insetNotes.push_back(competitive ? words.insetCompetitiveNote : words.insetNote);
            if (const std::size_t leftOut = pointsLeftOut(fits); leftOut > 0) {
                chart.insetNotes.push_back(
                    words.counted(static_cast<std::int32_t>(leftOut), words.leftOutNote));
            }
            inset.footnotes.clear();
            chart.inset = std::make_shared<const Chart>(std::move(inset));
        }
    }
    return chart;
}

Chart lineweaverBurkChart(const SweepFits& fits, const ChartWords& words)
{
    Chart chart;
    chart.decimalMark = words.decimalMark;
    chart.title = words.lineweaverBurkTitle;
    chart.xTitle = words.lineweaverBurkX;
    chart.yTitle = words.lineweaverBurkY;
    chart.xIncludesZero = true;
    chart.zeroLines = true;
    // Every line runs from where it crosses the 1/S axis (-1/Km) to the largest 1/S measured.
    double highest = 0.0;
    for (const MichaelisMentenFit& fit : fits.series) {
        for (const RatePoint& p : fit.lineweaverBurk.reciprocals) {
            highest = std::max(highest, p.substrate);
        }
    }
    const std::size_t leftOut = pointsLeftOut(fits);
    const auto line = [&](double vmax, double km) {
        return std::vector<ChartLinePoint>{{-1.0 / km, 0.0}, {highest, (km / vmax) * highest + 1.0 / vmax}};
    };
    for (std::size_t s = 0; s < fits.series.size(); ++s) {
        const MichaelisMentenFit& fit = fits.series[s];
        ChartSeries series;
        for (const RatePoint& p : fit.lineweaverBurk.reciprocals) {
            series.points.push_back({p.substrate, p.rate, 0.0});
        }
        if (fit.lineweaverBurk.hasLine && highest > 0.0) {
            series.line = line(fit.vmax, fit.km);
            chart.labels.push_back({-1.0 / fit.km, 0.0,
                                    fillPattern(words.kmIntercept, {significant(-1.0 / fit.km, words)}),
                                    static_cast<int>(s)});
            chart.labels.push_back({0.0, 1.0 / fit.vmax,
                                    fillPattern(words.vmaxIntercept, {significant(1.0 / fit.vmax, words)}),
                                    static_cast<int>(s)});
        }
        chart.series.push_back(std::move(series));
    }
    chart.footnotes.push_back(words.lineweaverBurkFromFit);
    // The competitive reading: one 1/Vmax for every line, so that they meet on the 1/v axis.
    if (fits.competitive && fits.competitive->verdict == FitVerdict::fitted && highest > 0.0) {
        const CompetitiveFit& competitive = *fits.competitive;
        for (std::size_t s = 0; s < fits.inhibitors.size() && s < fits.series.size(); ++s) {
            ChartSeries reading;
            reading.colour = static_cast<int>(s);
            reading.dashed = true;
            reading.line = line(competitive.vmax, competitive.apparentKm(fits.inhibitors[s]));
            chart.series.push_back(std::move(reading));
        }
        chart.footnotes.push_back(words.lineweaverBurkCompetitive);
    }
    if (leftOut > 0) {
        chart.footnotes.push_back(words.counted(static_cast<std::int32_t>(leftOut), words.leftOutNote));
    }
    return chart;
}

Chart shownActivityChart(const SweepResult& result, Measure measure, const SweepFits& fits,
                         const ChartWords& words, bool lineweaverBurk, std::int32_t current,
                         const std::string& markLabel)
{
    const Chart curve = activityChart(result, measure, fits, words);
    if (lineweaverBurk && !fits.empty()) {
        Chart view = lineweaverBurkChart(fits, words);
        view.subtitle = curve.title + (curve.subtitle.empty() ? "" : words.listComma + curve.subtitle);
        for (std::size_t s = 0; s < fits.series.size() && s < view.series.size() && s < curve.series.size();
             ++s) {
            view.series[s].label = curve.series[s].label;
            view.series[s].notes = curve.series[s].notes;
        }
        if (fits.competitive && !curve.series.empty()) {
            ChartSeries summary = curve.series.back();
            summary.line.clear();
            view.series.push_back(std::move(summary));
        }
        return view;
    }
    Chart chart = curve;
    chart.inset.reset(); // the Lineweaver-Burk view is shown on demand, full size
    chart.mark = ChartMark{static_cast<double>(current), markLabel};
    return chart;
}

} // namespace velmora
