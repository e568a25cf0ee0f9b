#pragma once

#include <QString>
#include <QStringList>

// The folder that holds the movies ("anims") and the settings file ("velmora.ini"): the current
// folder when it holds either, as it always has; otherwise, for a program started from a desktop
// menu, the first of the program's own folders that holds "anims": the one of the executable, the
// data folder of its installation (found from the executable, so that an installation may move),
// the data folder it was built for. When none does, the current folder, where their absence will
// be told.
QString findDataFolder();

// The program's own folders, most likely first: the executable's (given), the data folder of its
// installation found from it, the data folder it was built for.
QStringList programFolders(const QString& executableFolder);

// The same choice, from given folders.
QString chooseDataFolder(const QString& current, const QStringList& programFolders);
