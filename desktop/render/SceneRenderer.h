#pragma once

#include "model/World.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <cstdint>

class DrawingSurface;
class SpriteSet;

// Where the model's box lies on the scene surface: as large as the surface allows, its shape
// kept, in the middle of the rest, which shows the scene's background. The box is enlarged (or
// reduced) by numerator / denominator; at 1 it fills a surface of its own size exactly.
struct SceneScale
{
    QRect box;
    std::int32_t numerator = 1;
    std::int32_t denominator = 1;

    // The pixel of the surface where a position in tenths of a box pixel is drawn, truncated toward
    // zero from the box's corner.
    int x(std::int32_t tenths) const { return box.x() + scaled(tenths); }
    int y(std::int32_t tenths) const { return box.y() + scaled(tenths); }
    bool operator==(const SceneScale&) const = default;

private:
    int scaled(std::int32_t tenths) const
    {
        return static_cast<int>(static_cast<std::int64_t>(tenths) * numerator /
                                (10 * std::int64_t{denominator}));
    }
};

SceneScale sceneScale(QSize surface, velmora::SceneSize box);

// One scene frame: the background (white, or the ice picture at 0 degrees C and below), every
// molecule of the World with its kind's picture, the enzymes with their charge marks or their
// denatured picture, the complex overlays, then flip. The box is drawn at `scale` with `sprites`
// of that scale, each picture cut off at the box's walls, and framed by a thin grey line where the
// surface is larger. Nothing is drawn while the surface cannot draw.
void drawSceneFrame(DrawingSurface& surface, const SpriteSet& sprites, const QImage& ice,
                    const velmora::World& world, const SceneScale& scale);

// The same for a box of the surface's own size, with the pictures as they are.
void drawSceneFrame(DrawingSurface& surface, const SpriteSet& sprites, const QImage& ice,
                    const velmora::World& world);
