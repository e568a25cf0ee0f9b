#pragma once

#include <optional>
#include <string_view>

namespace velmora {

// The file formats of the activity charts.
enum class ChartFormat
{
    png,
    svg,
    pdf,
};

// The format named by a file name's ending (.png, .svg, .pdf, in any case), if any.
std::optional<ChartFormat> chartFormatFor(std::string_view fileName);

} // namespace velmora
