#pragma once

#include "lab/CourseRecord.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>

#include <vector>

struct KeptCurves;

// What the graph's context menu puts on the clipboard and in files: the time course of the whole
// run (with the kept runs beside it) as a table or as velmora2-batch's CSV, and the graph as a
// picture.
class GraphExport
{
    Q_DECLARE_TR_FUNCTIONS(GraphExport)
public:
    // A number for a spreadsheet of the window's language: `decimals` decimals after its decimal
    // mark (a comma in French, a point in English), the plain hyphen for negatives (a spreadsheet
    // reads no other minus sign).
    static QString spreadsheetNumber(double value, int decimals);

    // A table that pastes into a spreadsheet: tab-separated, one header line (« seconde »,
    // « substrat (molécules) », « substrat (%) », « température (°C) », « pH », then « courbe
    // gardée 1 (%) »...), one line per second, the per cents with one decimal after the decimal
    // mark, and an empty cell where a run has no such second.
    static QString timeCourseTable(const velmora::CourseRecord& run,
                                   const std::vector<velmora::CourseRecord>& kept, QChar separator = '\t');

    // The same table as a CSV file for a spreadsheet of the window's language: in French cells
    // separated by semicolons with decimal commas, in English by commas with decimal points.
    static QByteArray timeCourseCsv(const velmora::CourseRecord& run,
                                    const std::vector<velmora::CourseRecord>& kept);

    // The texts around the graph in the picture: the axis labels and the time, as the window
    // shows them, a caption of the settings, and the axes' titles.
    struct PictureTexts
    {
        QString top;         // « 100 % » or « 100 UA »
        QString bottom;      // « 0 % »
        QString time;        // « Temps : 37 s »
        QString title;       // the reaction
        QString caption;     // the settings
        bool percent = true; // the substrate in per cent of its starting quantity, or in molecules
        QString xTitle;      // « temps (s) »
        QString yTitle;      // « substrat restant (%) » or « substrat restant (molécules) »
    };

    // The graph as a figure for paper, pictureSize(graphSize) units large, drawn on `painter` (which
    // may scale it to a page): the caption, then the graph on white with dark, thick lines, the
    // substrate's numbers every 10 % and the axes' titles, the elapsed time under it.
    static void paintPicture(QPainter& painter, QSize graphSize, const velmora::World& world,
                             const KeptCurves* kept, const PictureTexts& texts);
    static QSize pictureSize(QSize graphSize);

    // The same figure in a picture twice as fine: twice pictureSize(graphSize) pixels.
    static QImage graphPicture(QSize graphSize, const velmora::World& world, const KeptCurves* kept,
                               const PictureTexts& texts);

    // The picture as PNG bytes.
    static QByteArray png(const QImage& picture);
};
