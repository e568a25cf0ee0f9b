#include "render/SpriteImageProvider.h"

#include "render/SpriteSet.h"

SpriteImageProvider::SpriteImageProvider(const SpriteSet& sprites)
    : QQuickImageProvider(QQuickImageProvider::Image), sprites_(sprites)
{
}

QImage SpriteImageProvider::requestImage(const QString& id, QSize* size, const QSize& requestedSize)
{
    bool isNumber = false;
    const int item = id.toInt(&isNumber);
    QImage picture = isNumber ? sprites_.transparentPicture(item) : QImage();
    if (size) {
        *size = picture.size();
    }
    // Whole multiples keep the pixels crisp.
    if (!picture.isNull() && requestedSize.isValid() && requestedSize != picture.size()) {
        picture = picture.scaled(requestedSize, Qt::KeepAspectRatio, Qt::FastTransformation);
    }
    return picture;
}
