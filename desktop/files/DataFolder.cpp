#include "files/DataFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

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

bool keptToTheInstallation = false;
bool installedFolderKnown = false;
QString installedFolder;

// Without an application object: the program's folder is found before it exists.
QString executableFolder()
{
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absolutePath();
}

// Owned by root and writable by it alone; `sticky` allows a folder writable by all whose sticky bit
// keeps each entry to its owner (/tmp), for the folders above.
bool administrators(const QString& path, bool sticky)
{
    struct stat status;
    if (lstat(QFile::encodeName(path).constData(), &status) != 0 || status.st_uid != 0) {
        return false;
    }
    const bool othersWrite = (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return !othersWrite || (sticky && S_ISDIR(status.st_mode) && (status.st_mode & S_ISVTX) != 0);
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
    return chooseDataFolder(QDir::currentPath(), programFolders(executableFolder()));
}

QString findSettingsFolder()
{
    return chooseSettingsFolder(QDir::currentPath(), programFolders(executableFolder()));
}

QString findMovieFolder()
{
    if (!keptToTheInstallation) {
        return findDataFolder();
    }
    findInstalledMovieFolderNow();
    return installedFolder;
}

void findInstalledMovieFolderNow()
{
    if (!installedFolderKnown) {
        installedFolder = installedMovieFolder(programFolders(executableFolder()));
        installedFolderKnown = true;
    }
}

void keepMoviesToTheInstallation()
{
    keptToTheInstallation = true;
}

bool moviesKeptToTheInstallation()
{
    return keptToTheInstallation;
}

QString installedMovieFolder(const QStringList& programFolders)
{
    for (const QString& folder : programFolders) {
        if (!folder.isEmpty() && holdsMovies(folder) && onlyTheAdministratorCanChange(folder)) {
            return QFileInfo(folder).canonicalFilePath();
        }
    }
    return {};
}

bool onlyTheAdministratorCanChange(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    const QString movies = canonical + "/anims";
    if (canonical.isEmpty() || !administrators(canonical, false) || !administrators(movies, false)) {
        return false;
    }
    for (QDirIterator entry(movies, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
         entry.hasNext();) {
        if (!administrators(entry.next(), false)) {
            return false;
        }
    }
    for (QDir above(canonical); above.cdUp();) {
        if (!administrators(above.path(), true)) {
            return false;
        }
        if (above.isRoot()) {
            break;
        }
    }
    return true;
}
