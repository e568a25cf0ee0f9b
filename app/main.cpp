// velmora2: the program's entry.

#include "app/DataFolder.h"
#include "app/ErrorReport.h"
#include "app/FileRestriction.h"
#include "app/FileWriter.h"
#include "app/SingleInstance.h"
#include "app/TFormmodel.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // One copy per user: a second start ends at once, silently.
    if (!acquireSingleInstanceGuard("Brendole")) {
        return 0;
    }
    // The writer of the user's files, a copy of this process made while it has one thread.
    FileWriter::setShared(FileWriter::start());
    QApplication application(argc, argv);
    QApplication::setApplicationName("velmora2");
    QApplication::setApplicationDisplayName(applicationTitle());

    // The platform is open: from here on the process changes no file and reads only its own
    // places, before any movie runs.
    restrictProgramFiles(findDataFolder());

    TFormmodel window;
    window.show();
    return QApplication::exec();
}
