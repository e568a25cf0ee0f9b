#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <optional>

class SpriteSet;

// A drawing surface of the main window: a routine draws a whole picture into the back buffer, then
// flip presents it. The last picture presented stays on screen, and is shown again whenever the
// window needs repainting, until the next flip. The buffers follow the widget's size.
class DrawingSurface : public QWidget
{
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    // False until the window is first shown: what is asked before draws nothing.
    bool canDraw() const { return created_; }
    // Fills the whole back buffer; does nothing before the surface exists.
    void fill(const QColor& colour);
    // A painter on the back buffer, begun when first needed, until release. Only while canDraw.
    QPainter& canvas();
    void release();
    // Copies a sprite into the back buffer, its white left out, clipped to the buffer.
    void drawSprite(const SpriteSet& sprites, int item, int x, int y);
    // Presents the back buffer; does nothing before the surface exists.
    void flip();

    QImage& backBuffer() { return back_; }
    const QImage& frontBuffer() const { return front_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void createBuffers();

    bool created_ = false;
    QImage back_;
    QImage front_;
    std::optional<QPainter> canvas_;
};
