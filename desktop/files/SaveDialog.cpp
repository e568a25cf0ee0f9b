#include "files/SaveDialog.h"

#include "lab/Workbook.h"

#include "files/FileWriter.h"
#include "window/ErrorReport.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
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

// "csv" from « Données CSV (*.csv) ».
QString endingOf(const QString& filter)
{
    const QRegularExpressionMatch match = QRegularExpression(R"(\*\.(\w+))").match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

} // namespace

QString chooseSavePath(QWidget* parent, const SaveRequest& request)
{
    QString path;
    if (pathChooser()) {
        path = pathChooser()(request);
    } else {
        QFileDialog dialog(parent, request.title, QDir(startFolder()).filePath(request.fileName));
        dialog.setObjectName("saveDialog");
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilters(request.filters);
        dialog.setDefaultSuffix(endingOf(request.filters.value(0)));
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog](const QString& filter) { dialog.setDefaultSuffix(endingOf(filter)); });
        if (dialog.exec() == QDialog::Accepted) {
            path = dialog.selectedFiles().value(0);
        }
    }
    if (!path.isEmpty()) {
        rememberedFolder() = QFileInfo(path).absolutePath();
    }
    return path;
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
