#include "graph/GraphExport.h"

#include "model/TimeCourse.h"
#include "render/GraphRenderer.h"
#include "render/KeptCurvesRenderer.h"

#include <QBuffer>
#include <QPainter>

#include <sstream>

using namespace velmora;

namespace {

// Margins of the picture around the graph, in pixels before the doubling: the substrate's numbers
// and title on the left, the time's title under it.
constexpr int leftMargin = 64;
constexpr int rightMargin = 20;
constexpr int captionHeight = 58; // the reaction and up to two lines of settings
constexpr int timeHeight = 26;
constexpr int fineness = 2;

QString percentCell(const RecordedSecond* second, const CourseRecord& run)
{
    if (!second || run.substrateAmount() == 0) {
        return {};
    }
    return GraphExport::spreadsheetNumber(100.0 * second->substrate / run.substrateAmount(), 1);
}

} // namespace

QString GraphExport::spreadsheetNumber(double value, int decimals)
{
    //: The decimal mark of numbers pasted into a spreadsheet.
    const QString mark = tr(",");
    return QString::number(value, 'f', decimals).replace(u'.', mark);
}

QString GraphExport::timeCourseTable(const CourseRecord& run, const std::vector<CourseRecord>& kept,
                                     QChar separator)
{
    QStringList header{tr("seconde"), tr("substrat (molécules)"), tr("substrat (%)"), tr("température (°C)"),
                       tr("pH")};
    for (std::size_t k = 0; k < kept.size(); ++k) {
        header
            << tr("courbe gardée %1, %2 (%)").arg(k + 1).arg(QString::fromStdString(runSettingsTag(kept[k])));
    }
    QString table = header.join(separator) + '\n';
    forEachCourseRow(run, kept, [&](const CourseRow& row) {
        QStringList cells{QString::number(row.second)};
        if (row.current) {
            cells << QString::number(row.current->substrate) << percentCell(row.current, run)
                  << QString::number(row.current->temperature) << QString::number(row.current->ph);
        } else {
            cells << QString() << QString() << QString() << QString();
        }
        for (std::size_t k = 0; k < kept.size(); ++k) {
            cells << percentCell(row.kept[k], kept[k]);
        }
        table += cells.join(separator) + '\n';
    });
    return table;
}

QByteArray GraphExport::timeCourseCsv(const CourseRecord& run, const std::vector<CourseRecord>& kept)
{
    // A spreadsheet that reads a decimal comma takes a semicolon between the cells.
    const QChar separator = spreadsheetNumber(0.5, 1).contains(',') ? QChar(';') : QChar(',');
    return timeCourseTable(run, kept, separator).toUtf8();
}

QSize GraphExport::pictureSize(QSize graphSize)
{
    return QSize(leftMargin + graphSize.width() + rightMargin,
                 captionHeight + graphSize.height() + timeHeight);
}

void GraphExport::paintPicture(QPainter& painter, QSize graphSize, const World& world, const KeptCurves* kept,
                               const PictureTexts& texts)
{
    const QSize size = pictureSize(graphSize);
    const int width = size.width();
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);

    // The caption: the reaction, then the settings, wrapped.
    QFont title("Arial");
    title.setPixelSize(13);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(Qt::black);
    const QRect titleBox(8, 6, width - 16, 18);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, texts.title);
    QFont plain("Arial");
    plain.setPixelSize(11);
    painter.setFont(plain);
    painter.drawText(QRect(8, titleBox.bottom() + 2, width - 16, captionHeight - titleBox.bottom() - 4),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, texts.caption);

    // The graph, on white.
    GraphLook paper;
    paper.onPaper = true;
    painter.save();
    painter.translate(leftMargin, captionHeight);
    paintGraph(painter, graphSize, world, kept, paper);
    painter.restore();

    // The substrate's numbers every 10 %, in per cent or in molecules, and the axes' titles.
    const int plotHeight = graphPlotHeight(graphSize.height(), paper.stripHeight());
    QFont numbers("Arial");
    numbers.setPixelSize(10);
    painter.setFont(numbers);
    painter.setPen(QColor(25, 25, 25));
    const QFontMetrics metrics(numbers);
    for (int percent = 0; percent <= 100; percent += 10) {
        const int y = captionHeight + (100 - percent) * plotHeight / 100;
        const QString number = texts.percent
                                   ? QString::number(percent)
                                   : QString::number(world.substrateAmount * percent / 100.0, 'g', 4);
        painter.drawLine(QPointF(leftMargin - 4, y), QPointF(leftMargin, y));
        painter.drawText(QRect(leftMargin - 6 - 40, y - metrics.height() / 2, 40, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, number);
    }
    QFont axisTitle("Arial");
    axisTitle.setPixelSize(12);
    painter.setFont(axisTitle);
    painter.setPen(Qt::black);
    painter.save();
    painter.translate(12, captionHeight + plotHeight / 2.0);
    painter.rotate(-90);
    painter.drawText(QRect(-plotHeight / 2, -8, plotHeight, 18), Qt::AlignCenter, texts.yTitle);
    painter.restore();
    const QRect under(leftMargin, captionHeight + graphSize.height() + 2, graphSize.width(), timeHeight - 4);
    painter.drawText(under, Qt::AlignHCenter | Qt::AlignVCenter, texts.xTitle);
    painter.setFont(plain);
    painter.setPen(QColor(70, 70, 70));
    painter.drawText(under, Qt::AlignRight | Qt::AlignVCenter, texts.time);
    painter.restore();
}

QImage GraphExport::graphPicture(QSize graphSize, const World& world, const KeptCurves* kept,
                                 const PictureTexts& texts)
{
    QImage picture(pictureSize(graphSize) * fineness, QImage::Format_RGB32);
    picture.setDevicePixelRatio(fineness);
    QPainter painter(&picture);
    paintPicture(painter, graphSize, world, kept, texts);
    return picture;
}

QByteArray GraphExport::png(const QImage& picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}
