#include "session/GraphView.h"

#include <algorithm>

namespace velmora {

GraphView graphView(const World& world, const std::vector<CourseRecord>& kept, std::int32_t width,
                    std::int32_t height, std::int32_t digitWidth)
{
    GraphView view;
    view.width = width;
    view.height = height;
    view.plotHeight = graphPlotHeight(height);
    if (width <= 0 || view.plotHeight <= 0) {
        return view;
    }

    for (const CourseRecord& course : kept) {
        std::vector<GraphPoint>& line = view.kept.emplace_back();
        const std::vector<RecordedSecond>& seconds = course.seconds();
        const std::int64_t offset = world.graphTimeOffset;
        auto s = std::lower_bound(
            seconds.begin(), seconds.end(), offset + 1,
            [](const RecordedSecond& recorded, std::int64_t second) { return recorded.second < second; });
        for (; s != seconds.end() && s->second - offset <= graphSeconds; ++s) {
            const std::int32_t percent = substratePercent(s->substrate, course.substrateAmount());
            line.push_back({graphSecondX(static_cast<std::int32_t>(s->second - offset), width),
                            (100 - percent) * view.plotHeight / 100});
        }
    }

    if (graphHasCurve(world) && world.graphCount >= 2) {
        for (std::int32_t i = 1; i <= world.graphCount; ++i) {
            view.curve.push_back({graphSecondX(i, width), graphCurveY(world, i, view.plotHeight)});
        }
    }
    for (std::int32_t i = 1; i <= world.graphCount; ++i) {
        if (world.graphMarks[i] > 0) {
            view.marks.push_back({graphSecondX(i, width), world.graphMarks[i]});
        }
    }
    const auto textWidth = [digitWidth](const std::string& text) {
        return static_cast<std::int32_t>(text.size()) * digitWidth;
    };
    view.labels = timeAxisLabels(world, width, height, graphFontPoints, textWidth);
    return view;
}

} // namespace velmora
