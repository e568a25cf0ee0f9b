#include "render/SceneRenderer.h"

#include "model/SceneContent.h"
#include "render/DrawingSurface.h"
#include "render/SpriteSet.h"

namespace {

const QColor wallGrey(150, 150, 150);

} // namespace

SceneScale sceneScale(QSize surface, velmora::SceneSize box)
{
    SceneScale scale;
    if (box.width <= 0 || box.height <= 0 || surface.isEmpty()) {
        scale.box = QRect(QPoint(0, 0), surface);
        return scale;
    }
    // The narrower of the two ratios, kept as a fraction so that positions map exactly.
    const std::int64_t byWidth = std::int64_t{surface.width()} * box.height;
    const std::int64_t byHeight = std::int64_t{surface.height()} * box.width;
    if (byWidth <= byHeight) {
        scale.numerator = surface.width();
        scale.denominator = box.width;
    } else {
        scale.numerator = surface.height();
        scale.denominator = box.height;
    }
    const int width = static_cast<int>(std::int64_t{box.width} * scale.numerator / scale.denominator);
    const int height = static_cast<int>(std::int64_t{box.height} * scale.numerator / scale.denominator);
    scale.box = QRect((surface.width() - width) / 2, (surface.height() - height) / 2, width, height);
    return scale;
}

void drawSceneFrame(DrawingSurface& surface, const SpriteSet& sprites, const QImage& ice,
                    const velmora::World& world, const SceneScale& scale)
{
    if (!surface.canDraw()) {
        return;
    }
    const QRect whole(QPoint(0, 0), surface.size());
    const QRect box = scale.box.intersected(whole);
    if (velmora::iceBackground(world)) {
        QPainter& canvas = surface.canvas();
        QBrush frost(QColor(170, 255, 255));
        frost.setTextureImage(ice); // tiled from the box's top-left corner
        canvas.setBrushOrigin(box.topLeft());
        canvas.fillRect(whole, frost);
        surface.release();
    } else {
        surface.fill(Qt::white);
    }
    if (box != whole && !box.isEmpty()) {
        QPainter& canvas = surface.canvas();
        canvas.setPen(wallGrey);
        canvas.drawRect(box.adjusted(-1, -1, 0, 0));
        surface.release();
    }
    // The box alone, as a picture of its own that shares the surface's pixels: pictures are cut
    // off at its walls.
    QImage& buffer = surface.backBuffer();
    QImage inside(buffer.bits() + box.y() * buffer.bytesPerLine() + box.x() * 4, box.width(), box.height(),
                  buffer.bytesPerLine(), QImage::Format_RGB32);
    const QPoint corner = box.topLeft();
    velmora::forEachSceneSprite(world, [&](int item, std::int32_t tenthsX, std::int32_t tenthsY) {
        sprites.draw(item, inside, scale.x(tenthsX) - corner.x(), scale.y(tenthsY) - corner.y());
    });
    surface.flip();
}

void drawSceneFrame(DrawingSurface& surface, const SpriteSet& sprites, const QImage& ice,
                    const velmora::World& world)
{
    drawSceneFrame(surface, sprites, ice, world, {QRect(QPoint(0, 0), surface.size())});
}
