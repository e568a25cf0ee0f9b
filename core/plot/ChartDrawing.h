#pragma once

#include "plot/Chart.h"

#include <cairo.h>

namespace velmora {

// Draws a chart on white into the box of `cr` at (x, y), `width` x `height` in its units, for a page
// that holds more than the chart.
void drawChartInBox(cairo_t* cr, const Chart& chart, double x, double y, double width, double height,
                    double scale = 1.0);

} // namespace velmora
