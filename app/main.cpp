// velmora2: the program's entry.

#include "app/CommandLine.h"
#include "app/DesktopIdentity.h"
#include "app/ErrorReport.h"
#include "app/GraphicalScreen.h"
#include "app/SingleInstance.h"
#include "app/TFormmodel.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // "--help" and "--version" answer even while another copy runs, and without a screen.
    if (const std::optional<int> status = answerInformationOptions(argc, argv)) {
        return *status;
    }
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
    declareDesktopIdentity();

    TFormmodel window;
    window.show();
    return QApplication::exec();
}
