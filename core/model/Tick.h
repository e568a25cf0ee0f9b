#pragma once

#include "model/WindowUpdate.h"
#include "model/World.h"

namespace velmora {

// One simulation tick (every 50 ms while an experiment runs): graph clock, acid hydrolysis,
// product cap, encounters, busy countdown, product release, thiolactose release, lone amylose
// units, then motion and walls. Every twentieth tick the graph advances by one second.
void Timer2Timer(World& world, SceneSize scene, WindowUpdate& update);

// The rate of hydrolysis without enzyme, in chances per million per molecule and tick; 0 unless
// the pH is below 3 and the temperature above 30 degrees C.
std::int32_t acidRate(std::int32_t temperature, std::int32_t ph);

} // namespace velmora
