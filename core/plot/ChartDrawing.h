#pragma once

#include "plot/Chart.h"
#include "plot/ChartRenderer.h"

#include <cairo.h>

#include <memory>

namespace velmora {

// Draws a chart on white into the box of `cr` at (x, y), `width` x `height` in its units, for a page
// that holds more than the chart.
void drawChartInBox(cairo_t* cr, const Chart& chart, double x, double y, double width, double height,
                    double scale = 1.0);

// cairo's objects, released when they go.
struct CairoRelease
{
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoRelease>;
using CairoContext = std::unique_ptr<cairo_t, CairoRelease>;

// cairo's writing function for a std::ostream given as the closure.
cairo_status_t writeToStream(void* closure, const unsigned char* data, unsigned int length);

// The pixels of an image surface, once drawn.
ChartImage imageOf(cairo_surface_t* surface);

} // namespace velmora
