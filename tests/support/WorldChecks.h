#pragma once

#include "model/World.h"

#include <string>

namespace velmora::testing {

// Checks the invariants that every operation of the model keeps. Returns a description of the
// first broken one, or an empty text.
//
// Counts, the graph's clock and the runs of denatured and charged enzymes hold at all times. The
// links between enzymes and molecules, and the amylose chains, hold while an experiment runs or is
// paused: once it is stopped, a reaction change gives the molecules left behind new roles, and
// they wait, never ticked, for the next start to seed everything again.
std::string brokenInvariant(const World& world);

} // namespace velmora::testing
