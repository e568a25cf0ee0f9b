#include "window/DesktopIdentity.h"

#include <QGuiApplication>
#include <QIcon>

void declareDesktopIdentity()
{
    QGuiApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.velmora.velmora2"));
    QIcon icon;
    for (const int size : {32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/velmora2-%1.png").arg(size), QSize(size, size));
    }
    QGuiApplication::setWindowIcon(icon);
}
