#pragma once

#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"
#include "plot/Chart.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The activity curve of a sweep, as students read it: one measure against the swept setting, one
// curve per series, each point the mean of its runs with an error bar of one standard deviation
// when there are several. With `fits` (from fitSweep) a substrate sweep of the initial rate also
// shows each series' Michaelis-Menten curve with Km and Vmax, and the Lineweaver-Burk view inset.
// Every text is French.
Chart activityChart(const SweepResult& result, Measure measure,
                    const std::vector<MichaelisMentenFit>& fits = {});

// 1/v against 1/S with each series' straight line, as drawn inset.
Chart lineweaverBurkChart(const std::vector<MichaelisMentenFit>& fits);

// Texts of the chart, for the window's own labels.
std::string parameterAxisTitle(SweepParameter parameter, std::int32_t reaction); // « Température (°C) »
std::string measureAxisTitle(Measure measure); // « Vitesse initiale (molécules/s) »
std::string parameterValueText(SweepParameter parameter, std::int32_t value,
                               std::int32_t reaction); // « 37 °C »
// "Vmax = … molécules/s", "Km = … molécules", or why the fit means nothing, in plain words.
std::vector<std::string> fitLines(const MichaelisMentenFit& fit);

} // namespace velmora
