#include "experiment/Lifecycle.h"
#include "experiment/PanelCommands.h"
#include "experiment/ReactionChoice.h"
#include "model/Tick.h"
#include "model/TimeCourse.h"
#include "support/Scenario.h"
#include "support/WorldChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

namespace velmora {
namespace {

constexpr SceneSize scene{512, 384};

// Every live molecule lies within the walls once a tick has run.
std::string outsideTheWalls(const World& world)
{
    const std::int32_t side = symbolSide(world.spriteBase);
    for (std::int32_t k = 0; k < kindCount; ++k) {
        for (std::int32_t s = 1; s <= world.count[k]; ++s) {
            const std::int32_t x = world.posX[k][s];
            const std::int32_t y = world.posY[k][s];
            if (x < 0 || y < 0 || x / 10 > scene.width - side || y / 10 > scene.height - side) {
                return "kind " + std::to_string(k) + " slot " + std::to_string(s) + " outside the walls";
            }
        }
    }
    return {};
}

// Runs an experiment with the given settings for `ticks` ticks, with a random panel or menu action
// every now and then, and checks the invariants after every step.
void runChecked(std::int32_t reaction, std::int32_t temperature, std::int32_t ph, std::uint32_t seed, int ticks)
{
    std::mt19937 chance(seed);
    const auto below = [&](int n) { return static_cast<std::int32_t>(chance() % static_cast<unsigned>(n)); };
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    world->enzymeAmount = below(201);
    world->substrateAmount = below(201);
    world->otherAmount = below(201);
    chooseMaxProducts(*world, 10 * (1 << below(3)));
    ReactionChoice choice{reaction, below(2) == 0};
    std::int32_t panelTemperature = temperature;
    std::int32_t panelPh = ph;
    WindowUpdate update;
    recommencer1Click(*world, choice, scene, {panelTemperature, panelPh}, update);

    const std::string settings = "reaction " + std::to_string(reaction) + ", " + std::to_string(temperature) +
                                 " C, pH " + std::to_string(ph) + ", seed " + std::to_string(seed);
    for (int t = 1; t <= ticks; ++t) {
        WindowUpdate tickUpdate;
        Timer2Timer(*world, scene, tickUpdate);
        ASSERT_EQ(testing::brokenInvariant(*world), "") << settings << ", tick " << t;
        ASSERT_EQ(outsideTheWalls(*world), "") << settings << ", tick " << t;

        if (below(40) != 0) {
            continue;
        }
        WindowUpdate actionUpdate;
        switch (below(7)) {
        case 0:
            panelTemperature = temperature + below(21) - 10;
            changetemp(*world, {panelTemperature, panelPh}, actionUpdate);
            break;
        case 1:
            panelPh = below(15);
            changeph(*world, {panelTemperature, panelPh}, actionUpdate);
            break;
        case 2:
            purger1Click(*world);
            break;
        case 3:
            chooseMaxProducts(*world, 10 * (1 << below(3)));
            break;
        case 4:
            if (reaction != Reaction::amyloseHydrolysis) {
                // A symbol-size change keeps the experiment running.
                choice.smallSymbols = !choice.smallSymbols;
                changelegende1Click(*world, choice, actionUpdate);
            }
            break;
        case 5:
            recommencer1Click(*world, choice, scene, {panelTemperature, panelPh}, actionUpdate);
            break;
        default:
            avancedansgraphe1Click(*world, actionUpdate);
            break;
        }
        ASSERT_EQ(testing::brokenInvariant(*world), "") << settings << ", after an action at tick " << t;
    }
}

TEST(Invariants, HoldThroughLongRunsInEveryReactionTemperatureAndPh)
{
    std::uint32_t seed = 1;
    for (const std::int32_t reaction : {1, 2, 3, 4}) {
        for (const std::int32_t temperature : {-10, 0, 20, 37, 45, 60, 90}) {
            for (const std::int32_t ph : {0, 1, 2, 5, 7, 8, 14}) {
                runChecked(reaction, temperature, ph, seed++, 250);
                if (HasFatalFailure()) {
                    return;
                }
            }
        }
    }
}

TEST(Invariants, HoldAtFullLoadInStrongAcid)
{
    // Every quantity at 200 in strong acid: products of acid hydrolysis pile up against capacity.
    for (const std::int32_t reaction : {1, 2, 3, 4}) {
        auto world = testing::startedAtFullLoad({reaction, true}, scene, 90, 0);
        for (int t = 1; t <= 1500; ++t) {
            WindowUpdate tickUpdate;
            Timer2Timer(*world, scene, tickUpdate);
            ASSERT_EQ(testing::brokenInvariant(*world), "") << "reaction " << reaction << ", tick " << t;
        }
    }
}

} // namespace
} // namespace velmora
