#pragma once

#include "model/World.h"

#include <cstdint>
#include <ostream>

namespace velmora {

// Writes the World in the "velmora-dump 1" text format: one record per line, fields separated by
// one space, integers in decimal. Other tools read this format; it does not change.
void writeStateDump(std::ostream& out, const World& world, std::int32_t ticksRun);

} // namespace velmora
