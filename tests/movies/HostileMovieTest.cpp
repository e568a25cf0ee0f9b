// Movie folders and movies made to harm: native code shipped beside a movie, a module that takes
// an installed one's name, a named pipe in place of a picture, a worker thread, a window of the
// movie's own, the clipboard, and a recursion that would overflow the stack. Each is refused, and
// the program goes on.

#include "flash/ScriptWatchdog.h"
#include "flash/TShockwaveFlash.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

#include <cstdlib>
#include <sys/stat.h>

namespace {

void write(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QString notice(const TShockwaveFlash& player)
{
    const auto* label = player.findChild<QLabel*>("movieNotice");
    return label && !label->isHidden() ? label->text() : QString();
}

} // namespace

class HostileMovieTest : public QObject
{
    Q_OBJECT

private slots:
    void nativeCodeBesideAMovieIsNeverLoaded_data()
    {
        QTest::addColumn<QString>("description"); // where the qmldir lies, relative to the movie
        QTest::addColumn<QByteArray>("qmldir");
        QTest::addColumn<QByteArray>("import");
        QTest::addColumn<QString>("said");
        const QString native = QStringLiteral("» ferait exécuter du code au logiciel");
        QTest::newRow("beside the movie")
            << "qmldir" << QByteArray("module hostile\nplugin hostile\n") << QByteArray() << native;
        QTest::newRow("an imported folder")
            << "native/qmldir" << QByteArray("module native\noptional  plugin hostile ..\n")
            << QByteArray("import \"native\"\n") << native;
        QTest::newRow("an installed module's name")
            << "controls/qmldir" << QByteArray("module QtQuick.Controls\nButton 2.0 Button.qml\n")
            << QByteArray("import \"controls\"\n") << QStringLiteral("» prend le nom d’un module installé");
    }

    void nativeCodeBesideAMovieIsNeverLoaded()
    {
        QFETCH(QString, description);
        QFETCH(QByteArray, qmldir);
        QFETCH(QByteArray, import);
        QFETCH(QString, said);
        QTemporaryDir folder;
        QVERIFY(QFile::copy(VELMORA_HOSTILE_PLUGIN, folder.filePath("libhostile.so")));
        write(folder.filePath(description), qmldir);
        write(folder.filePath("controls/Button.qml"), "import QtQuick\nItem {}\n");
        write(folder.filePath("movie.swf"), "import QtQuick\nimport Velmora.Movie\n" + import + "Movie {}\n");

        TShockwaveFlash player;
        player.setMovie(folder.filePath("movie.swf"));
        QVERIFY(!player.movieRoot());
        QCOMPARE(notice(player),
                 QStringLiteral("Animation refusée\u00a0: «\u00a0") + description + "\u00a0" + said);
        QVERIFY2(qgetenv("VELMORA_HOSTILE_PLUGIN_RAN").isEmpty(), "the movie folder's plugin ran");
    }

    // A named pipe named like a picture would hold the window in open() for ever.
    void onlyRegularFilesAreOpened()
    {
        QTemporaryDir folder;
        QVERIFY(mkfifo(QFile::encodeName(folder.filePath("picture.png")).constData(), 0600) == 0);
        write(folder.filePath("movie.swf"),
              "import QtQuick\nimport Velmora.Movie\n"
              "Movie { property string outcome: picture.status === Image.Error ? "
              "'refused' : 'status ' + picture.status\n"
              "Image { id: picture; source: 'picture.png' } }\n");
        TShockwaveFlash player;
        player.setMovie(folder.filePath("movie.swf"));
        QVERIFY(player.movieRoot());
        QTRY_COMPARE(player.GetVariable("outcome"), QString("refused"));
    }

    // A script held in long native steps, or in a chain of promise jobs, is stopped all the same,
    // and the window goes on. A chain stopped in the middle of a job crashed the next one now and
    // then: it is stopped several times over.
    void aScriptHeldInNativeStepsIsStopped_data()
    {
        QTest::addColumn<QString>("go");
        QTest::addColumn<int>("rounds");
        QTest::newRow("native steps") << "1" << 1;
        QTest::newRow("promise jobs") << "promises" << 6;
    }

    void aScriptHeldInNativeStepsIsStopped()
    {
        QFETCH(QString, go);
        QFETCH(int, rounds);
        ScriptWatchdog::instance().setTimeLimit(std::chrono::milliseconds(300));
        TShockwaveFlash other;
        other.setMovie(QStringLiteral(VELMORA_MOVIE_FIXTURES "/timeline.swf"));
        for (int round = 0; round < rounds; ++round) {
            TShockwaveFlash player;
            player.setMovie(QStringLiteral(VELMORA_MOVIE_FIXTURES "/nativesteps.swf"));
            QVERIFY(player.movieRoot());
            QElapsedTimer clock;
            clock.start();
            player.SetVariable("go", go);
            QTRY_VERIFY(player.engine()->isInterrupted());
            QVERIFY(clock.elapsed() < 5000);
            const int steps = player.movieRoot()->property("steps").toInt();
            QTest::qWait(300);
            QCOMPARE(player.movieRoot()->property("steps").toInt(), steps); // nothing runs any more
            QVERIFY(!other.engine()->isInterrupted());
        }
        ScriptWatchdog::instance().setTimeLimit(ScriptWatchdog::defaultTimeLimit);
    }

    // Through a text field's paste and copy, a movie neither reads nor replaces the clipboard; the
    // program's own use of it is untouched.
    void theClipboardIsNotTheMovies()
    {
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("a password copied elsewhere");
        QCOMPARE(clipboard->text(), QString("a password copied elsewhere"));
        TShockwaveFlash player;
        player.resize(300, 100);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.setMovie(QStringLiteral(VELMORA_MOVIE_FIXTURES "/clipboard.swf"));
        QVERIFY(player.movieRoot());
        QMetaObject::invokeMethod(player.movieRoot(), "attempt");
        QCOMPARE(player.GetVariable("pasted"), QString());
        // By the keys, in the movie's focused field.
        player.setFocus();
        QTest::keyClick(&player, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&player, Qt::Key_Insert, Qt::ShiftModifier);
        auto* field = player.movieRoot()->findChild<QObject*>("field");
        QVERIFY(field);
        QVERIFY(!field->property("text").toString().contains("password"));
        QCOMPARE(clipboard->text(), QString("a password copied elsewhere"));
    }

    void aMovieOpensNoWindowOfItsOwn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("a Window") << "own";
        QTest::newRow("the player's window") << "player";
    }

    void aMovieOpensNoWindowOfItsOwn()
    {
        QFETCH(QString, how);
        TShockwaveFlash player;
        player.resize(300, 100);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.setMovie(QStringLiteral(VELMORA_MOVIE_FIXTURES "/window.swf"));
        QVERIFY(player.movieRoot());
        player.SetVariable("how", how);
        const auto movieWindowShown = [] {
            for (QWindow* window : QGuiApplication::topLevelWindows()) {
                if (window->isVisible() && !window->inherits("QWidgetWindow")) {
                    return true;
                }
            }
            return false;
        };
        QTRY_VERIFY(!movieWindowShown());
        if (how == "own") {
            QVERIFY(player.engine()->isInterrupted()); // that movie is stopped
        }
        // The player itself goes on showing the movie.
        QVERIFY(player.isVisible());
    }

    // A runaway recursion is a script error, not a crash of the window.
    void aRunawayRecursionEndsInAScriptError_data()
    {
        QTest::addColumn<QString>("go");
        QTest::newRow("a setter that sets itself") << "setter";
        QTest::newRow("a function that calls itself") << "function";
    }

    void aRunawayRecursionEndsInAScriptError()
    {
        QFETCH(QString, go);
        TShockwaveFlash player;
        player.setMovie(QStringLiteral(VELMORA_MOVIE_FIXTURES "/recursion.swf"));
        QVERIFY(player.movieRoot());
        player.SetVariable("go", go);
        QTRY_VERIFY(player.GetVariable("outcome") != "not tried");
        player.SetVariable("go", "");
        QVERIFY(player.movieRoot()); // still there, and the window with it
    }

    void aWorkerScriptRunsNothing()
    {
        TShockwaveFlash player;
        player.setMovie(QStringLiteral(VELMORA_MOVIE_FIXTURES "/worker.swf"));
        QVERIFY(player.movieRoot());
        QTest::qWait(300);
        QCOMPARE(player.GetVariable("answer"), QString("none"));
    }
};

QTEST_MAIN(HostileMovieTest)
#include "HostileMovieTest.moc"
