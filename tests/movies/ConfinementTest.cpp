// Hostile movies in a process restricted exactly as velmora2 restricts itself. The test process
// prepares a data folder (the movie and a picture of its own) and an outside folder (a secret
// picture and two files to keep), then runs the movie in a restricted child process, and last
// checks that nothing outside was written, emptied or read; the outside folder's names alone may be
// listed, for the save dialog. No library is mapped from the folders, and no TCP connection made.
// Skipped (77) where the kernel offers no Landlock or no private mount namespace.

#include "files/FileRestriction.h"
#include "files/NoExecMounts.h"
#include "flash/TShockwaveFlash.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QQuickItem>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

const QColor secretColour(0x12, 0xeb, 0x34);
const QColor ownColour(0x34, 0x56, 0xe0);
const QByteArray keptText = "à garder\n";

QImage filled(const QColor& colour)
{
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot be read)");
}

// A thread started before the restriction, which tries to create a file when asked.
class EarlyThread
{
public:
    explicit EarlyThread(QString path) : path_(std::move(path))
    {
        thread_ = std::thread([this] {
            std::unique_lock<std::mutex> lock(mutex_);
            asked_.wait(lock, [this] { return go_; });
            const int file = open(QFile::encodeName(path_).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
            error_ = file < 0 ? errno : 0;
            if (file >= 0) {
                close(file);
            }
        });
    }
    ~EarlyThread()
    {
        if (thread_.joinable()) {
            tryToWrite();
        }
    }
    int tryToWrite()
    {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            go_ = true;
        }
        asked_.notify_one();
        thread_.join();
        return error_;
    }

private:
    QString path_;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable asked_;
    bool go_ = false;
    int error_ = -1;
};

} // namespace

class ConfinementTest : public QObject
{
    Q_OBJECT
public:
    ConfinementTest(QString data, QString outside, EarlyThread& early)
        : data_(std::move(data)), outside_(std::move(outside)), early_(early)
    {
    }

private slots:
    void aMovieWritesAndReadsNothingOutsideItsFolder()
    {
        TShockwaveFlash player;
        player.resize(200, 200);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.setMovie(data_ + "/anims/hostilefiles.swf");
        QQuickItem* movie = player.movieRoot();
        QVERIFY(movie);
        player.SetVariable("outside", outside_);
        QMetaObject::invokeMethod(movie, "attempt");

        const auto outcome = [&](const char* name) { return player.GetVariable(name); };
        QTRY_VERIFY(outcome("canvasSaved") != "not tried" &&
                    outcome("grabSaved") != "not tried" && outcome("outsidePixel") != "not tried" &&
                    outcome("ownPixel") != "not tried");
        QCOMPARE(outcome("canvasSaved"), QString("false false"));
        QCOMPARE(outcome("grabSaved"), QString("false false"));
        QCOMPARE(outcome("outsidePixel"), QString("error"));
        QCOMPARE(outcome("ownPixel"), QString("52,86,224")); // its own folder stays readable

        // Rich text shows its own pictures, and no outside one.
        QTest::qWait(300);
        const QImage shown = player.grabFramebuffer();
        bool secretShown = false;
        bool ownShown = false;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                secretShown |= shown.pixelColor(x, y) == secretColour;
                ownShown |= shown.pixelColor(x, y) == ownColour;
            }
        }
        QVERIFY(ownShown);
        QVERIFY(!secretShown);
    }

    void aThreadStartedBeforeTheRestrictionIsRestrictedToo() { QCOMPARE(early_.tryToWrite(), EACCES); }

    // Where the user can write, no library can be mapped: a plugin copied there (as a movie folder
    // would ship one) does not load, and its code never runs.
    void noLibraryLoadsFromAPlaceTheUserCanWrite()
    {
        void* library = dlopen(QFile::encodeName(data_ + "/anims/libhostile.so").constData(), RTLD_NOW);
        QVERIFY2(!library, "a library was mapped from the movie folder");
        QVERIFY(qgetenv("VELMORA_HOSTILE_PLUGIN_RAN").isEmpty());
    }

    // No TCP: neither a connection (to a server listening on this machine) nor a listening port.
    void noTcpConnectionNorListeningPort()
    {
        const int connection = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        QVERIFY(connection >= 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        address.sin_port =
            htons(static_cast<std::uint16_t>(qEnvironmentVariableIntValue("VELMORA_TEST_PORT")));
        QCOMPARE(::connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address), -1);
        QCOMPARE(errno, EACCES);
        address.sin_port = 0;
        QCOMPARE(bind(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address), -1);
        QCOMPARE(errno, EACCES);
        close(connection);
    }

    void tcpDisplaysAreToldFromLocalOnes()
    {
        QCOMPARE(tcpDisplayPort(":0"), std::nullopt);
        QCOMPARE(tcpDisplayPort("unix:1"), std::nullopt);
        QCOMPARE(tcpDisplayPort("/tmp/launch-x/org.xquartz:0"), std::nullopt);
        QCOMPARE(tcpDisplayPort("localhost:10.0"), std::optional<unsigned>(6010));
        QCOMPARE(tcpDisplayPort("192.168.1.5:2"), std::optional<unsigned>(6002));
        QCOMPARE(tcpDisplayPort("host:x"), std::nullopt);
        QCOMPARE(tcpDisplayPort("host:99999"), std::nullopt);
    }

    // The save dialog browses every folder: their names may be listed, their files neither read
    // nor written.
    void foldersOutsideShowTheirNamesOnly()
    {
        QCOMPARE(QDir(outside_).entryList(QDir::Files), QStringList({"secret.png", "victim.png", "victim.txt"}));
        QFile text(outside_ + "/victim.txt");
        QVERIFY(!text.open(QIODevice::ReadOnly));
        QVERIFY(!text.open(QIODevice::WriteOnly | QIODevice::Append));
        QVERIFY(!QDir(outside_).mkdir("made"));
    }

private:
    QString data_;
    QString outside_;
    EarlyThread& early_;
};

namespace {

// The child: the places the user can write mounted noexec (as velmora2 does while it runs a
// single thread), the platform, then the restriction as velmora2 applies it, then the movie.
int runRestricted(int argc, char** argv, const QString& data, const QString& outside, const QString& root)
{
    const NoExecResult noExec =
        mountPlacesNoExec({QFile::encodeName(root).toStdString()}, programCodePlaces());
    if (!noExec.applied) {
        std::fprintf(stderr, "SKIP: no private mount namespace here (%s)\n", noExec.reason.c_str());
        return 77;
    }
    EarlyThread early(outside + "/thread.txt");
    QApplication application(argc, argv);
    const FileRestriction outcome = restrictProgramFiles(data);
    if (outcome != FileRestriction::applied) {
        early.tryToWrite();
        return outcome == FileRestriction::unavailable ? 77 : 1;
    }
    ConfinementTest test(data, outside, early);
    return QTest::qExec(&test, argc, argv);
}

} // namespace

int main(int argc, char** argv)
{
    const QByteArray base = qgetenv("TMPDIR").isEmpty() ? QByteArray("/tmp") : qgetenv("TMPDIR");
    QByteArray pattern = base + "/velmora-confinement-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const QString root = QFile::decodeName(pattern);
    const QString data = root + "/data";
    const QString outside = root + "/outside";
    QDir().mkpath(data + "/anims");
    QDir().mkpath(outside);
    QFile::copy(QStringLiteral(VELMORA_MOVIE_FIXTURES "/confinement/hostilefiles.swf"),
                data + "/anims/hostilefiles.swf");
    filled(ownColour).save(data + "/anims/own.png");
    filled(secretColour).save(outside + "/secret.png");
    filled(Qt::white).save(outside + "/victim.png");
    QFile text(outside + "/victim.txt");
    text.open(QIODevice::WriteOnly);
    text.write(keptText);
    text.close();
    const QByteArray victimPicture = contents(outside + "/victim.png");
    QFile::copy(QStringLiteral(VELMORA_HOSTILE_PLUGIN), data + "/anims/libhostile.so");
    // A server of this machine that the restricted process may not reach.
    const int server = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (server < 0 || bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        listen(server, 1) != 0 || getsockname(server, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::perror("the test's server");
        return 1;
    }
    qputenv("VELMORA_TEST_PORT", QByteArray::number(ntohs(address.sin_port)));

    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        std::exit(runRestricted(argc, argv, data, outside, root));
    }
    int status = 0;
    waitpid(child, &status, 0);
    close(server);
    int result = WIFEXITED(status) ? WEXITSTATUS(status) : 1;

    if (result != 77) {
        const QStringList left = QDir(outside).entryList(QDir::Files | QDir::Hidden);
        const QStringList expected{"secret.png", "victim.png", "victim.txt"};
        if (left != expected) {
            std::fprintf(stderr, "FAIL: the outside folder holds %s\n", qPrintable(left.join(", ")));
            result = 1;
        }
        if (contents(outside + "/victim.txt") != keptText ||
            contents(outside + "/victim.png") != victimPicture) {
            std::fprintf(stderr, "FAIL: a file outside the movie's folder was changed\n");
            result = 1;
        }
    } else {
        std::fprintf(stderr, "SKIP: this system offers no Landlock or no private mount namespace\n");
    }
    QDir(root).removeRecursively();
    return result;
}

#include "ConfinementTest.moc"
