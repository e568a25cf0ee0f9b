#include "model/Tick.h"

#include "model/Arithmetic.h"
#include "model/Molecules.h"
#include "model/TimeCourse.h"

#include <algorithm>
#include <limits>

namespace velmora {

namespace {

constexpr std::int32_t ticksPerSecond = 20;
constexpr std::int32_t chanceScale = 1000000; // chances are parts per million
constexpr std::int32_t reach = 50; // tenths of a pixel on each axis, exclusive
constexpr std::int32_t catalysisTime = 1000; // one catalytic act, or one hold of thiolactose
constexpr std::int32_t restTime = 200; // after letting a thiolactose molecule go
constexpr std::int32_t splitLift = 40; // tenths of a pixel a chain's upper part moves up
constexpr std::int32_t releaseShift = 50; // tenths of a pixel a released thiolactose moves right

// Whether a coordinate lies strictly within 50 tenths of the site's: the difference, shifted by
// 49, falls in 0..98. Computed on unsigned 32-bit values, so that it wraps and vectorises.
constexpr bool near(std::uint32_t coordinate, std::uint32_t shiftedSite)
{
    return coordinate + shiftedSite < 2u * reach - 1u;
}

// First free molecule of `kind` within reach of the site (ex, ey), or 0. With `chainBottomsOnly`,
// only the bottom unit of a chain of two or more units qualifies. The lowest such slot wins.
//
// Up to 200 enzymes each look through up to 200 molecules of a kind every tick, so the slots are
// tested eight at a time without branches (the compiler vectorises the block); only the block that
// holds a hit is looked through slot by slot.
std::int32_t firstFreeWithinReach(const World& world, std::int32_t kind, std::int32_t ex, std::int32_t ey,
                                  bool chainBottomsOnly)
{
    const std::int32_t* partner = world.partnerEnzyme[kind].data();
    const std::int32_t* xs = world.posX[kind].data();
    const std::int32_t* ys = world.posY[kind].data();
    const std::int32_t* below = world.chainNext.data();
    const std::int32_t* above = world.chainPrev.data();
    const std::uint32_t shiftedX = static_cast<std::uint32_t>(reach - 1) - static_cast<std::uint32_t>(ex);
    const std::uint32_t shiftedY = static_cast<std::uint32_t>(reach - 1) - static_cast<std::uint32_t>(ey);
    // Each test is 0 or 1, combined without branches.
    const unsigned anyUnit = chainBottomsOnly ? 0u : 1u;
    const auto eligible = [&](std::int32_t j) -> unsigned {
        const unsigned free = partner[j] == 0;
        const unsigned nearX = near(static_cast<std::uint32_t>(xs[j]), shiftedX);
        const unsigned nearY = near(static_cast<std::uint32_t>(ys[j]), shiftedY);
        const unsigned chainBottom = unsigned(below[j] == 0) & unsigned(above[j] > 0);
        return free & nearX & nearY & (chainBottom | anyUnit);
    };

    constexpr std::int32_t block = 8;
    const std::int32_t n = world.count[kind];
    std::int32_t j = 1;
    for (; j + block - 1 <= n; j += block) {
        unsigned any = 0;
        for (std::int32_t i = 0; i < block; ++i) {
            any |= eligible(j + i);
        }
        if (any != 0) {
            break; // the hit is found slot by slot below
        }
    }
    for (; j <= n; ++j) {
        if (eligible(j)) {
            return j;
        }
    }
    return 0;
}

// One pass of acid hydrolysis over the molecules of `kind` present when it starts. A slot emptied
// by a removal during the pass, and the molecule moved into a freed slot, are not looked at again.
template <typename Hydrolyse>
void acidPass(World& world, std::int32_t kind, std::int32_t rate, Hydrolyse hydrolyse)
{
    const std::int32_t n = world.count[kind];
    for (std::int32_t s = 1; s <= n; ++s) {
        if (s > world.count[kind] || world.partnerEnzyme[kind][s] != 0) {
            continue;
        }
        if (world.random.randomBelow(chanceScale) < rate) {
            hydrolyse(s);
        }
    }
}

// Step 3.
void hydrolyseInAcid(World& world, SceneSize scene)
{
    // Below pH 3 and above 30 degrees C every molecule gets its draw, even when the rate
    // rounds down to 0.
    if (!(world.ph < 3 && world.temperature > 30)) {
        return;
    }
    const std::int32_t rate = acidRate(world.temperature, world.ph);

    acidPass(world, Kind::lactose, rate, [&](std::int32_t s) {
        const std::int32_t x = world.posX[Kind::lactose][s];
        const std::int32_t y = world.posY[Kind::lactose][s];
        createMolecule(world, Kind::glucose, x, y);
        createMolecule(world, Kind::galactose, x, y);
        removeMolecule(world, Role::substrate, Kind::lactose, s, scene);
    });

    acidPass(world, Kind::maltose, rate, [&](std::int32_t s) {
        const std::int32_t x = world.posX[Kind::maltose][s];
        const std::int32_t y = world.posY[Kind::maltose][s];
        createMolecule(world, Kind::glucose, x, y);
        createMolecule(world, Kind::glucose, x, y);
        removeMolecule(world, Role::substrate, Kind::maltose, s, scene);
    });

    acidPass(world, Kind::amyloseUnit, rate, [&](std::int32_t s) {
        if (world.chainNext[s] == 0) {
            // The bottom unit (or a lone one) leaves as one maltose.
            createMolecule(world, Kind::maltose, world.posX[Kind::amyloseUnit][s], world.posY[Kind::amyloseUnit][s]);
            removeMolecule(world, Role::substrate, Kind::amyloseUnit, s, scene);
            return;
        }
        const std::int32_t above = world.chainPrev[s];
        if (above == 0) {
            return; // the top unit: nothing to split off
        }
        // The chain breaks above this unit: the upper part moves up, then the link is cut.
        for (std::int32_t u = above, steps = 0; u > 0 && steps < maxSlot; u = world.chainPrev[u], ++steps) {
            world.posY[Kind::amyloseUnit][u] = wrapSub(world.posY[Kind::amyloseUnit][u], splitLift);
        }
        world.chainNext[above] = 0;
        world.chainPrev[s] = 0;
    });
}

// Step 4.
void capProducts(World& world, SceneSize scene)
{
    const std::int32_t product1 = world.productKind1;
    const std::int32_t product2 = world.productKind2;
    if (product1 < 0 || world.count[product1] <= world.maxProducts) {
        return;
    }
    for (int removal = 0; removal < 2; ++removal) {
        const std::int32_t s = world.random.randomBelow(world.count[product1]) + 1;
        removeMolecule(world, Role::substrate, product1, s, scene);
        if (product2 >= 1 && world.count[product2] >= 1) {
            removeMolecule(world, Role::substrate, product2, std::min(s, world.count[product2]), scene);
        }
    }
}

// Step 5.
void takeUpMolecules(World& world)
{
    const std::int32_t reaction = world.reactionIndex;
    const std::int32_t substrate = world.substrateKind;
    const std::int32_t second = world.secondKind;
    const std::int32_t other = world.otherKind;
    const std::int32_t enzymes = world.count[Kind::enzyme];

    for (std::int32_t e = 1; e <= enzymes; ++e) {
        if (world.busyTimer[e] > 0 || world.denatured[e] || world.charge[e] != 0) {
            continue;
        }
        // The active site, taken once when the enzyme's turn starts.
        const std::int32_t ex = wrapAdd(world.posX[Kind::enzyme][e], world.siteOffsetX);
        const std::int32_t ey = wrapAdd(world.posY[Kind::enzyme][e], world.siteOffsetY);

        // 1. The other species, which occupies the enzyme instead of the substrate.
        if (other >= 0 && world.boundSubstrate[e] == 0 && world.boundOther[e] == 0 && world.count[other] >= 1) {
            if (const std::int32_t j = firstFreeWithinReach(world, other, ex, ey, false)) {
                world.partnerEnzyme[other][j] = e;
                world.boundOther[e] = j;
                world.busyTimer[e] = catalysisTime;
            }
        }

        // 2. The substrate; in the amylose reaction only the bottom end of a chain.
        if (substrate >= 0 && world.boundSubstrate[e] == 0 && world.boundOther[e] == 0 &&
            world.count[substrate] >= 1) {
            const bool amylose = reaction == Reaction::amyloseHydrolysis;
            if (const std::int32_t j = firstFreeWithinReach(world, substrate, ex, ey, amylose)) {
                if (reaction != Reaction::lactoseSynthesis) {
                    world.busyTimer[e] = catalysisTime;
                }
                world.partnerEnzyme[substrate][j] = e;
                world.boundSubstrate[e] = j;
                if (amylose) {
                    // The enzyme jumps onto the unit it cuts.
                    world.posX[Kind::enzyme][e] = wrapSub(world.posX[substrate][j], world.siteOffsetX);
                    world.posY[Kind::enzyme][e] = wrapSub(world.posY[substrate][j], world.siteOffsetY);
                }
            }
        }

        // 3. The second reactant of the synthesis.
        if (reaction == Reaction::lactoseSynthesis && second >= 0 && world.boundSecond[e] == 0 &&
            world.boundOther[e] == 0 && world.count[second] >= 1) {
            if (const std::int32_t j = firstFreeWithinReach(world, second, ex, ey, false)) {
                world.boundSecond[e] = j;
                world.partnerEnzyme[second][j] = e;
            }
        }

        // 4. Holding both reactants, or the other species, makes the enzyme busy.
        if ((world.boundSubstrate[e] >= 1 && world.boundSecond[e] >= 1) || world.boundOther[e] >= 1) {
            world.busyTimer[e] = catalysisTime;
        }
    }
}

// Step 6. At 0 degrees C the timers stand still; below, they grow.
void countDownBusyTimers(World& world)
{
    const std::int32_t enzymes = world.count[Kind::enzyme];
    for (std::int32_t e = 1; e <= enzymes; ++e) {
        if (world.busyTimer[e] > 0) {
            world.busyTimer[e] = wrapSub(world.busyTimer[e], world.temperature);
        }
    }
}

// Step 7.
void releaseProducts(World& world, SceneSize scene)
{
    const std::int32_t reaction = world.reactionIndex;
    const std::int32_t enzymes = world.count[Kind::enzyme];
    for (std::int32_t e = 1; e <= enzymes; ++e) {
        if (world.busyTimer[e] > 0 || world.boundSubstrate[e] < 1 ||
            (reaction == Reaction::lactoseSynthesis && world.boundSecond[e] < 1)) {
            continue;
        }
        const std::int32_t x = world.posX[Kind::enzyme][e];
        const std::int32_t y = world.posY[Kind::enzyme][e];
        createMolecule(world, world.productKind1, x, y);
        removeMolecule(world, Role::substrate, world.substrateKind, world.boundSubstrate[e], scene);
        if (world.productKind2 >= 1) {
            const std::int32_t secondProduct = createMolecule(world, world.productKind2, x, y);
            if (world.boundSecond[e] >= 1) {
                removeMolecule(world, Role::second, world.secondKind, world.boundSecond[e], scene);
            }
            if (reaction == Reaction::maltoseHydrolysis && secondProduct != 0) {
                // The second glucose appears half a symbol lower than the first.
                const std::int32_t shift = wrapMul(symbolSide(world.spriteBase), 5);
                world.posY[world.productKind2][secondProduct] =
                    wrapAdd(world.posY[world.productKind2][secondProduct], shift);
            }
        }
        world.busyTimer[e] = 0;
        world.boundSubstrate[e] = 0;
        world.boundSecond[e] = 0;
    }
}

// Step 8.
void releaseOtherSpecies(World& world)
{
    const std::int32_t other = world.otherKind;
    const std::int32_t enzymes = world.count[Kind::enzyme];
    for (std::int32_t e = 1; e <= enzymes; ++e) {
        const std::int32_t j = world.boundOther[e];
        if (world.busyTimer[e] > 0 || j < 1) {
            continue;
        }
        if (other >= 0) {
            world.partnerEnzyme[other][j] = 0;
            world.posX[other][j] = wrapAdd(world.posX[other][j], releaseShift);
        }
        world.busyTimer[e] = restTime;
        world.boundOther[e] = 0;
    }
}

// Step 9. In the amylose reaction the last unit left of a chain becomes a maltose, one per tick.
// The other reactions have no chains, so the step leaves them alone.
void convertLoneUnit(World& world, SceneSize scene)
{
    if (world.reactionIndex != Reaction::amyloseHydrolysis) {
        return;
    }
    const std::int32_t kind = world.substrateKind;
    for (std::int32_t s = 1; s <= world.count[kind]; ++s) {
        if (world.partnerEnzyme[kind][s] == 0 && world.chainPrev[s] == 0 && world.chainNext[s] == 0) {
            createMolecule(world, world.productKind1, world.posX[kind][s], world.posY[kind][s]);
            removeMolecule(world, Role::substrate, kind, s, scene);
            return;
        }
    }
}

// Step 10.
void moveMolecules(World& world, SceneSize scene, std::int32_t symbolWidth)
{
    const std::int32_t t = world.temperature;
    // Jitter amplitude: halved for a busy enzyme.
    const std::int32_t busyAmplitude = wrapAdd(t / 4, t > 0 ? 1 : 0);
    const std::int32_t freeAmplitude = wrapMul(busyAmplitude, 2);
    const std::int32_t rightWall = wrapSub(scene.width, symbolWidth);
    const std::int32_t bottomWall = wrapSub(scene.height, symbolWidth); // the width, also here
    const bool amylose = world.reactionIndex == Reaction::amyloseHydrolysis;

    for (std::int32_t k = 0; k < kindCount; ++k) {
        const std::int32_t n = world.count[k];
        auto& xs = world.posX[k];
        auto& ys = world.posY[k];
        auto& vxs = world.velX[k];
        auto& vys = world.velY[k];
        for (std::int32_t s = 1; s <= n; ++s) {
            const bool busyEnzyme = k == Kind::enzyme && world.busyTimer[s] > 0;
            const std::int32_t a = busyEnzyme ? busyAmplitude : freeAmplitude;
            if (a > 0) {
                const std::int32_t span = wrapAdd(wrapMul(a, 2), 1);
                std::int32_t vx = wrapAdd(vxs[s], wrapSub(world.random.randomBelow(span), a));
                std::int32_t vy = wrapAdd(vys[s], wrapSub(world.random.randomBelow(span), a));
                const std::int32_t high = wrapMul(a, 2);
                const std::int32_t low = wrapNeg(high);
                vx = vx < low ? low : (vx > high ? high : vx);
                vy = vy < low ? low : (vy > high ? high : vy);
                if (k == Kind::amyloseUnit || (amylose && busyEnzyme)) {
                    vx = 0;
                    vy = 0;
                }
                vxs[s] = vx;
                vys[s] = vy;
                xs[s] = wrapAdd(xs[s], vx);
                ys[s] = wrapAdd(ys[s], vy);
                // A held molecule sits at its enzyme's active site; enzymes have moved already.
                if (const std::int32_t p = world.partnerEnzyme[k][s]; p >= 1) {
                    xs[s] = wrapAdd(world.posX[Kind::enzyme][p], world.siteOffsetX);
                    ys[s] = wrapAdd(world.posY[Kind::enzyme][p], world.siteOffsetY);
                }
            }
            // Walls, in this order: left, top, right, bottom.
            if (xs[s] < 0) {
                xs[s] = 0;
                vxs[s] = wrapNeg(vxs[s]);
            }
            if (ys[s] < 0) {
                ys[s] = 0;
                vys[s] = wrapNeg(vys[s]);
            }
            if (xs[s] / 10 > rightWall) {
                xs[s] = wrapMul(rightWall, 10);
                vxs[s] = wrapNeg(vxs[s]);
            }
            if (ys[s] / 10 > bottomWall) {
                ys[s] = wrapMul(bottomWall, 10);
                vys[s] = wrapNeg(vys[s]);
            }
        }
    }
}

} // namespace

std::int32_t acidRate(std::int32_t temperature, std::int32_t ph)
{
    if (!(ph < 3 && temperature > 30)) {
        return 0;
    }
    std::int32_t rate = wrapMul(wrapSub(temperature, 30), 2);
    if (ph == 1) {
        rate = wrapMul(rate, 2);
    }
    if (ph == 0) {
        rate = wrapMul(rate, 10);
    }
    return rate / 5;
}

bool substrateSettled(const World& world, std::int64_t ticksLeft)
{
    if (acidRate(world.temperature, world.ph) > 0) {
        return false;
    }
    const std::int32_t substrate = world.substrateKind;
    if (world.reactionIndex == Reaction::amyloseHydrolysis && substrate >= 0) {
        for (std::int32_t s = 1; s <= world.count[substrate]; ++s) {
            if (world.partnerEnzyme[substrate][s] == 0 && world.chainPrev[s] == 0 &&
                world.chainNext[s] == 0) {
                return false; // step 9 turns it into maltose
            }
        }
    }
    const std::int32_t enzymes = world.count[Kind::enzyme];
    if (world.temperature <= 0) {
        // Nothing moves, and an enzyme's countdown, set at every take-up, never reaches 0 again:
        // no product is released, unless a growing countdown could wrap around in the ticks left.
        const std::int64_t growth =
            -static_cast<std::int64_t>(world.temperature) * std::max<std::int64_t>(ticksLeft, 0);
        for (std::int32_t e = 1; e <= enzymes; ++e) {
            const bool releasable =
                world.boundSubstrate[e] > 0 &&
                (world.reactionIndex != Reaction::lactoseSynthesis || world.boundSecond[e] > 0);
            if ((releasable && world.busyTimer[e] <= 0) ||
                world.busyTimer[e] + growth > std::numeric_limits<std::int32_t>::max()) {
                return false;
            }
        }
        return true;
    }
    for (std::int32_t e = 1; e <= enzymes; ++e) {
        if (world.boundSubstrate[e] > 0 || (!world.denatured[e] && world.charge[e] == 0)) {
            return false;
        }
    }
    return true;
}

void Timer2Timer(World& world, SceneSize scene, WindowUpdate& update)
{
    // 1. Graph clock: the graph samples the World as the previous tick left it.
    ++world.tickCounter;
    if (world.tickCounter == ticksPerSecond) {
        world.tickCounter = 0;
        avancedansgraphe1Click(world, update);
    }
    // 2.
    const std::int32_t symbolWidth = symbolSide(world.spriteBase);
    // 3. to 10.
    hydrolyseInAcid(world, scene);
    capProducts(world, scene);
    takeUpMolecules(world);
    countDownBusyTimers(world);
    releaseProducts(world, scene);
    releaseOtherSpecies(world);
    convertLoneUnit(world, scene);
    moveMolecules(world, scene, symbolWidth);
}

} // namespace velmora
