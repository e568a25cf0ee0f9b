#include "plot/ActivityChart.h"

#include "model/Catalogue.h"
#include "plot/FrenchText.h"

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

using french::noBreakSpace;

constexpr int fittedCurveSamples = 120;

bool hasThiolactose(std::int32_t reaction)
{
    return reaction == Reaction::lactoseHydrolysis;
}

// Words after a count take the plural from 2 on, as French counts do.
std::string counted(std::int32_t count, const std::string& singular, const std::string& plural)
{
    return french::number(count, 0) + noBreakSpace + (count >= 2 ? plural : singular);
}

// The reaction's name with the typographic apostrophe.
std::string reactionTitle(std::int32_t reaction)
{
    std::string name(reactionName(reaction));
    for (std::size_t at = name.find('\''); at != std::string::npos; at = name.find('\'', at)) {
        name.replace(at, 1, "\u2019");
    }
    return name;
}

std::string conditions(const SweepPlan& plan)
{
    const ExperimentSettings& base = plan.base;
    const auto swept = [&](SweepParameter parameter) {
        return plan.x.parameter == parameter || (plan.series && plan.series->parameter == parameter);
    };
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
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
        add(parameterValueText(parameter, value, base.reaction));
    }
    return text;
}

std::string verdictText(FitVerdict verdict)
{
    switch (verdict) {
    case FitVerdict::fitted:
        return {};
    case FitVerdict::tooFewPoints:
        return "trop peu de quantités de substrat donnent une vitesse (il en faut 3)";
    case FitVerdict::noReaction:
        return "aucune vitesse n’est positive";
    case FitVerdict::notRising:
        return "la vitesse ne croît pas vers un plateau";
    case FitVerdict::noCurvature:
        return "la courbe ne s’infléchit pas assez, Km et Vmax restent indéterminés";
    case FitVerdict::noConvergence:
        return "le calcul n’a pas abouti";
    }
    return {};
}

std::string plusOrMinus(double value, double error)
{
    const int decimals = french::decimalsForError(error);
    return french::number(value, decimals) + noBreakSpace + "±" + noBreakSpace +
           french::number(error, decimals);
}

} // namespace

std::string parameterAxisTitle(SweepParameter parameter, std::int32_t reaction)
{
    switch (parameter) {
    case SweepParameter::temperature:
        return "Température (°C)";
    case SweepParameter::ph:
        return "pH";
    case SweepParameter::enzyme:
        return "Quantité d’enzyme (molécules)";
    case SweepParameter::substrate:
        return "Quantité de substrat (molécules)";
    case SweepParameter::other:
        return hasThiolactose(reaction) ? "Quantité de thiolactose (molécules)" : "Autre espèce (molécules)";
    }
    return {};
}

std::string measureAxisTitle(Measure measure)
{
    switch (measure) {
    case Measure::initialRate:
        return "Vitesse initiale (molécules/s)";
    case Measure::halfTime:
        return "Demi-temps (s)";
    case Measure::left:
        return "Substrat restant (%)";
    }
    return {};
}

std::string parameterValueText(SweepParameter parameter, std::int32_t value, std::int32_t reaction)
{
    switch (parameter) {
    case SweepParameter::temperature:
        return french::withUnit(value, 0, "°C");
    case SweepParameter::ph:
        return std::string("pH") + noBreakSpace + french::number(value, 0);
    case SweepParameter::enzyme:
        return counted(value, "enzyme", "enzymes");
    case SweepParameter::substrate:
        return counted(value, "molécule", "molécules") + " de substrat";
    case SweepParameter::other:
        if (!hasThiolactose(reaction)) {
            return counted(value, "molécule", "molécules") + " de l’autre espèce";
        }
        return value == 0 ? "sans thiolactose" : counted(value, "molécule", "molécules") + " de thiolactose";
    }
    return {};
}

std::vector<std::string> fitLines(const MichaelisMentenFit& fit)
{
    if (fit.verdict != FitVerdict::fitted) {
        return {"Ajustement de Michaelis-Menten impossible" + std::string(french::narrowNoBreakSpace) + ": " +
                verdictText(fit.verdict)};
    }
    return {"Vmax" + std::string(noBreakSpace) + "=" + noBreakSpace + plusOrMinus(fit.vmax, fit.vmaxError) +
                noBreakSpace + "molécules/s",
            "Km" + std::string(noBreakSpace) + "=" + noBreakSpace + plusOrMinus(fit.km, fit.kmError) +
                noBreakSpace + "molécules"};
}

Chart activityChart(const SweepResult& result, Measure measure, const std::vector<MichaelisMentenFit>& fits)
{
    const SweepPlan& plan = result.plan;
    const std::int32_t reaction = plan.base.reaction;
    Chart chart;
    chart.title = reactionTitle(reaction);
    chart.subtitle = conditions(plan);
    chart.xTitle = parameterAxisTitle(plan.x.parameter, reaction);
    chart.yTitle = measureAxisTitle(measure);
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
                                              result.points[s * perSeries].seriesValue, reaction);
        }
        for (std::size_t i = s * perSeries; i < (s + 1) * perSeries; ++i) {
            const SweepPoint& point = result.points[i];
            const Statistic& statistic = point.statistic(measure);
            // A half-time shows only when every run reached it.
            if (statistic.count == 0 || statistic.count < static_cast<std::int32_t>(point.runs.size())) {
                ++omitted;
                continue;
            }
            series.points.push_back(
                {static_cast<double>(point.xValue), statistic.mean, statistic.standardDeviation});
        }
        if (s < fits.size() && measure == Measure::initialRate) {
            const MichaelisMentenFit& fit = fits[s];
            series.notes = fitLines(fit);
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

    const std::string colon = std::string(french::narrowNoBreakSpace) + ":";
    const std::string semicolon = std::string(french::narrowNoBreakSpace) + ";";
    if (measure == Measure::initialRate) {
        chart.footnotes.push_back(
            "Vitesse initiale" + colon + " substrat transformé par seconde pendant les " +
            counted(plan.measures.initialRateSeconds, "première seconde", "premières secondes") + ".");
    } else {
        chart.footnotes.push_back("Durée de chaque expérience" + colon + " " +
                                  french::withUnit(plan.ticks / 20.0, plan.ticks % 20 == 0 ? 0 : 2, "s") +
                                  ".");
    }
    if (plan.replicates > 1) {
        chart.footnotes.push_back("Chaque point" + colon + " moyenne de " +
                                  counted(plan.replicates, "expérience", "expériences") + semicolon +
                                  " barres" + colon + " ±" + noBreakSpace + "un écart type.");
    }
    if (measure == Measure::halfTime && omitted > 0) {
        chart.footnotes.push_back("Demi-temps non atteint dans toutes les expériences" + colon + " " +
                                  counted(static_cast<std::int32_t>(omitted), "point omis", "points omis") +
                                  ".");
    }
    if (!fits.empty() && measure == Measure::initialRate) {
        const Chart inset = lineweaverBurkChart(fits);
        const bool anyLine = std::any_of(fits.begin(), fits.end(), [](const MichaelisMentenFit& fit) {
            return fit.lineweaverBurk.hasLine;
        });
        if (anyLine) {
            chart.inset = std::make_shared<const Chart>(inset);
        }
    }
    return chart;
}

Chart lineweaverBurkChart(const std::vector<MichaelisMentenFit>& fits)
{
    Chart chart;
    chart.title = "Représentation de Lineweaver-Burk";
    chart.xTitle = "1/S (1/molécule)";
    chart.yTitle = "1/v (s/molécule)";
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
