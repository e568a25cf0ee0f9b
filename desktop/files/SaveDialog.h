#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;
namespace velmora {
struct Workbook;
}

// Saving what the user asks for: the standard file dialog, opening in the folder of the last save
// (remembered until the program closes; at first the user's documents, or home), then the writing
// through the file writer (FileWriter.h), which leaves no partial file. A failure is told in a
// French message box.
struct SaveRequest
{
    QString title;       // the dialog's caption
    QString fileName;    // offered in the folder remembered
    QStringList filters; // « Données CSV (*.csv) »; the first is chosen at first
};

// Where to save, empty when the user cancels. A name typed without an ending gets the chosen
// filter's.
QString chooseSavePath(QWidget* parent, const SaveRequest& request);

// Writes the bytes; on failure shows why and returns false.
bool saveToPath(QWidget* parent, const QString& path, const QByteArray& bytes);
// Writes a workbook (.xlsx), made by the writer of the user's files; the same on failure.
bool saveWorkbookToPath(QWidget* parent, const QString& path, const velmora::Workbook& workbook);

// Instead of the dialog, a function gives the path (for tests); an empty function gives the
// dialog back.
using SavePathChooser = std::function<QString(const SaveRequest& request)>;
void setSavePathChooser(SavePathChooser chooser);
