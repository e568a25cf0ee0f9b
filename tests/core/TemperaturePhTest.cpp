#include "experiment/PanelCommands.h"
#include "experiment/TemperaturePh.h"
#include "model/TimeCourse.h"
#include "support/Scenario.h"

#include <gtest/gtest.h>

#include <climits>

namespace velmora {
namespace {

// A lactose-hydrolysis World (optimum pH 8) with `enzymes` enzymes.
std::unique_ptr<World> withEnzymes(std::int32_t enzymes)
{
    auto world = testing::scenario(Reaction::lactoseHydrolysis);
    for (std::int32_t e = 1; e <= enzymes; ++e) {
        testing::place(*world, Kind::enzyme, 0, 0);
    }
    return world;
}

std::int32_t denaturedCount(const World& world)
{
    std::int32_t n = 0;
    for (std::int32_t e = 1; e < slotCount; ++e) {
        n += world.denatured[e] ? 1 : 0;
    }
    return n;
}

TEST(TemperaturePh, DenaturedShareGrowsWithHeatAndPhDistance)
{
    struct Case
    {
        std::int32_t temperature, distance, share;
    };
    const Case cases[] = {
        {40, 0, 0},  {41, 0, 2},  {50, 0, 25}, {60, 0, 50}, {70, 0, 75}, {80, 0, 100}, {-10, 0, 0},
        {20, 2, 0},  {20, 3, 18}, {20, 4, 32}, {20, 5, 50}, {20, 6, 72}, {20, 7, 98},  {20, 8, 128},
        {60, 3, 59},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(denaturedShare(c.temperature, c.distance), c.share) << c.temperature << " C, d " << c.distance;
    }
}

TEST(TemperaturePh, ChargeSharesByPhDistance)
{
    const std::int32_t charged[] = {0, 15, 30, 55, 90, 135, 190, 255, 330};
    const std::int32_t doubly[] = {0, 0, 0, 0, 20, 45, 80, 125, 180};
    for (std::int32_t d = 0; d <= 8; ++d) {
        EXPECT_EQ(chargedShare(d), charged[d]) << d;
        EXPECT_EQ(doublyChargedShare(d), doubly[d]) << d;
    }
}

TEST(TemperaturePh, DenaturationMarksTheFirstEnzymes)
{
    struct Case
    {
        std::int32_t enzymes, temperature, ph, marked;
    };
    const Case cases[] = {
        {100, 40, 8, 0}, {100, 41, 8, 2}, {100, 60, 8, 50}, {100, 90, 8, 100},
        {50, 20, 0, 50}, // s = 128: every enzyme, and none past the last
        {0, 90, 8, 0},   {7, 50, 8, 1},
    };
    for (const Case& c : cases) {
        auto world = withEnzymes(c.enzymes);
        EXPECT_EQ(Recalcdenat1Click(*world, {c.temperature, c.ph}), PanelFault::none);
        EXPECT_EQ(denaturedCount(*world), c.marked) << c.enzymes << " enzymes, " << c.temperature << " C";
        for (std::int32_t e = 1; e <= c.marked; ++e) {
            EXPECT_TRUE(world->denatured[e]);
        }
    }
}

TEST(TemperaturePh, AboveEightyTheModelUsesEighty)
{
    auto world = withEnzymes(10);
    Recalcdenat1Click(*world, {90, 8});
    EXPECT_EQ(world->temperature, 80);
    EXPECT_EQ(world->ph, 8);
}

TEST(TemperaturePh, DenaturationIsNeverUndone)
{
    auto world = withEnzymes(100);
    Recalcdenat1Click(*world, {60, 8});
    Recalcdenat1Click(*world, {20, 8});
    EXPECT_EQ(world->temperature, 20);
    EXPECT_EQ(denaturedCount(*world), 50);
    recalccharge1Click(*world, {20, 8});
    EXPECT_EQ(denaturedCount(*world), 50);
}

TEST(TemperaturePh, ChargeRunsFromTheFirstEnzyme)
{
    struct Case
    {
        std::int32_t enzymes, ph;
        std::int32_t doubly, singly, sign;
    };
    const Case cases[] = {
        {100, 4, 20, 70, +1}, // 4 below the optimum
        {50, 9, 0, 7, -1},    // 1 above: 15 x 50 / 100 = 7
        {100, 8, 0, 0, 0},
        {100, 15, 100, 0, -1}, // d = 7: both shares above 100
        {3, 1, 3, 0, +1},
    };
    for (const Case& c : cases) {
        auto world = withEnzymes(c.enzymes);
        world->charge.fill(2); // leftovers, also past the live enzymes
        EXPECT_EQ(recalccharge1Click(*world, {37, c.ph}), PanelFault::none);
        for (std::int32_t e = 1; e <= c.enzymes; ++e) {
            const std::int32_t expected = e <= c.doubly ? 2 * c.sign : (e <= c.doubly + c.singly ? c.sign : 0);
            ASSERT_EQ(world->charge[e], expected) << "pH " << c.ph << " enzyme " << e;
        }
        EXPECT_EQ(world->charge[c.enzymes + 1], 2) << "nothing is written past the live enzymes";
        EXPECT_EQ(world->ph, world->optimumPh) << "the charge step does not store the pH";
    }
}

TEST(TemperaturePh, ReturningToTheOptimumNeutralisesButKeepsDenaturation)
{
    auto world = withEnzymes(100);
    Recalcdenat1Click(*world, {37, 1});
    recalccharge1Click(*world, {37, 1});
    const std::int32_t denatured = denaturedCount(*world);
    ASSERT_GT(denatured, 0);
    Recalcdenat1Click(*world, {37, 8});
    recalccharge1Click(*world, {37, 8});
    for (std::int32_t e = 1; e <= 100; ++e) {
        ASSERT_EQ(world->charge[e], 0);
    }
    EXPECT_EQ(denaturedCount(*world), denatured);
}

TEST(TemperaturePh, ExtremePanelValuesStayWithinTheEnzymes)
{
    const std::int32_t extremes[] = {INT_MIN, INT_MIN + 1, -1000000, 1000000, INT_MAX - 1, INT_MAX};
    for (const std::int32_t t : extremes) {
        for (const std::int32_t p : extremes) {
            auto world = withEnzymes(200);
            world->charge.fill(0);
            Recalcdenat1Click(*world, {t, p});
            recalccharge1Click(*world, {t, p});
            for (std::int32_t e = 1; e <= 200; ++e) {
                ASSERT_GE(world->charge[e], -2);
                ASSERT_LE(world->charge[e], 2);
            }
            EXPECT_LE(world->temperature, 80);
        }
    }
}

TEST(TemperaturePh, AFailedReadStopsTheStepThere)
{
    auto world = withEnzymes(10);
    world->temperature = 5;
    world->ph = 5;
    EXPECT_EQ(Recalcdenat1Click(*world, {std::nullopt, 3}), PanelFault::valeurtemp);
    EXPECT_EQ(world->temperature, 5);
    EXPECT_EQ(Recalcdenat1Click(*world, {90, std::nullopt}), PanelFault::valeurph);
    EXPECT_EQ(world->temperature, 90) << "stored before the pH was read, and not yet lowered";
    EXPECT_EQ(world->ph, 5);
    EXPECT_EQ(denaturedCount(*world), 0);
    EXPECT_EQ(recalccharge1Click(*world, {90, std::nullopt}), PanelFault::valeurph);
}

TEST(TemperaturePh, PanelChangesMarkTheGraphAndRefreshTheComment)
{
    auto world = withEnzymes(10);
    world->graphCount = 12;
    WindowUpdate temperatureUpdate;
    EXPECT_EQ(changetemp(*world, {30, 8}, temperatureUpdate), PanelFault::none);
    EXPECT_EQ(world->graphMarks[12], temperatureMarkColour);
    EXPECT_TRUE(temperatureUpdate.comment.has_value());
    EXPECT_EQ(world->charge[1], 0);

    // A pH change in the same second overwrites the mark and recomputes charges.
    WindowUpdate phUpdate;
    EXPECT_EQ(changeph(*world, {30, 5}, phUpdate), PanelFault::none);
    EXPECT_EQ(world->graphMarks[12], phMarkColour);
    EXPECT_EQ(world->ph, 5);
    EXPECT_EQ(world->charge[1], 1);
    EXPECT_TRUE(world->running) << "neither change stops the experiment";

    WindowUpdate failed;
    EXPECT_EQ(changeph(*world, {30, std::nullopt}, failed), PanelFault::valeurph);
    EXPECT_EQ(world->ph, 5);
    EXPECT_FALSE(failed.comment.has_value());
}

TEST(TemperaturePh, QuantityChangesSuspendAndAreClamped)
{
    auto world = withEnzymes(10);
    WindowUpdate update;
    EXPECT_EQ(changesub(*world, 500, update), PanelFault::none);
    EXPECT_EQ(world->substrateAmount, 200);
    EXPECT_FALSE(world->running);
    EXPECT_EQ(update.tickTimer, false);
    EXPECT_TRUE(update.blankScene);
    EXPECT_EQ(world->count[Kind::enzyme], 10) << "the molecules are not touched";
    EXPECT_EQ(changeenz(*world, -4, update), PanelFault::none);
    EXPECT_EQ(world->enzymeAmount, 0);
    EXPECT_EQ(changeautre(*world, std::nullopt, update), PanelFault::valeurautre);
}

} // namespace
} // namespace velmora
