#include "render/KeptCurvesRenderer.h"

#include "model/TimeCourse.h"
#include "render/GraphRenderer.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>

namespace {

using namespace velmora;

// Okabe and Ito's colours that stand out on black, and those that stand out on white.
constexpr std::array<QRgb, mostKeptCourses> screenColours{
    qRgb(230, 159, 0), qRgb(86, 180, 233), qRgb(0, 158, 115), qRgb(240, 228, 66), qRgb(204, 121, 167)};
constexpr std::array<QRgb, mostKeptCourses> paperColours{
    qRgb(230, 159, 0), qRgb(0, 114, 178), qRgb(0, 158, 115), qRgb(213, 94, 0), qRgb(204, 121, 167)};

constexpr int legendPoints = 7;
constexpr int sampleLength = 14;

// Each run its dash, so that the runs are told apart without their colours too.
Qt::PenStyle dashOf(std::size_t index)
{
    constexpr std::array<Qt::PenStyle, mostKeptCourses> dashes{Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                               Qt::DashDotLine, Qt::DashDotDotLine};
    return dashes[index % dashes.size()];
}

QPen runPen(std::size_t index, const GraphLook& look)
{
    QPen pen(keptCurveColour(index, look.onPaper), look.onPaper ? 2.0 : std::max(2, look.pixels(2)),
             dashOf(index));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// The seconds of the page that a run reaches, in order.
std::pair<std::vector<RecordedSecond>::const_iterator, std::vector<RecordedSecond>::const_iterator>
secondsOnPage(const CourseRecord& course, std::int32_t pageOffset)
{
    const std::vector<RecordedSecond>& seconds = course.seconds();
    const auto first = std::lower_bound(
        seconds.begin(), seconds.end(), static_cast<std::int64_t>(pageOffset) + 1,
        [](const RecordedSecond& recorded, std::int64_t second) { return recorded.second < second; });
    auto last = first;
    while (last != seconds.end() && last->second - static_cast<std::int64_t>(pageOffset) <= graphSeconds) {
        ++last;
    }
    return {first, last};
}

void paintLegend(QPainter& canvas, const KeptCurves& kept, std::int32_t pageOffset, int width,
                 const GraphLook& look)
{
    QFont font("arial");
    font.setPointSizeF(legendPoints * look.scale);
    canvas.setFont(font);
    const QFontMetrics metrics(font);
    QStringList lines = kept.legend;
    for (qsizetype i = 0; i < lines.size() && i < static_cast<qsizetype>(kept.courses->size()); ++i) {
        const CourseRecord& course = (*kept.courses)[static_cast<std::size_t>(i)];
        const auto [first, last] = secondsOnPage(course, pageOffset);
        if (first == last && !course.empty() && !kept.endedAt.isEmpty()) {
            lines[i] += ' ' + kept.endedAt.arg(course.seconds().back().second);
        }
    }
    int textWidth = 0;
    for (const QString& line : lines) {
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    }
    const int lineHeight = metrics.height();
    const int sample = look.pixels(sampleLength);
    const int gap = look.pixels(4);
    const int left = width - gap - textWidth - gap - sample;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int top = look.pixels(3) + static_cast<int>(i) * lineHeight;
        const int middle = top + lineHeight / 2;
        canvas.setPen(runPen(static_cast<std::size_t>(i), look));
        canvas.drawLine(left, middle, left + sample, middle);
        if (look.onPaper) {
            canvas.fillRect(QRect(left + sample + gap, top, textWidth + 1, lineHeight), Qt::white);
        }
        canvas.setPen(look.onPaper ? QColor(25, 25, 25) : QColor(220, 220, 220));
        canvas.drawText(QRect(left + sample + gap, top, textWidth + 1, lineHeight),
                        Qt::AlignLeft | Qt::AlignVCenter, lines[i]);
    }
}

} // namespace

QColor keptCurveColour(std::size_t index, bool onPaper)
{
    const auto& colours = onPaper ? paperColours : screenColours;
    return QColor(colours[index % colours.size()]);
}

std::int32_t keptSecondsOnPage(const KeptCurves& kept, std::int32_t pageOffset)
{
    std::int32_t shown = 0;
    if (!kept.courses) {
        return shown;
    }
    for (const CourseRecord& course : *kept.courses) {
        const auto [first, last] = secondsOnPage(course, pageOffset);
        if (first != last) {
            shown = std::max(shown, std::prev(last)->second - pageOffset);
        }
    }
    return shown;
}

void paintKeptCurves(QPainter& canvas, const KeptCurves& kept, std::int32_t pageOffset, int width,
                     int plotHeight, const GraphLook& look)
{
    if (!kept.courses || kept.courses->empty()) {
        return;
    }
    canvas.save();
    for (std::size_t k = 0; k < kept.courses->size(); ++k) {
        const CourseRecord& course = (*kept.courses)[k];
        const auto [first, last] = secondsOnPage(course, pageOffset);
        QPolygon curve;
        for (auto s = first; s != last; ++s) {
            const std::int32_t percent = substratePercent(s->substrate, course.substrateAmount());
            curve << QPoint(graphSecondX(s->second - pageOffset, width), (100 - percent) * plotHeight / 100);
        }
        canvas.setPen(runPen(k, look));
        canvas.drawPolyline(curve);

        // Its temperature and pH changes: where the graph marked them, the second before the first
        // one recorded with the new value; a thin dotted line in its colour.
        QPen markPen(keptCurveColour(k, look.onPaper), look.onPaper ? 1.2 : std::max(1, look.pixels(1)),
                     Qt::DotLine);
        canvas.setPen(markPen);
        for (auto s = first; s != last; ++s) {
            if (s == course.seconds().begin()) {
                continue;
            }
            const RecordedSecond& before = *std::prev(s);
            if (before.temperature != s->temperature || before.ph != s->ph) {
                const std::int32_t second = before.second - pageOffset;
                if (second >= 1) {
                    const int x = graphSecondX(second, width);
                    canvas.drawLine(x, 0, x, plotHeight);
                }
            }
        }
    }
    paintLegend(canvas, kept, pageOffset, width, look);
    canvas.restore();
}
