#include "flash/ScriptWatchdog.h"
#include "flash/TShockwaveFlash.h"

#include <QApplication>
#include <QFile>
#include <QDir>
#include <QImage>
#include <QQmlEngine>
#include <QQmlProperty>
#include <QRegularExpression>
#include <QQuickItem>
#include <QSignalSpy>
#include <QThread>
#include <QTemporaryDir>
#include <QtTest>

// The movie player on small movies made for the purpose.
class MoviePlayerTest : public QObject
{
    Q_OBJECT

private:
    static QString fixture(const char* name) { return QStringLiteral(VELMORA_MOVIE_FIXTURES "/") + name; }

    static QObject* clip(TShockwaveFlash& player, const char* name)
    {
        return player.movieRoot()->findChild<QObject*>(name);
    }

private slots:
    void initTestCase()
    {
        // Set by a careless environment: movies must still not read local files.
        qputenv("QML_XHR_ALLOW_FILE_READ", "1");
    }

    void variablesAreTheRootsStringProperties()
    {
        TShockwaveFlash player;
        player.setMovie(fixture("timeline.swf"));
        QVERIFY(player.movieRoot());
        QCOMPARE(player.GetVariable("valeurtemp"), QString("37"));
        player.SetVariable("texte", "Bonjour\r\rles élèves");
        QCOMPARE(player.GetVariable("texte"), QString("Bonjour\r\rles élèves"));
        QCOMPARE(player.movieRoot()->property("texte").toString(), QString("Bonjour\r\rles élèves"));
        player.SetVariable("declaredNumber", "12");
        QCOMPARE(player.GetVariable("declaredNumber"), QString("12"));
        // An unknown variable is created; one never set reads as empty text.
        player.SetVariable("nouvelle", "valeur");
        QCOMPARE(player.GetVariable("nouvelle"), QString("valeur"));
        QCOMPARE(player.GetVariable("inconnue"), QString());
        QCOMPARE(player.movie(), fixture("timeline.swf"));
    }

    void mainTimelinePlaysStopsAndJumps()
    {
        TShockwaveFlash player;
        player.setMovie(fixture("timeline.swf"));
        QQuickItem* root = player.movieRoot();
        QCOMPARE(root->property("currentFrame").toInt(), 1);
        player.GotoFrame(5);
        QCOMPARE(root->property("currentFrame").toInt(), 5);
        QCOMPARE(root->property("playing").toBool(), false);
        player.GotoFrame(99);
        QCOMPARE(root->property("currentFrame").toInt(), 10);
        player.GotoFrame(0);
        QCOMPARE(root->property("currentFrame").toInt(), 1);
        player.Play();
        QTRY_COMPARE_WITH_TIMEOUT(root->property("currentFrame").toInt(), 10, 5000);
        QTRY_COMPARE(root->property("playing").toBool(), false); // stops on its last frame
        QSignalSpy rewound(root, SIGNAL(rewound(int)));
        player.Rewind();
        QCOMPARE(root->property("currentFrame").toInt(), 1);
        QCOMPARE(root->property("playing").toBool(), false);
        QCOMPARE(rewound.count(), 1);
        QCOMPARE(rewound.at(0).at(0).toInt(), 10); // the frame it left
    }

    void clipsAreFoundByNameAtAnyDepth()
    {
        TShockwaveFlash player;
        player.setMovie(fixture("timeline.swf"));
        player.TGotoFrame("legende", 26);
        QCOMPARE(clip(player, "legende")->property("currentFrame").toInt(), 26);
        player.TGotoFrame("/legende", 6);
        QCOMPARE(clip(player, "legende")->property("currentFrame").toInt(), 6);
        player.TGotoFrame("_root.legende", 31);
        QCOMPARE(clip(player, "legende")->property("currentFrame").toInt(), 31);
        player.TGotoFrame("outer/inner", 2);
        QCOMPARE(clip(player, "inner")->property("currentFrame").toInt(), 2);
        player.TGotoFrame("outer.inner", 9);
        QCOMPARE(clip(player, "inner")->property("currentFrame").toInt(), 3);
        player.TGotoFrame("nowhere", 3); // nothing happens
        player.TGotoFrame("", 3);
        QCOMPARE(player.movieRoot()->property("currentFrame").toInt(), 1);
    }

    void visibilityIsProperty7()
    {
        TShockwaveFlash player;
        player.setMovie(fixture("timeline.swf"));
        QObject* box = clip(player, "cadre1");
        player.TSetProperty("cadre1", 7, "0");
        QCOMPARE(box->property("visible").toBool(), false);
        player.TSetProperty("cadre1", 7, "1");
        QCOMPARE(box->property("visible").toBool(), true);
        player.TSetProperty("cadre1", 3, "0"); // another property: ignored
        QCOMPARE(box->property("visible").toBool(), true);
    }

    void commandsArriveAfterTheMoviesHandler()
    {
        TShockwaveFlash player;
        player.setMovie(fixture("timeline.swf"));
        QSignalSpy commands(&player, &TShockwaveFlash::FSCommand);
        QMetaObject::invokeMethod(player.movieRoot(), "send", Q_ARG(QVariant, QString("recommencer")));
        QCOMPARE(commands.count(), 0);
        QTRY_COMPARE(commands.count(), 1);
        QCOMPARE(commands.at(0).at(0).toString(), QString("recommencer"));
        QCOMPARE(commands.at(0).at(1).toString(), QString("ignored arguments"));
    }

    void aMovieThatCannotBeShownLeavesThePlayerEmpty_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("missing") << fixture("nowhere.swf");
        QTest::newRow("syntax error") << fixture("broken.swf");
        QTest::newRow("not QML") << fixture("notamovie.swf");
        QTest::newRow("a folder") << QString(VELMORA_MOVIE_FIXTURES);
        QTest::newRow("forbidden import") << fixture("hostileimport.swf");
        QTest::newRow("installed but not allowed") << fixture("hostilemodule.swf");
    }

    void aMovieThatCannotBeShownLeavesThePlayerEmpty()
    {
        QFETCH(QString, file);
        TShockwaveFlash player;
        player.setMovie(fixture("timeline.swf"));
        player.setMovie(file);
        QVERIFY(!player.movieRoot());
        QCOMPARE(player.movie(), file);
        player.Play();
        player.Rewind();
        player.GotoFrame(3);
        player.TGotoFrame("legende", 3);
        player.SetVariable("texte", "x");
        player.TSetProperty("cadre1", 7, "0");
        QCOMPARE(player.GetVariable("texte"), QString());
        // The same player shows a sound movie again.
        player.setMovie(fixture("timeline.swf"));
        QVERIFY(player.movieRoot());
    }

    void aHostileMovieReachesNoFileAndNoNetwork()
    {
        QTemporaryDir outside;
        QVERIFY(outside.isValid());
        QFile secret(outside.filePath("secret.txt"));
        QVERIFY(secret.open(QIODevice::WriteOnly));
        secret.write("the answers of tomorrow's test");
        secret.close();
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(outside.filePath("secret.png")));
        QFile evil(outside.filePath("evil.qml"));
        QVERIFY(evil.open(QIODevice::WriteOnly));
        evil.write("import QtQuick\nItem {}\n");
        evil.close();

        TShockwaveFlash player;
        player.setMovie(fixture("hostile.swf"));
        QQuickItem* root = player.movieRoot();
        QVERIFY(root);
        player.SetVariable("secretFolder", outside.path());
        QMetaObject::invokeMethod(root, "attempt");
        QTRY_VERIFY(player.GetVariable("networkStatus") != "not tried");

        QVERIFY2(!player.GetVariable("fileRead").contains("answers"), qPrintable(player.GetVariable("fileRead")));
        QVERIFY2(player.GetVariable("networkStatus").startsWith("status 0"),
                 qPrintable(player.GetVariable("networkStatus")));
        QCOMPARE(player.GetVariable("opened"), QString("false false"));
        QTest::qWait(100);
        QVERIFY2(player.GetVariable("picture") != "shown", qPrintable(player.GetVariable("picture")));
        QVERIFY2(player.GetVariable("loaded") != "loaded", qPrintable(player.GetVariable("loaded")));
    }

    void everyShippedMovieLoads_data()
    {
        QTest::addColumn<QString>("file");
        const QDir folder(VELMORA_ANIMS);
        for (const QString& movie : folder.entryList({"*.swf"}, QDir::Files)) {
            QTest::newRow(qPrintable(movie)) << folder.filePath(movie);
        }
    }

    void everyShippedMovieLoads()
    {
        QFETCH(QString, file);
        // Any warning from a movie's documents or scripts fails the test.
        QTest::failOnWarning(QRegularExpression("(file|qrc):.*"));
        TShockwaveFlash player;
        player.resize(1024, 768);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.setMovie(file);
        QVERIFY(player.movieRoot());
        // Every scene is made when its frame is shown.
        const int frames = player.movieRoot()->property("frameCount").toInt();
        for (int frame = 1; frame <= frames; ++frame) {
            player.GotoFrame(frame);
            QTest::qWait(60);
            QCOMPARE(player.movieRoot()->property("currentFrame").toInt(), frame);
        }
    }

    void thePanelMoviesHoldWhatTheProgramWrites()
    {
        TShockwaveFlash panel;
        panel.setMovie(QStringLiteral(VELMORA_ANIMS "/panelbut.swf"));
        QVERIFY(panel.movieRoot());
        for (const char* variable : {"valeurtemp", "valeurph", "valeurenz", "valeursub", "valeurautre"}) {
            QVERIFY2(!panel.GetVariable(variable).isEmpty(), variable);
        }
        QVERIFY(QQmlProperty(panel.movieRoot(), "nomreac").isValid());
        panel.GotoFrame(5);
        QCOMPARE(panel.movieRoot()->property("currentFrame").toInt(), 5);

        TShockwaveFlash legend;
        legend.setMovie(QStringLiteral(VELMORA_ANIMS "/panellegende.swf"));
        QVERIFY(legend.movieRoot());
        QVERIFY(QQmlProperty(legend.movieRoot(), "texte").isValid());
        for (const char* name : {"legende", "cadre1", "cadre2"}) {
            QVERIFY2(clip(legend, name), name);
        }
        legend.TGotoFrame("legende", 36);
        QCOMPARE(clip(legend, "legende")->property("currentFrame").toInt(), 36);
    }

    void aStageIsScaledWholeToFitThePlayer()
    {
        TShockwaveFlash player;
        player.resize(400, 400);
        player.setMovie(fixture("stage.swf"));
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        QQuickItem* board = player.movieRoot()->findChild<QQuickItem*>("board");
        QVERIFY(board);
        const QRectF shown = board->mapRectToScene(QRectF(0, 0, board->width(), board->height()));
        QCOMPARE(shown, QRectF(0, 100, 400, 200));
    }

    void aScriptThatNeverEndsIsStoppedAndTheProgramGoesOn()
    {
        ScriptWatchdog::instance().setTimeLimit(std::chrono::milliseconds(300));
        TShockwaveFlash other; // watched first: probed in vain before the guilty one
        other.setMovie(fixture("timeline.swf"));
        TShockwaveFlash player;
        QElapsedTimer clock;
        clock.start();
        // At load: the load returns, and the next movie runs in its place.
        player.setMovie(fixture("endlessload.swf"));
        QVERIFY(player.GetVariable("finished") != "yes");
        player.setMovie(fixture("endless.swf"));
        QCOMPARE(player.GetVariable("ready"), QString("yes"));

        // In a handler, run from the event loop: that movie's scripts stay stopped.
        player.SetVariable("go", "1");
        QTRY_COMPARE(player.GetVariable("started"), QString("yes"));
        QTest::qWait(100);
        QCOMPARE(player.GetVariable("finished"), QString("no"));
        QVERIFY(player.engine()->isInterrupted());
        QVERIFY(clock.elapsed() < 10000);

        // A computing stall that is no script's leaves every other movie running.
        QTimer::singleShot(0, [] {
            QElapsedTimer busy;
            busy.start();
            while (busy.elapsed() < 800) {
            }
        });
        QTest::qWait(900);
        QTRY_VERIFY(!other.engine()->isInterrupted());
        other.GotoFrame(3);
        QCOMPARE(other.movieRoot()->property("currentFrame").toInt(), 3);
        ScriptWatchdog::instance().setTimeLimit(ScriptWatchdog::defaultTimeLimit);
    }
};

QTEST_MAIN(MoviePlayerTest)
#include "MoviePlayerTest.moc"
