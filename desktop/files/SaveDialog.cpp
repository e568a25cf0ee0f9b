#include "files/SaveDialog.h"

#include "lab/Workbook.h"

#include "files/FileDialog.h"
#include "files/FileWriter.h"
#include "window/ErrorReport.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

SavePathChooser& pathChooser()
{
    static SavePathChooser chooser;
    return chooser;
}

// The folder of the last save, for the program's run only.
QString& rememberedFolder()
{
    static QString folder;
    return folder;
}

QString startFolder()
{
    if (!rememberedFolder().isEmpty()) {
        return rememberedFolder();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

QString chooseSavePath(QWidget* parent, const SaveRequest& request)
{
    QString path;
    if (pathChooser()) {
        path = pathChooser()(request);
    } else {
        FileDialog dialog(parent, FileDialog::Mode::save, request.title, startFolder(), request.fileName,
                          request.filters);
        if (dialog.exec() == QDialog::Accepted) {
            path = dialog.chosenPath();
        }
    }
    if (!path.isEmpty()) {
        rememberedFolder() = QFileInfo(path).absolutePath();
    }
    return path;
}

QString chooseOpenPath(QWidget* parent, const QString& title, const QString& folder,
                       const QStringList& filters)
{
    FileDialog dialog(parent, FileDialog::Mode::open, title, folder.isEmpty() ? startFolder() : folder, {},
                      filters);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenPath() : QString();
}

bool saveToPath(QWidget* parent, const QString& path, const QByteArray& bytes)
{
    const std::string error = saveUserFile(QFile::encodeName(path).toStdString(),
                                           std::string_view(bytes.constData(), bytes.size()));
    if (!error.empty()) {
        showErrorReport(QString::fromStdString(error), parent);
        return false;
    }
    return true;
}

bool saveWorkbookToPath(QWidget* parent, const QString& path, const velmora::Workbook& workbook)
{
    const std::string error =
        saveUserWorkbook(QFile::encodeName(path).toStdString(), velmora::workbookMessage(workbook));
    if (!error.empty()) {
        showErrorReport(QString::fromStdString(error), parent);
        return false;
    }
    return true;
}

void setSavePathChooser(SavePathChooser chooser)
{
    pathChooser() = std::move(chooser);
}
