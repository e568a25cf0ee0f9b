#include "render/GraphRenderer.h"

#include "model/TimeCourse.h"
#include "render/DrawingSurface.h"
#include "render/KeptCurvesRenderer.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

const QColor silver(192, 192, 192);
const QColor labelGreen(0, 128, 0);
const QColor tickGrey(110, 110, 110);
const QColor paperGrid(222, 222, 222);
const QColor ink(25, 25, 25);

// A mark colour stored as 0x00BBGGRR.
QColor markColour(std::int32_t stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

} // namespace

int GraphLook::pixels(double designed) const
{
    return static_cast<int>(std::lround(designed * scale));
}

int GraphLook::stripHeight() const
{
    return pixels(velmora::graphStripHeight);
}

double GraphLook::fontPoints() const
{
    return graphFontPoints * scale;
}

void drawGraph(DrawingSurface& surface, const velmora::World& world, const KeptCurves* kept,
               const GraphLook& look)
{
    if (!surface.canDraw()) {
        return;
    }
    paintGraph(surface.canvas(), surface.size(), world, kept, look);
    surface.release();
    surface.flip();
}

void paintGraph(QPainter& canvas, QSize size, const velmora::World& world, const KeptCurves* kept,
                const GraphLook& look)
{
    using namespace velmora;
    const int width = size.width();
    const int height = size.height();
    const int plotHeight = graphPlotHeight(height, look.stripHeight());
    canvas.setRenderHint(QPainter::Antialiasing, look.onPaper);
    QFont font("arial");
    font.setPointSizeF(look.fontPoints());
    canvas.setFont(font);

    // The plot, then the strip for the time labels.
    canvas.fillRect(QRect(0, 0, width, plotHeight + 1), look.onPaper ? Qt::white : Qt::black);
    canvas.fillRect(QRect(0, plotHeight + 1, width, height - plotHeight - 1),
                    look.onPaper ? Qt::white : silver);

    // A tick every 10 %: at both edges on the screen, a grid on paper.
    for (int percent = 10; percent < 100; percent += 10) {
        const int y = percent * plotHeight / 100;
        if (look.onPaper) {
            canvas.setPen(QPen(paperGrid, 1.0));
            canvas.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));
        } else {
            const int length = look.pixels(percent == 50 ? 8 : 5);
            canvas.setPen(QPen(tickGrey, 0));
            canvas.drawLine(0, y, length - 1, y);
            canvas.drawLine(width - length, y, width - 1, y);
        }
    }

    // Runs kept to compare, behind the running one.
    std::int32_t secondsShown = world.graphCount;
    if (kept) {
        paintKeptCurves(canvas, *kept, world.graphTimeOffset, width, plotHeight, look);
        secondsShown = std::max(secondsShown, keptSecondsOnPage(*kept, world.graphTimeOffset));
    }

    // The curve, in per cent of the starting quantity; one sample draws nothing.
    if (graphHasCurve(world) && world.graphCount >= 2) {
        QPolygon curve;
        for (std::int32_t i = 1; i <= world.graphCount; ++i) {
            curve << QPoint(graphSecondX(i, width), graphCurveY(world, i, plotHeight));
        }
        // One pixel as designed; thicker on a screen large enough that one pixel is hard to see.
        const int thick = look.pixels(1);
        canvas.setPen(look.onPaper ? QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                                   : QPen(Qt::white, thick > 1 ? thick : 0, Qt::SolidLine));
        canvas.drawPolyline(curve);
    }

    // The marks, over the curve.
    for (std::int32_t i = 1; i <= world.graphCount; ++i) {
        if (world.graphMarks[i] > 0) {
            const int x = graphSecondX(i, width);
            const int thick = look.pixels(1);
            canvas.setPen(QPen(markColour(world.graphMarks[i]), look.onPaper ? 1.5 : (thick > 1 ? thick : 0),
                               Qt::SolidLine));
            canvas.drawLine(x, 0, x, plotHeight);
        }
    }
    if (look.onPaper) {
        canvas.setPen(QPen(ink, 1.2));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawRect(QRectF(0, 0, width, plotHeight));
    }

    // The time labels, every five seconds, on the strip's colour.
    canvas.setPen(look.onPaper ? ink : labelGreen);
    const QFontMetrics metrics(canvas.font());
    const auto textWidth = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    const auto points = static_cast<std::int32_t>(std::lround(look.fontPoints()));
    for (const TimeAxisLabel& label :
         timeAxisLabels(world, width, height, points, textWidth, look.stripHeight(), secondsShown)) {
        const QString text = QString::fromStdString(label.text);
        const QRect box(label.x, label.y, metrics.horizontalAdvance(text), metrics.height());
        canvas.fillRect(box, look.onPaper ? Qt::white : silver);
        canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    }
}
