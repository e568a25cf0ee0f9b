#include "flash/MovieViewer.h"

#include "flash/TShockwaveFlash.h"

#include <QVBoxLayout>

MovieViewer::MovieViewer(const QString& folder, QWidget* parent)
    : QDialog(parent, Qt::FramelessWindowHint), movieDir(folder)
{
    setModal(true);
}

void MovieViewer::createPlayer(QWidget* holder)
{
    auto* fill = new QVBoxLayout(holder);
    fill->setContentsMargins(0, 0, 0, 0);
    Flash = new TShockwaveFlash(holder);
    Flash->setObjectName("Flash");
    fill->addWidget(Flash);
    connect(Flash, &TShockwaveFlash::FSCommand, this,
            [this](const QString& command, const QString& args) { FlashFSCommand(command, args); });
}

QString MovieViewer::moviePath(const QString& file) const
{
    return movieDir + "/anims/" + file;
}
