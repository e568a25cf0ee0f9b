#pragma once

#include <QImage>

// "Imageglace": a 256 x 256 pale bluish-white frost texture that tiles without seams, the scene's
// background at 0 degrees C and below. The same picture at every start.
QImage makeIcePicture();

// "Image1": the 32 x 32 information icon of the graph header, a green disc with a blue question
// mark over a small chart.
QImage makeInformationIcon();
