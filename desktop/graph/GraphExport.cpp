#include "graph/GraphExport.h"

#include "render/GraphRenderer.h"
#include "render/KeptCurvesRenderer.h"

#include <QBuffer>
#include <QPainter>

#include <sstream>

using namespace velmora;

namespace {

// Margins of the picture around the graph, in pixels before the doubling: the axis labels sit
// 40 pixels left of the graph as in the window.
constexpr int leftMargin = 60;
constexpr int rightMargin = 20;
constexpr int captionHeight = 58; // the reaction and up to two lines of settings
constexpr int timeHeight = 26;
constexpr int labelInset = 40;
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
    for (std::size_t k = 1; k <= kept.size(); ++k) {
        header << tr("courbe gardée %1 (%)").arg(k);
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
                 captionHeight + graphSize.height() + timeHeight) *
           fineness;
}

QImage GraphExport::graphPicture(QSize graphSize, const World& world, const KeptCurves* kept,
                                 const PictureTexts& texts)
{
    QImage picture(pictureSize(graphSize), QImage::Format_RGB32);
    picture.setDevicePixelRatio(fineness);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int width = leftMargin + graphSize.width() + rightMargin;

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

    // The graph, as the window draws it, and its labels where the window puts them.
    painter.save();
    painter.translate(leftMargin, captionHeight);
    paintGraph(painter, graphSize, world, kept);
    painter.restore();
    QFont labels("Arial");
    labels.setPointSize(8);
    painter.setFont(labels);
    painter.setPen(Qt::black);
    const int labelLeft = leftMargin - labelInset;
    painter.drawText(QPoint(labelLeft, captionHeight + painter.fontMetrics().ascent()), texts.top);
    painter.drawText(QPoint(labelLeft, captionHeight + graphSize.height() - labels.pointSize() - 20 +
                                           painter.fontMetrics().ascent()),
                     texts.bottom);
    painter.drawText(
        QRect(leftMargin, captionHeight + graphSize.height() + 4, graphSize.width(), timeHeight - 6),
        Qt::AlignLeft | Qt::AlignVCenter, texts.time);
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
