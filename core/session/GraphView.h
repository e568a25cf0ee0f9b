#pragma once

#include "lab/CourseRecord.h"
#include "model/TimeCourse.h"
#include "model/World.h"

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// The time-course graph drawn on a W x H surface, as the window draws it, in numbers for a front
// end that draws it itself: the black plot of rows 0..plotHeight, the white curve, the coloured
// marks over it, the time-axis labels on the strip below (reaching the longest run shown, kept or
// running), and the kept runs behind the curve, each in per cent of its own starting quantity
// along its own seconds of the page shown, with its temperature and pH changes.
struct GraphPoint
{
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct GraphMarkLine
{
    std::int32_t x = 0;
    std::int32_t colour = 0; // 0x00BBGGRR
};

struct GraphView
{
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t plotHeight = 0;
    std::vector<GraphPoint> curve; // one point draws nothing
    std::vector<GraphMarkLine> marks;
    std::vector<TimeAxisLabel> labels;
    std::vector<std::vector<GraphPoint>> kept;        // kept run i, in the colour and dash of its place
    std::vector<std::vector<std::int32_t>> keptMarks; // kept run i's temperature and pH changes: x
    // Kept run i's last second when it has none on this page (its legend line says when it ended),
    // else -1.
    std::vector<std::int64_t> keptEnded;
};

// The graph's text size in points, and so the labels' spacing.
inline constexpr std::int32_t graphFontPoints = 7;

// `digitWidth`: the width in pixels of one digit of the labels' font (all digits are as wide). On a
// screen larger than the one the graph was designed for, its texts grow: the labels' `fontPoints`
// and the strip's `stripHeight` with them.
GraphView graphView(const World& world, const std::vector<CourseRecord>& kept, std::int32_t width,
                    std::int32_t height, std::int32_t digitWidth, std::int32_t fontPoints = graphFontPoints,
                    std::int32_t stripHeight = graphStripHeight);

} // namespace velmora
