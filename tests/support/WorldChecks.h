#pragma once

#include "model/World.h"

#include <string>

namespace velmora::testing {

// Checks the invariants that every operation of the model keeps. Returns a description of the
// first broken one, or an empty text.
std::string brokenInvariant(const World& world);

} // namespace velmora::testing
