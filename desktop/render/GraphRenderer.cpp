#include "render/GraphRenderer.h"

#include "model/TimeCourse.h"
#include "render/DrawingSurface.h"
#include "render/KeptCurvesRenderer.h"

#include <QPainterPath>

namespace {

const QColor silver(192, 192, 192);
const QColor labelGreen(0, 128, 0);

// A mark colour stored as 0x00BBGGRR.
QColor markColour(std::int32_t stored)
{
    return QColor(stored & 0xFF, (stored >> 8) & 0xFF, (stored >> 16) & 0xFF);
}

} // namespace

void drawGraph(DrawingSurface& surface, const velmora::World& world, const KeptCurves* kept, bool projection)
{
    if (!surface.canDraw()) {
        return;
    }
    paintGraph(surface.canvas(), surface.size(), world, kept, projection);
    surface.release();
    surface.flip();
}

void paintGraph(QPainter& canvas, QSize size, const velmora::World& world, const KeptCurves* kept,
                bool projection)
{
    using namespace velmora;
    const int width = size.width();
    const int height = size.height();
    const int plotHeight = graphPlotHeight(height);
    canvas.setRenderHint(QPainter::Antialiasing, projection);
    QFont font("arial");
    font.setPointSize(graphFontPoints);
    font.setBold(projection);
    canvas.setFont(font);
    const QColor strip = projection ? QColor(235, 235, 235) : silver;

    // The plot, then the strip for the time labels.
    canvas.fillRect(QRect(0, 0, width, plotHeight + 1), projection ? Qt::white : Qt::black);
    canvas.fillRect(QRect(0, plotHeight + 1, width, height - plotHeight - 1), strip);
    if (projection) {
        canvas.setPen(QPen(QColor(180, 180, 180), 1));
        canvas.drawRect(QRect(0, 0, width - 1, plotHeight));
    }

    // Runs kept to compare, behind the running one.
    if (kept) {
        KeptCurves shown = *kept;
        shown.projection = projection;
        paintKeptCurves(canvas, shown, world.graphTimeOffset, width, plotHeight);
    }

    // The curve, in per cent of the starting quantity; one sample draws nothing.
    if (graphHasCurve(world) && world.graphCount >= 2) {
        QPolygon curve;
        for (std::int32_t i = 1; i <= world.graphCount; ++i) {
            curve << QPoint(graphSecondX(i, width), graphCurveY(world, i, plotHeight));
        }
        canvas.setPen(QPen(projection ? Qt::black : Qt::white, projection ? 4 : 0, Qt::SolidLine));
        canvas.drawPolyline(curve);
    }

    // The marks, over the curve.
    for (std::int32_t i = 1; i <= world.graphCount; ++i) {
        if (world.graphMarks[i] > 0) {
            const int x = graphSecondX(i, width);
            canvas.setPen(QPen(markColour(world.graphMarks[i]), projection ? 3 : 0, Qt::SolidLine));
            canvas.drawLine(x, 0, x, plotHeight);
        }
    }

    // The time labels, every five seconds, on the strip's colour.
    canvas.setPen(projection ? QColor(0, 90, 0) : labelGreen);
    const QFontMetrics metrics(canvas.font());
    const auto textWidth = [&metrics](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromStdString(text));
    };
    for (const TimeAxisLabel& label : timeAxisLabels(world, width, height, graphFontPoints, textWidth)) {
        const QString text = QString::fromStdString(label.text);
        const QRect box(label.x, label.y, metrics.horizontalAdvance(text), metrics.height());
        canvas.fillRect(box, strip);
        canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    }
}
