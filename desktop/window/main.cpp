// velmora2: the program's entry.

#include "files/DataFolder.h"
#include "files/FileRestriction.h"
#include "files/FileWriter.h"
#include "window/CommandLine.h"
#include "window/DesktopIdentity.h"
#include "window/ErrorReport.h"
#include "window/GraphicalScreen.h"
#include "window/SingleInstance.h"
#include "window/TFormmodel.h"
#include "window/Translation.h"

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
    // One copy per user: a second start hands its file to the running copy and ends, silently.
    const std::string fileToOpen = fileArgument(argc, argv);
    SingleInstanceGuard::Outcome guarded = SingleInstanceGuard::Outcome::unavailable;
    const std::unique_ptr<SingleInstanceGuard> guard = SingleInstanceGuard::acquire(fileToOpen, guarded);
    if (guarded == SingleInstanceGuard::Outcome::handedOff) {
        return 0;
    }
    // The writer of the user's files, a copy of this process made while it has one thread.
    FileWriter::setShared(FileWriter::start());
    ScreenOpening opening;
    QApplication application(argc, argv);
    opening.release();
    QApplication::setApplicationName("velmora2");
    // The language first: the title, the windows and the movies are all in it.
    installTranslations(application);
    QApplication::setApplicationDisplayName(applicationTitle());
    declareDesktopIdentity();

    // The platform is open: from here on the process changes no file and reads only its own
    // places, before any movie runs.
    restrictProgramFiles(findDataFolder());

    TFormmodel window;
    if (guard && guard->listeningSocket() >= 0) {
        auto* listener = new HandOffListener(guard->listeningSocket(), &window);
        QObject::connect(listener, &HandOffListener::requested, &window, &TFormmodel::handOffRequested);
    }
    window.show();
    if (!fileToOpen.empty()) {
        window.openExperimentFile(QString::fromLocal8Bit(fileToOpen.c_str()));
    }
    return QApplication::exec();
}
