#pragma once

class QCoreApplication;

// Qt's own words in French, like the rest of the window: the file dialog's, the standard buttons'
// of message boxes. They come from Qt's translations when installed (Debian's
// qt6-translations-l10n); without them they stay English. The menus name their keys as French
// programs do ("Entrée", "Espace", "Échap", "Maj+P").
void installQtFrench(QCoreApplication& application);
