#pragma once

#include "experiment/Lifecycle.h"
#include "experiment/ReactionChoice.h"
#include "model/World.h"

#include <cstdint>
#include <memory>

namespace velmora::testing {

inline constexpr SceneSize testScene{512, 384};

// A World as the window leaves it after start-up with `reaction` chosen, running, with no
// molecule yet: tests place the molecules they need.
inline std::unique_ptr<World> scenario(std::int32_t reaction, std::int32_t temperature = 37, bool small = false)
{
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    WindowUpdate update;
    changelegende1Click(*world, {reaction, small}, update);
    world->temperature = temperature;
    world->ph = world->optimumPh;
    world->welcomePending = false;
    world->stoppedByUser = false;
    world->running = true;
    world->substrateAmount = 100;
    return world;
}

// An experiment started with every quantity at 200 and 200 products on screen at most.
inline std::unique_ptr<World> startedAtFullLoad(ReactionChoice choice, SceneSize scene, std::int32_t temperature,
                                                std::int32_t ph)
{
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    world->enzymeAmount = 200;
    world->substrateAmount = 200;
    world->otherAmount = 200;
    chooseMaxProducts(*world, 400);
    WindowUpdate update;
    recommencer1Click(*world, choice, scene, {temperature, ph}, update);
    return world;
}

// Appends a molecule of `kind` at (x, y), in tenths of a pixel, standing still.
inline std::int32_t place(World& world, std::int32_t kind, std::int32_t x, std::int32_t y)
{
    const std::int32_t slot = ++world.count[kind];
    world.posX[kind][slot] = x;
    world.posY[kind][slot] = y;
    world.velX[kind][slot] = 0;
    world.velY[kind][slot] = 0;
    world.partnerEnzyme[kind][slot] = 0;
    return slot;
}

// Links the units in slots first (top) .. last (bottom) into one amylose chain.
inline void linkChain(World& world, std::int32_t first, std::int32_t last)
{
    for (std::int32_t s = first; s <= last; ++s) {
        world.chainPrev[s] = s > first ? s - 1 : 0;
        world.chainNext[s] = s < last ? s + 1 : 0;
    }
}

// Appends `units` amylose units as one chain at column x, the top one at y, a symbol apart.
inline void placeChain(World& world, std::int32_t units, std::int32_t x, std::int32_t y)
{
    const std::int32_t first = world.count[Kind::amyloseUnit] + 1;
    for (std::int32_t u = 0; u < units; ++u) {
        place(world, Kind::amyloseUnit, x, y + u * symbolSide(world.spriteBase) * 10);
    }
    linkChain(world, first, first + units - 1);
}

// Makes enzyme e hold the substrate molecule in `slot`, as an encounter does.
inline void bindSubstrate(World& world, std::int32_t e, std::int32_t slot, std::int32_t busy)
{
    world.boundSubstrate[e] = slot;
    world.partnerEnzyme[world.substrateKind][slot] = e;
    world.busyTimer[e] = busy;
}

} // namespace velmora::testing
