#pragma once

#include <QString>

// The folder that holds the movies ("anims") and the settings file ("velmora.ini"): the current
// folder when it holds either, as it always has; otherwise, for a program started from a desktop
// menu, the folder of the executable when it holds "anims", then the installed data folder. When
// none holds them, the current folder, where their absence will be told.
QString findDataFolder();

// The same choice, from given folders.
QString chooseDataFolder(const QString& current, const QString& executableFolder, const QString& installedFolder);
