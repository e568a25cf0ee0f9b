#pragma once

#include "model/World.h"

namespace velmora {

// Gives all 200 slots of every kind a random position and velocity, kind by kind and slot by
// slot; the amylose units (kind 13) are laid out as chains instead.
void seedMolecules(World& world, SceneSize scene);

// Lays the amylose units out as vertical chains of five, one chain per column across the box, for
// n = count[substrateKind] live units. Writes chainPrev and chainNext in every reaction.
void layOutAmyloseChains(World& world, SceneSize scene);

} // namespace velmora
