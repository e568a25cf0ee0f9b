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

// Whether no tick can change the substrate's count any more during the next `ticksLeft` ticks,
// as long as the temperature and the pH stay: no acid hydrolysis, no lone amylose unit left to
// turn into maltose, and no enzyme that will ever let a product go (every one denatured or charged
// and holding nothing, or, at 0 degrees C and below, its countdown standing still or growing).
// A measure may then stop a run early: the rest would change nothing that it reads.
bool substrateSettled(const World& world, std::int64_t ticksLeft);

} // namespace velmora
