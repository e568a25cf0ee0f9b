#include "render/DrawingSurface.h"

#include <QPainter>

DrawingSurface::DrawingSurface(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DrawingSurface::fill(const QColor& colour)
{
    if (created_) {
        back_.fill(colour);
    }
}

void DrawingSurface::flip()
{
    if (!created_) {
        return;
    }
    front_ = back_.copy();
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
    if (back_.size() == size()) {
        return;
    }
    back_ = QImage(size(), QImage::Format_RGB32);
    back_.fill(Qt::white);
    front_ = back_.copy();
}

void DrawingSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (front_.isNull()) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    painter.drawImage(0, 0, front_);
}
