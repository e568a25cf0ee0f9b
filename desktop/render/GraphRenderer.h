#pragma once

#include "model/World.h"

#include <QSize>

class DrawingSurface;
class QPainter;
struct KeptCurves;

// The time-course graph ("rafraîchir"): a black plot with the white curve of the substrate left,
// the red (temperature) and blue (pH) marks over it, and under it a silver strip with the green
// time labels every five seconds. Runs kept to compare, when given, are drawn behind the curve.
// Nothing is drawn while the surface cannot draw.
// With `projection`, for a projector: white plot, thick black curve and marks, large labels.
void drawGraph(DrawingSurface& surface, const velmora::World& world, const KeptCurves* kept = nullptr,
               bool projection = false);

// The same picture on any painter, for a surface of `size` pixels with its top-left corner at the
// painter's origin.
void paintGraph(QPainter& canvas, QSize size, const velmora::World& world, const KeptCurves* kept = nullptr,
                bool projection = false);

// Font size of the time labels, in points.
inline constexpr int graphFontPoints = 7;
