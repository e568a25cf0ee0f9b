#include "window/ReportPrinting.h"

#include "files/FileWriter.h"
#include "window/ErrorReport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>

using namespace velmora;

void paintReportPages(QPagedPaintDevice& device, const Report& report)
{
    const int pages = reportPageCount(report);
    QPainter painter(&device);
    const QRect area = painter.viewport();
    const double dotsPerInch = std::min(300, std::max(72, device.logicalDpiX()));
    for (int page = 0; page < pages; ++page) {
        if (page > 0) {
            device.newPage();
        }
        const ChartImage image = renderReportPage(report, page, dotsPerInch);
        const QImage picture(image.pixels.data(), image.width, image.height, image.stride,
                             QImage::Format_ARGB32_Premultiplied);
        // The A4 page fitted into the printable area, its proportions kept.
        const QSize fitted = QSize(image.width, image.height).scaled(area.size(), Qt::KeepAspectRatio);
        painter.drawImage(QRect(area.topLeft(), fitted), picture);
    }
}

QString printReport(QPrinter& printer, const Report& report)
{
    // The pages in memory as PDF, laid out as the printer's pages are.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setResolution(std::min(300, std::max(72, printer.resolution())));
        pdf.setTitle(QCoreApplication::translate("ReportPrinting", "Compte rendu d’expérience"));
        pdf.setCreator(QStringLiteral("Velmora v2"));
        paintReportPages(pdf, report);
    }
    const QByteArray bytes = buffer.data();
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return QString::fromStdString(
            saveUserFile(QFile::encodeName(printer.outputFileName()).toStdString(), bytes.toStdString()));
    }
    return QString::fromStdString(
        printUserDocument(printer.printerName().toStdString(),
                          QCoreApplication::translate("ReportPrinting", "Compte rendu").toStdString(),
                          printer.copyCount(), bytes.toStdString()));
}

bool printStudentReport(QWidget* parent, const Report& report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QCoreApplication::translate("ReportPrinting", "Compte rendu"));
    QPrintDialog dialog(&printer, parent);
    dialog.setObjectName("printDialog");
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    const QString error = printReport(printer, report);
    if (!error.isEmpty()) {
        showErrorReport(error, parent);
        return false;
    }
    return true;
}
