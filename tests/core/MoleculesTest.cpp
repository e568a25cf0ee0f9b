#include "model/Molecules.h"
#include "support/Scenario.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace velmora {
namespace {

using testing::bindSubstrate;
using testing::place;
using testing::scenario;
using testing::testScene;

TEST(Molecules, CreationAppendsAndStopsAtTwoHundred)
{
    auto world = scenario(Reaction::lactoseHydrolysis);
    world->velX[Kind::glucose][1] = 33; // velocity stays with the slot
    world->partnerEnzyme[Kind::glucose][1] = 9;
    EXPECT_EQ(createMolecule(*world, Kind::glucose, 120, 340), 1);
    EXPECT_EQ(world->count[Kind::glucose], 1);
    EXPECT_EQ(world->posX[Kind::glucose][1], 120);
    EXPECT_EQ(world->posY[Kind::glucose][1], 340);
    EXPECT_EQ(world->partnerEnzyme[Kind::glucose][1], 0);
    EXPECT_EQ(world->velX[Kind::glucose][1], 33);

    world->count[Kind::glucose] = 200;
    world->posX[Kind::glucose][200] = 5;
    EXPECT_EQ(createMolecule(*world, Kind::glucose, 1, 1), 0);
    EXPECT_EQ(world->count[Kind::glucose], 200);
    EXPECT_EQ(world->posX[Kind::glucose][200], 5);
    EXPECT_EQ(createMolecule(*world, Kind::none, 1, 1), 0);
}

TEST(Molecules, RemovalMovesTheLastMoleculeAndItsEnzymeLink)
{
    for (const Role role : {Role::substrate, Role::second}) {
        auto world = scenario(Reaction::lactoseSynthesis);
        const std::int32_t kind = role == Role::substrate ? world->substrateKind : world->secondKind;
        place(*world, Kind::enzyme, 0, 0);
        place(*world, Kind::enzyme, 0, 0);
        for (int i = 1; i <= 4; ++i) {
            place(*world, kind, 100 * i, 10 * i);
            world->velX[kind][i] = i;
        }
        // Enzyme 2 holds the last molecule.
        world->partnerEnzyme[kind][4] = 2;
        (role == Role::substrate ? world->boundSubstrate : world->boundSecond)[2] = 4;

        Random expected = world->random;
        removeMolecule(*world, role, kind, 2, testScene);

        EXPECT_EQ(world->count[kind], 3);
        EXPECT_EQ(world->posX[kind][2], 400);
        EXPECT_EQ(world->posY[kind][2], 40);
        EXPECT_EQ(world->velX[kind][2], 2) << "velocities stay with their slots";
        EXPECT_EQ(world->partnerEnzyme[kind][2], 2);
        EXPECT_EQ((role == Role::substrate ? world->boundSubstrate : world->boundSecond)[2], 2);
        // The vacated slot gets a fresh position: x drawn first, then y.
        EXPECT_EQ(world->posX[kind][4], expected.randomBelow(testScene.width * 10));
        EXPECT_EQ(world->posY[kind][4], expected.randomBelow(testScene.height * 10));
        EXPECT_EQ(world->partnerEnzyme[kind][4], 0);
        EXPECT_EQ(world->random.state, expected.state) << "exactly two draws";
    }
}

TEST(Molecules, RemovalOfTheLastSlotOnlyEmptiesIt)
{
    auto world = scenario(Reaction::maltoseHydrolysis);
    place(*world, Kind::maltose, 10, 10);
    place(*world, Kind::maltose, 20, 20);
    removeMolecule(*world, Role::substrate, Kind::maltose, 2, testScene);
    EXPECT_EQ(world->count[Kind::maltose], 1);
    EXPECT_EQ(world->posX[Kind::maltose][1], 10);
}

TEST(Molecules, RemovalOfNoMoleculeChangesNothing)
{
    auto world = scenario(Reaction::maltoseHydrolysis);
    place(*world, Kind::maltose, 10, 10);
    const std::uint32_t state = world->random.state;
    removeMolecule(*world, Role::substrate, Kind::maltose, 2, testScene);
    removeMolecule(*world, Role::substrate, Kind::maltose, 0, testScene);
    removeMolecule(*world, Role::substrate, Kind::glucose, 1, testScene);
    EXPECT_EQ(world->count[Kind::maltose], 1);
    EXPECT_EQ(world->count[Kind::glucose], 0);
    EXPECT_EQ(world->random.state, state);
}

TEST(Molecules, AmyloseRemovalCutsTheUnitOutThenMovesTheLastUnitsLinks)
{
    struct Case
    {
        const char* what;
        int removed;
        // Expected links after removal, slots 1..count.
        std::vector<std::pair<int, int>> links;
    };
    // Two chains: 1-2-3 and 4-5-6; slot 6 is the last.
    const Case cases[] = {
        // The middle unit of the first chain goes; unit 6 moves into slot 2 with its links.
        {"middle", 2, {{0, 0}, {5, 0}, {0, 0}, {0, 5}, {4, 2}}},
        // Unit 5 sits right above the last unit: it is cut out first, so the moved unit keeps no
        // link to its old place.
        {"neighbour of the last", 5, {{0, 2}, {1, 3}, {2, 0}, {0, 0}, {0, 0}}},
        // The last unit itself: only the cut-out.
        {"last", 6, {{0, 2}, {1, 3}, {2, 0}, {0, 5}, {4, 0}}},
        // The top of a chain: the unit below loses its link up, then the last unit (below it)
        // moves up into slot 4, under unit 5.
        {"top", 4, {{0, 2}, {1, 3}, {2, 0}, {5, 0}, {0, 4}}},
    };
    for (const Case& c : cases) {
        auto world = scenario(Reaction::amyloseHydrolysis);
        for (int s = 1; s <= 6; ++s) {
            place(*world, Kind::amyloseUnit, 10 * s, 0);
        }
        testing::linkChain(*world, 1, 3);
        testing::linkChain(*world, 4, 6);
        removeMolecule(*world, Role::substrate, Kind::amyloseUnit, c.removed, testScene);
        ASSERT_EQ(world->count[Kind::amyloseUnit], 5) << c.what;
        for (int s = 1; s <= 5; ++s) {
            EXPECT_EQ(world->chainPrev[s], c.links[s - 1].first) << c.what << " slot " << s;
            EXPECT_EQ(world->chainNext[s], c.links[s - 1].second) << c.what << " slot " << s;
        }
        EXPECT_EQ(world->chainPrev[6], 0) << c.what;
        EXPECT_EQ(world->chainNext[6], 0) << c.what;
    }
}

TEST(Molecules, OutsideTheAmyloseReactionLinksKeepTheirLayout)
{
    auto world = scenario(Reaction::lactoseHydrolysis);
    for (int s = 1; s <= 3; ++s) {
        place(*world, Kind::lactose, 10 * s, 0);
    }
    testing::linkChain(*world, 1, 3);
    removeMolecule(*world, Role::substrate, Kind::lactose, 1, testScene);
    EXPECT_EQ(world->chainNext[1], 2);
    EXPECT_EQ(world->chainPrev[3], 2);
}

TEST(Molecules, RemovedProductLeavesHeldSubstrateLinksAlone)
{
    auto world = scenario(Reaction::lactoseHydrolysis);
    place(*world, Kind::enzyme, 0, 0);
    place(*world, Kind::lactose, 0, 0);
    place(*world, Kind::lactose, 0, 0);
    bindSubstrate(*world, 1, 2, 500);
    removeMolecule(*world, Role::substrate, Kind::lactose, 1, testScene);
    EXPECT_EQ(world->boundSubstrate[1], 1);
    EXPECT_EQ(world->partnerEnzyme[Kind::lactose][1], 1);
}

} // namespace
} // namespace velmora
