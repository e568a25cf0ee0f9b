#include "experiment/Lifecycle.h"
#include "support/Scenario.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::testScene;

std::unique_ptr<World> startedWorld(std::int32_t reaction, std::int32_t substrate, bool small)
{
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    world->substrateAmount = substrate;
    world->enzymeAmount = 20;
    world->temperature = 37;
    WindowUpdate update;
    recommencer1Click(*world, {reaction, small}, testScene, {37, 7}, update);
    return world;
}

TEST(Seeding, StartDrawsEveryKindSlotBySlotWithTheChainsInPlace)
{
    const auto world = startedWorld(Reaction::lactoseHydrolysis, 100, false);
    const std::int32_t w = testScene.width;
    const std::int32_t h = testScene.height;
    Random expected;
    for (std::int32_t kind = 0; kind < kindCount; ++kind) {
        if (kind == Kind::amyloseUnit) {
            for (int chain = 0; chain < 41; ++chain) {
                expected.randomBelow(w * 4 / 42);
                expected.randomBelow((h - 6 * 40) * 10 - 5 * 40);
            }
            continue;
        }
        for (std::int32_t s = 1; s <= 200; ++s) {
            ASSERT_EQ(world->posX[kind][s], expected.randomBelow(w * 10)) << kind << "/" << s;
            ASSERT_EQ(world->posY[kind][s], expected.randomBelow(h * 10)) << kind << "/" << s;
            ASSERT_EQ(world->velX[kind][s], expected.randomBelow(w / 10) - w / 20) << kind << "/" << s;
            ASSERT_EQ(world->velY[kind][s], expected.randomBelow(h / 10) - h / 20) << kind << "/" << s;
        }
    }
    EXPECT_EQ(world->random.state, expected.state) << "the start draws nothing else";
}

TEST(Seeding, TwentyThreeUnitsMakeFourFullChainsAndOneOfThree)
{
    const auto world = startedWorld(Reaction::amyloseHydrolysis, 23, true);
    ASSERT_EQ(world->count[Kind::amyloseUnit], 23);
    const std::int32_t side = 20;
    for (std::int32_t v = 1; v <= 25; ++v) {
        const std::int32_t u = (v - 1) % 5 + 1;
        const std::int32_t top = v - u + 1;
        EXPECT_EQ(world->chainPrev[v], u > 1 ? v - 1 : 0) << v;
        EXPECT_EQ(world->chainNext[v], (u < 5 && v < 23) ? v + 1 : 0) << v;
        EXPECT_EQ(world->posX[Kind::amyloseUnit][v], world->posX[Kind::amyloseUnit][top]) << v;
        EXPECT_EQ(world->posY[Kind::amyloseUnit][v] - world->posY[Kind::amyloseUnit][top], (u - 1) * side * 10)
            << v;
        EXPECT_EQ(world->velX[Kind::amyloseUnit][v], 0);
        EXPECT_EQ(world->velY[Kind::amyloseUnit][v], 0);
    }
    // Slot 24, laid out but not live, still names the last live unit above it.
    EXPECT_EQ(world->chainPrev[24], 23);
    EXPECT_EQ(world->chainNext[23], 0);
}

TEST(Seeding, TwoHundredUnitsMakeFortyChainsSpreadAcrossTheBox)
{
    const auto world = startedWorld(Reaction::amyloseHydrolysis, 200, false);
    const std::int32_t w = 40;
    const std::int32_t spacing = (testScene.width - 2 * w) * 10 / 42;
    const std::int32_t jitter = testScene.width * 4 / 42;
    const std::int32_t rightmost = (testScene.width - 2 * w) * 10;
    for (std::int32_t chain = 0; chain < 40; ++chain) {
        const std::int32_t top = 5 * chain + 1;
        const std::int32_t x = world->posX[Kind::amyloseUnit][top];
        const std::int32_t lowest = w * 10 / 2 + chain * spacing;
        EXPECT_TRUE(x == rightmost || (x >= lowest && x < lowest + jitter)) << "chain " << chain << " x " << x;
        EXPECT_LE(x, rightmost);
        EXPECT_EQ(world->chainPrev[top], 0);
        EXPECT_EQ(world->chainNext[top + 4], 0);
        const std::int32_t y = world->posY[Kind::amyloseUnit][top];
        EXPECT_GE(y, w * 10);
        EXPECT_LT(y, (testScene.height - 6 * w) * 10 - 5 * w + w * 10);
    }
    EXPECT_EQ(world->chainNext[199], 200);
    EXPECT_EQ(world->chainPrev[200], 199);
}

TEST(Seeding, LinksAreLaidOverTheSlotsInEveryReaction)
{
    const auto world = startedWorld(Reaction::lactoseHydrolysis, 11, false);
    EXPECT_EQ(world->chainNext[10], 0);
    EXPECT_EQ(world->chainPrev[10], 9);
    EXPECT_EQ(world->chainPrev[11], 0);
    EXPECT_EQ(world->chainNext[11], 0);
    EXPECT_EQ(world->chainPrev[12], 11);
}

} // namespace
} // namespace velmora
