#pragma once

#include "plot/Report.h"

#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// Fichier › Imprimer… : the report's pages, drawn by the same page engine as the PDF report, sent
// through Qt's print dialog. The window may write no file and start no job itself: the pages are
// painted into a PDF in memory, which the writer of the user's files saves (printing to a file) or
// hands to the printing system (a printer).

// Paints the pages on a device, one image per page at its resolution (at most 300 dots per inch).
void paintReportPages(QPagedPaintDevice& device, const velmora::Report& report);

// Prints on the printer as chosen; empty text when done, otherwise the reason.
QString printReport(QPrinter& printer, const velmora::Report& report);

// The print dialog, then the printing; false when cancelled or failed (the failure is told).
bool printStudentReport(QWidget* parent, const velmora::Report& report);
