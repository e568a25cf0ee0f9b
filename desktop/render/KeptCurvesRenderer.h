#pragma once

#include "lab/CourseRecord.h"

#include <QColor>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <vector>

class QPainter;
struct GraphLook;

// Runs kept to compare with the running one: each drawn in its own colour and dash, in per cent of
// its own starting quantity, over its own seconds of the graph's current page, with its
// temperature and pH changes marked in its colour, and a small legend of their settings in the
// plot's top right corner. A run that has no second on the page keeps its legend line, which says
// when it ended.
struct KeptCurves
{
    const std::vector<velmora::CourseRecord>* courses = nullptr;
    QStringList legend; // one line for each run, in the same order
    QString endedAt;    // added to the legend line of a run that ended before the page: "%1" its seconds
};

// The colour of kept run `index` (0-based): on the screen, told apart on black from the white curve
// and the red and blue marks; on paper, on white. Okabe and Ito's colours, which readers with any
// colour vision tell apart; the dashes differ too.
QColor keptCurveColour(std::size_t index, bool onPaper = false);

// The last second of the page (1..100) that a kept run reaches, 0 when none does.
std::int32_t keptSecondsOnPage(const KeptCurves& kept, std::int32_t pageOffset);

// Draws the kept runs on a plot `width` pixels wide whose rows 0..plotHeight hold 100 % to 0 %,
// for the page that starts after `pageOffset` seconds.
void paintKeptCurves(QPainter& canvas, const KeptCurves& kept, std::int32_t pageOffset, int width,
                     int plotHeight, const GraphLook& look);
