#include "session/GraphView.h"

#include <algorithm>
#include <iterator>

namespace velmora {

GraphView graphView(const World& world, const std::vector<CourseRecord>& kept, std::int32_t width,
                    std::int32_t height, std::int32_t digitWidth, std::int32_t fontPoints,
                    std::int32_t stripHeight)
{
    GraphView view;
    view.width = width;
    view.height = height;
    view.plotHeight = graphPlotHeight(height, stripHeight);
    if (width <= 0 || view.plotHeight <= 0) {
        return view;
    }

    std::int32_t secondsShown = world.graphCount;
    const std::int64_t offset = world.graphTimeOffset;
    for (const CourseRecord& course : kept) {
        std::vector<GraphPoint>& line = view.kept.emplace_back();
        std::vector<std::int32_t>& changes = view.keptMarks.emplace_back();
        const std::vector<RecordedSecond>& seconds = course.seconds();
        const auto first = std::lower_bound(
            seconds.begin(), seconds.end(), offset + 1,
            [](const RecordedSecond& recorded, std::int64_t second) { return recorded.second < second; });
        auto s = first;
        for (; s != seconds.end() && s->second - offset <= graphSeconds; ++s) {
            const auto second = static_cast<std::int32_t>(s->second - offset);
            const std::int32_t percent = substratePercent(s->substrate, course.substrateAmount());
            line.push_back({graphSecondX(second, width), (100 - percent) * view.plotHeight / 100});
            secondsShown = std::max(secondsShown, second);
            // A change shows where the graph marked it: the second before the first one recorded
            // with the new value.
            if (s != seconds.begin()) {
                const RecordedSecond& before = *std::prev(s);
                const std::int64_t marked = before.second - offset;
                if ((before.temperature != s->temperature || before.ph != s->ph) && marked >= 1) {
                    changes.push_back(graphSecondX(static_cast<std::int32_t>(marked), width));
                }
            }
        }
        view.keptEnded.push_back(first == s && !seconds.empty() ? seconds.back().second : -1);
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
    view.labels = timeAxisLabels(world, width, height, fontPoints, textWidth, stripHeight, secondsShown);
    return view;
}

} // namespace velmora
