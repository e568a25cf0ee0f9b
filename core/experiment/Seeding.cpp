#include "experiment/Seeding.h"

#include "model/Arithmetic.h"

namespace velmora {

namespace {

constexpr std::int32_t chainLength = 5;
constexpr std::int32_t chainColumns = 41; // the last one lies past slot 200 but still draws

} // namespace

void seedMolecules(World& world, SceneSize scene)
{
    const std::int32_t w = scene.width;
    const std::int32_t h = scene.height;
    for (std::int32_t kind = 0; kind < kindCount; ++kind) {
        if (kind == Kind::amyloseUnit) {
            layOutAmyloseChains(world, scene);
            continue;
        }
        for (std::int32_t s = 1; s <= maxSlot; ++s) {
            world.posX[kind][s] = world.random.randomBelow(wrapMul(w, 10));
            world.posY[kind][s] = world.random.randomBelow(wrapMul(h, 10));
            world.velX[kind][s] = world.random.randomBelow(w / 10) - w / 20;
            world.velY[kind][s] = world.random.randomBelow(h / 10) - h / 20;
        }
    }
}

void layOutAmyloseChains(World& world, SceneSize scene)
{
    const std::int32_t w = symbolSide(world.spriteBase);
    const std::int32_t h = w;
    const std::int32_t n = world.count[world.substrateKind];
    const std::int32_t spacing = wrapMul(scene.width - 2 * w, 10) / (n / chainLength + 2);
    const std::int32_t rightmost = wrapMul(scene.width - 2 * h, 10);

    for (std::int32_t i = 0; i < chainColumns; ++i) {
        std::int32_t x = wrapAdd(wrapAdd(w * 10 / 2, wrapMul(i, spacing)),
                                 world.random.randomBelow(wrapMul(scene.width, 4) / 42));
        if (x > rightmost) {
            x = rightmost;
        }
        const std::int32_t top = world.random.randomBelow(wrapMul(scene.height - 6 * h, 10) - 5 * h);
        for (std::int32_t u = 1; u <= chainLength; ++u) {
            const std::int32_t v = chainLength * i + u;
            if (v > maxSlot) {
                continue;
            }
            if (u > 1) {
                world.chainPrev[v] = v - 1;
            }
            if (u < chainLength && v < n) {
                world.chainNext[v] = v + 1;
            }
            world.posX[Kind::amyloseUnit][v] = x;
            world.posY[Kind::amyloseUnit][v] = top + u * h * 10;
            world.velX[Kind::amyloseUnit][v] = 0;
            world.velY[Kind::amyloseUnit][v] = 0;
        }
    }
}

} // namespace velmora
