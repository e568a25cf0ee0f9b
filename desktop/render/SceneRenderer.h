#pragma once

#include "model/World.h"

#include <QImage>

class DrawingSurface;
class SpriteSet;

// One scene frame: the background (white, or the ice picture at 0 degrees C and below), every
// molecule of the World with its kind's picture, the enzymes with their charge marks or their
// denatured picture, the complex overlays, then flip. Nothing is drawn while the surface cannot
// draw.
void drawSceneFrame(DrawingSurface& surface, const SpriteSet& sprites, const QImage& ice,
                    const velmora::World& world);
