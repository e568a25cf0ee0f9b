#include "window/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

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
    open = true;
    box.exec();
    open = false;
}
