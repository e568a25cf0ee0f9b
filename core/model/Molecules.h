#pragma once

#include "model/World.h"

#include <cstdint>

namespace velmora {

// The enzyme field that points at the molecules of the kind being removed.
enum class Role
{
    substrate, // boundSubstrate
    second, // boundSecond
};

// Appends a molecule of `kind` at (x, y) with partnerEnzyme 0; its velocity is whatever the slot
// last held. Returns the new slot, or 0 when the kind already holds 200 molecules, in which
// case nothing is created. Draws nothing.
std::int32_t createMolecule(World& world, std::int32_t kind, std::int32_t x, std::int32_t y);

// Removes the molecule in `slot` (1..count[kind]) of `kind`: the last molecule of the kind
// moves into the slot with its links, and the vacated last slot gets a fresh random position
// (two draws).
void removeMolecule(World& world, Role role, std::int32_t kind, std::int32_t slot, SceneSize scene);

} // namespace velmora
