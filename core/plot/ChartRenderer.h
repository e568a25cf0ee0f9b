#pragma once

#include "plot/Chart.h"
#include "plot/ChartFormat.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace velmora {

// Draws charts with cairo, without a screen: into memory, or as PNG, SVG or PDF. Text is set in
// Liberation Sans. Safe to call from any thread, one chart per call.

// Pixels in cairo's ARGB32 layout: 32 bits per pixel in native byte order, alpha premultiplied,
// rows `stride` bytes apart; QImage::Format_ARGB32_Premultiplied reads it as it is.
struct ChartImage
{
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<std::uint8_t> pixels;
};

// `width` x `height` pixels; `scale` enlarges the text and lines (2 for a screen at 200 %).
ChartImage renderChartImage(const Chart& chart, int width, int height, double scale = 1.0);

// Writes the chart, `width` x `height` pixels (points for SVG and PDF). False when cairo failed or
// the stream did not take the bytes.
bool writeChart(const Chart& chart, ChartFormat format, std::ostream& out, int width = 960, int height = 640);

} // namespace velmora
