#include "window/ErrorReport.h"

#include "files/SaveErrors.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdlib>

QString applicationTitle()
{
    return QStringLiteral("Velmora v2");
}

void showErrorReport(const QString& text, QWidget* parent)
{
    // One report at a time: a movie repeating a faulty command while one is open stacks none.
    static bool open = false;
    if (open) {
        return;
    }
    const QString sentence = text.endsWith('.') ? text : text + '.';
    QMessageBox box(QMessageBox::Critical, applicationTitle(), sentence, QMessageBox::Ok,
                    parent ? parent : QApplication::activeWindow());
    box.setObjectName("errorReport");
    box.setTextFormat(Qt::PlainText); // a value from a file is shown as written, never as markup
    open = true;
    box.exec();
    open = false;
}

QString settingsErrorText(const std::string& error)
{
    const std::string ioError = "I/O error ";
    if (error.rfind(ioError, 0) != 0) {
        return QString::fromStdString(error);
    }
    const int code = std::atoi(error.c_str() + ioError.size());
    return QCoreApplication::translate("ErrorReport", "Erreur de lecture\u00a0: %1 (erreur %2)")
        .arg(QString::fromStdString(errorReason(code)))
        .arg(code);
}
