#include "render/SceneRenderer.h"

#include "model/SceneContent.h"
#include "render/DrawingSurface.h"
#include "render/SpriteSet.h"

void drawSceneFrame(DrawingSurface& surface, const SpriteSet& sprites, const QImage& ice,
                    const velmora::World& world)
{
    if (!surface.canDraw()) {
        return;
    }
    if (velmora::iceBackground(world)) {
        QPainter& canvas = surface.canvas();
        QBrush frost(QColor(170, 255, 255));
        frost.setTextureImage(ice); // tiled from the top-left corner
        canvas.fillRect(QRect(0, 0, surface.width(), surface.height()), frost);
        surface.release();
    } else {
        surface.fill(Qt::white);
    }
    QImage& buffer = surface.backBuffer();
    velmora::forEachSceneSprite(world, [&](int item, int x, int y) { sprites.draw(item, buffer, x, y); });
    surface.flip();
}
