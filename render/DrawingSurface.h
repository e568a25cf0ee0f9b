#pragma once

#include <QImage>
#include <QWidget>

// A drawing surface of the main window: routines draw a whole picture into the back buffer, then
// flip presents it. The last picture stays on screen, and is shown again whenever the window
// needs repainting, until the next flip.
class DrawingSurface : public QWidget
{
    Q_OBJECT
public:
    explicit DrawingSurface(QWidget* parent = nullptr);

    // False until the window is first shown: drawing during construction draws nothing.
    bool canDraw() const { return created_; }
    // Fills the whole back buffer; does nothing before the surface exists.
    void fill(const QColor& colour);
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
};
