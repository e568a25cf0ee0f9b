#include "lab/SweepTable.h"

#include <cstdio>
#include <string>

namespace velmora {

namespace {

std::string decimal(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", value);
    return text;
}

void writeStatistic(std::ostream& out, const Statistic& statistic)
{
    out << ',';
    if (statistic.count > 0) {
        out << decimal(statistic.mean);
    }
    out << ',';
    if (statistic.count > 1) {
        out << decimal(statistic.standardDeviation);
    }
    for (const double bound : {statistic.minimum, statistic.maximum}) {
        out << ',';
        if (statistic.count > 0) {
            out << decimal(bound);
        }
    }
}

} // namespace

void writeSweepTable(std::ostream& out, const SweepResult& result)
{
    const SweepPlan& plan = result.plan;
    const MeasureChoice& measures = plan.measures;
    if (plan.series) {
        out << parameterName(plan.series->parameter) << ',';
    }
    out << parameterName(plan.x.parameter);
    const bool cutShortColumn = measures.initialRate && !measures.initialRateOverSeconds();
    if (measures.initialRate) {
        out << ",initial_rate,initial_rate_sd,initial_rate_min,initial_rate_max";
    }
    if (cutShortColumn) {
        out << ",initial_rate_cut_short";
    }
    if (measures.halfTime) {
        out << ",half_time,half_time_sd,half_time_min,half_time_max,half_time_reached";
    }
    if (measures.left) {
        out << ",left,left_sd,left_min,left_max";
    }
    out << '\n';
    for (const SweepPoint& point : result.points) {
        if (plan.series) {
            out << point.seriesValue << ',';
        }
        out << point.xValue;
        if (measures.initialRate) {
            writeStatistic(out, point.initialRate);
        }
        if (cutShortColumn) {
            out << ',' << point.initialRateCutShort;
        }
        if (measures.halfTime) {
            writeStatistic(out, point.halfTime);
            out << ',' << point.halfTime.count;
        }
        if (measures.left) {
            writeStatistic(out, point.left);
        }
        out << '\n';
    }
}

} // namespace velmora
