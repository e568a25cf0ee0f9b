#include "plot/ChartFormat.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace velmora {

std::optional<ChartFormat> chartFormatFor(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    std::string ending(fileName.substr(dot + 1));
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ending == "png") {
        return ChartFormat::png;
    }
    if (ending == "svg") {
        return ChartFormat::svg;
    }
    if (ending == "pdf") {
        return ChartFormat::pdf;
    }
    return std::nullopt;
}

} // namespace velmora
