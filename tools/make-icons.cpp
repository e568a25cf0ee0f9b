// Draws the program's icon, an enzyme holding its lactose, from the sprite set, at the sizes a
// desktop asks for: velmora-make-icons FOLDER writes FOLDER/velmora2-<size>.png.

#include "render/SpriteSet.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmora-make-icons FOLDER\n");
        return 2;
    }
    const SpriteSet& sprites = SpriteSet::shared();
    // The enzyme, its lactose and the complex bar, as the scene draws them, on white.
    QImage cell(40, 40, QImage::Format_RGB32);
    cell.fill(Qt::white);
    for (const int item : {61, 28, 29}) {
        sprites.draw(item, cell, 0, 0);
    }
    QImage symbol = cell.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < symbol.height(); ++y) {
        for (int x = 0; x < symbol.width(); ++x) {
            if (symbol.pixel(x, y) == qRgb(255, 255, 255)) {
                symbol.setPixel(x, y, qRgba(0, 0, 0, 0));
            }
        }
    }
    for (const int size : {32, 48, 64, 128, 256}) {
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        QPainter painter(&icon);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath tile;
        tile.addRoundedRect(QRectF(size * 0.04, size * 0.04, size * 0.92, size * 0.92), size * 0.2, size * 0.2);
        QLinearGradient green(0, 0, 0, size);
        green.setColorAt(0, QColor(226, 242, 222));
        green.setColorAt(1, QColor(170, 214, 170));
        painter.fillPath(tile, green);
        painter.setPen(QPen(QColor(47, 107, 58), size / 32.0));
        painter.drawPath(tile);
        // The symbol, enlarged without smoothing, its 33 used columns centred.
        const int scale = std::max(1, size * 22 / 25 / 40);
        const QRect target((size - 34 * scale) / 2, (size - 40 * scale) / 2, 40 * scale, 40 * scale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, symbol);
        painter.end();
        const QString file = QString("%1/velmora2-%2.png").arg(argv[1]).arg(size);
        if (!icon.save(file)) {
            std::fprintf(stderr, "velmora-make-icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
