// velmora2: the program's entry.

#include "app/ErrorReport.h"
#include "app/GraphicalScreen.h"
#include "app/SingleInstance.h"
#include "app/TFormmodel.h"

#include <QApplication>

int main(int argc, char** argv)
{
    if (!graphicalScreenNamed(argc, argv)) {
        return 1;
    }
    // One copy per user: a second start ends at once, silently.
    if (!acquireSingleInstanceGuard("Brendole")) {
        return 0;
    }
    ScreenOpening opening;
    QApplication application(argc, argv);
    opening.release();
    QApplication::setApplicationName("velmora2");
    QApplication::setApplicationDisplayName(applicationTitle());

    TFormmodel window;
    window.show();
    return QApplication::exec();
}
