#include "files/FileRestriction.h"

#include "files/DataFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QRegularExpression>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <linux/landlock.h>
#include <set>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

// Rights of later kernels than the headers of the system.
#ifndef LANDLOCK_ACCESS_FS_REFER
#define LANDLOCK_ACCESS_FS_REFER (1ULL << 13)
#endif
#ifndef LANDLOCK_ACCESS_FS_TRUNCATE
#define LANDLOCK_ACCESS_FS_TRUNCATE (1ULL << 14)
#endif

// The parts of Landlock that the system's headers may not know yet (network rules from version 4).
#ifndef LANDLOCK_ACCESS_NET_BIND_TCP
#define LANDLOCK_ACCESS_NET_BIND_TCP (1ULL << 0)
#define LANDLOCK_ACCESS_NET_CONNECT_TCP (1ULL << 1)
#endif
constexpr int ruleNetPort = 2; // LANDLOCK_RULE_NET_PORT

namespace {

struct RulesetAttributes
{
    __u64 handledAccessFs;
    __u64 handledAccessNet; // version 4 on; older kernels take the longer structure when this is 0
};

struct NetPortRule
{
    __u64 allowedAccess;
    __u64 port;
};

// Every right to change files or run programs, as the kernel's Landlock version knows them.
// Version 1 already takes writing (and so emptying a file by opening it); 2 adds linking and
// renaming across folders, 3 emptying through truncate().
__u64 handledRights(int abi)
{
    __u64 rights = LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE |
                   LANDLOCK_ACCESS_FS_READ_DIR | LANDLOCK_ACCESS_FS_REMOVE_DIR |
                   LANDLOCK_ACCESS_FS_REMOVE_FILE | LANDLOCK_ACCESS_FS_MAKE_CHAR |
                   LANDLOCK_ACCESS_FS_MAKE_DIR | LANDLOCK_ACCESS_FS_MAKE_REG | LANDLOCK_ACCESS_FS_MAKE_SOCK |
                   LANDLOCK_ACCESS_FS_MAKE_FIFO | LANDLOCK_ACCESS_FS_MAKE_BLOCK | LANDLOCK_ACCESS_FS_MAKE_SYM;
    if (abi >= 2) {
        rights |= LANDLOCK_ACCESS_FS_REFER;
    }
    if (abi >= 3) {
        rights |= LANDLOCK_ACCESS_FS_TRUNCATE;
    }
    return rights;
}

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

// A Landlock restriction holds for the thread that asks for it and the threads it starts later.
// The threads already running (the display connection's reader, for one) are each asked, through
// a signal of their own, to restrict themselves with the same rules.
int sharedRuleset = -1;
std::atomic<int> threadsRestricted{0};
std::atomic<int> threadsRefused{0};

bool restrictThisThread()
{
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           syscall(SYS_landlock_restrict_self, sharedRuleset, 0) == 0;
}

void restrictOnSignal(int)
{
    const int saved = errno;
    (restrictThisThread() ? threadsRestricted : threadsRefused).fetch_add(1);
    errno = saved;
}

int restrictionSignal()
{
    return SIGRTMIN + 5;
}

std::vector<pid_t> threadsOf(int taskFolder)
{
    std::vector<pid_t> threads;
    const int copy = dup(taskFolder);
    DIR* folder = copy >= 0 ? fdopendir(copy) : nullptr;
    if (!folder) {
        if (copy >= 0) {
            close(copy);
        }
        return threads;
    }
    rewinddir(folder);
    while (const dirent* entry = readdir(folder)) {
        if (entry->d_name[0] != '.') {
            threads.push_back(static_cast<pid_t>(std::atoi(entry->d_name)));
        }
    }
    closedir(folder);
    return threads;
}

// Restricts the threads other than this one, until no unrestricted one is left. Threads started
// meanwhile by an unrestricted thread are found by the next pass.
std::string restrictOtherThreads(int taskFolder)
{
    const int signal = restrictionSignal();
    struct sigaction action = {};
    action.sa_handler = restrictOnSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    // The handler stays for the life of the process: a late signal restricts its thread late
    // rather than ending the program.
    if (sigaction(signal, &action, nullptr) != 0) {
        return systemError("sigaction");
    }
    const pid_t self = static_cast<pid_t>(syscall(SYS_gettid));
    std::set<pid_t> asked{self};
    for (int pass = 0; pass < 20; ++pass) {
        const int answeredBefore = threadsRestricted.load() + threadsRefused.load();
        int sent = 0;
        for (const pid_t tid : threadsOf(taskFolder)) {
            if (asked.count(tid) != 0) {
                continue;
            }
            asked.insert(tid);
            // A thread that blocks the signal for now (one being started does) answers once it
            // takes signals again.
            if (syscall(SYS_tgkill, getpid(), tid, signal) == 0) {
                ++sent;
            } // a thread that ended meanwhile needs nothing
        }
        if (sent == 0) {
            return {};
        }
        const int expected = answeredBefore + sent;
        // Answers come at once; a thread that blocks signals for good (a GLib worker does) is
        // given a second.
        for (int wait = 0; wait < 1000 && threadsRestricted.load() + threadsRefused.load() < expected;
             ++wait) {
            const timespec millisecond{0, 1000000};
            nanosleep(&millisecond, nullptr);
        }
        if (threadsRefused.load() != 0) {
            return "a thread of the program refused the restriction";
        }
        if (threadsRestricted.load() + threadsRefused.load() < expected) {
            return "a thread of the program blocks signals";
        }
    }
    return "the program keeps starting threads";
}

// Allows `rights` beneath `path` (reading a folder too, for a folder); false when it cannot be
// opened (then it is left out).
bool allow(int ruleset, const std::string& path, __u64 rights)
{
    const int place = open(path.c_str(), O_PATH | O_CLOEXEC);
    if (place < 0) {
        return false;
    }
    struct stat status;
    landlock_path_beneath_attr rule{};
    rule.parent_fd = place;
    rule.allowed_access = rights;
    if (fstat(place, &status) == 0 && S_ISDIR(status.st_mode)) {
        rule.allowed_access |= LANDLOCK_ACCESS_FS_READ_DIR;
    }
    const bool added = syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0) == 0;
    close(place);
    return added;
}

// Allows TCP connections to `port` (for the X server of a TCP display).
bool allowConnection(int ruleset, unsigned port)
{
    const NetPortRule rule{LANDLOCK_ACCESS_NET_CONNECT_TCP, port};
    return syscall(SYS_landlock_add_rule, ruleset, ruleNetPort, &rule, 0) == 0;
}

} // namespace

std::optional<unsigned> tcpDisplayPort(const std::string& display)
{
    // "host:N" or "host:N.S" names a TCP display; ":N", "unix:N" and "/path:N" local sockets.
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos || colon == 0 || display[0] == '/' ||
        display.compare(0, colon, "unix") == 0 || (colon > 0 && display[colon - 1] == ':')) {
        return std::nullopt; // DECnet ("host::N") is no TCP either
    }
    unsigned number = 0;
    std::size_t digits = colon + 1;
    for (; digits < display.size() && display[digits] >= '0' && display[digits] <= '9' && number < 60000;
         ++digits) {
        number = number * 10 + static_cast<unsigned>(display[digits] - '0');
    }
    if (digits == colon + 1 || (digits < display.size() && display[digits] != '.') || number >= 59536) {
        return std::nullopt;
    }
    return 6000 + number;
}

FileRestrictionResult restrictFileAccess(const std::vector<std::string>& readable,
                                         const std::vector<std::string>& listable,
                                         const NetworkAllowance& network)
{
    const long abi = syscall(SYS_landlock_create_ruleset, nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    if (abi < 0) {
        return {FileRestriction::unavailable, systemError("Landlock")};
    }
    if (sharedRuleset >= 0) {
        return {FileRestriction::failed, "the files are already restricted"};
    }
    RulesetAttributes attributes{};
    attributes.handledAccessFs = handledRights(static_cast<int>(abi));
    // From version 4: no TCP connection or listening port, but to a display named by `network`.
    const bool networkRules = abi >= 4;
    if (networkRules) {
        attributes.handledAccessNet = LANDLOCK_ACCESS_NET_BIND_TCP | LANDLOCK_ACCESS_NET_CONNECT_TCP;
    }
    const int ruleset =
        static_cast<int>(syscall(SYS_landlock_create_ruleset, &attributes, sizeof attributes, 0));
    if (ruleset < 0) {
        return {FileRestriction::failed, systemError("landlock_create_ruleset")};
    }
    if (networkRules && network.displayPort && !allowConnection(ruleset, *network.displayPort)) {
        const std::string reason = systemError("landlock_add_rule");
        close(ruleset);
        return {FileRestriction::failed, reason};
    }
    for (const std::string& path : readable) {
        allow(ruleset, path, LANDLOCK_ACCESS_FS_READ_FILE);
    }
    for (const std::string& path : listable) {
        allow(ruleset, path, LANDLOCK_ACCESS_FS_READ_DIR);
    }
    // Writing to /dev/null changes no file; libraries open it read-write for the standard streams
    // of a process they start (D-Bus does, to find the session bus).
    allow(ruleset, "/dev/null", LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_WRITE_FILE);
    // Read before this thread loses /proc, in case the list leaves it out.
    const int taskFolder = open("/proc/self/task", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    sharedRuleset = ruleset; // kept open for threads that are asked late
    if (!restrictThisThread()) {
        const std::string reason = systemError("landlock_restrict_self");
        if (taskFolder >= 0) {
            close(taskFolder);
        }
        return {FileRestriction::failed, reason};
    }
    const std::string others =
        taskFolder >= 0 ? restrictOtherThreads(taskFolder) : "/proc/self/task cannot be read";
    if (taskFolder >= 0) {
        close(taskFolder);
    }
    if (!others.empty()) {
        return {FileRestriction::failed, others};
    }
    return {FileRestriction::applied, {}, networkRules};
}

std::vector<std::string> programReadablePlaces(const QString& dataFolder)
{
    const auto environment = [](const char* name, const QString& otherwise) {
        const QString value = qEnvironmentVariable(name);
        return value.isEmpty() ? otherwise : value;
    };
    const QString home = QDir::homePath();
    const QString dataHome = environment("XDG_DATA_HOME", home + "/.local/share");
    const QString configHome = environment("XDG_CONFIG_HOME", home + "/.config");
    const QString cacheHome = environment("XDG_CACHE_HOME", home + "/.cache");

    const QStringList places{
        // The movies, the settings file and what will be installed beside them (translations).
        dataFolder,
        // The program file: sanitizer builds read it to name functions in their reports.
        QCoreApplication::applicationFilePath(),
        // Qt loads libraries, plugins and QML modules late: when a movie imports a module, shows
        // a picture format for the first time or draws text, and at the first key press.
        QLibraryInfo::path(QLibraryInfo::LibrariesPath),
        QLibraryInfo::path(QLibraryInfo::PluginsPath),
        QLibraryInfo::path(QLibraryInfo::QmlImportsPath),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath),
        // The system's libraries, their index, the C library's locales and character sets.
        "/usr/lib",
        "/etc/ld.so.cache",
        "/usr/share/locale",
        "/etc/localtime",
        "/usr/share/zoneinfo",
        // Fonts: fontconfig looks at its configuration and folders again while the program runs.
        "/etc/fonts",
        "/usr/share/fontconfig",
        "/usr/share/fonts",
        "/usr/local/share/fonts",
        "/var/cache/fontconfig",
        home + "/.fonts",
        dataHome + "/fonts",
        configHome + "/fontconfig",
        cacheHome + "/fontconfig",
        // Cursors and icons, loaded when first shown; keyboard compose tables and X11 locales.
        "/usr/share/icons",
        "/usr/share/pixmaps",
        home + "/.icons",
        dataHome + "/icons",
        "/usr/share/X11",
        home + "/.XCompose",
        // The kinds of file that the save dialog names and filters, from the MIME database.
        "/usr/share/mime",
        dataHome + "/mime",
        // The user database, the machine's identity for the desktop bus, Qt's system settings.
        "/etc/nsswitch.conf",
        "/etc/passwd",
        "/etc/machine-id",
        "/var/lib/dbus/machine-id",
        "/etc/xdg",
        // The process's own entries (the sanitizers' leak check reads its memory map at exit),
        // the number of processors, and random numbers.
        "/proc/self",
        "/sys/devices/system/cpu",
        "/dev/urandom",
    };
    std::vector<std::string> paths;
#if defined(__SANITIZE_ADDRESS__)
    // Sanitizer builds: the leak check reads its suppressions when the program ends.
    for (const char* variable : {"LSAN_OPTIONS", "ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
        for (const QString& option : qEnvironmentVariable(variable).split(QRegularExpression("[: ]"))) {
            if (option.startsWith("suppressions=")) {
                paths.push_back(QFile::encodeName(option.mid(13)).toStdString());
            }
        }
    }
#endif
    for (const QString& place : places) {
        if (!place.isEmpty()) {
            paths.push_back(QFile::encodeName(place).toStdString());
        }
    }
    return paths;
}

std::vector<std::string> programCodePlaces()
{
    std::vector<std::string> places{"/usr/lib", "/lib", "/usr/lib64", "/lib64", "/usr/local/lib"};
    for (const QLibraryInfo::LibraryPath path :
         {QLibraryInfo::LibrariesPath, QLibraryInfo::PluginsPath, QLibraryInfo::QmlImportsPath}) {
        places.push_back(QFile::encodeName(QLibraryInfo::path(path)).toStdString());
    }
    return places;
}

std::vector<std::string> programListablePlaces()
{
    // The save dialog shows the whole computer, the user's folders, drives under /media or /mnt
    // and network shares wherever they are mounted. A name is no content: what lies outside the
    // readable places stays unreadable.
    return {"/"};
}

FileRestriction restrictProgramFiles(const QString& dataFolder)
{
    NetworkAllowance network;
    network.displayPort = tcpDisplayPort(qEnvironmentVariable("DISPLAY").toStdString());
    const FileRestrictionResult result =
        restrictFileAccess(programReadablePlaces(dataFolder), programListablePlaces(), network);
    if (result.outcome == FileRestriction::applied) {
        return result.outcome;
    }
    // No kernel sandbox: a movie's code could reach the user's files, so only the installation's
    // movies are shown, which the user cannot change.
    keepMoviesToTheInstallation();
    const QString installed = findMovieFolder();
    const std::string movies =
        installed.isEmpty()
            ? std::string("no installation holds movies that only the administrator "
                          "can change, so none is shown")
            : "movies are taken only from the installation, " + QFile::encodeName(installed).toStdString();
    std::fprintf(stderr, "velmora2: %s (%s): %s\n",
                 result.outcome == FileRestriction::unavailable ? "this system offers no Landlock sandbox"
                                                                : "the Landlock sandbox could not be applied",
                 result.reason.c_str(), movies.c_str());
    return result.outcome;
}
