#include "plot/ActivityChart.h"

#include "model/Catalogue.h"
#include "plot/FrenchText.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

constexpr int fittedCurveSamples = 120;

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
    case FitVerdict::noInhibition: // the competitive fit's alone
        return none;
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
            withError(words.kmLine, fit.km, fit.kmError, words)};
}

Chart activityChart(const SweepResult& result, Measure measure, const std::vector<MichaelisMentenFit>& fits,
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
        if (s < fits.size() && measure == Measure::initialRate) {
            const MichaelisMentenFit& fit = fits[s];
            series.notes = fitLines(fit, words);
            if (fit.verdict == FitVerdict::fitted) {
                const double high = plan.x.values.empty() ? 0.0 : plan.x.values.back();
                for (int i = 0; i <= fittedCurveSamples; ++i) {
                    const double substrate = high * i / fittedCurveSamples;
                    series.line.push_back({substrate, fit.vmax * substrate / (fit.km + substrate)});
                }
            }
        }
        chart.series.push_back(std::move(series));
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
    if (!fits.empty() && measure == Measure::initialRate) {
        const Chart inset = lineweaverBurkChart(fits, words);
        const bool anyLine = std::any_of(fits.begin(), fits.end(), [](const MichaelisMentenFit& fit) {
            return fit.lineweaverBurk.hasLine;
        });
        if (anyLine) {
            chart.inset = std::make_shared<const Chart>(inset);
        }
    }
    return chart;
}

Chart lineweaverBurkChart(const std::vector<MichaelisMentenFit>& fits, const ChartWords& words)
{
    Chart chart;
    chart.decimalMark = words.decimalMark;
    chart.title = words.lineweaverBurkTitle;
    chart.xTitle = words.lineweaverBurkX;
    chart.yTitle = words.lineweaverBurkY;
    chart.xIncludesZero = true;
    for (const MichaelisMentenFit& fit : fits) {
        ChartSeries series;
        const LineweaverBurk& view = fit.lineweaverBurk;
        double highest = 0.0;
        for (const RatePoint& p : view.reciprocals) {
            series.points.push_back({p.substrate, p.rate, 0.0});
            highest = std::max(highest, p.substrate);
        }
        if (view.hasLine) {
            series.line = {{0.0, view.intercept}, {highest, view.intercept + view.slope * highest}};
        }
        chart.series.push_back(std::move(series));
    }
    return chart;
}

} // namespace velmora
