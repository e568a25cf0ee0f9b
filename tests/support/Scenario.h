#pragma once

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

// Makes enzyme e hold the substrate molecule in `slot`, as an encounter does.
inline void bindSubstrate(World& world, std::int32_t e, std::int32_t slot, std::int32_t busy)
{
    world.boundSubstrate[e] = slot;
    world.partnerEnzyme[world.substrateKind][slot] = e;
    world.busyTimer[e] = busy;
}

} // namespace velmora::testing
