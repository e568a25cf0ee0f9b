// Nothing lost when the window dies: the experiment kept in the state folder, and taken up again
// exactly at the next start.

#include "MainWindowHarness.h"

#include "graph/GraphMenu.h"
#include "lab/ExperimentFile.h"
#include "window/Autosave.h"
#include "window/ClassWork.h"

#include <thread>

using namespace velmora;

namespace {

void runTicks(const StartedWindow& w, int ticks)
{
    for (int tick = 0; tick < ticks; ++tick) {
        w.window->Timer2Timer();
    }
}

// What the student sees of a run: the molecules, the clock, the graph, and what comes next.
bool sameScene(const World& a, const World& b)
{
    return a.posX == b.posX && a.posY == b.posY && a.count == b.count && a.tickCounter == b.tickCounter &&
           a.graphSamples == b.graphSamples && a.random.state == b.random.state &&
           a.temperature == b.temperature && a.ph == b.ph && a.enzymeAmount == b.enzymeAmount &&
           a.denatured == b.denatured;
}

bool sameCourse(const std::vector<RecordedSecond>& a, const std::vector<RecordedSecond>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const RecordedSecond& x, const RecordedSecond& y) {
                          return x.second == y.second && x.substrate == y.substrate &&
                                 x.temperature == y.temperature && x.ph == y.ph;
                      });
}

const QByteArray scenario = R"({
  "format": "velmora-experiment", "version": 1,
  "title": "Effet de la température", "instructions": "Mesurez le temps de demi-réaction.",
  "reaction": 1, "temperature": 37, "ph": 8, "enzyme": 20, "substrate": 100, "inhibitor": 0,
  "volume": 100, "events": [ { "second": 20, "temperature": 60 } ], "locked": [ "ph" ]
})";

} // namespace

class AutosaveTest : public QObject
{
    Q_OBJECT

    QTemporaryDir state_;
    QString autosavePath() const { return state_.filePath("velmora2/autosave.velmora"); }

private slots:
    void initTestCase() { qputenv("XDG_STATE_HOME", QFile::encodeName(state_.path())); }

    // A run under way (a scenario's timed change and a change on the panel in it, a kept curve, an
    // answer) is taken up where it was, molecule for molecule, once the student says yes; the next
    // start without a crash asks nothing.
    void aRunUnderWayIsTakenUpExactly_data()
    {
        QTest::addColumn<QString>("enzymeAfter");
        QTest::newRow("under way") << QString();
        QTest::newRow("suspended by a new quantity") << QString("35");
    }

    void aRunUnderWayIsTakenUpExactly()
    {
        QFETCH(QString, enzymeAfter);
        World before;
        std::string savedBefore;
        std::vector<RecordedSecond> courseBefore;
        {
            StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
            QTemporaryDir folder;
            QFile file(folder.filePath("scenario.velmora"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(scenario);
            file.close();
            QVERIFY(w.window->openExperimentFile(file.fileName()));
            ClassWork* work = w.window->classWork();
            Autosave autosave(*work);
            QVERIFY(!autosave.offerResumption(w.window.get(), false)); // nothing left: no question
            QVERIFY(w.boxes.seen.empty());
            w.window->recommencer1Click();
            runTicks(w, 250);
            w.window->graphMenu()->keepCurve();
            w.window->recommencer1Click();
            runTicks(w, 180);
            w.panel()->SetVariable("valeurtemp", "45");
            w.command(w.panel(), "changetemp");
            runTicks(w, 170);
            if (!enzymeAfter.isEmpty()) {
                w.panel()->SetVariable("valeurenz", enzymeAfter);
                w.command(w.panel(), "changeenz");
            }
            work->setAnswer("La vitesse « double » à 60\u00a0°C.");
            autosave.saveIfChanged();
            QVERIFY(QFile::exists(autosavePath()));
            before = w.world();
            savedBefore = writeExperimentFile(work->currentDocument());
            courseBefore = w.window->graphMenu()->record().seconds();
            QVERIFY2(courseBefore.size() >= 3, qPrintable(QString::number(courseBefore.size())));
            // The window dies here, without finish().
        }
        {
            StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
            Autosave autosave(*w.window->classWork());
            QString question;
            w.boxes.answer = QMessageBox::Yes;
            w.boxes.whileOpen = [&] { question = QApplication::activeModalWidget()->objectName(); };
            QVERIFY(autosave.offerResumption(w.window.get(), false));
            QCOMPARE(question, QString("resumeQuestion"));
            QCOMPARE(w.boxes.seen.at(0).text, QString("Reprendre l’expérience interrompue\u00a0?"));
            QVERIFY(sameScene(w.world(), before));
            QVERIFY(sameCourse(w.window->graphMenu()->record().seconds(), courseBefore));
            QCOMPARE(writeExperimentFile(w.window->classWork()->currentDocument()), savedBefore);
            QCOMPARE(w.window->graphMenu()->keptRuns().size(), 1u);
            QCOMPARE(w.panel()->GetVariable("valeurenz"),
                     enzymeAfter.isEmpty() ? QString("20") : enzymeAfter);
            autosave.finish(); // closed as it should
            QVERIFY(!QFile::exists(autosavePath()));
        }
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        Autosave autosave(*w.window->classWork());
        QVERIFY(!autosave.offerResumption(w.window.get(), false));
        QVERIFY(w.boxes.seen.empty());
    }

    // Said no to, the experiment left is forgotten; what is saved is only what changed, and the
    // experiment as it stood a moment ago can be saved from another thread (the watchdog's, while
    // a movie holds the window).
    void noForgetsAndOnlyChangesAreSaved()
    {
        {
            StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
            Autosave autosave(*w.window->classWork());
            QVERIFY(!autosave.offerResumption(w.window.get(), false));
            w.window->recommencer1Click();
            runTicks(w, 50);
            autosave.saveIfChanged();
            QVERIFY(QFile::exists(autosavePath()));
        }
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        Autosave autosave(*w.window->classWork());
        w.boxes.answer = QMessageBox::No;
        QVERIFY(!autosave.offerResumption(w.window.get(), false));
        QCOMPARE(w.boxes.seen.size(), 1u);
        QVERIFY(!QFile::exists(autosavePath()));
        autosave.saveIfChanged(); // nothing changed since the start
        QVERIFY(!QFile::exists(autosavePath()));
        w.window->recommencer1Click();
        runTicks(w, 30);
        w.window->Pause1Click();
        QTest::qWait(Autosave::snapshotInterval + 200);
        bool saved = false;
        std::thread watchdog([&] { saved = autosave.saveLatest(); });
        watchdog.join();
        QVERIFY(saved);
        QFile left(autosavePath());
        QVERIFY(left.open(QIODevice::ReadOnly));
        const ExperimentReading reading =
            readExperimentFile(left.readAll().toStdString(), "autosave.velmora");
        QVERIFY(reading.document && reading.document->run);
        QCOMPARE(reading.document->run->ticks, 30);
        autosave.finish();
        QVERIFY(!autosave.saveLatest()); // closed: nothing more is kept
        QVERIFY(!QFile::exists(autosavePath()));
    }
};

QTEST_MAIN(AutosaveTest)
#include "AutosaveTest.moc"
