#include "experiment/Comment.h"
#include "experiment/Lifecycle.h"
#include "model/TimeCourse.h"
#include "support/Scenario.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using testing::testScene;

// A World just after window creation, with the panel's quantities stored.
std::unique_ptr<World> launched(std::int32_t enzymes = 20, std::int32_t substrate = 100, std::int32_t other = 0)
{
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    world->enzymeAmount = enzymes;
    world->substrateAmount = substrate;
    world->otherAmount = other;
    return world;
}

TEST(Lifecycle, StartClearsEveryEnzymeAndLinkOfThePreviousRun)
{
    auto world = launched(50, 100, 30);
    WindowUpdate first;
    recommencer1Click(*world, {1, false}, testScene, {90, 8}, first);
    ASSERT_TRUE(world->denatured[50]);
    // Leave traces of a busy run.
    for (int e = 1; e <= 50; ++e) {
        world->busyTimer[e] = 700;
        world->charge[e] = 1;
        world->boundSubstrate[e] = e;
        world->partnerEnzyme[Kind::lactose][e] = e;
        world->boundOther[e] = e;
        world->partnerEnzyme[Kind::thiolactose][e] = e;
    }
    world->graphTimeOffset = 300;
    world->graphCount = 40;
    world->graphMarks[3] = temperatureMarkColour;
    world->concentrationsChanged = true;

    WindowUpdate update;
    EXPECT_EQ(recommencer1Click(*world, {1, false}, testScene, {37, 8}, update), PanelFault::none);
    for (int e = 1; e <= 200; ++e) {
        ASSERT_EQ(world->busyTimer[e], 0) << e;
        ASSERT_FALSE(world->denatured[e]) << e;
        ASSERT_EQ(world->charge[e], 0) << e;
        ASSERT_EQ(world->boundSubstrate[e], 0) << e;
        ASSERT_EQ(world->boundOther[e], 0) << e;
        for (int k = 0; k < kindCount; ++k) {
            ASSERT_EQ(world->partnerEnzyme[k][e], 0) << k << "/" << e;
        }
    }
    EXPECT_EQ(world->count[Kind::enzyme], 50);
    EXPECT_EQ(world->count[Kind::lactose], 100);
    EXPECT_EQ(world->count[Kind::thiolactose], 30);
    EXPECT_EQ(world->graphTimeOffset, 0);
    EXPECT_EQ(world->graphCount, 0);
    EXPECT_EQ(world->graphMarks[3], noMark);
    EXPECT_TRUE(world->running);
    EXPECT_FALSE(world->welcomePending);
    EXPECT_FALSE(world->concentrationsChanged);
    EXPECT_EQ(update.sceneTimer, true);
    EXPECT_EQ(update.tickTimer, true);
    EXPECT_TRUE(update.refreshAxisLabels);
    EXPECT_TRUE(update.redrawGraph);
    EXPECT_EQ(update.comment, "");
}

TEST(Lifecycle, StartGivesEachReactionItsKinds)
{
    struct Case
    {
        std::int32_t reaction;
        std::array<std::int32_t, kindCount> counts;
    };
    const Case cases[] = {
        {1, {20, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 30}},
        {2, {20, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0, 100, 0, 0, 0, 0, 0}},
        {3, {20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0}},
        {4, {20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        auto world = launched(20, 100, 30);
        WindowUpdate update;
        recommencer1Click(*world, {c.reaction, true}, testScene, {37, 7}, update);
        EXPECT_EQ(world->count, c.counts) << "reaction " << c.reaction;
    }
}

TEST(Lifecycle, StartEndsAtAPanelValueThatIsNoInteger)
{
    auto world = launched();
    WindowUpdate suspended;
    world->welcomePending = false;
    suspendrexp1Click(*world, suspended);
    world->graphCount = 7; // left by the previous run

    WindowUpdate update;
    EXPECT_EQ(recommencer1Click(*world, {1, false}, testScene, {45, std::nullopt}, update), PanelFault::valeurph);
    EXPECT_EQ(world->count[Kind::lactose], 100) << "the World is seeded";
    EXPECT_EQ(world->temperature, 45) << "the temperature read before the failure stays";
    EXPECT_EQ(world->graphCount, 7) << "the graph is not cleared";
    EXPECT_FALSE(world->running);
    EXPECT_FALSE(update.sceneTimer.has_value());
    EXPECT_FALSE(update.tickTimer.has_value());
    EXPECT_FALSE(update.comment.has_value());

    WindowUpdate noTemperature;
    EXPECT_EQ(recommencer1Click(*world, {1, false}, testScene, {std::nullopt, 7}, noTemperature),
              PanelFault::valeurtemp);
    EXPECT_EQ(world->temperature, 45);
}

TEST(Lifecycle, SuspendLeavesTheSceneAloneWhileTheWelcomeIsPending)
{
    for (const bool welcome : {true, false}) {
        auto world = launched();
        world->welcomePending = welcome;
        world->running = true;
        WindowUpdate update;
        suspendrexp1Click(*world, update);
        EXPECT_FALSE(world->running);
        EXPECT_EQ(update.tickTimer, false);
        EXPECT_TRUE(update.redrawGraph);
        if (welcome) {
            EXPECT_FALSE(update.sceneTimer.has_value());
            EXPECT_FALSE(update.blankScene);
            EXPECT_EQ(update.comment, CommentText::welcome);
        } else {
            EXPECT_EQ(update.sceneTimer, false);
            EXPECT_TRUE(update.blankScene);
            EXPECT_EQ(update.comment, "");
        }
    }
}

TEST(Lifecycle, StopSaysSoOnceThenFallsBack)
{
    auto world = launched();
    WindowUpdate started;
    recommencer1Click(*world, {1, false}, testScene, {37, 8}, started);
    world->concentrationsChanged = true;

    WindowUpdate stopped;
    Arrter1Click(*world, stopped);
    EXPECT_EQ(stopped.comment, CommentText::interrupted);
    EXPECT_FALSE(world->stoppedByUser);

    WindowUpdate refreshed;
    rafraichircommentaire1Click(*world, refreshed);
    EXPECT_EQ(refreshed.comment, CommentText::suspended);
}

TEST(Lifecycle, StopDuringTheWelcomeShowsTheWelcome)
{
    auto world = launched();
    WindowUpdate update;
    Arrter1Click(*world, update);
    EXPECT_EQ(update.comment, CommentText::welcome);
    EXPECT_FALSE(update.sceneTimer.has_value());
}

TEST(Lifecycle, PauseTogglesBothTimersOnlyWhileRunning)
{
    auto world = launched();
    WindowUpdate idle;
    Pause1Click(*world, false, idle);
    EXPECT_FALSE(idle.sceneTimer.has_value());
    EXPECT_FALSE(idle.tickTimer.has_value());

    world->running = true;
    WindowUpdate pause;
    Pause1Click(*world, true, pause);
    EXPECT_EQ(pause.sceneTimer, false);
    EXPECT_EQ(pause.tickTimer, false);
    WindowUpdate resume;
    Pause1Click(*world, false, resume);
    EXPECT_EQ(resume.sceneTimer, true);
    EXPECT_EQ(resume.tickTimer, true);
}

TEST(Lifecycle, PurgeEmptiesOnlyTheProductKinds)
{
    struct Case
    {
        std::int32_t reaction;
        std::vector<std::int32_t> emptied;
    };
    const Case cases[] = {{1, {6, 7}}, {2, {8, 10}}, {3, {6}}, {4, {12}}};
    for (const Case& c : cases) {
        auto world = testing::scenario(c.reaction);
        world->count.fill(9);
        purger1Click(*world);
        for (std::int32_t k = 0; k < kindCount; ++k) {
            const bool emptied = std::find(c.emptied.begin(), c.emptied.end(), k) != c.emptied.end();
            EXPECT_EQ(world->count[k], emptied ? 0 : 9) << "reaction " << c.reaction << " kind " << k;
        }
    }
}

TEST(Lifecycle, MaximumProductsIsHalfTheCaption)
{
    auto world = launched();
    EXPECT_EQ(world->maxProducts, 50);
    const std::pair<std::int32_t, std::int32_t> items[] = {{10, 5}, {20, 10}, {50, 25}, {100, 50}, {200, 100}, {400, 200}};
    for (const auto& [caption, maxProducts] : items) {
        EXPECT_TRUE(chooseMaxProducts(*world, caption));
        EXPECT_EQ(world->maxProducts, maxProducts);
    }
    EXPECT_FALSE(chooseMaxProducts(*world, 30));
    EXPECT_EQ(world->maxProducts, 200);
}

} // namespace
} // namespace velmora
