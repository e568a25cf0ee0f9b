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

// The program's own folders, most likely first: the executable's (given), the data folder of its
// installation found from it, the data folder it was built for.
QStringList programFolders(const QString& executableFolder);

// The same choices, from given folders.
QString chooseDataFolder(const QString& current, const QStringList& programFolders);
QString chooseSettingsFolder(const QString& current, const QStringList& programFolders);
