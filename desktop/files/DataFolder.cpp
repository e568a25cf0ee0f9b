#include "files/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef VELMORA_INSTALLED_DATA_FOLDER
#define VELMORA_INSTALLED_DATA_FOLDER ""
#endif
#ifndef VELMORA_DATA_FROM_PROGRAM
#define VELMORA_DATA_FROM_PROGRAM "../share/velmora2"
#endif

namespace {

bool holdsMovies(const QString& folder)
{
    return QFileInfo(folder + "/anims").isDir();
}

} // namespace

QString chooseDataFolder(const QString& current, const QStringList& programFolders)
{
    if (holdsMovies(current) || QFileInfo(current + "/velmora.ini").isFile()) {
        return current;
    }
    for (const QString& folder : programFolders) {
        if (!folder.isEmpty() && holdsMovies(folder)) {
            return QDir::cleanPath(folder);
        }
    }
    return current;
}

QStringList programFolders(const QString& executableFolder)
{
    return {executableFolder, executableFolder + "/" + VELMORA_DATA_FROM_PROGRAM,
            QStringLiteral(VELMORA_INSTALLED_DATA_FOLDER)};
}

QString findDataFolder()
{
    return chooseDataFolder(QDir::currentPath(), programFolders(QCoreApplication::applicationDirPath()));
}
