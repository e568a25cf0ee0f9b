#include "graph/ActivityTable.h"

#include "graph/GraphExport.h"
#include "plot/ActivityChart.h"

#include <QStringList>

#include <functional>

using namespace velmora;

namespace {

QString fromCore(const std::string& text)
{
    return QString::fromStdString(text);
}

QString figure(double value)
{
    return GraphExport::spreadsheetNumber(value, 3);
}

} // namespace

QString ActivityTable::heading(SweepParameter parameter)
{
    switch (parameter) {
    case SweepParameter::temperature:
        return tr("température (°C)");
    case SweepParameter::ph:
        return tr("pH");
    case SweepParameter::enzyme:
        return tr("enzyme (molécules)");
    case SweepParameter::substrate:
        return tr("substrat (molécules)");
    case SweepParameter::other:
        return tr("thiolactose (molécules)");
    }
    return {};
}

QString ActivityTable::longForm(const SweepResult& result, Measure measure)
{
    const SweepPlan& plan = result.plan;
    const bool rate = measure == Measure::initialRate;
    const bool cutShortColumn = rate && !plan.measures.initialRateOverSeconds();
    QStringList header;
    if (plan.series) {
        header << heading(plan.series->parameter);
    }
    header << heading(plan.x.parameter);
    if (rate) {
        header << tr("vitesse initiale (molécules/s)") << tr("écart type (molécules/s)")
               << tr("minimum (molécules/s)") << tr("maximum (molécules/s)");
    } else {
        header << tr("temps de demi-réaction (s)") << tr("écart type (s)") << tr("minimum (s)")
               << tr("maximum (s)");
    }
    if (cutShortColumn) {
        header << tr("mesure écourtée (expériences)");
    }
    if (measure == Measure::halfTime) {
        header << tr("demi-temps atteint (expériences)");
    }
    QString table = header.join('\t') + '\n';
    for (const SweepPoint& point : result.points) {
        QStringList cells;
        if (plan.series) {
            cells << QString::number(point.seriesValue);
        }
        const Statistic& statistic = point.statistic(measure);
        const auto cell = [&statistic](double value, std::int32_t fewest) {
            return statistic.count >= fewest ? figure(value) : QString();
        };
        cells << QString::number(point.xValue) << cell(statistic.mean, 1)
              << cell(statistic.standardDeviation, 2) << cell(statistic.minimum, 1)
              << cell(statistic.maximum, 1);
        if (cutShortColumn) {
            cells << QString::number(point.initialRateCutShort);
        }
        if (measure == Measure::halfTime) {
            cells << QString::number(statistic.count);
        }
        table += cells.join('\t') + '\n';
    }
    return table;
}

QString ActivityTable::wideForm(const SweepResult& result, Measure measure, const SweepFits& fits,
                                const ChartWords& words)
{
    const SweepPlan& plan = result.plan;
    const std::size_t perSeries = plan.x.values.size();
    const std::size_t seriesCount = perSeries == 0 ? 0 : result.points.size() / perSeries;
    const bool competitive = fits.competitive.has_value();

    // One column per curve, named by its series, or by the measure when there is one curve.
    QStringList header{heading(plan.x.parameter)};
    for (std::size_t s = 0; s < seriesCount; ++s) {
        header << (plan.series ? fromCore(parameterValueText(plan.series->parameter,
                                                             result.points[s * perSeries].seriesValue,
                                                             plan.base.reaction, words))
                               : fromCore(measureAxisTitle(measure, words)));
    }
    if (competitive) {
        header << fromCore(words.competitiveTitle);
    }
    QString table = header.join('\t') + '\n';
    for (std::size_t i = 0; i < perSeries; ++i) {
        QStringList cells{QString::number(plan.x.values[i])};
        for (std::size_t s = 0; s < seriesCount; ++s) {
            const Statistic& statistic = result.points[s * perSeries + i].statistic(measure);
            cells << (statistic.count > 0 ? figure(statistic.mean) : QString());
        }
        table += cells.join('\t') + '\n';
    }
    if (fits.empty() || measure != Measure::initialRate) {
        return table;
    }

    // The fits under the table: a line for each figure, a column for each curve, the competitive
    // model's last; a fit that means nothing leaves its cells empty.
    const auto row = [&](const QString& name,
                         const std::function<std::optional<double>(const MichaelisMentenFit&)>& each,
                         std::optional<double> joint) {
        QStringList cells{name};
        for (const MichaelisMentenFit& fit : fits.series) {
            const std::optional<double> value = fit.verdict == FitVerdict::fitted ? each(fit) : std::nullopt;
            cells << (value ? figure(*value) : QString());
        }
        if (competitive) {
            cells << (joint && fits.competitive->verdict == FitVerdict::fitted ? figure(*joint) : QString());
        }
        table += cells.join('\t') + '\n';
    };
    const CompetitiveFit joint = fits.competitive.value_or(CompetitiveFit{});
    table += '\n';
    row(
        tr("Vmax (molécules/s)"), [](const MichaelisMentenFit& f) { return f.vmax; }, joint.vmax);
    row(
        tr("écart type de Vmax (molécules/s)"), [](const MichaelisMentenFit& f) { return f.vmaxError; },
        joint.vmaxError);
    row(
        tr("Km (molécules)"), [](const MichaelisMentenFit& f) { return f.km; }, joint.km);
    row(
        tr("écart type de Km (molécules)"), [](const MichaelisMentenFit& f) { return f.kmError; },
        joint.kmError);
    if (competitive) {
        row(
            tr("Ki (molécules)"), [](const MichaelisMentenFit&) { return std::nullopt; }, joint.ki);
        row(
            tr("écart type de Ki (molécules)"), [](const MichaelisMentenFit&) { return std::nullopt; },
            joint.kiError);
    }
    row(
        tr("erreur résiduelle (molécules/s)"), [](const MichaelisMentenFit& f) { return f.residualError; },
        joint.residualError);
    return table;
}
