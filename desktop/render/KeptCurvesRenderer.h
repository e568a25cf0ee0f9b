#pragma once

#include "lab/CourseRecord.h"

#include <QColor>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

class QPainter;

// Runs kept to compare with the running one: each drawn in its own colour, in per cent of its own
// starting quantity, over the seconds of the graph's current page, with a small legend of their
// settings in the plot's top right corner.
struct KeptCurves
{
    const std::vector<velmora::CourseRecord>* courses = nullptr;
    QStringList legend;      // one line for each run, in the same order
    bool projection = false; // for a projector: thick lines, a large legend in dark ink on white
};

// The colour of kept run `index` (0-based), told apart on black from the white curve and the red
// and blue marks, and by readers with any colour vision.
QColor keptCurveColour(std::size_t index);

// Draws the kept runs on a plot `width` pixels wide whose rows 0..plotHeight hold 100 % to 0 %,
// for the page that starts after `pageOffset` seconds.
void paintKeptCurves(QPainter& canvas, const KeptCurves& kept, std::int32_t pageOffset, int width,
                     int plotHeight);
