#include "plot/ChartRenderer.h"

#include "plot/ChartDrawing.h"

#include "plot/FrenchText.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>

namespace velmora {

namespace {

constexpr const char* fontFamily = "Liberation Sans";

struct Colour
{
    double red;
    double green;
    double blue;
};

// Okabe and Ito's palette, told apart by readers with any colour vision; markers differ too, for
// black-and-white copies.
constexpr std::array<Colour, 8> palette{{
    {0.0 / 255, 114.0 / 255, 178.0 / 255},
    {213.0 / 255, 94.0 / 255, 0.0 / 255},
    {0.0 / 255, 158.0 / 255, 115.0 / 255},
    {204.0 / 255, 121.0 / 255, 167.0 / 255},
    {230.0 / 255, 159.0 / 255, 0.0 / 255},
    {86.0 / 255, 180.0 / 255, 233.0 / 255},
    {0.0, 0.0, 0.0},
    {0.6, 0.6, 0.6},
}};

enum class Marker
{
    circle,
    square,
    triangle,
    diamond,
};

Colour colourOf(std::size_t series)
{
    return palette[series % palette.size()];
}

Marker markerOf(std::size_t series)
{
    return static_cast<Marker>(series % 4);
}

// The position whose colour and marker a series takes.
std::size_t styleOf(const ChartSeries& series, std::size_t position)
{
    return series.colour >= 0 ? static_cast<std::size_t>(series.colour) : position;
}

void setDashed(cairo_t* cr, bool dashed, double scale)
{
    if (dashed) {
        const double dashes[] = {7.0 * scale, 4.0 * scale};
        cairo_set_dash(cr, dashes, 2, 0.0);
    } else {
        cairo_set_dash(cr, nullptr, 0, 0.0);
    }
}

struct Box
{
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;

    double right() const { return x + width; }
    double bottom() const { return y + height; }
    bool contains(double px, double py) const
    {
        return px >= x && px <= right() && py >= y && py <= bottom();
    }
};

// An axis from `low` to `high` with ticks every `step`.
struct Axis
{
    double low = 0.0;
    double high = 1.0;
    double step = 0.2;
    int decimals = 1;
};

// About `steps` ticks at round steps; a `tight` axis ends at the data (the values swept), another
// at ticks.
Axis niceAxis(double low, double high, bool includeZero, bool tight, double steps)
{
    if (!std::isfinite(low) || !std::isfinite(high) || low > high) {
        low = 0.0;
        high = 1.0;
    }
    if (includeZero) {
        low = std::min(low, 0.0);
        high = std::max(high, 0.0);
    }
    if (high - low < 1e-12) {
        const double margin = std::max(std::fabs(high) * 0.1, 1.0);
        low -= low == 0.0 && includeZero ? 0.0 : margin;
        high += margin;
    }
    const double raw = (high - low) / steps;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double mantissa = 10.0;
    for (const double candidate : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        if (candidate * magnitude >= raw * 0.999) {
            mantissa = candidate;
            break;
        }
    }
    Axis axis;
    axis.step = mantissa * magnitude;
    axis.low = tight ? low : std::floor(low / axis.step + 1e-9) * axis.step;
    axis.high = tight ? high : std::ceil(high / axis.step - 1e-9) * axis.step;
    axis.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(axis.step) + 1e-9)));
    if (mantissa == 2.5) {
        ++axis.decimals;
    }
    return axis;
}

std::vector<double> ticksOf(const Axis& axis)
{
    std::vector<double> ticks;
    const auto first = static_cast<long>(std::ceil(axis.low / axis.step - 1e-9));
    const auto last = static_cast<long>(std::floor(axis.high / axis.step + 1e-9));
    for (long i = first; i <= last; ++i) {
        ticks.push_back(static_cast<double>(i) * axis.step);
    }
    return ticks;
}

// Text drawn with cairo's own font selection, sizes in device units.
class Pen
{
public:
    Pen(cairo_t* cr, double scale) : cr_(cr), scale_(scale) {}

    void font(double size, bool bold = false)
    {
        cairo_select_font_face(cr_, fontFamily, CAIRO_FONT_SLANT_NORMAL,
                               bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
        cairo_set_font_size(cr_, size * scale_);
    }
    double width(const std::string& text)
    {
        cairo_text_extents_t extents;
        cairo_text_extents(cr_, text.c_str(), &extents);
        return extents.x_advance;
    }
    double lineHeight()
    {
        cairo_font_extents_t extents;
        cairo_font_extents(cr_, &extents);
        return extents.ascent + extents.descent;
    }
    double ascent()
    {
        cairo_font_extents_t extents;
        cairo_font_extents(cr_, &extents);
        return extents.ascent;
    }
    // Draws with the top of the line at `top`; `align` 0 left, 0.5 centre, 1 right of `x`.
    void text(const std::string& text, double x, double top, double align = 0.0)
    {
        cairo_move_to(cr_, x - align * width(text), top + ascent());
        cairo_show_text(cr_, text.c_str());
    }
    double scale() const { return scale_; }

private:
    cairo_t* cr_;
    double scale_;
};

void setColour(cairo_t* cr, const Colour& colour)
{
    cairo_set_source_rgb(cr, colour.red, colour.green, colour.blue);
}

void drawMarker(cairo_t* cr, Marker marker, double x, double y, double radius, const Colour& colour)
{
    cairo_new_path(cr);
    switch (marker) {
    case Marker::circle:
        cairo_arc(cr, x, y, radius, 0.0, 2.0 * M_PI);
        break;
    case Marker::square:
        cairo_rectangle(cr, x - radius * 0.9, y - radius * 0.9, radius * 1.8, radius * 1.8);
        break;
    case Marker::triangle:
        cairo_move_to(cr, x, y - radius * 1.2);
        cairo_line_to(cr, x + radius * 1.1, y + radius * 0.8);
        cairo_line_to(cr, x - radius * 1.1, y + radius * 0.8);
        cairo_close_path(cr);
        break;
    case Marker::diamond:
        cairo_move_to(cr, x, y - radius * 1.25);
        cairo_line_to(cr, x + radius * 1.1, y);
        cairo_line_to(cr, x, y + radius * 1.25);
        cairo_line_to(cr, x - radius * 1.1, y);
        cairo_close_path(cr);
        break;
    }
    setColour(cr, colour);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_set_line_width(cr, radius * 0.3);
    cairo_stroke(cr);
}

// The chart's values in device coordinates.
struct Mapping
{
    Box plot;
    Axis x;
    Axis y;

    double px(double value) const { return plot.x + (value - x.low) / (x.high - x.low) * plot.width; }
    double py(double value) const { return plot.bottom() - (value - y.low) / (y.high - y.low) * plot.height; }
};

// The points where the data lie, in device coordinates, to find the emptiest corner.
std::vector<std::pair<double, double>> dataFootprint(const Chart& chart, const Mapping& map)
{
    std::vector<std::pair<double, double>> footprint;
    const auto add = [&](double x0, double y0, double x1, double y1) {
        const int steps = 12;
        for (int i = 0; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            footprint.emplace_back(map.px(x0 + t * (x1 - x0)), map.py(y0 + t * (y1 - y0)));
        }
    };
    for (const ChartSeries& series : chart.series) {
        for (std::size_t i = 0; i < series.points.size(); ++i) {
            const ChartPoint& p = series.points[i];
            add(p.x, p.y - p.error, p.x, p.y + p.error);
            if (series.line.empty() && i > 0) {
                add(series.points[i - 1].x, series.points[i - 1].y, p.x, p.y);
            }
        }
        for (std::size_t i = 1; i < series.line.size(); ++i) {
            add(series.line[i - 1].x, series.line[i - 1].y, series.line[i].x, series.line[i].y);
        }
    }
    return footprint;
}

// The corner of the plot (top left, top right, bottom right, bottom left) where a box of this size
// covers the fewest data, other than the corners taken.
int emptiestCorner(const Box& plot, double width, double height, double margin,
                   const std::vector<std::pair<double, double>>& footprint, const std::vector<int>& taken)
{
    int best = -1;
    std::size_t fewest = std::numeric_limits<std::size_t>::max();
    for (int corner = 0; corner < 4; ++corner) {
        if (std::find(taken.begin(), taken.end(), corner) != taken.end()) {
            continue;
        }
        const Box box{corner == 1 || corner == 2 ? plot.right() - margin - width : plot.x + margin,
                      corner >= 2 ? plot.bottom() - margin - height : plot.y + margin, width, height};
        const auto covered =
            static_cast<std::size_t>(std::count_if(footprint.begin(), footprint.end(), [&](const auto& p) {
                return box.contains(p.first, p.second);
            }));
        if (covered < fewest) {
            fewest = covered;
            best = corner;
        }
    }
    return best;
}

Box cornerBox(const Box& plot, int corner, double width, double height, double margin)
{
    return {corner == 1 || corner == 2 ? plot.right() - margin - width : plot.x + margin,
            corner >= 2 ? plot.bottom() - margin - height : plot.y + margin, width, height};
}

struct TextSizes
{
    double title;
    double subtitle;
    double axisTitle;
    double tick;
    double legend;
    double note;
};

constexpr TextSizes mainSizes{21.0, 15.0, 16.0, 14.0, 15.0, 13.5};
constexpr TextSizes insetSizes{13.0, 12.0, 12.0, 11.0, 12.0, 11.0};

void drawChart(cairo_t* cr, const Chart& chart, const Box& area, double scale, bool inset);

// The text broken at its spaces into lines no wider than `width` (a word longer stays whole).
std::vector<std::string> wrapped(Pen& pen, const std::string& text, double width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t space = text.find(' ', start);
        const std::string word =
            text.substr(start, space == std::string::npos ? std::string::npos : space - start);
        const std::string longer = line.empty() ? word : line + ' ' + word;
        if (!line.empty() && pen.width(longer) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = longer;
        }
        if (space == std::string::npos) {
            break;
        }
        start = space + 1;
    }
    lines.push_back(line);
    return lines;
}

bool inLegend(const ChartSeries& series)
{
    return !series.label.empty() || !series.notes.empty();
}

// One legend entry: its sample line and marker, its label, its notes under the label.
void drawLegendEntry(cairo_t* cr, Pen& pen, const ChartSeries& series, std::size_t position, double x,
                     double top, const TextSizes& sizes, double scale)
{
    const double pad = 8.0 * scale;
    const double sample = 26.0 * scale;
    pen.font(sizes.legend);
    const double middle = top + pen.lineHeight() / 2.0;
    const std::size_t style = styleOf(series, position);
    setColour(cr, colourOf(style));
    cairo_set_line_width(cr, 2.0 * scale);
    setDashed(cr, series.dashed, scale);
    cairo_move_to(cr, x, middle);
    cairo_line_to(cr, x + sample, middle);
    cairo_stroke(cr);
    setDashed(cr, false, scale);
    if (!series.points.empty()) {
        drawMarker(cr, markerOf(style), x + sample / 2.0, middle, 4.5 * scale, colourOf(style));
    }
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    pen.text(series.label, x + pad + sample, top);
    top += pen.lineHeight() * 1.25;
    pen.font(sizes.note);
    for (const std::string& note : series.notes) {
        cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
        pen.text(note, x + pad + sample, top);
        top += pen.lineHeight() * 1.2;
    }
}

// The size of one legend entry.
std::pair<double, double> legendEntrySize(Pen& pen, const ChartSeries& series, const TextSizes& sizes,
                                          double scale)
{
    const double indent = 34.0 * scale;
    pen.font(sizes.legend);
    double width = indent + pen.width(series.label);
    double height = pen.lineHeight() * 1.25;
    pen.font(sizes.note);
    for (const std::string& note : series.notes) {
        width = std::max(width, indent + pen.width(note));
        height += pen.lineHeight() * 1.2;
    }
    return {width, height};
}

// Where each entry of a legend under the plot goes: side by side, in as many rows as `width` asks.
struct LegendRows
{
    std::vector<std::pair<double, double>> offsets; // of each entry, from the legend's top left
    double height = 0.0;
};

LegendRows legendRows(Pen& pen, const Chart& chart, const TextSizes& sizes, double scale, double width)
{
    LegendRows rows;
    const double gap = 22.0 * scale;
    double x = 0.0;
    double y = 0.0;
    double rowHeight = 0.0;
    for (const ChartSeries& series : chart.series) {
        if (!inLegend(series)) {
            rows.offsets.emplace_back(0.0, 0.0);
            continue;
        }
        const auto [entryWidth, entryHeight] = legendEntrySize(pen, series, sizes, scale);
        if (x > 0.0 && x + entryWidth > width) {
            x = 0.0;
            y += rowHeight + gap / 3.0;
            rowHeight = 0.0;
        }
        rows.offsets.emplace_back(x, y);
        x += entryWidth + gap;
        rowHeight = std::max(rowHeight, entryHeight);
        rows.height = y + rowHeight;
    }
    return rows;
}

void drawLegendAndInset(cairo_t* cr, const Chart& chart, const Mapping& map, const TextSizes& sizes,
                        double scale, bool inset)
{
    Pen pen(cr, scale);
    const double pad = 8.0 * scale;
    const double margin = 10.0 * scale;

    // The legend: one entry per labelled series, its notes under it.
    double legendWidth = 0.0;
    double legendHeight = 0.0;
    bool anyEntry = false;
    for (const ChartSeries& series : chart.series) {
        if (!inLegend(series) || chart.legendBelow) {
            continue;
        }
        anyEntry = true;
        const auto [width, height] = legendEntrySize(pen, series, sizes, scale);
        legendWidth = std::max(legendWidth, width);
        legendHeight += height;
    }
    legendWidth += 2.0 * pad;
    legendHeight += 2.0 * pad - pen.lineHeight() * 0.2;

    const std::vector<std::pair<double, double>> footprint = dataFootprint(chart, map);
    std::vector<int> taken;
    if (anyEntry) {
        const int corner = emptiestCorner(map.plot, legendWidth, legendHeight, margin, footprint, taken);
        taken.push_back(corner);
        const Box box = cornerBox(map.plot, corner, legendWidth, legendHeight, margin);
        cairo_rectangle(cr, box.x, box.y, box.width, box.height);
        cairo_set_source_rgba(cr, 1.0, 1.0, 1.0, 0.92);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.75, 0.75, 0.75);
        cairo_set_line_width(cr, 1.0 * scale);
        cairo_stroke(cr);
        double top = box.y + pad;
        for (std::size_t s = 0; s < chart.series.size(); ++s) {
            if (inLegend(chart.series[s])) {
                drawLegendEntry(cr, pen, chart.series[s], s, box.x + pad, top, sizes, scale);
                top += legendEntrySize(pen, chart.series[s], sizes, scale).second;
            }
        }
    }

    if (chart.inset && !inset) {
        // As large as it can be without hiding data, down to a third of the plot.
        double width = 0.0;
        double height = 0.0;
        int corner = -1;
        for (double share = 0.46; share >= 0.33; share -= 0.01) {
            width = map.plot.width * share * 0.92;
            height = map.plot.height * share;
            corner = emptiestCorner(map.plot, width, height, margin, footprint, taken);
            const Box box = cornerBox(map.plot, corner, width, height, margin);
            if (std::none_of(footprint.begin(), footprint.end(),
                             [&](const auto& p) { return box.contains(p.first, p.second); })) {
                break;
            }
        }
        const Box box = cornerBox(map.plot, corner, width, height, margin);
        cairo_rectangle(cr, box.x, box.y, box.width, box.height);
        cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
        cairo_fill_preserve(cr);
        cairo_set_source_rgb(cr, 0.6, 0.6, 0.6);
        cairo_set_line_width(cr, 1.0 * scale);
        cairo_stroke(cr);
        drawChart(cr, *chart.inset, box, scale, true);
    }
}

void drawSeries(cairo_t* cr, const Chart& chart, const Mapping& map, double scale, bool inset)
{
    const double radius = (inset ? 3.5 : 4.5) * scale;
    // Markers on the frame show whole.
    const double overhang = radius * 1.5;
    cairo_save(cr);
    cairo_rectangle(cr, map.plot.x - overhang, map.plot.y - overhang, map.plot.width + 2.0 * overhang,
                    map.plot.height + 2.0 * overhang);
    cairo_clip(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (std::size_t s = 0; s < chart.series.size(); ++s) {
        const ChartSeries& series = chart.series[s];
        const std::size_t style = styleOf(series, s);
        const Colour colour = colourOf(style);
        setColour(cr, colour);
        if (!series.line.empty()) {
            cairo_set_line_width(cr, (inset ? 1.6 : 2.4) * scale);
            setDashed(cr, series.dashed, scale);
            for (std::size_t i = 0; i < series.line.size(); ++i) {
                (i == 0 ? cairo_move_to : cairo_line_to)(cr, map.px(series.line[i].x),
                                                         map.py(series.line[i].y));
            }
            cairo_stroke(cr);
            setDashed(cr, false, scale);
        } else if (series.points.size() > 1) {
            cairo_set_line_width(cr, 1.6 * scale);
            for (std::size_t i = 0; i < series.points.size(); ++i) {
                (i == 0 ? cairo_move_to : cairo_line_to)(cr, map.px(series.points[i].x),
                                                         map.py(series.points[i].y));
            }
            cairo_stroke(cr);
        }
        // Error bars, then the markers over them.
        cairo_set_line_width(cr, 1.3 * scale);
        for (const ChartPoint& p : series.points) {
            if (p.error <= 0.0) {
                continue;
            }
            const double x = map.px(p.x);
            const double cap = 4.0 * scale;
            cairo_move_to(cr, x, map.py(p.y - p.error));
            cairo_line_to(cr, x, map.py(p.y + p.error));
            cairo_move_to(cr, x - cap, map.py(p.y - p.error));
            cairo_line_to(cr, x + cap, map.py(p.y - p.error));
            cairo_move_to(cr, x - cap, map.py(p.y + p.error));
            cairo_line_to(cr, x + cap, map.py(p.y + p.error));
        }
        cairo_stroke(cr);
        for (const ChartPoint& p : series.points) {
            drawMarker(cr, markerOf(style), map.px(p.x), map.py(p.y), radius, colour);
        }
    }
    cairo_restore(cr);
}

// The axes x = 0 and y = 0 across the plot, where they fall inside it.
void drawZeroLines(cairo_t* cr, const Mapping& map, double scale)
{
    cairo_set_source_rgb(cr, 0.25, 0.25, 0.25);
    cairo_set_line_width(cr, 1.3 * scale);
    if (map.x.low < 0.0 && map.x.high > 0.0) {
        cairo_move_to(cr, std::round(map.px(0.0)) + 0.5, map.plot.y);
        cairo_line_to(cr, std::round(map.px(0.0)) + 0.5, map.plot.bottom());
    }
    if (map.y.low < 0.0 && map.y.high > 0.0) {
        cairo_move_to(cr, map.plot.x, std::round(map.py(0.0)) + 0.5);
        cairo_line_to(cr, map.plot.right(), std::round(map.py(0.0)) + 0.5);
    }
    cairo_stroke(cr);
}

// Each labelled point: a ring in its series' colour, its text on a white ground beside it, the
// labels of one place stacked so that none hides another.
void drawLabels(cairo_t* cr, const Chart& chart, const Mapping& map, const TextSizes& sizes, double scale)
{
    Pen pen(cr, scale);
    pen.font(sizes.note);
    const double gap = 4.0 * scale;
    std::vector<Box> placed;
    for (const ChartLabel& label : chart.labels) {
        const double x = map.px(label.x);
        const double y = map.py(label.y);
        if (!std::isfinite(x) || !std::isfinite(y)) {
            continue;
        }
        setColour(cr, colourOf(static_cast<std::size_t>(std::max(label.colour, 0))));
        cairo_set_line_width(cr, 2.0 * scale);
        cairo_new_path(cr); // the text drawn last leaves its end as the current point
        cairo_arc(cr, x, y, 4.0 * scale, 0.0, 2.0 * M_PI);
        cairo_stroke(cr);
        const double width = pen.width(label.text) + 2.0 * gap;
        const double height = pen.lineHeight() + gap;
        const auto overlaps = [&](const Box& box) {
            return std::any_of(placed.begin(), placed.end(), [&](const Box& other) {
                return box.x < other.right() && other.x < box.right() && box.y < other.bottom() &&
                       other.y < box.bottom();
            });
        };
        const auto inside = [&](Box box) {
            box.x = std::clamp(box.x, map.plot.x, std::max(map.plot.x, map.plot.right() - width));
            box.y = std::clamp(box.y, map.plot.y, std::max(map.plot.y, map.plot.bottom() - height));
            return box;
        };
        // Above right of the point, else below right, above left, below left; failing those, the
        // first free place up or down the plot from it.
        Box box = inside({x + gap, y - gap - height, width, height});
        for (const Box& candidate :
             {Box{x + gap, y + gap, width, height}, Box{x - gap - width, y - gap - height, width, height},
              Box{x - gap - width, y + gap, width, height}}) {
            if (!overlaps(box)) {
                break;
            }
            box = inside(candidate);
        }
        for (int step = 1; overlaps(box) && step < 24; ++step) {
            const double shift = (step % 2 == 0 ? 1.0 : -1.0) * ((step + 1) / 2) * height;
            box = inside({box.x, y - gap - height + shift, width, height});
        }
        placed.push_back(box);
        cairo_rectangle(cr, box.x, box.y, box.width, box.height);
        cairo_set_source_rgba(cr, 1.0, 1.0, 1.0, 0.88);
        cairo_fill(cr);
        setColour(cr, colourOf(static_cast<std::size_t>(std::max(label.colour, 0))));
        pen.text(label.text, box.x + gap, box.y + gap * 0.5);
    }
}

// A dashed grey line across the plot at the mark, its label at the top, on the side with room.
void drawMark(cairo_t* cr, const ChartMark& mark, const Mapping& map, const TextSizes& sizes, double scale)
{
    const double x = map.px(mark.x);
    if (!std::isfinite(x) || x < map.plot.x - 0.5 || x > map.plot.right() + 0.5) {
        return;
    }
    cairo_save(cr);
    cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
    cairo_set_line_width(cr, 1.4 * scale);
    const double dashes[] = {6.0 * scale, 4.0 * scale};
    cairo_set_dash(cr, dashes, 2, 0.0);
    cairo_move_to(cr, std::round(x) + 0.5, map.plot.y);
    cairo_line_to(cr, std::round(x) + 0.5, map.plot.bottom());
    cairo_stroke(cr);
    cairo_restore(cr);
    Pen pen(cr, scale);
    pen.font(sizes.note);
    const double gap = 4.0 * scale;
    const bool leftOfLine = x + gap + pen.width(mark.label) > map.plot.right();
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    pen.text(mark.label, leftOfLine ? x - gap : x + gap, map.plot.y + gap, leftOfLine ? 1.0 : 0.0);
}

void drawChart(cairo_t* cr, const Chart& chart, const Box& area, double scale, bool inset)
{
    const TextSizes& sizes = inset ? insetSizes : mainSizes;
    Pen pen(cr, scale);
    const double gap = (inset ? 5.0 : 9.0) * scale;

    // The data's extent.
    double xLow = std::numeric_limits<double>::infinity();
    double xHigh = -xLow;
    double yLow = xLow;
    double yHigh = -xLow;
    const auto extend = [&](double x, double y) {
        if (std::isfinite(x) && std::isfinite(y)) {
            xLow = std::min(xLow, x);
            xHigh = std::max(xHigh, x);
            yLow = std::min(yLow, y);
            yHigh = std::max(yHigh, y);
        }
    };
    for (const ChartSeries& series : chart.series) {
        for (const ChartPoint& p : series.points) {
            extend(p.x, p.y - p.error);
            extend(p.x, p.y + p.error);
        }
        for (const ChartLinePoint& p : series.line) {
            extend(p.x, p.y);
        }
    }
    if (chart.xRange) {
        xLow = chart.xRange->first;
        xHigh = chart.xRange->second;
    }
    // Error bars of measures that are never negative do not stretch the axis below 0.
    bool anyNegative = false;
    for (const ChartSeries& series : chart.series) {
        for (const ChartPoint& p : series.points) {
            anyNegative = anyNegative || p.y < 0.0;
        }
        for (const ChartLinePoint& p : series.line) {
            anyNegative = anyNegative || p.y < 0.0;
        }
    }
    if (chart.yIncludesZero && !anyNegative) {
        yLow = std::max(yLow, 0.0);
    }
    Mapping map;
    // About ten steps along the values swept, six up the measure; fewer inset.
    map.x = niceAxis(xLow, xHigh, chart.xIncludesZero, true, inset ? 5.0 : 10.0);
    map.y = niceAxis(yLow, yHigh, chart.yIncludesZero, false, inset ? 4.0 : 6.0);
    const std::vector<double> xTicks = ticksOf(map.x);
    const std::vector<double> yTicks = ticksOf(map.y);

    // Room around the plot: titles above, the y axis's numbers and title on the left, the x axis's
    // below, then the footnotes.
    double top = area.y + gap;
    if (!chart.title.empty()) {
        pen.font(sizes.title, !inset);
        cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
        pen.text(chart.title, area.x + area.width / 2.0, top, 0.5);
        top += pen.lineHeight() * 1.1;
    }
    if (!chart.subtitle.empty()) {
        pen.font(sizes.subtitle);
        cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
        pen.text(chart.subtitle, area.x + area.width / 2.0, top, 0.5);
        top += pen.lineHeight() * 1.1;
    }
    top += gap;
    pen.font(sizes.tick);
    double yLabelWidth = 0.0;
    for (const double tick : yTicks) {
        yLabelWidth =
            std::max(yLabelWidth, pen.width(french::number(tick, map.y.decimals, chart.decimalMark)));
    }
    const double tickHeight = pen.lineHeight();
    pen.font(sizes.axisTitle);
    const double axisTitleHeight = pen.lineHeight();
    pen.font(sizes.note);
    std::vector<std::string> footnoteLines;
    std::vector<std::string> notes = chart.footnotes;
    if (chart.inset && !inset) {
        notes.insert(notes.end(), chart.insetNotes.begin(), chart.insetNotes.end());
    }
    for (const std::string& footnote : notes) {
        for (std::string& line : wrapped(pen, footnote, area.width - 2.0 * gap)) {
            footnoteLines.push_back(std::move(line));
        }
    }
    const double footnotesHeight = static_cast<double>(footnoteLines.size()) * pen.lineHeight() * 1.15;
    const LegendRows legend =
        chart.legendBelow ? legendRows(pen, chart, sizes, scale, area.width - 2.0 * gap) : LegendRows{};
    const double legendHeight = legend.height > 0.0 ? legend.height + gap : 0.0;
    const double left = area.x + gap + axisTitleHeight + gap + yLabelWidth + gap * 0.7;
    const double bottom =
        area.bottom() - gap - footnotesHeight - legendHeight - axisTitleHeight - gap * 0.6 - tickHeight - gap;
    pen.font(sizes.tick);
    const double lastXLabel =
        xTicks.empty() ? 0.0 : pen.width(french::number(xTicks.back(), map.x.decimals, chart.decimalMark));
    map.plot = {left, top, area.right() - left - std::max(gap * 2.0, lastXLabel / 2.0 + gap), bottom - top};
    if (map.plot.width <= 10.0 || map.plot.height <= 10.0) {
        return;
    }

    // Grid and frame.
    cairo_set_line_width(cr, 1.0 * scale);
    cairo_set_source_rgb(cr, 0.88, 0.88, 0.88);
    for (const double tick : xTicks) {
        cairo_move_to(cr, std::round(map.px(tick)) + 0.5, map.plot.y);
        cairo_line_to(cr, std::round(map.px(tick)) + 0.5, map.plot.bottom());
    }
    for (const double tick : yTicks) {
        cairo_move_to(cr, map.plot.x, std::round(map.py(tick)) + 0.5);
        cairo_line_to(cr, map.plot.right(), std::round(map.py(tick)) + 0.5);
    }
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    cairo_set_line_width(cr, 1.2 * scale);
    cairo_rectangle(cr, map.plot.x, map.plot.y, map.plot.width, map.plot.height);
    cairo_stroke(cr);

    // The axes' numbers and titles.
    pen.font(sizes.tick);
    cairo_set_source_rgb(cr, 0.15, 0.15, 0.15);
    for (const double tick : xTicks) {
        pen.text(french::number(tick, map.x.decimals, chart.decimalMark), map.px(tick),
                 map.plot.bottom() + gap * 0.6, 0.5);
    }
    for (const double tick : yTicks) {
        pen.text(french::number(tick, map.y.decimals, chart.decimalMark), map.plot.x - gap * 0.7,
                 map.py(tick) - tickHeight / 2.0, 1.0);
    }
    pen.font(sizes.axisTitle);
    cairo_set_source_rgb(cr, 0.1, 0.1, 0.1);
    pen.text(chart.xTitle, map.plot.x + map.plot.width / 2.0,
             map.plot.bottom() + gap * 0.6 + tickHeight + gap * 0.6, 0.5);
    cairo_save(cr);
    cairo_translate(cr, area.x + gap, map.plot.y + map.plot.height / 2.0);
    cairo_rotate(cr, -M_PI / 2.0);
    pen.text(chart.yTitle, 0.0, 0.0, 0.5);
    cairo_restore(cr);
    pen.font(sizes.note);
    cairo_set_source_rgb(cr, 0.3, 0.3, 0.3);
    double footnoteTop = area.bottom() - gap - footnotesHeight;
    for (const std::string& line : footnoteLines) {
        pen.text(line, area.x + gap, footnoteTop);
        footnoteTop += pen.lineHeight() * 1.15;
    }
    if (legend.height > 0.0) {
        const double legendTop = area.bottom() - gap - footnotesHeight - legendHeight + gap * 0.5;
        for (std::size_t s = 0; s < chart.series.size(); ++s) {
            if (inLegend(chart.series[s])) {
                drawLegendEntry(cr, pen, chart.series[s], s, area.x + gap + legend.offsets[s].first,
                                legendTop + legend.offsets[s].second, sizes, scale);
            }
        }
    }

    if (chart.zeroLines) {
        drawZeroLines(cr, map, scale);
    }
    if (chart.mark) {
        drawMark(cr, *chart.mark, map, sizes, scale);
    }
    drawSeries(cr, chart, map, scale, inset);
    drawLabels(cr, chart, map, sizes, scale);
    drawLegendAndInset(cr, chart, map, sizes, scale, inset);
}

void drawWholeChart(cairo_t* cr, const Chart& chart, double width, double height, double scale)
{
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);
    cairo_paint(cr);
    drawChart(cr, chart, {0.0, 0.0, width, height}, scale, false);
}

using SurfaceHandle = CairoSurface;
using ContextHandle = CairoContext;

} // namespace

cairo_status_t writeToStream(void* closure, const unsigned char* data, unsigned int length)
{
    auto& out = *static_cast<std::ostream*>(closure);
    out.write(reinterpret_cast<const char*>(data), length);
    return out ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_WRITE_ERROR;
}

ChartImage imageOf(cairo_surface_t* surface)
{
    cairo_surface_flush(surface);
    ChartImage image;
    image.width = cairo_image_surface_get_width(surface);
    image.height = cairo_image_surface_get_height(surface);
    image.stride = cairo_image_surface_get_stride(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    image.pixels.assign(data, data + static_cast<std::size_t>(image.stride) *
                                         static_cast<std::size_t>(image.height));
    return image;
}

void drawChartInBox(cairo_t* cr, const Chart& chart, double x, double y, double width, double height,
                    double scale)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rectangle(cr, 0, 0, width, height);
    cairo_clip(cr);
    drawWholeChart(cr, chart, width, height, scale);
    cairo_restore(cr);
}

ChartImage renderChartImage(const Chart& chart, int width, int height, double scale)
{
    ChartImage image;
    if (width <= 0 || height <= 0) {
        return image;
    }
    const SurfaceHandle surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return image;
    }
    {
        const ContextHandle cr(cairo_create(surface.get()));
        drawWholeChart(cr.get(), chart, width, height, scale);
    }
    return imageOf(surface.get());
}

bool writeChart(const Chart& chart, ChartFormat format, std::ostream& out, int width, int height)
{
    if (width <= 0 || height <= 0) {
        return false;
    }
    SurfaceHandle surface;
    switch (format) {
    case ChartFormat::png:
        surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
        break;
    case ChartFormat::svg:
        surface.reset(cairo_svg_surface_create_for_stream(writeToStream, &out, width, height));
        break;
    case ChartFormat::pdf:
        surface.reset(cairo_pdf_surface_create_for_stream(writeToStream, &out, width, height));
        break;
    }
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        return false;
    }
    bool drawn = false;
    {
        const ContextHandle cr(cairo_create(surface.get()));
        drawWholeChart(cr.get(), chart, width, height, 1.0);
        cairo_show_page(cr.get());
        drawn = cairo_status(cr.get()) == CAIRO_STATUS_SUCCESS;
    }
    if (format == ChartFormat::png) {
        drawn = drawn &&
                cairo_surface_write_to_png_stream(surface.get(), writeToStream, &out) == CAIRO_STATUS_SUCCESS;
    }
    cairo_surface_finish(surface.get());
    return drawn && cairo_surface_status(surface.get()) == CAIRO_STATUS_SUCCESS && static_cast<bool>(out);
}

} // namespace velmora
