#pragma once

#include <QQuickImageProvider>

class SpriteSet;

// Gives the movies the program's own sprite pictures: "image://sprites/41" is item 41, with its
// white transparent, so that the legend shows the very symbols of the scene.
class SpriteImageProvider : public QQuickImageProvider
{
public:
    explicit SpriteImageProvider(const SpriteSet& sprites);
    QImage requestImage(const QString& id, QSize* size, const QSize& requestedSize) override;

private:
    const SpriteSet& sprites_;
};
