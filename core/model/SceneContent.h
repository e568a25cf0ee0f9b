#pragma once

#include "model/World.h"

#include <cstdint>

namespace velmora {

// What a scene frame shows, in drawing order. Sprite numbers are items of the sprite set: per-kind
// numbers 1..19 and enzyme numbers 40..43, plus spriteBase.

// Item numbers of the pictures that do not stand for a kind.
namespace Sprite {
inline constexpr std::int32_t denaturedEnzyme = 5;
inline constexpr std::int32_t complexOverlay = 9;
} // namespace Sprite

// The picture drawn over a native enzyme for its charge: 1 for -1, 2 for -2, 3 for +1, 4 for +2,
// 0 (nothing) for no charge or any other value.
constexpr std::int32_t chargeMark(std::int32_t charge)
{
    switch (charge) {
    case -2:
        return 2;
    case -1:
        return 1;
    case 1:
        return 3;
    case 2:
        return 4;
    default:
        return 0;
    }
}

// The scene is drawn over the ice picture at 0 degrees C and below, over white above.
constexpr bool iceBackground(const World& world)
{
    return world.temperature <= 0;
}

// Calls draw(item, x, y) for every picture of the scene, back to front: each enzyme (its denatured
// picture, or its picture and charge mark), then kinds 1 to 16, then the complex overlay on every
// enzyme that holds its substrate (hydrolyses only). (x, y) is the molecule's position in tenths of
// a pixel of the box: the picture's top-left pixel is (x / 10, y / 10), toward zero, in a box drawn
// at its own size.
template <typename Draw>
void forEachSceneSprite(const World& world, Draw draw)
{
    const std::int32_t base = world.spriteBase;
    for (std::int32_t kind = 0; kind < kindCount; ++kind) {
        const std::int32_t n = world.count[kind];
        for (std::int32_t s = 1; s <= n; ++s) {
            const std::int32_t x = world.posX[kind][s];
            const std::int32_t y = world.posY[kind][s];
            if (kind != Kind::enzyme) {
                draw(base + world.kindSprite[kind], x, y);
            } else if (world.denatured[s]) {
                draw(base + Sprite::denaturedEnzyme, x, y);
            } else {
                draw(base + world.enzymeSprite, x, y);
                if (const std::int32_t mark = chargeMark(world.charge[s]); mark != 0) {
                    draw(base + mark, x, y);
                }
            }
        }
    }
    if (world.secondKind == Kind::complex) {
        for (std::int32_t e = 1; e <= world.count[Kind::enzyme]; ++e) {
            if (world.boundSubstrate[e] > 0) {
                draw(base + Sprite::complexOverlay, world.posX[Kind::enzyme][e], world.posY[Kind::enzyme][e]);
            }
        }
    }
}

} // namespace velmora
