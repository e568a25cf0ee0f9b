#pragma once

#include "model/World.h"

class DrawingSurface;

// The time-course graph ("rafraîchir"): a black plot with the white curve of the substrate left,
// the red (temperature) and blue (pH) marks over it, and under it a silver strip with the green
// time labels every five seconds. Nothing is drawn while the surface cannot draw.
void drawGraph(DrawingSurface& surface, const velmora::World& world);

// Font size of the time labels, in points.
inline constexpr int graphFontPoints = 7;
