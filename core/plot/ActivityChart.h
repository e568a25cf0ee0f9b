#pragma once

#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"
#include "plot/Chart.h"
#include "plot/ChartWords.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The activity curve of a sweep, as students read it: one measure against the swept setting, one
// curve per series, each point the mean of its runs with an error bar of one standard deviation
// when there are several. With `fits` (from sweepFits) a substrate sweep of the initial rate also
// shows each series' Michaelis-Menten curve with Km, Vmax and the residual error, the competitive
// model's curves dashed with Ki and both residual errors, and the Lineweaver-Burk view inset.
// Every text is French unless `words` gives those of another language.
Chart activityChart(const SweepResult& result, Measure measure, const SweepFits& fits = {},
                    const ChartWords& words = {});

// 1/v against 1/(mean rate) of each substrate amount, each series' line drawn from its fitted Km
// and Vmax across both axes, where it crosses them labelled (-1/Km, 1/Vmax); with the competitive
// fit, its lines dashed, meeting on the 1/v axis. As drawn inset.
Chart lineweaverBurkChart(const SweepFits& fits, const ChartWords& words = {});

// What an activity window shows of a sweep: the curve with the current setting marked at `current`
// (labelled `markLabel`) and the inset left out, or, with `lineweaverBurk` and fits, the
// Lineweaver-Burk view full size, each series named as on the curve with its fit under it, and the
// competitive model's results last.
Chart shownActivityChart(const SweepResult& result, Measure measure, const SweepFits& fits,
                         const ChartWords& words, bool lineweaverBurk, std::int32_t current,
                         const std::string& markLabel);

// Texts of the chart, for the window's own labels.
std::string parameterAxisTitle(SweepParameter parameter, std::int32_t reaction,
                               const ChartWords& words = {}); // « Température (°C) »
std::string measureAxisTitle(Measure measure,
                             const ChartWords& words = {}); // « Vitesse initiale (molécules/s) »
std::string parameterValueText(SweepParameter parameter, std::int32_t value, std::int32_t reaction,
                               const ChartWords& words = {}); // « 37 °C »
// « Mesure écourtée pour 3 points… »: how many points had a run that ended before the initial
// rate's share of the substrate was transformed; empty when none had.
std::string cutShortNote(const SweepResult& result, const ChartWords& words = {});
// "Vmax = … molécules/s", "Km = … molécules", or why the fit means nothing, in plain words.
std::vector<std::string> fitLines(const MichaelisMentenFit& fit, const ChartWords& words = {});
// The competitive model's Vmax, Km, Ki and residual errors, or why it means nothing.
std::vector<std::string> competitiveLines(const CompetitiveFit& fit, const ChartWords& words = {});

} // namespace velmora
