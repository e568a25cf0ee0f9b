#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// A chart to draw: curves of points with error bars, fitted lines, axis titles and notes. Plain
// data, with every text in UTF-8 as the reader will see it; the renderer formats the axes' numbers.
struct ChartPoint
{
    double x = 0.0;
    double y = 0.0;
    double error = 0.0; // half-length of the error bar; 0 draws none
};

struct ChartLinePoint
{
    double x = 0.0;
    double y = 0.0;
};

struct ChartSeries
{
    std::string label;                // legend entry; empty: none
    std::vector<ChartPoint> points;   // marked; joined by straight segments when there is no line
    std::vector<ChartLinePoint> line; // a smooth line (a fitted curve) drawn under the points
    std::vector<std::string> notes;   // lines shown under the legend entry (a fit's results)
    int colour = -1;                  // the colour and marker of that position; -1: its own position
    bool dashed = false;              // the line drawn dashed (another model of the same data)
};

// A point of the plot marked and labelled with its value: where a line crosses an axis, say.
struct ChartLabel
{
    double x = 0.0;
    double y = 0.0;
    std::string text;
    int colour = 0; // of that series' position
};

// A value of the x axis marked across the plot by a dashed line, with a label at its top: the
// setting of the experiment under way, say.
struct ChartMark
{
    double x = 0.0;
    std::string label;
};

struct Chart
{
    std::string title;
    std::string subtitle;
    std::string xTitle;
    std::string yTitle;
    std::vector<ChartSeries> series;                 // drawn in their order, colour and marker by position
    std::vector<std::string> footnotes;              // below the plot
    std::vector<std::string> insetNotes;             // below the footnotes, when the inset is drawn
    std::optional<std::pair<double, double>> xRange; // the x axis's ends; by default the data's
    bool xIncludesZero = false;                      // the axes' ranges stretch to 0
    bool yIncludesZero = true;
    std::optional<ChartMark> mark; // drawn under the data; left out when outside the x axis
    std::vector<ChartLabel> labels;
    bool legendBelow = false;      // the legend under the plot, its entries side by side, never over the data
    bool zeroLines = false;        // the axes x = 0 and y = 0 drawn across the plot where they fall inside
    std::string decimalMark = ","; // of the axes' numbers
    // A small chart drawn inside this one, in the corner where it hides the least.
    std::shared_ptr<const Chart> inset;
};

} // namespace velmora
