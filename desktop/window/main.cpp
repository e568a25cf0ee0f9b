// velmora2: the program's entry.

#include "files/DataFolder.h"
#include "files/FileRestriction.h"
#include "files/FileWriter.h"
#include "files/NoExecMounts.h"
#include "process/StandardStreams.h"
#include "window/CommandLine.h"
#include "window/DesktopIdentity.h"
#include "window/ErrorReport.h"
#include "window/GraphicalScreen.h"
#include "window/SingleInstance.h"
#include "window/StartFailure.h"
#include "window/TFormmodel.h"
#include "window/Translation.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

#include <cstdio>

// Before anything opens a file: with its standard streams closed, the program would give their
// numbers to the writer's channel or the display's connection, and write its messages into them.
__attribute__((constructor(101))) static void standardStreamsFirst()
{
    velmora::openClosedStandardStreams();
}

namespace {

// The threads that the toolkit and the program start at once at most while the window opens: the
// display's reader, the movies' loaders, the script watchdog and a few more.
constexpr int threadsAtStart = 8;

// Every place where the user, or a movie's author, can put a file, mounted noexec for this process:
// no library can be mapped from there. Without it, one line says so and the program goes on.
void mapNoCodeFromWritablePlaces()
{
    const auto environment = [](const char* name) { return qEnvironmentVariable(name).toStdString(); };
    std::vector<std::string> given{environment("HOME"),
                                   "/tmp",
                                   "/var/tmp",
                                   "/dev/shm",
                                   "/media",
                                   "/mnt",
                                   "/run/media",
                                   environment("XDG_RUNTIME_DIR"),
                                   environment("XDG_DATA_HOME"),
                                   environment("XDG_CONFIG_HOME"),
                                   environment("XDG_CACHE_HOME"),
                                   environment("XDG_STATE_HOME"),
                                   QDir::currentPath().toStdString(),
                                   QFile::encodeName(findDataFolder()).toStdString()};
    const NoExecResult result = mountPlacesNoExec(writablePlaces(given), programCodePlaces());
    if (!result.applied) {
        std::fprintf(stderr,
                     "velmora2: the places the user can write to could not all be mounted noexec (%s): a "
                     "library there could still be mapped; the player's own checks keep movies from "
                     "loading one\n",
                     result.reason.c_str());
    }
}

} // namespace

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
    // Under a limit on processes: said, rather than a window that never shows.
    if (!threadsCanStart(threadsAtStart)) {
        endBecauseThreadsRefused();
    }
    // The writer of the user's files, a copy of this process made while it has one thread.
    std::unique_ptr<FileWriter> writer = FileWriter::start();
    if (!writer) {
        endBecauseWriterRefused(argc, argv);
    }
    FileWriter::setShared(std::move(writer));
    // Still with one thread, and before the files of root show otherwise in a namespace of its own.
    findInstalledMovieFolderNow();
    mapNoCodeFromWritablePlaces();

    ScreenOpening opening;
    QApplication application(argc, argv);
    opening.release();
    auto threads = std::make_unique<ThreadStartWatch>(); // until the window shows
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
    QTimer::singleShot(0, &window, [&threads] { threads.reset(); });
    if (!fileToOpen.empty()) {
        window.openExperimentFile(QString::fromLocal8Bit(fileToOpen.c_str()));
    }
    return QApplication::exec();
}
