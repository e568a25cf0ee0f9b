#pragma once

#include "model/Translatable.h"
#include "model/WindowUpdate.h"
#include "model/World.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The time-course graph's data: one sample of the substrate count per simulated second, pages of
// 100 seconds, and coloured marks at the seconds where the temperature or the pH changed.

// Mark colours, stored as 0x00BBGGRR.
inline constexpr std::int32_t temperatureMarkColour = 255; // red
inline constexpr std::int32_t phMarkColour = 16711680;     // blue
inline constexpr std::int32_t noMark = -1;

// Advances the graph by one second: records count[substrateKind], or starts a new page after
// the 100th second. Does nothing while no experiment runs or the substrate quantity is 0.
void avancedansgraphe1Click(World& world, WindowUpdate& update);

// Empties the page: graphCount and tickCounter 0, no marks. graphTimeOffset is kept.
void effacerecran1Click(World& world, WindowUpdate& update);

// Marks the current second (graphCount) with a colour; a later mark in the same second wins.
void recordGraphMark(World& world, std::int32_t colour);

// "<seconds> s", the text of the graph's time label.
std::string timeLabelText(std::int32_t seconds);

// Texts of the upper and lower axis labels: per cent, or arbitrary units ("UA", or the unit's
// name in the window's language).
inline constexpr std::string_view arbitraryUnit = VELMORA_TRANSLATABLE("TimeCourse", "UA");
struct AxisLabels
{
    std::string top;
    std::string bottom;
};
AxisLabels axisLabels(std::int32_t substrateAmount, bool percent, std::string_view unit = arbitraryUnit);

// Geometry of the graph drawn on a W x H surface: a black plot of rows 0..plotHeight and a strip
// below it for the time-axis labels, 20 pixels high as designed, higher where the labels grow.
inline constexpr std::int32_t graphStripHeight = 20;
constexpr std::int32_t graphPlotHeight(std::int32_t height, std::int32_t stripHeight = graphStripHeight)
{
    return height - stripHeight;
}

// Column of second i of the page.
constexpr std::int32_t graphSecondX(std::int32_t second, std::int32_t width)
{
    return second * width / graphSeconds;
}

// Whether the curve can be drawn: it is scaled to the substrate quantity, so not while that is 0.
bool graphHasCurve(const World& world);

// Row of the curve at second i (1..graphCount): the sample in per cent of the substrate quantity,
// 100 % on row 0 and 0 % on row plotHeight. Call only when graphHasCurve.
std::int32_t graphCurveY(const World& world, std::int32_t second, std::int32_t plotHeight);

// Time-axis label j (1..graphCount / 5), for second 5j of the page.
struct TimeAxisLabel
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::string text;
};
std::int32_t timeAxisLabelCount(const World& world);
// Label j at its usual place: its top-left corner fontPoints / 2 pixels left of its second per
// digit of 5j alone, on the second row of the strip.
TimeAxisLabel timeAxisLabel(const World& world, std::int32_t j, std::int32_t width, std::int32_t height,
                            std::int32_t fontPoints, std::int32_t stripHeight = graphStripHeight);

// Width in pixels of a label's text, as the window's font draws it.
using LabelWidth = std::function<std::int32_t(const std::string& text)>;

// The time-axis labels to draw, left to right. Each lies at its usual place, or left of it just
// enough to end inside the surface and fontPoints / 2 pixels before the next label, so that no
// label is cut and none overprints another. Where the page's labels cannot all stand every five
// seconds without one being pushed more than half of five seconds from its place, one label in 2,
// 4, 5, 10 or 20 is drawn (the page's last, 100 seconds, always among them), chosen for the whole
// page so that labels do not come and go as it fills. The labels reach `secondsShown` of the page
// (runs kept to compare may reach further than the running one); by default its graphCount.
std::vector<TimeAxisLabel> timeAxisLabels(const World& world, std::int32_t width, std::int32_t height,
                                          std::int32_t fontPoints, const LabelWidth& textWidth,
                                          std::int32_t stripHeight = graphStripHeight,
                                          std::int32_t secondsShown = -1);

} // namespace velmora
