#pragma once

#include "model/WindowUpdate.h"
#include "model/World.h"

#include <cstdint>

namespace velmora {

// Applies the reaction choice ("changelegende"): fills the role variables, spriteBase and
// reactionIndex from the checked reaction and symbol size, and asks for the matching legend frame,
// symbol-size boxes, panel frame and reaction name. With the amylose reaction a running
// experiment is stopped.
void changelegende1Click(World& world, ReactionChoice choice, WindowUpdate& update);

// A reaction item of the menu: stop, then apply the choice with that reaction checked.
void selectReaction(World& world, ReactionChoice choice, WindowUpdate& update);

// "reacprev" (step -1) and "reacsuiv" (step +1) from the panel: stop, move reactionIndex with
// wrap-around inside 1..4, apply the choice with that reaction checked. Returns the reaction that
// the menu must now show checked.
std::int32_t stepReaction(World& world, std::int32_t step, bool smallSymbols, WindowUpdate& update);

} // namespace velmora
