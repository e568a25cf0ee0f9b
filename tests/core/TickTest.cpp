#include "model/Tick.h"
#include "support/Scenario.h"
#include "support/WorldChecks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

namespace velmora {
namespace {

using testing::bindSubstrate;
using testing::place;
using testing::scenario;
using testing::testScene;

void tick(World& world)
{
    WindowUpdate update;
    Timer2Timer(world, testScene, update);
}

// The number of the first tick after which `done` holds, or 0 if it never does within `limit`.
int ticksUntil(World& world, const std::function<bool()>& done, int limit)
{
    for (int t = 1; t <= limit; ++t) {
        tick(world);
        if (done()) {
            return t;
        }
    }
    return 0;
}

// A random source `draws` calls ahead of `from`.
std::uint32_t stateAfter(std::uint32_t from, int draws)
{
    Random random{from};
    for (int i = 0; i < draws; ++i) {
        random.randomBelow(1);
    }
    return random.state;
}

TEST(Tick, ProductsAppearAfterTheBusyTimeOfTheTemperature)
{
    struct Case
    {
        std::int32_t temperature;
        int tick;
    };
    for (const Case c : {Case{37, 28}, Case{40, 25}, Case{20, 50}, Case{1000, 1}}) {
        auto world = scenario(Reaction::lactoseHydrolysis, c.temperature);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::lactose, 2000, 2000);
        const int released = ticksUntil(*world, [&] { return world->count[Kind::glucose] == 1; }, 200);
        EXPECT_EQ(released, c.tick) << c.temperature << " C";
        EXPECT_EQ(world->count[Kind::galactose], 1);
        EXPECT_EQ(world->count[Kind::lactose], 0);
        EXPECT_EQ(world->boundSubstrate[1], 0);
        EXPECT_EQ(world->busyTimer[1], 0);
    }
}

TEST(Tick, ReachIsUnderFiftyTenthsOnBothAxes)
{
    struct Case
    {
        std::int32_t dx, dy;
        bool taken;
    };
    const Case cases[] = {{49, 49, true},  {-49, -49, true}, {0, 0, true},     {50, 0, false},
                          {0, 50, false},  {-50, 0, false},  {0, -50, false},  {49, -50, false}};
    for (const Case& c : cases) {
        auto world = scenario(Reaction::lactoseHydrolysis, 0);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::lactose, 2000 + c.dx, 2000 + c.dy);
        tick(*world);
        EXPECT_EQ(world->boundSubstrate[1] == 1, c.taken) << c.dx << ", " << c.dy;
        EXPECT_EQ(world->partnerEnzyme[Kind::lactose][1] == 1, c.taken) << c.dx << ", " << c.dy;
    }
}

TEST(Tick, LowerNumberedEnzymeWinsASharedSubstrate)
{
    auto world = scenario(Reaction::lactoseHydrolysis, 0);
    place(*world, Kind::enzyme, 2000, 2000);
    place(*world, Kind::enzyme, 2010, 2010);
    place(*world, Kind::lactose, 2005, 2005);
    tick(*world);
    EXPECT_EQ(world->boundSubstrate[1], 1);
    EXPECT_EQ(world->boundSubstrate[2], 0);
    EXPECT_EQ(world->busyTimer[2], 0);
}

TEST(Tick, LowestFreeSlotWithinReachIsTaken)
{
    struct Case
    {
        std::int32_t molecules;
        std::vector<std::int32_t> inReach;
        std::int32_t held; // a molecule within reach already held by enzyme 2, or 0
        std::int32_t taken;
    };
    const Case cases[] = {
        {3, {2, 3}, 0, 2},         {20, {13, 15}, 12, 13}, {20, {8, 9}, 0, 8},   {20, {9, 10}, 9, 10},
        {20, {17, 20}, 0, 17},     {200, {200}, 0, 200},   {20, {1}, 1, 0},      {16, {16}, 0, 16},
    };
    for (const Case& c : cases) {
        auto world = scenario(Reaction::lactoseHydrolysis, 0);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::enzyme, 0, 0);
        for (std::int32_t s = 1; s <= c.molecules; ++s) {
            const bool near = std::find(c.inReach.begin(), c.inReach.end(), s) != c.inReach.end();
            place(*world, Kind::lactose, near ? 2000 : 2000 + 50 + s, near ? 2000 : 2000 - s);
        }
        if (c.held != 0) {
            bindSubstrate(*world, 2, c.held, 500);
        }
        tick(*world);
        EXPECT_EQ(world->boundSubstrate[1], c.taken) << c.molecules << " molecules, first hit " << c.inReach[0];
    }
}

TEST(Tick, AMoleculeTakenByALowerEnzymeIsNoLongerFree)
{
    auto world = scenario(Reaction::lactoseHydrolysis, 0);
    place(*world, Kind::enzyme, 2000, 2000);
    place(*world, Kind::enzyme, 2000, 2000);
    place(*world, Kind::lactose, 9000, 3000); // out of reach
    place(*world, Kind::lactose, 2000, 2000);
    place(*world, Kind::lactose, 2000, 2000);
    tick(*world);
    EXPECT_EQ(world->boundSubstrate[1], 2);
    EXPECT_EQ(world->boundSubstrate[2], 3);
}

TEST(Tick, IneligibleEnzymesTakeNothing)
{
    struct Case
    {
        const char* what;
        std::function<void(World&)> spoil;
    };
    const Case cases[] = {
        {"busy", [](World& w) { w.busyTimer[1] = 1; }},
        {"denatured", [](World& w) { w.denatured[1] = true; }},
        {"charged +1", [](World& w) { w.charge[1] = 1; }},
        {"charged -2", [](World& w) { w.charge[1] = -2; }},
    };
    for (const Case& c : cases) {
        auto world = scenario(Reaction::lactoseHydrolysis, 0);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::lactose, 2000, 2000);
        c.spoil(*world);
        tick(*world);
        EXPECT_EQ(world->boundSubstrate[1], 0) << c.what;
        EXPECT_EQ(world->boundSubstrate[2], 1) << c.what;
    }
}

TEST(Tick, DenaturedOrChargedEnzymeStillFinishesItsAct)
{
    for (const bool denatured : {true, false}) {
        auto world = scenario(Reaction::lactoseHydrolysis);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::lactose, 2000, 2000);
        bindSubstrate(*world, 1, 1, 30);
        world->denatured[1] = denatured;
        world->charge[1] = denatured ? 0 : -1;
        place(*world, Kind::lactose, 2000, 2000);
        tick(*world);
        EXPECT_EQ(world->count[Kind::glucose], 1);
        EXPECT_EQ(world->count[Kind::lactose], 1);
        for (int t = 0; t < 20; ++t) {
            world->posX[Kind::lactose][1] = world->posX[Kind::enzyme][1];
            world->posY[Kind::lactose][1] = world->posY[Kind::enzyme][1];
            tick(*world);
            ASSERT_EQ(world->boundSubstrate[1], 0) << "a damaged enzyme takes nothing more";
        }
    }
}

TEST(Tick, ThiolactoseOccupiesTheEnzymeThenLeavesToItsRight)
{
    auto world = scenario(Reaction::lactoseHydrolysis, 1);
    place(*world, Kind::enzyme, 2000, 2000);
    place(*world, Kind::lactose, 2000, 2000);
    place(*world, Kind::thiolactose, 2000, 2000);
    tick(*world);
    EXPECT_EQ(world->boundOther[1], 1);
    EXPECT_EQ(world->boundSubstrate[1], 0) << "thiolactose is taken instead of the lactose";
    EXPECT_EQ(world->busyTimer[1], 999);

    // At 1 degree C the act lasts 1000 ticks, counting the binding tick.
    const int released = ticksUntil(*world, [&] { return world->boundOther[1] == 0; }, 2000);
    EXPECT_EQ(released + 1, 1000);
    EXPECT_EQ(world->partnerEnzyme[Kind::thiolactose][1], 0);
    EXPECT_EQ(world->busyTimer[1], 200) << "the rest starts counting in the next tick";
    // Let go 5 pixels right of the active site, give or take one tick of 1-degree jitter.
    const std::int32_t dx = world->posX[Kind::thiolactose][1] - world->posX[Kind::enzyme][1];
    EXPECT_NEAR(dx, 50, 6);
    EXPECT_EQ(world->count[Kind::glucose], 0);

    const int rested = ticksUntil(*world, [&] { return world->busyTimer[1] <= 0; }, 500);
    EXPECT_EQ(rested, 200);
}

TEST(Tick, SynthesisEnzymeHoldingGlucoseWaitsForItsPartner)
{
    auto world = scenario(Reaction::lactoseSynthesis);
    place(*world, Kind::enzyme, 2000, 2000);
    place(*world, Kind::glucose, 2000, 2000);
    tick(*world);
    ASSERT_EQ(world->boundSubstrate[1], 1);
    EXPECT_EQ(world->busyTimer[1], 0) << "one reactant does not start the act";
    for (int t = 0; t < 40; ++t) {
        tick(*world);
        ASSERT_EQ(world->posX[Kind::glucose][1], world->posX[Kind::enzyme][1]);
        ASSERT_EQ(world->posY[Kind::glucose][1], world->posY[Kind::enzyme][1]);
        ASSERT_LE(std::abs(world->velX[Kind::enzyme][1]), 40) << "full jitter";
    }
    EXPECT_EQ(world->count[Kind::lactose], 0);

    place(*world, Kind::galactoseDonor, world->posX[Kind::enzyme][1], world->posY[Kind::enzyme][1]);
    tick(*world);
    EXPECT_EQ(world->boundSecond[1], 1);
    EXPECT_EQ(world->busyTimer[1], 1000 - 37);
    ticksUntil(*world, [&] { return world->count[Kind::lactose] == 1; }, 100);
    EXPECT_EQ(world->count[Kind::byProduct], 1);
    EXPECT_EQ(world->count[Kind::glucose], 0);
    EXPECT_EQ(world->count[Kind::galactoseDonor], 0);
    EXPECT_EQ(world->boundSecond[1], 0);
}

TEST(Tick, MaltoseGivesTwoGlucoseHalfASymbolApart)
{
    for (const bool small : {true, false}) {
        auto world = scenario(Reaction::maltoseHydrolysis, 1, small);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::maltose, 2000, 2000);
        bindSubstrate(*world, 1, 1, 1);
        tick(*world);
        ASSERT_EQ(world->count[Kind::glucose], 2);
        const std::int32_t dy = world->posY[Kind::glucose][2] - world->posY[Kind::glucose][1];
        EXPECT_NEAR(dy, small ? 100 : 200, 8) << (small ? "small" : "large");
    }
}

TEST(Tick, ProductsBeyondTwoHundredAreNotCreated)
{
    // Lactose: no room for glucose, the lactose still goes and the galactose still comes.
    auto lactose = scenario(Reaction::lactoseHydrolysis, 1);
    place(*lactose, Kind::enzyme, 2000, 2000);
    place(*lactose, Kind::lactose, 2000, 2000);
    bindSubstrate(*lactose, 1, 1, 1);
    lactose->count[Kind::glucose] = 200;
    lactose->maxProducts = 200;
    tick(*lactose);
    EXPECT_EQ(lactose->count[Kind::glucose], 200);
    EXPECT_EQ(lactose->count[Kind::lactose], 0);
    EXPECT_EQ(lactose->count[Kind::galactose], 1);
    EXPECT_TRUE(testing::brokenInvariant(*lactose).empty()) << testing::brokenInvariant(*lactose);

    // Maltose: room for one glucose only, which stays where it was made.
    auto maltose = scenario(Reaction::maltoseHydrolysis, 1);
    place(*maltose, Kind::enzyme, 2000, 2000);
    place(*maltose, Kind::maltose, 2000, 2000);
    bindSubstrate(*maltose, 1, 1, 1);
    maltose->count[Kind::glucose] = 199;
    maltose->maxProducts = 200;
    tick(*maltose);
    EXPECT_EQ(maltose->count[Kind::glucose], 200);
    EXPECT_EQ(maltose->count[Kind::maltose], 0);
    EXPECT_NEAR(maltose->posY[Kind::glucose][200], maltose->posY[Kind::enzyme][1], 8);
}

TEST(Tick, AmyloseEnzymeTakesOnlyTheBottomOfAChain)
{
    struct Case
    {
        const char* what;
        int unit; // 1 top, 2 middle, 3 bottom, 4 lone
        bool taken;
    };
    const Case cases[] = {{"top", 1, false}, {"middle", 2, false}, {"bottom", 3, true}, {"lone", 4, false}};
    for (const Case& c : cases) {
        auto world = scenario(Reaction::amyloseHydrolysis, 0, true);
        ASSERT_EQ(world->siteOffsetY, 100);
        testing::placeChain(*world, 3, 1000, 1200);
        place(*world, Kind::amyloseUnit, 3000, 1000);
        const std::int32_t ux = world->posX[Kind::amyloseUnit][c.unit];
        const std::int32_t uy = world->posY[Kind::amyloseUnit][c.unit];
        // The enzyme's site, half a symbol below it, lies 30 tenths off the unit.
        place(*world, Kind::enzyme, ux + 30, uy - 100 + 30);
        tick(*world);
        EXPECT_EQ(world->boundSubstrate[1] == c.unit, c.taken) << c.what;
        if (c.taken) {
            EXPECT_EQ(world->posX[Kind::enzyme][1], ux) << "the enzyme jumps onto the unit";
            EXPECT_EQ(world->posY[Kind::enzyme][1], uy - 100);
        }
    }
}

TEST(Tick, AmyloseIsCutFromTheBottomAndTheLastUnitBecomesMaltose)
{
    auto world = scenario(Reaction::amyloseHydrolysis, 37, true);
    testing::placeChain(*world, 3, 1000, 1200);
    place(*world, Kind::enzyme, 1000, 1600 - 100);

    tick(*world);
    ASSERT_EQ(world->boundSubstrate[1], 3);
    for (int t = 0; t < 10; ++t) {
        tick(*world);
        ASSERT_EQ(world->posX[Kind::enzyme][1], 1000) << "a busy enzyme stands still while it cuts";
        ASSERT_EQ(world->posY[Kind::amyloseUnit][3], 1600) << "the held unit sits at the site";
    }
    ticksUntil(*world, [&] { return world->count[Kind::maltose] == 1; }, 100);
    EXPECT_EQ(world->count[Kind::amyloseUnit], 2);
    EXPECT_EQ(world->chainNext[2], 0) << "unit 2 is the new bottom";
    EXPECT_EQ(world->chainPrev[2], 1);

    // Cut the two-unit chain that is left: the top unit, now alone, becomes maltose in the same tick.
    world->posX[Kind::enzyme][1] = 1000;
    world->posY[Kind::enzyme][1] = 1400 - 100;
    world->busyTimer[1] = 0;
    ticksUntil(*world, [&] { return world->count[Kind::amyloseUnit] < 2; }, 100);
    EXPECT_EQ(world->count[Kind::amyloseUnit], 0);
    EXPECT_EQ(world->count[Kind::maltose], 3);
}

TEST(Tick, LoneUnitsBecomeMaltoseOnePerTickOnlyInTheAmyloseReaction)
{
    for (const std::int32_t reaction : {1, 2, 3, 4}) {
        auto world = scenario(reaction, 0);
        place(*world, world->substrateKind, 1000, 1000);
        place(*world, world->substrateKind, 2000, 1000);
        const std::uint32_t state = world->random.state;
        tick(*world);
        if (reaction == Reaction::amyloseHydrolysis) {
            EXPECT_EQ(world->count[Kind::amyloseUnit], 1);
            EXPECT_EQ(world->count[Kind::maltose], 1);
            tick(*world);
            EXPECT_EQ(world->count[Kind::amyloseUnit], 0);
            EXPECT_EQ(world->count[Kind::maltose], 2);
        } else {
            EXPECT_EQ(world->count[world->substrateKind], 2) << "reaction " << reaction;
            EXPECT_EQ(world->count[world->productKind1], 0) << "reaction " << reaction;
            EXPECT_EQ(world->random.state, state) << "and nothing is drawn for it";
        }
    }
}

TEST(Tick, AcidRateByPhAndTemperature)
{
    struct Case
    {
        std::int32_t temperature, ph, rate;
    };
    const Case cases[] = {
        {40, 2, 4},  {60, 2, 12}, {40, 1, 8}, {60, 1, 24}, {40, 0, 40}, {60, 0, 120}, {40, -3, 4},
        {31, 0, 4},  {31, 1, 0},  {31, 2, 0}, {30, 0, 0},  {40, 3, 0},  {90, 7, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(acidRate(c.temperature, c.ph), c.rate) << c.temperature << " C, pH " << c.ph;
    }
}

TEST(Tick, AcidDrawsOncePerFreeMoleculeOnlyBelowPh3AndAbove30)
{
    struct Case
    {
        std::int32_t temperature, ph;
        int acidDraws;
    };
    // Five lactose, one of them held: four acid draws when the acid step runs.
    for (const Case c : {Case{30, 0, 0}, Case{31, 3, 0}, Case{31, 2, 4}, Case{31, 0, 4}}) {
        auto world = scenario(Reaction::lactoseHydrolysis, c.temperature);
        world->ph = c.ph;
        world->random.state = 99; // away from the generator's first draw, which is 0
        place(*world, Kind::enzyme, 100, 100);
        for (int i = 0; i < 5; ++i) {
            place(*world, Kind::lactose, 3000, 3000);
        }
        bindSubstrate(*world, 1, 3, 500);
        const std::uint32_t before = world->random.state;
        tick(*world);
        // Motion draws two per molecule: one enzyme and five lactose.
        EXPECT_EQ(world->random.state, stateAfter(before, c.acidDraws + 2 * 6)) << c.temperature << " C, pH " << c.ph;
    }
}

TEST(Tick, StrongAcidHydrolysesEverySugarInThreePasses)
{
    // At pH 0 and 250030 degrees C the rate is a million in a million: every free molecule goes.
    auto world = scenario(Reaction::amyloseHydrolysis, 250030, true);
    world->ph = 0;
    for (int i = 0; i < 3; ++i) {
        place(*world, Kind::lactose, 3000, 3000);
    }
    place(*world, Kind::maltose, 3000, 3000);
    place(*world, Kind::maltose, 3000, 3000);
    testing::placeChain(*world, 5, 1000, 1200);
    tick(*world);
    // A molecule moved into a freed slot is not looked at again in the same pass: of three lactose,
    // slot 1 goes and the last one moves into it, slot 2 goes, slot 3 is past the count.
    EXPECT_EQ(world->count[Kind::lactose], 1);
    EXPECT_EQ(world->count[Kind::galactose], 2);
    EXPECT_EQ(world->count[Kind::glucose], 2 + 2);
    // Of two maltose one goes. Units 2, 3 and 4 each split the chain above them; unit 5, the
    // bottom, became maltose, which is not hydrolysed again this tick; then the lone unit 1 became
    // maltose and unit 4 moved into slot 1.
    EXPECT_EQ(world->count[Kind::maltose], 1 + 1 + 1);
    ASSERT_EQ(world->count[Kind::amyloseUnit], 3);
    EXPECT_EQ(world->posY[Kind::amyloseUnit][1], 1800) << "unit 4, never lifted";
    EXPECT_EQ(world->posY[Kind::amyloseUnit][2], 1400 - 40);
    EXPECT_EQ(world->posY[Kind::amyloseUnit][3], 1600 - 40);
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(world->chainPrev[s], 0);
        EXPECT_EQ(world->chainNext[s], 0);
    }
}

TEST(Tick, AcidSparesHeldMolecules)
{
    auto world = scenario(Reaction::lactoseHydrolysis, 250030);
    world->ph = 0;
    place(*world, Kind::enzyme, 100, 100);
    place(*world, Kind::lactose, 100, 100);
    bindSubstrate(*world, 1, 1, 2000000000);
    place(*world, Kind::lactose, 3000, 3000);
    tick(*world);
    EXPECT_EQ(world->count[Kind::lactose], 1);
    EXPECT_EQ(world->boundSubstrate[1], 1);
}

TEST(Tick, ProductCapRemovesTwiceOncePerTick)
{
    struct Case
    {
        std::int32_t reaction;
        std::int32_t product1, product2; // counts before the tick
        std::int32_t after1, after2;
        int draws;
    };
    const Case cases[] = {
        {1, 6, 6, 4, 4, 2 * (1 + 2 + 2)},    // two kinds: two of each
        {1, 6, 1, 4, 0, 1 + 2 + 2 + 1 + 2},  // the second kind runs out
        {1, 10, 10, 8, 8, 10},              // tested once per tick
        {3, 6, 6, 2, 2, 2 * (1 + 2 + 2)},    // glucose twice: four glucose
        {4, 6, 0, 4, 0, 2 * (1 + 2)},        // one product kind
        {1, 5, 5, 5, 5, 0},                 // at the cap: nothing
    };
    for (const Case& c : cases) {
        auto world = scenario(c.reaction, 0);
        world->maxProducts = 5;
        for (int i = 0; i < c.product1; ++i) {
            place(*world, world->productKind1, 100, 100);
        }
        if (world->productKind2 >= 1 && world->productKind2 != world->productKind1) {
            for (int i = 0; i < c.product2; ++i) {
                place(*world, world->productKind2, 100, 100);
            }
        }
        const std::uint32_t before = world->random.state;
        tick(*world);
        EXPECT_EQ(world->count[world->productKind1], c.after1) << "reaction " << c.reaction;
        if (world->productKind2 >= 1) {
            EXPECT_EQ(world->count[world->productKind2], c.after2) << "reaction " << c.reaction;
        }
        EXPECT_EQ(world->random.state, stateAfter(before, c.draws)) << "reaction " << c.reaction;
    }
}

TEST(Tick, WallsStopAndTurnMolecules)
{
    struct Case
    {
        std::int32_t x, y, vx, vy;
        std::int32_t toX, toY, toVx, toVy;
    };
    // Large symbols in a 512 x 384 scene: the right wall at 472 pixels, the bottom one at 344.
    const Case cases[] = {
        {-5, 100, -3, 0, 0, 100, 3, 0},     {100, -1, 0, -7, 100, 0, 0, 7},
        {4729, 100, 4, 0, 4729, 100, 4, 0}, {4730, 100, 4, 0, 4720, 100, -4, 0},
        {100, 3449, 0, 2, 100, 3449, 0, 2}, {100, 3450, 0, 2, 100, 3440, 0, -2},
        {-9, 9000, 1, 1, 0, 3440, -1, -1},
    };
    for (const Case& c : cases) {
        auto world = scenario(Reaction::lactoseHydrolysis, 0);
        place(*world, Kind::lactose, c.x, c.y);
        world->velX[Kind::lactose][1] = c.vx;
        world->velY[Kind::lactose][1] = c.vy;
        tick(*world);
        EXPECT_EQ(world->posX[Kind::lactose][1], c.toX) << c.x << ", " << c.y;
        EXPECT_EQ(world->posY[Kind::lactose][1], c.toY) << c.x << ", " << c.y;
        EXPECT_EQ(world->velX[Kind::lactose][1], c.toVx) << c.x << ", " << c.y;
        EXPECT_EQ(world->velY[Kind::lactose][1], c.toVy) << c.x << ", " << c.y;
    }
}

TEST(Tick, ColdFreezesMotionAndBusyTimers)
{
    for (const std::int32_t temperature : {0, -10}) {
        auto world = scenario(Reaction::lactoseHydrolysis, temperature);
        place(*world, Kind::enzyme, 2000, 2000);
        place(*world, Kind::lactose, 2000, 2000);
        place(*world, Kind::glucose, 1000, 1000);
        world->velX[Kind::glucose][1] = 30;
        const std::uint32_t state = world->random.state;
        tick(*world);
        EXPECT_EQ(world->posX[Kind::glucose][1], 1000) << "nothing moves";
        EXPECT_EQ(world->random.state, state) << "and nothing is drawn";
        EXPECT_EQ(world->busyTimer[1], 1000 - temperature) << "the act stands still, or grows below 0";
        tick(*world);
        EXPECT_EQ(world->busyTimer[1], 1000 - 2 * temperature);
    }
}

TEST(Tick, JitterGrowsWithTheTemperatureAndHalvesForBusyEnzymes)
{
    auto world = scenario(Reaction::lactoseHydrolysis, 37);
    place(*world, Kind::enzyme, 2000, 2000);
    place(*world, Kind::enzyme, 2500, 2500);
    world->busyTimer[2] = 1000000;
    for (int i = 0; i < 20; ++i) {
        place(*world, Kind::glucose, 1000 + 100 * i, 2000);
    }
    int fastest = 0;
    for (int t = 0; t < 200; ++t) {
        tick(*world);
        ASSERT_LE(std::abs(world->velX[Kind::enzyme][2]), 20) << "busy enzyme";
        ASSERT_LE(std::abs(world->velY[Kind::enzyme][2]), 20) << "busy enzyme";
        for (int s = 1; s <= 20; ++s) {
            ASSERT_LE(std::abs(world->velX[Kind::glucose][s]), 40);
            fastest = std::max(fastest, std::abs(world->velX[Kind::glucose][s]));
        }
    }
    EXPECT_EQ(fastest, 40);
}

TEST(Tick, HeldMoleculeFollowsItsEnzymesSite)
{
    auto world = scenario(Reaction::lactoseHydrolysis, 37);
    place(*world, Kind::enzyme, 2000, 2000);
    place(*world, Kind::lactose, 2000, 2000);
    for (int t = 0; t < 20; ++t) {
        tick(*world);
        ASSERT_EQ(world->boundSubstrate[1], 1);
        ASSERT_EQ(world->posX[Kind::lactose][1], world->posX[Kind::enzyme][1]);
        ASSERT_EQ(world->posY[Kind::lactose][1], world->posY[Kind::enzyme][1]);
    }
}

TEST(Tick, ExtremeTemperaturesWrapWithoutBreakingTheWorld)
{
    for (const std::int32_t temperature : {2147483647, -2147483647 - 1, 1073741824, -1073741824}) {
        for (const std::int32_t ph : {-2147483647 - 1, 0, 2147483647}) {
            auto world = scenario(Reaction::lactoseHydrolysis, temperature);
            world->ph = ph;
            place(*world, Kind::enzyme, 2000, 2000);
            place(*world, Kind::lactose, 2000, 2000);
            place(*world, Kind::thiolactose, 4000, 2000);
            for (int t = 0; t < 30; ++t) {
                tick(*world);
                ASSERT_EQ(testing::brokenInvariant(*world), "") << temperature << " C, pH " << ph;
            }
        }
    }
}

} // namespace
} // namespace velmora
