#pragma once

#include "model/World.h"

#include <QSize>

class DrawingSurface;
class QPainter;
struct KeptCurves;

// How the graph is drawn. On the screen, as designed: a black plot, a white curve, green time
// labels on a silver strip; its texts, ticks and kept runs' lines grow with the window (`scale` 1 on
// a 1024 x 768 screen). On paper (a saved or printed picture): white, with dark, thick lines.
struct GraphLook
{
    double scale = 1.0;
    bool onPaper = false;

    int pixels(double designed) const; // a designed size in pixels, at this scale
    int stripHeight() const;           // of the time labels, 20 pixels at scale 1
    double fontPoints() const;         // of the time labels, 7 points at scale 1
};

// The time-course graph ("rafraîchir"): the plot with ticks every 10 %, the curve of the substrate
// left, the red (temperature) and blue (pH) marks over it, and under it a strip with the time
// labels every five seconds, up to the running curve's time or the longest kept run's on the page.
// Runs kept to compare, when given, are drawn behind the curve. Nothing is drawn while the surface
// cannot draw.
void drawGraph(DrawingSurface& surface, const velmora::World& world, const KeptCurves* kept = nullptr,
               const GraphLook& look = {});

// The same picture on any painter, for a surface of `size` pixels with its top-left corner at the
// painter's origin.
void paintGraph(QPainter& canvas, QSize size, const velmora::World& world, const KeptCurves* kept = nullptr,
                const GraphLook& look = {});

// Font size of the time labels, in points, as designed.
inline constexpr int graphFontPoints = 7;
