#include "model/TimeCourse.h"

#include "model/Arithmetic.h"

#include <algorithm>
#include <array>

namespace velmora {

void avancedansgraphe1Click(World& world, WindowUpdate& update)
{
    if (world.substrateAmount == 0 || !world.running) {
        return;
    }
    ++world.graphCount;
    update.elapsedSeconds = wrapAdd(world.graphCount, world.graphTimeOffset);
    if (world.graphCount > graphSeconds) {
        // The 101st second opens a new page and stores no sample; the next second shows the
        // same time again and stores the first sample of the page.
        world.graphTimeOffset = wrapAdd(world.graphTimeOffset, graphSeconds);
        effacerecran1Click(world, update);
        return;
    }
    world.graphSamples[world.graphCount] = world.count[world.substrateKind];
    update.redrawGraph = true;
}

void effacerecran1Click(World& world, WindowUpdate& update)
{
    world.graphCount = 0;
    world.tickCounter = 0;
    for (std::int32_t i = 1; i <= graphSeconds; ++i) {
        world.graphMarks[i] = noMark;
    }
    update.redrawGraph = true;
}

void recordGraphMark(World& world, std::int32_t colour)
{
    world.graphMarks[world.graphCount] = colour;
}

std::string timeLabelText(std::int32_t seconds)
{
    return std::to_string(seconds) + " s";
}

AxisLabels axisLabels(std::int32_t substrateAmount, bool percent, std::string_view unit)
{
    if (percent) {
        return {"100 %", "0 %"};
    }
    return {std::to_string(substrateAmount) + " " + std::string(unit), "0 " + std::string(unit)};
}

bool graphHasCurve(const World& world)
{
    return world.substrateAmount != 0;
}

std::int32_t graphCurveY(const World& world, std::int32_t second, std::int32_t plotHeight)
{
    const std::int32_t percent = world.graphSamples[second] * 100 / world.substrateAmount;
    return (100 - percent) * plotHeight / 100;
}

std::int32_t timeAxisLabelCount(const World& world)
{
    return world.graphCount / 5;
}

TimeAxisLabel timeAxisLabel(const World& world, std::int32_t j, std::int32_t width, std::int32_t height,
                            std::int32_t fontPoints, std::int32_t stripHeight)
{
    const std::int32_t second = 5 * j;
    // The shift counts the digits of 5j alone, not those of the page's offset.
    const auto digits = static_cast<std::int32_t>(std::to_string(second).size());
    TimeAxisLabel label;
    label.x = graphSecondX(second, width) - digits * (fontPoints / 2);
    label.y = graphPlotHeight(height, stripHeight) + 2;
    label.text = std::to_string(wrapAdd(second, world.graphTimeOffset));
    return label;
}

std::vector<TimeAxisLabel> timeAxisLabels(const World& world, std::int32_t width, std::int32_t height,
                                          std::int32_t fontPoints, const LabelWidth& textWidth,
                                          std::int32_t stripHeight, std::int32_t secondsShown)
{
    constexpr std::int32_t pageLabels = graphSeconds / 5;
    std::array<TimeAxisLabel, pageLabels + 1> page;
    std::array<std::int32_t, pageLabels + 1> widths{};
    for (std::int32_t j = 1; j <= pageLabels; ++j) {
        page[j] = timeAxisLabel(world, j, width, height, fontPoints, stripHeight);
        widths[j] = textWidth(page[j].text);
    }
    const std::int32_t gap = fontPoints / 2;

    // Places labels `every`, 2 x `every`, ... up to label `last`, from the right. Returns whether
    // the labels after each pushed none of them left by more than half of five seconds, nor out of
    // the surface.
    std::vector<TimeAxisLabel> placed;
    const auto place = [&](std::int32_t every, std::int32_t last) {
        placed.clear();
        bool fits = true;
        std::int32_t end = width;
        for (std::int32_t j = last - last % every; j >= every; j -= every) {
            TimeAxisLabel label = page[j];
            const std::int32_t inside = std::min(label.x, width - widths[j]);
            label.x = std::min(inside, end - widths[j]);
            fits = fits && label.x >= 0 && inside - label.x <= width / 40;
            end = label.x - gap;
            placed.push_back(label);
        }
        std::reverse(placed.begin(), placed.end());
        return fits;
    };
    for (const std::int32_t every : {1, 2, 4, 5, 10, 20}) {
        if (place(every, pageLabels) || every == pageLabels) {
            const std::int32_t shown = secondsShown < 0 ? world.graphCount : secondsShown;
            place(every, std::clamp(shown, 0, graphSeconds) / 5);
            break;
        }
    }
    return placed;
}

} // namespace velmora
