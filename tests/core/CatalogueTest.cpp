#include "experiment/Comment.h"
#include "experiment/ReactionChoice.h"
#include "model/Catalogue.h"
#include "support/Scenario.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora {
namespace {

TEST(Catalogue, ChoiceFillsTheRolesOfEachReactionInBothSymbolSets)
{
    struct Case
    {
        std::int32_t reaction;
        bool small;
        std::int32_t substrate, second, product1, product2, other, enzymeSprite, optimumPh;
        std::int32_t siteX, siteY, legendFrame, panelFrame;
        const char* name;
    };
    const Case cases[] = {
        {1, true, 8, 9, 6, 7, 16, 41, 8, 0, 0, 1, 5, "Hydrolyse du lactose"},
        {2, true, 6, 11, 8, 10, -1, 42, 8, 0, 0, 11, 1, "Synthèse du lactose"},
        {3, true, 12, 9, 6, 6, -1, 40, 6, 0, 0, 21, 1, "Hydrolyse du maltose"},
        {4, true, 13, 9, 12, -1, -1, 43, 7, 0, 100, 31, 1, "Hydrolyse de l'amylose"},
        {1, false, 8, 9, 6, 7, 16, 41, 8, 0, 0, 6, 5, "Hydrolyse du lactose"},
        {2, false, 6, 11, 8, 10, -1, 42, 8, 0, 0, 16, 1, "Synthèse du lactose"},
        {3, false, 12, 9, 6, 6, -1, 40, 6, 0, 0, 26, 1, "Hydrolyse du maltose"},
        {4, false, 13, 9, 12, -1, -1, 43, 7, 0, 200, 36, 1, "Hydrolyse de l'amylose"},
    };
    for (const Case& c : cases) {
        World world;
        setWindowCreationDefaults(world, {});
        // Start from another reaction so that nothing is left over by chance.
        WindowUpdate ignored;
        changelegende1Click(world, {c.reaction % 4 + 1, !c.small}, ignored);

        WindowUpdate update;
        changelegende1Click(world, {c.reaction, c.small}, update);
        const std::string what = "reaction " + std::to_string(c.reaction) + (c.small ? " small" : " large");
        EXPECT_EQ(world.reactionIndex, c.reaction) << what;
        EXPECT_EQ(world.spriteBase, c.small ? 0 : 20) << what;
        EXPECT_EQ(world.substrateKind, c.substrate) << what;
        EXPECT_EQ(world.secondKind, c.second) << what;
        EXPECT_EQ(world.productKind1, c.product1) << what;
        EXPECT_EQ(world.productKind2, c.product2) << what;
        EXPECT_EQ(world.otherKind, c.other) << what;
        EXPECT_EQ(world.enzymeSprite, c.enzymeSprite) << what;
        EXPECT_EQ(world.optimumPh, c.optimumPh) << what;
        EXPECT_EQ(world.siteOffsetX, c.siteX) << what;
        EXPECT_EQ(world.siteOffsetY, c.siteY) << what;
        EXPECT_EQ(update.legendFrame, c.legendFrame) << what;
        EXPECT_EQ(update.panelFrame, c.panelFrame) << what;
        EXPECT_EQ(update.smallSymbolBoxes, c.small) << what;
        EXPECT_EQ(update.reactionName, c.name) << what;
    }
}

TEST(Catalogue, ChoiceLeavesMoleculesAndAHydrolysisRunning)
{
    auto world = testing::scenario(Reaction::lactoseHydrolysis);
    testing::place(*world, Kind::lactose, 70, 80);
    WindowUpdate update;
    changelegende1Click(*world, {Reaction::lactoseHydrolysis, true}, update);
    EXPECT_TRUE(world->running);
    EXPECT_FALSE(update.tickTimer.has_value());
    EXPECT_EQ(world->count[Kind::lactose], 1);
    EXPECT_EQ(world->posX[Kind::lactose][1], 70);
}

TEST(Catalogue, AmyloseChoiceStopsTheExperimentAndSaysSo)
{
    auto world = testing::scenario(Reaction::amyloseHydrolysis, 37, true);
    ASSERT_EQ(world->siteOffsetY, 100);
    world->running = true;
    WindowUpdate update;
    // Switching to large symbols during an amylose experiment.
    changelegende1Click(*world, {Reaction::amyloseHydrolysis, false}, update);
    EXPECT_FALSE(world->running);
    EXPECT_EQ(update.tickTimer, false);
    EXPECT_EQ(update.sceneTimer, false);
    EXPECT_TRUE(update.blankScene);
    EXPECT_EQ(update.comment, CommentText::interrupted);
    EXPECT_EQ(world->siteOffsetY, 200);
}

TEST(Catalogue, ReactionItemStopsEvenWhenAlreadyChecked)
{
    auto world = testing::scenario(Reaction::maltoseHydrolysis);
    WindowUpdate update;
    selectReaction(*world, {Reaction::maltoseHydrolysis, false}, update);
    EXPECT_FALSE(world->running);
    EXPECT_EQ(update.comment, CommentText::interrupted);
    EXPECT_EQ(world->reactionIndex, Reaction::maltoseHydrolysis);
}

TEST(Catalogue, PanelSteppingWrapsAroundAndStops)
{
    struct Case
    {
        std::int32_t from, step, to;
    };
    const Case cases[] = {{1, -1, 4}, {4, +1, 1}, {2, +1, 3}, {3, -1, 2}};
    for (const Case& c : cases) {
        auto world = testing::scenario(c.from);
        WindowUpdate update;
        EXPECT_EQ(stepReaction(*world, c.step, false, update), c.to);
        EXPECT_EQ(world->reactionIndex, c.to);
        EXPECT_EQ(world->substrateKind, reactionCatalogue[c.to].substrateKind);
        EXPECT_EQ(update.reactionName, reactionName(c.to));
        EXPECT_FALSE(world->running);
    }
}

} // namespace
} // namespace velmora
