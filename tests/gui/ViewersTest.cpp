#include "MainWindowHarness.h"

#include "flash/TFormFlash.h"
#include "flash/TFormInfo.h"
#include "graph/GraphMenu.h"
#include "lab/ExperimentFile.h"
#include "window/ClassWork.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QQmlEngine>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <functional>

// The full-screen viewer and the graph viewer with the program's own movies, driven while they are
// open (they are modal: the test acts from inside their event loop).
class ViewersTest : public QObject
{
    Q_OBJECT

    // Runs `act` once the dialog is open and showing, from inside its modal loop.
    static void whenOpen(QDialog* dialog, std::function<void()> act)
    {
        auto* poll = new QTimer(dialog);
        poll->setInterval(20);
        QObject::connect(poll, &QTimer::timeout, dialog, [=] {
            if (dialog->isVisible() && QApplication::activeModalWidget() == dialog) {
                poll->stop();
                poll->deleteLater();
                act();
                dialog->close(); // also after a failed check, so that the test goes on
            }
        });
        poll->start();
    }

    static QString shownFile(TShockwaveFlash* movie) { return QFileInfo(movie->movie()).fileName(); }

private slots:
    void theMenuMovieLeadsToATopicAndBackWhereTheStudentWas()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        TFormFlash* viewer = w.window->fullScreenViewer();
        TShockwaveFlash* movie = viewer->player();
        w.window->recommencer1Click();
        QVERIFY(w.timer("Timer1")->isActive());

        bool checked = false;
        whenOpen(viewer, [&] {
            QCOMPARE(viewer->windowTitle(), QString("Catalyse enzymatique"));
            QCOMPARE(viewer->geometry(), QRect(0, 0, 1024, 768));
            QCOMPARE(shownFile(movie), QString("ensavoirplus.swf"));
            QCOMPARE(viewer->Tag, 1);
            QVERIFY(!w.timer("Timer1")->isActive() && !w.timer("Timer2")->isActive());

            // The student opens the third topic on page 2, comes back, then opens the sixth on page 3.
            clickInMovie(movie, "pageButton2");
            clickInMovie(movie, "topic3");
            QTRY_COMPARE(shownFile(movie), QString("lactose.swf"));
            QTest::qWait(400);
            QCOMPARE(movie->movieRoot()->property("currentFrame").toInt(), 1); // it waits on its first scene
            QCOMPARE(viewer->savedLastf, QString("3"));
            clickInMovie(movie, "nextButton");
            clickInMovie(movie, "menuButton");
            QCOMPARE(shownFile(movie), QString("ensavoirplus.swf"));
            QCOMPARE(movie->GetVariable("lastf"), QString("3"));
            QCOMPARE(movieItem(movie, "topic3")->property("seenLast").toBool(), true);

            clickInMovie(movie, "pageButton3");
            clickInMovie(movie, "topic6");
            QTRY_COMPARE(shownFile(movie), QString("eauiodee.swf"));
            clickInMovie(movie, "menuButton");
            QCOMPARE(movie->movieRoot()->property("page").toInt(), 3); // the menu opens at the same page
            QVERIFY(movieItem(movie, "topic6")->isVisible());

            // An unknown command changes nothing, but keeps the menu's "lastf".
            movie->SetVariable("lastf", "5");
            viewer->FlashFSCommand("nothing of the kind", "");
            QCOMPARE(shownFile(movie), QString("ensavoirplus.swf"));
            QCOMPARE(viewer->savedLastf, QString("5"));

            clickInMovie(movie, "closeButton"); // "fermerplus"
            checked = true;
        });
        w.item("plus1")->trigger();
        QVERIFY(checked);
        QVERIFY(!viewer->isVisible());
        QCOMPARE(viewer->Tag, 0);
        QVERIFY(w.timer("Timer1")->isActive() && w.timer("Timer2")->isActive());
    }

    void aTopicOpenedFromTheMenuBarClosesOnReturn()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        TFormFlash* viewer = w.window->fullScreenViewer();
        for (const auto& [action, file] :
             {std::pair{"laractiondhydrolysedulactose1", "hydrolyselactose.swf"},
              std::pair{"lemcanismedelacatalyseenzymatique1", "mecanisme.swf"}}) {
            bool checked = false;
            whenOpen(viewer, [&, file = file] {
                QCOMPARE(shownFile(viewer->player()), QString(file));
                QCOMPARE(viewer->Tag, 0);
                clickInMovie(viewer->player(), "nextButton");
                QCOMPARE(viewer->player()->movieRoot()->property("currentFrame").toInt(), 2);
                clickInMovie(viewer->player(),
                             "menuButton"); // "retourmenu" without a menu: the viewer closes
                checked = true;
            });
            w.item(action)->trigger();
            QVERIFY(checked);
            QVERIFY(!viewer->isVisible());
        }
        // A suspended experiment stays suspended across a viewer.
        QVERIFY(!w.timer("Timer1")->isActive() && !w.timer("Timer2")->isActive());

        // Esc closes a lesson, where the keyboard is, and does nothing else: the experiment runs on.
        w.window->recommencer1Click();
        bool closed = false;
        whenOpen(viewer, [&] {
            viewer->player()->setFocus();
            QTest::keyClick(viewer->player(), Qt::Key_Escape);
            closed = !viewer->isVisible();
        });
        w.item("lemcanismedelacatalyseenzymatique1")->trigger();
        QVERIFY(closed);
        QVERIFY(w.world().running && w.timer("Timer2")->isActive());
    }

    // The graph's menu explains the activity curve: « Courbe d’activité › Comprendre la courbe
    // d’activité… » opens its topic full screen, as the menu bar's topics.
    void theGraphsMenuOpensTheActivityCurvesTopic()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        TFormFlash* viewer = w.window->fullScreenViewer();
        auto* entry = w.window->graphMenu()->menu()->findChild<QAction*>("activityLesson");
        QVERIFY(entry && entry->isEnabled());
        bool checked = false;
        whenOpen(viewer, [&] {
            QCOMPARE(shownFile(viewer->player()), QString("courbeactivite.swf"));
            clickInMovie(viewer->player(), "menuButton");
            checked = true;
        });
        entry->trigger();
        QVERIFY(checked);
        QVERIFY(!viewer->isVisible());
    }

    // « Essayer dans Velmora »: the viewer closes and the panel takes the protocol's values as if the
    // student had set them; the experiment waits to be started. A faulty request changes nothing.
    void aLessonsTryButtonSetsThePanelOnceTheViewerIsClosed()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        TFormFlash* viewer = w.window->fullScreenViewer();
        velmora::World& world = w.window->world();
        w.window->Hydrolysedumaltose1Click();
        w.window->recommencer1Click();

        bool checked = false;
        whenOpen(viewer, [&] {
            viewer->player()->GotoFrame(6); // the model's lactase, and its protocol
            QTest::qWait(100);
            clickInMovie(viewer->player(), "tryButton");
            QVERIFY(!viewer->isVisible());
            checked = true;
        });
        w.item("laractiondhydrolysedulactose1")->trigger();
        QVERIFY(checked);
        QCOMPARE(world.reactionIndex, 1);
        const std::pair<const char*, std::int32_t> expected[] = {
            {"valeurtemp", 37}, {"valeurph", 8}, {"valeurenz", 20}, {"valeursub", 100}, {"valeurautre", 0}};
        for (const auto& [variable, value] : expected) {
            QCOMPARE(w.panel()->GetVariable(variable), QString::number(value));
        }
        QCOMPARE(world.temperature, 37);
        QCOMPARE(world.ph, 8);
        QCOMPARE(world.enzymeAmount, 20);
        QCOMPARE(world.substrateAmount, 100);
        QCOMPARE(world.otherAmount, 0);
        QVERIFY(!w.timer("Timer1")->isActive() && !w.timer("Timer2")->isActive());

        // A movie may be replaced by anyone: a request out of range is refused whole.
        whenOpen(viewer, [&] { viewer->FlashFSCommand("essayer", "temperature=60 ph=99"); });
        w.item("laractiondhydrolysedulactose1")->trigger();
        QCOMPARE(world.temperature, 37);
        QCOMPARE(w.panel()->GetVariable("valeurtemp"), QString("37"));

        // A control that the class's scenario locks keeps its value; the others follow the lesson.
        velmora::ExperimentDocument document = w.window->classWork()->currentDocument();
        document.scenario.locked.add(velmora::PanelControl::ph);
        w.window->classWork()->applyDocument(document); // which may bring back the run under way
        const std::int32_t heldPh = world.ph;
        QCOMPARE(w.panel()->GetVariable("valeurph"), QString::number(heldPh));
        whenOpen(viewer, [&] { viewer->FlashFSCommand("essayer", "temperature=60 ph=5 volume=25"); });
        w.item("laractiondhydrolysedulactose1")->trigger();
        QCOMPARE(world.temperature, 60);
        QCOMPARE(w.window->volume(), 25);
        QCOMPARE(world.ph, heldPh);
        QCOMPARE(w.panel()->GetVariable("valeurph"), QString::number(heldPh));
    }

    void theGraphViewerLetsTheExperimentRunAndClosesOnItsKeys()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        TFormInfo* viewer = w.window->graphViewer();
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->recommencer1Click();
        auto* icon = w.window->findChild<QLabel*>("Image1");

        const std::function<void()> closers[] = {
            [&] { QTest::keyClick(viewer, Qt::Key_Escape); },
            [&] { QTest::keyClick(viewer, Qt::Key_Space); },
            [&] { QTest::keyClick(viewer, Qt::Key_Return); },
            [&] { QTest::keyClick(viewer, Qt::Key_Enter, Qt::KeypadModifier); },
            [&] { QTest::keyClick(viewer, Qt::Key_A); },
            [&] { clickInMovie(viewer->player(), "closeButton"); }, // "fermer"
        };
        for (const auto& close : closers) {
            bool checked = false;
            whenOpen(viewer, [&] {
                QCOMPARE(viewer->windowTitle(), QString("Informations"));
                QCOMPARE(viewer->size(), QSize(512, 512 * 535 / 770));
                QCOMPARE(viewer->pos(), QPoint((1024 - 512) / 2, (768 - 512 * 535 / 770) / 2));
                QCOMPARE(shownFile(viewer->player()), QString("infograph.swf"));
                QCOMPARE(viewer->player()->movieRoot()->property("currentFrame").toInt(), 1);
                const int before = w.world().graphCount * 20 + w.world().tickCounter;
                QTest::qWait(250);
                QVERIFY(w.timer("Timer2")->isActive());
                QVERIFY(w.world().graphCount * 20 + w.world().tickCounter > before); // the experiment goes on
                close();
                QVERIFY(!viewer->isVisible());
                checked = true;
            });
            QTest::mouseClick(icon, Qt::LeftButton);
            QVERIFY(checked);
            QVERIFY(!viewer->isVisible());
        }
        // An unknown command leaves it open; "Activer" reloads its movie.
        bool checked = false;
        whenOpen(viewer, [&] {
            viewer->FlashFSCommand("fermerplus", "");
            QVERIFY(viewer->isVisible());
            viewer->player()->GotoFrame(3);
            viewer->findChild<QAction*>("Activer1")->trigger();
            QCOMPARE(viewer->player()->movieRoot()->property("currentFrame").toInt(), 1);
            viewer->close();
            checked = true;
        });
        QTest::mouseClick(icon, Qt::LeftButton);
        QVERIFY(checked);
    }

    void aRunningExperimentPausesBehindTheFullScreenViewer()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        TFormFlash* viewer = w.window->fullScreenViewer();
        w.window->recommencer1Click();
        bool paused = false;
        whenOpen(viewer, [&] {
            const int before = w.world().graphCount * 20 + w.world().tickCounter;
            QTest::qWait(200);
            paused = w.world().graphCount * 20 + w.world().tickCounter == before;
            viewer->FlashFSCommand("fermerplus", "");
        });
        w.command(w.panel(), "ensavoirplus");
        QTRY_VERIFY(paused);
        QVERIFY(w.timer("Timer2")->isActive());
    }

    // Whatever its movie does (it takes every key, its scripts are stopped), both viewers close by
    // their own Esc and close button.
    void aViewerClosesByItsOwnEscAndButtonWhateverItsMovieDoes()
    {
        QTemporaryDir folder;
        QDir().mkpath(folder.filePath("anims"));
        QFile movie(folder.filePath("anims/keys.swf"));
        QVERIFY(movie.open(QIODevice::WriteOnly));
        movie.write("import QtQuick\nimport Velmora.Movie\nMovie { Item { anchors.fill: parent; focus: true\n"
                    "Keys.onShortcutOverride: (event) => event.accepted = true\n"
                    "Keys.onPressed: (event) => event.accepted = true } }\n");
        movie.close();
        TFormFlash fullScreen(folder.path(), {800, 600});
        TFormInfo graph(folder.path(), {800, 600});
        for (MovieViewer* viewer :
             {static_cast<MovieViewer*>(&fullScreen), static_cast<MovieViewer*>(&graph)}) {
            viewer->movieFile = "keys.swf";
            viewer->player()->setMovie(folder.filePath("anims/keys.swf"));
            QVERIFY(viewer->player()->movieRoot());
            for (const bool stopped : {false, true}) {
                viewer->player()->engine()->setInterrupted(stopped);
                const std::function<void()> closers[] = {
                    [&] {
                        viewer->player()->setFocus();
                        QTest::keyClick(viewer->player(), Qt::Key_Escape);
                    },
                    [&] {
                        QTest::mouseClick(viewer->findChild<QToolButton*>("closeViewer"), Qt::LeftButton);
                    },
                };
                for (const auto& close : closers) {
                    bool closed = false;
                    whenOpen(viewer, [&] {
                        close();
                        closed = !viewer->isVisible();
                    });
                    viewer->exec();
                    QVERIFY(closed);
                }
            }
            viewer->player()->engine()->setInterrupted(false);
        }
    }
};

QTEST_MAIN(ViewersTest)
#include "ViewersTest.moc"
