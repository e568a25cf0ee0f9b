#include "model/Tick.h"
#include "model/TimeCourse.h"
#include "support/Scenario.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

std::unique_ptr<World> graphWorld()
{
    auto world = testing::scenario(Reaction::lactoseHydrolysis);
    world->count[Kind::lactose] = 60;
    WindowUpdate update;
    effacerecran1Click(*world, update);
    return world;
}

TEST(TimeCourse, EachSecondStoresTheSubstrateLeft)
{
    auto world = graphWorld();
    WindowUpdate update;
    avancedansgraphe1Click(*world, update);
    EXPECT_EQ(world->graphCount, 1);
    EXPECT_EQ(world->graphSamples[1], 60);
    EXPECT_EQ(update.elapsedSeconds, 1);
    EXPECT_TRUE(update.redrawGraph);
    EXPECT_EQ(timeLabelText(*update.elapsedSeconds), "1 s");
}

TEST(TimeCourse, NothingIsRecordedWhileStoppedOrWithoutSubstrate)
{
    for (const bool running : {false, true}) {
        auto world = graphWorld();
        world->running = running;
        world->substrateAmount = running ? 0 : 100;
        WindowUpdate update;
        avancedansgraphe1Click(*world, update);
        EXPECT_EQ(world->graphCount, 0);
        EXPECT_FALSE(update.elapsedSeconds.has_value());
        EXPECT_FALSE(update.redrawGraph);
    }
}

TEST(TimeCourse, The101stSecondOpensANewPage)
{
    auto world = graphWorld();
    for (int second = 1; second <= 100; ++second) {
        WindowUpdate update;
        avancedansgraphe1Click(*world, update);
    }
    world->graphMarks[50] = phMarkColour;
    ASSERT_EQ(world->graphCount, 100);

    WindowUpdate rollOver;
    avancedansgraphe1Click(*world, rollOver);
    EXPECT_EQ(rollOver.elapsedSeconds, 101);
    EXPECT_EQ(world->graphCount, 0);
    EXPECT_EQ(world->graphTimeOffset, 100);
    EXPECT_EQ(world->graphMarks[50], noMark);
    EXPECT_TRUE(rollOver.redrawGraph);

    world->count[Kind::lactose] = 41;
    WindowUpdate next;
    avancedansgraphe1Click(*world, next);
    EXPECT_EQ(next.elapsedSeconds, 101) << "the same time shows twice";
    EXPECT_EQ(world->graphCount, 1);
    EXPECT_EQ(world->graphSamples[1], 41);
}

TEST(TimeCourse, MarksLandOnTheCurrentSecondAndTheLaterWins)
{
    auto world = graphWorld();
    recordGraphMark(*world, temperatureMarkColour);
    EXPECT_EQ(world->graphMarks[0], temperatureMarkColour) << "before the first second: never drawn";
    world->graphCount = 7;
    recordGraphMark(*world, temperatureMarkColour);
    recordGraphMark(*world, phMarkColour);
    EXPECT_EQ(world->graphMarks[7], phMarkColour);

    WindowUpdate update;
    world->graphTimeOffset = 200;
    world->tickCounter = 13;
    effacerecran1Click(*world, update);
    EXPECT_EQ(world->graphMarks[7], noMark);
    EXPECT_EQ(world->graphTimeOffset, 200);
    EXPECT_EQ(world->tickCounter, 0);
    EXPECT_FALSE(update.elapsedSeconds.has_value()) << "the time label keeps its text";
}

TEST(TimeCourse, TheTickAdvancesTheGraphEveryTwentiethTick)
{
    auto world = graphWorld();
    for (int tick = 1; tick <= 40; ++tick) {
        WindowUpdate update;
        Timer2Timer(*world, testing::testScene, update);
        EXPECT_EQ(update.elapsedSeconds.has_value(), tick % 20 == 0) << tick;
        EXPECT_EQ(world->tickCounter, tick % 20);
    }
    EXPECT_EQ(world->graphCount, 2);
}

TEST(TimeCourse, CurveRowsScaleToTheSubstrateQuantity)
{
    auto world = graphWorld();
    world->substrateAmount = 80;
    const std::int32_t plot = graphPlotHeight(315);
    EXPECT_EQ(plot, 295);
    const std::pair<std::int32_t, std::int32_t> samples[] = {{80, 0}, {0, 295}, {40, 147}, {100, -73}, {79, 5}};
    for (const auto& [sample, row] : samples) {
        world->graphSamples[1] = sample;
        EXPECT_EQ(graphCurveY(*world, 1, plot), row) << sample;
    }
    EXPECT_TRUE(graphHasCurve(*world));
    world->substrateAmount = 0;
    EXPECT_FALSE(graphHasCurve(*world));
    EXPECT_EQ(graphSecondX(100, 432), 432);
    EXPECT_EQ(graphSecondX(1, 432), 4);
}

TEST(TimeCourse, TimeLabelsShiftByTheDigitsOfTheirSecondAlone)
{
    auto world = graphWorld();
    world->graphCount = 4;
    EXPECT_EQ(timeAxisLabelCount(*world), 0);
    world->graphCount = 12;
    world->graphTimeOffset = 100;
    ASSERT_EQ(timeAxisLabelCount(*world), 2);
    const TimeAxisLabel first = timeAxisLabel(*world, 1, 432, 315, 7);
    EXPECT_EQ(first.text, "105");
    EXPECT_EQ(first.x, 5 * 432 / 100 - 3);
    EXPECT_EQ(first.y, 297);
    const TimeAxisLabel second = timeAxisLabel(*world, 2, 432, 315, 7);
    EXPECT_EQ(second.text, "110");
    EXPECT_EQ(second.x, 10 * 432 / 100 - 6);
}

TEST(TimeCourse, TimeLabelsStayWholeInsideTheSurfaceAndNeverOverprint)
{
    // About the window's 7-point font: 5 pixels a digit.
    const LabelWidth width = [](const std::string& text) {
        return static_cast<std::int32_t>(5 * text.size());
    };
    struct Case
    {
        std::int32_t surface; // graph width on a 1024 x 768, an 800 x 600 and a 1920 x 1080 screen
        std::int32_t offset;
        std::int32_t drawn; // labels on a full page
    };
    const Case cases[] = {{432, 0, 20}, {432, 100, 20}, {432, 1000, 10}, {320, 0, 20},
                          {320, 100, 10}, {880, 100, 20}, {880, 10000, 20}, {60, 100, 2}};
    for (const Case& c : cases) {
        auto world = graphWorld();
        world->graphCount = 100;
        world->graphTimeOffset = c.offset;
        const std::vector<TimeAxisLabel> labels = timeAxisLabels(*world, c.surface, 315, 7, width);
        ASSERT_EQ(static_cast<std::int32_t>(labels.size()), c.drawn) << c.surface << " " << c.offset;
        EXPECT_EQ(labels.back().text, std::to_string(c.offset + 100));
        EXPECT_EQ(labels.back().x + width(labels.back().text), c.surface) << "the page's end, shifted left";
        for (std::size_t i = 0; i < labels.size(); ++i) {
            EXPECT_GE(labels[i].x, 0);
            EXPECT_EQ(labels[i].y, 297);
            if (i > 0) {
                EXPECT_GE(labels[i].x, labels[i - 1].x + width(labels[i - 1].text) + 3) << labels[i].text;
            }
        }
    }
    // Where a label fits, it keeps its usual place; only the crowd at the page's end moves.
    auto world = graphWorld();
    world->graphCount = 100;
    const std::vector<TimeAxisLabel> labels = timeAxisLabels(*world, 432, 315, 7, width);
    for (std::int32_t j = 1; j <= 18; ++j) {
        EXPECT_EQ(labels[j - 1].x, timeAxisLabel(*world, j, 432, 315, 7).x) << j;
    }
    // The labels of a page fill in as its seconds go by, at the same places.
    world->graphCount = 12;
    ASSERT_EQ(timeAxisLabels(*world, 432, 315, 7, width).size(), 2u);
    EXPECT_EQ(timeAxisLabels(*world, 432, 315, 7, width)[1].x, labels[1].x);
}

TEST(TimeCourse, AxisLabelsInPerCentOrArbitraryUnits)
{
    EXPECT_EQ(axisLabels(80, true).top, "100 %");
    EXPECT_EQ(axisLabels(80, true).bottom, "0 %");
    EXPECT_EQ(axisLabels(80, false).top, "80 UA");
    EXPECT_EQ(axisLabels(80, false).bottom, "0 UA");
}

} // namespace
} // namespace velmora
