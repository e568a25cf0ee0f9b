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

bool holdsSettings(const QString& folder)
{
    return QFileInfo(folder + "/velmora.ini").isFile();
}

QString choose(const QString& current, const QStringList& programFolders, bool (*holds)(const QString&))
{
    if (holds(current)) {
        return current;
    }
    for (const QString& folder : programFolders) {
        if (!folder.isEmpty() && holds(folder)) {
            return QDir::cleanPath(folder);
        }
    }
    return current;
}

} // namespace

QString chooseDataFolder(const QString& current, const QStringList& programFolders)
{
    return choose(current, programFolders, holdsMovies);
}

QString chooseSettingsFolder(const QString& current, const QStringList& programFolders)
{
    return choose(current, programFolders, holdsSettings);
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

QString findSettingsFolder()
{
    return chooseSettingsFolder(QDir::currentPath(), programFolders(QCoreApplication::applicationDirPath()));
}
