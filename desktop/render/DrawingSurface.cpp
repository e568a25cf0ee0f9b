#include "render/DrawingSurface.h"

#include "render/SpriteSet.h"

#include <utility>

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::fill(const QColor& colour)
{
    if (created_) {
        release();
        back_.fill(colour);
    }
}

QPainter& DrawingSurface::canvas()
{
    if (!canvas_) {
        canvas_.emplace(&back_);
    }
    return *canvas_;
}

void DrawingSurface::release()
{
    canvas_.reset();
}

void DrawingSurface::drawSprite(const SpriteSet& sprites, int item, int x, int y)
{
    if (created_) {
        release();
        sprites.draw(item, back_, x, y);
    }
}

void DrawingSurface::flip()
{
    if (!created_) {
        return;
    }
    release();
    // Every routine draws a whole new picture, so the old front becomes the next back buffer.
    std::swap(front_, back_);
    update();
}

void DrawingSurface::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!created_) {
        created_ = true;
        createBuffers();
    }
}

void DrawingSurface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (created_) {
        createBuffers();
    }
}

void DrawingSurface::createBuffers()
{
    if (back_.size() == size() && front_.size() == size()) {
        return;
    }
    release();
    back_ = QImage(size(), QImage::Format_RGB32);
    back_.fill(Qt::white);
    front_ = back_.copy();
}

void DrawingSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, front_);
}
