#include "render/KeptCurvesRenderer.h"

#include "model/TimeCourse.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>

namespace {

// Okabe and Ito's colours that stand out on black.
constexpr std::array<QRgb, velmora::mostKeptCourses> colours{
    qRgb(230, 159, 0), qRgb(86, 180, 233), qRgb(0, 158, 115), qRgb(240, 228, 66), qRgb(204, 121, 167)};

constexpr int legendPoints = 7;
constexpr int sampleLength = 14;

void paintLegend(QPainter& canvas, const KeptCurves& kept, int width)
{
    QFont font("arial");
    font.setPointSize(kept.projection ? 2 * legendPoints : legendPoints);
    font.setBold(kept.projection);
    canvas.setFont(font);
    const QFontMetrics metrics(font);
    int textWidth = 0;
    for (const QString& line : kept.legend) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    }
    const int lineHeight = metrics.height();
    const int left = width - 4 - textWidth - 4 - sampleLength;
    for (qsizetype i = 0; i < kept.legend.size(); ++i) {
        const int top = 3 + static_cast<int>(i) * lineHeight;
        const int middle = top + lineHeight / 2;
        canvas.setPen(QPen(keptCurveColour(static_cast<std::size_t>(i)), kept.projection ? 5 : 2));
        canvas.drawLine(left, middle, left + sampleLength, middle);
        canvas.setPen(kept.projection ? QColor(20, 20, 20) : QColor(220, 220, 220));
        canvas.drawText(QRect(left + sampleLength + 4, top, textWidth + 1, lineHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, kept.legend[i]);
    }
}

} // namespace

QColor keptCurveColour(std::size_t index)
{
    return QColor(colours[index % colours.size()]);
}

void paintKeptCurves(QPainter& canvas, const KeptCurves& kept, std::int32_t pageOffset, int width,
                     int plotHeight)
{
    using namespace velmora;
    if (!kept.courses || kept.courses->empty()) {
        return;
    }
    canvas.save();
    for (std::size_t k = 0; k < kept.courses->size(); ++k) {
        const CourseRecord& course = (*kept.courses)[k];
        const std::vector<RecordedSecond>& seconds = course.seconds();
        const auto first = std::lower_bound(
            seconds.begin(), seconds.end(), pageOffset + 1,
            [](const RecordedSecond& recorded, std::int64_t second) { return recorded.second < second; });
        QPolygon curve;
        for (auto s = first;
             s != seconds.end() && s->second - static_cast<std::int64_t>(pageOffset) <= graphSeconds; ++s) {
            const std::int32_t percent = substratePercent(s->substrate, course.substrateAmount());
            curve << QPoint(graphSecondX(s->second - pageOffset, width), (100 - percent) * plotHeight / 100);
        }
        canvas.setPen(QPen(keptCurveColour(k), kept.projection ? 4 : 0, Qt::SolidLine));
        canvas.drawPolyline(curve);
    }
    paintLegend(canvas, kept, width);
    canvas.restore();
}
