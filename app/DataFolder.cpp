#include "app/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef VELMORA_INSTALLED_DATA_FOLDER
#define VELMORA_INSTALLED_DATA_FOLDER ""
#endif

namespace {

bool holdsMovies(const QString& folder)
{
    return QFileInfo(folder + "/anims").isDir();
}

} // namespace

QString chooseDataFolder(const QString& current, const QString& executableFolder, const QString& installedFolder)
{
    if (holdsMovies(current) || QFileInfo(current + "/velmora.ini").isFile()) {
        return current;
    }
    if (!executableFolder.isEmpty() && holdsMovies(executableFolder)) {
        return executableFolder;
    }
    if (!installedFolder.isEmpty() && holdsMovies(installedFolder)) {
        return installedFolder;
    }
    return current;
}

QString findDataFolder()
{
    return chooseDataFolder(QDir::currentPath(), QCoreApplication::applicationDirPath(),
                            QStringLiteral(VELMORA_INSTALLED_DATA_FOLDER));
}
