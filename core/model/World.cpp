#include "model/World.h"

#include <utility>

namespace velmora {

void setWindowCreationDefaults(World& world, std::string appDir)
{
    world.reactionIndex = Reaction::lactoseHydrolysis;
    for (std::int32_t i = 0; i < static_cast<std::int32_t>(world.kindSprite.size()); ++i) {
        world.kindSprite[i] = i;
    }
    world.appDir = std::move(appDir);
    world.maxProducts = 50; // the "100" item of the maximum-products menu
    world.welcomePending = true;
    world.stoppedByUser = false;
    world.concentrationsChanged = false;
}

} // namespace velmora
