#include "model/Molecules.h"

#include "model/Arithmetic.h"

namespace velmora {

std::int32_t createMolecule(World& world, std::int32_t kind, std::int32_t x, std::int32_t y)
{
    if (kind < 0 || kind >= kindCount || world.count[kind] >= maxSlot) {
        return 0;
    }
    const std::int32_t slot = ++world.count[kind];
    world.posX[kind][slot] = x;
    world.posY[kind][slot] = y;
    world.partnerEnzyme[kind][slot] = 0;
    return slot;
}

void removeMolecule(World& world, Role role, std::int32_t kind, std::int32_t slot, SceneSize scene)
{
    const std::int32_t last = world.count[kind];
    if (kind < 0 || kind >= kindCount || slot < 1 || slot > last) {
        return; // no such molecule
    }

    // 1. The last molecule fills the freed slot; velocities stay with the slots.
    world.posX[kind][slot] = world.posX[kind][last];
    world.posY[kind][slot] = world.posY[kind][last];
    const std::int32_t partner = world.partnerEnzyme[kind][last];

    // 2. Chain links: cut the removed unit out, then move the last unit's links along.
    if (world.reactionIndex == Reaction::amyloseHydrolysis && kind == world.substrateKind) {
        const std::int32_t below = world.chainNext[slot];
        const std::int32_t above = world.chainPrev[slot];
        if (below > 0) {
            world.chainPrev[below] = 0;
        }
        if (above > 0) {
            world.chainNext[above] = 0;
        }
        world.chainPrev[slot] = 0;
        world.chainNext[slot] = 0;
        if (slot != last) {
            const std::int32_t lastAbove = world.chainPrev[last];
            const std::int32_t lastBelow = world.chainNext[last];
            if (lastAbove > 0) {
                world.chainNext[lastAbove] = slot;
            }
            if (lastBelow > 0) {
                world.chainPrev[lastBelow] = slot;
            }
            world.chainPrev[slot] = lastAbove;
            world.chainNext[slot] = lastBelow;
            world.chainPrev[last] = 0;
            world.chainNext[last] = 0;
        }
    }

    // 3. The enzyme holding the moved molecule now points at its new slot.
    world.partnerEnzyme[kind][slot] = partner;
    if (partner >= 1) {
        (role == Role::second ? world.boundSecond : world.boundSubstrate)[partner] = slot;
    }

    // 4. The vacated last slot is made ready for a later append.
    world.posX[kind][last] = world.random.randomBelow(wrapMul(scene.width, 10));
    world.posY[kind][last] = world.random.randomBelow(wrapMul(scene.height, 10));
    world.partnerEnzyme[kind][last] = 0;

    // 5.
    --world.count[kind];
}

} // namespace velmora
