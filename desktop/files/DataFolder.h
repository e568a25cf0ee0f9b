#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the movies ("anims"): the current folder when it holds them, as it always
// has; otherwise, for a program started from a desktop menu or from a class folder that holds only a
// settings file, the first of the program's own folders that holds "anims": the one of the
// executable, the data folder of its installation (found from the executable, so that an
// installation may move), the data folder it was built for. When none does, the current folder,
// where their absence will be told.
QString findDataFolder();

// The folder of the settings file ("velmora.ini"), looked for on its own in the same places: the
// current folder when it holds one, else the first of the program's folders that does.
QString findSettingsFolder();

// The folder whose "anims" the movies come from: the data folder, unless the movies are kept to
// the installation (below).
QString findMovieFolder();

// Without a kernel sandbox a movie's code could reach the user's files: from then on the movies
// come only from an installation that the user cannot change (installedMovieFolder), never from
// the current folder. The settings file is still found as before.
void keepMoviesToTheInstallation();
bool moviesKeptToTheInstallation();

// Finds the installation's movie folder now, for keepMoviesToTheInstallation() later: to be called
// before the process enters a user namespace of its own, where the files of root no longer show as
// root's. Needs no application object.
void findInstalledMovieFolderNow();

// The first of the program's own folders whose movies only the administrator can change, or empty.
QString installedMovieFolder(const QStringList& programFolders);

// Whether only the administrator can change what `folder`/anims holds: the folder, its "anims"
// and everything in it belong to root and are writable by no group or other user, and so is every
// folder above it, but for a folder like /tmp whose sticky bit keeps others' entries to them.
bool onlyTheAdministratorCanChange(const QString& folder);

// The program's own folders, most likely first: the executable's (given), the data folder of its
// installation found from it, the data folder it was built for.
QStringList programFolders(const QString& executableFolder);

// The same choices, from given folders.
QString chooseDataFolder(const QString& current, const QStringList& programFolders);
QString chooseSettingsFolder(const QString& current, const QStringList& programFolders);
