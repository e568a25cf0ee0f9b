#include "app/ErrorReport.h"

#include <QApplication>
#include <QMessageBox>

QString applicationTitle()
{
    return QStringLiteral("Velmora v2");
}

void showErrorReport(const QString& text, QWidget* parent)
{
    const QString sentence = text.endsWith('.') ? text : text + '.';
    QMessageBox box(QMessageBox::Critical, applicationTitle(), sentence, QMessageBox::Ok,
                    parent ? parent : QApplication::activeWindow());
    box.setObjectName("errorReport");
    box.exec();
}
