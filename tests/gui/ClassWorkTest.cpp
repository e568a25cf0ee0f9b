// A practical in class: experiment files in the window, the teacher's scenario, the report, its
// printing and the line of results.

#include "MainWindowHarness.h"

#include "batch/StateDump.h"

#include "files/SaveDialog.h"
#include "flash/TFormFlash.h"
#include "graph/GraphMenu.h"
#include "lab/ExperimentFile.h"
#include "window/ClassWork.h"
#include "window/ReportPrinting.h"
#include "window/SingleInstance.h"

#include <QClipboard>
#include <QPrinter>
#include <QProcess>
#include <QQmlProperty>
#include <QSignalSpy>

#include <sstream>

#include <sys/wait.h>
#include <unistd.h>

using namespace velmora;

namespace {

// A start whose ticks the test runs itself, the window's timers held.
void start(const StartedWindow& w)
{
    w.window->recommencer1Click();
    w.timer("Timer1")->stop();
    w.timer("Timer2")->stop();
}

void runTicks(const StartedWindow& w, int ticks)
{
    for (int tick = 0; tick < ticks; ++tick) {
        w.window->Timer2Timer();
    }
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

struct SaveTo
{
    explicit SaveTo(const QString& path)
    {
        setSavePathChooser([path](const SaveRequest&) { return path; });
    }
    ~SaveTo() { setSavePathChooser({}); }
};

// The output of a program, with its status.
QString run(const QString& program, const QStringList& arguments, int* status = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (status) {
        *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QByteArray example = R"({
  "format": "velmora-experiment", "version": 1,
  "title": "Effet de la température",
  "instructions": "Mesurez le temps de demi-réaction avant et après le chauffage.",
  "reaction": 1, "temperature": 37, "ph": 8,
  "enzyme": 20, "substrate": 100, "inhibitor": 0, "volume": 100,
  "events": [ { "second": 60, "temperature": 60 } ],
  "locked": [ "ph" ], "hidden": [ "inhibitor" ]
})";

} // namespace

class ClassWorkTest : public QObject
{
    Q_OBJECT

private slots:
    void anExperimentSavedByTheWindowReopensIdentically()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("groupe.velmora");
        ExperimentDocument before;
        {
            StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
            write(folder.filePath("scenario.velmora"), example);
            QVERIFY(w.window->openExperimentFile(folder.filePath("scenario.velmora")));
            start(w);
            runTicks(w, 300);
            w.window->graphMenu()->keepCurve();
            w.panel()->SetVariable("valeurenz", "40");
            w.command(w.panel(), "changeenz");
            start(w);
            runTicks(w, 200);
            ClassWork* work = w.window->classWork();
            work->setAnswer("La demi-réaction dure « 12 s » de moins.\nDeuxième ligne.");
            ExperimentDocument named = work->currentDocument();
            named.group = {"Léa et Sam", "1re B", "12/03/2025"};
            work->applyDocument(named);
            start(w);
            runTicks(w, 100);
            const SaveTo to(path);
            work->saveExperiment();
            before = work->currentDocument();
        }
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        QVERIFY(w.window->openExperimentFile(path));
        const ExperimentDocument after = w.window->classWork()->currentDocument();
        QCOMPARE(after.settings.enzyme, 40);
        QCOMPARE(after.settings.ph, before.settings.ph);
        QCOMPARE(after.settings.temperature, before.settings.temperature);
        QCOMPARE(after.settings.events.size(), 1u);
        QCOMPARE(after.answer, before.answer);
        QCOMPARE(after.group, before.group);
        QVERIFY(after.scenario == before.scenario);
        QCOMPARE(after.scenario.title, std::string("Effet de la température"));
        QCOMPARE(after.kept.size(), 1u);
        QCOMPARE(after.kept[0].seconds.size(), before.kept[0].seconds.size());
        QCOMPARE(after.kept[0].seconds.back().substrate, before.kept[0].seconds.back().substrate);
        QCOMPARE(after.kept[0].settings.enzyme, 20);
        QVERIFY(!after.log.empty());
        QCOMPARE(w.panel()->GetVariable("valeurenz"), QString("40"));
        QCOMPARE(w.world().enzymeAmount, 40);
        // The file follows the published schema.
        int status = 0;
        run("python3",
            {"-c",
             "import json,sys,jsonschema; jsonschema.validate(json.load(open(sys.argv[1])), "
             "json.load(open(sys.argv[2])))",
             path, VELMORA_SCHEMA},
            &status);
        QCOMPARE(status, 0);
    }

    void theRunUnderWayComesBackExactly()
    {
        // What an autosave keeps: the run is replayed from its state and its panel changes.
        QTemporaryDir folder;
        const QString path = folder.filePath("en-cours.velmora");
        std::string before;
        {
            StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
            start(w);
            runTicks(w, 60);
            start(w); // the second run starts from another state
            runTicks(w, 300);
            w.panel()->SetVariable("valeurtemp", "55");
            w.command(w.panel(), "changetemp");
            runTicks(w, 257);
            std::ostringstream running;
            writeStateDump(running, w.world(), 557);
            ExperimentDocument named = w.window->classWork()->currentDocument();
            QVERIFY(named.run);
            QCOMPARE(named.run->ticks, 557);
            QCOMPARE(named.run->settings.events.size(), 1u);
            named.group = {"G", "C", "D"};
            w.window->classWork()->applyDocument(named); // as opening it would, mid-run
            std::ostringstream dump;
            writeStateDump(dump, w.world(), 557);
            before = dump.str();
            QCOMPARE(before, running.str());
            const SaveTo to(path);
            w.window->classWork()->saveExperiment();
        }
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        QVERIFY(w.window->openExperimentFile(path));
        std::ostringstream dump;
        writeStateDump(dump, w.world(), 557);
        QCOMPARE(dump.str(), before);
        QCOMPARE(w.window->graphMenu()->record().seconds().size(), 27u);
        QVERIFY(!w.timer("Timer2")->isActive()); // held, for the group to go on
    }

    void theScenarioRunsAsVelmora2BatchRunsIt()
    {
        QTemporaryDir folder;
        write(folder.filePath("chauffage.velmora"), example);
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        QVERIFY(w.window->openExperimentFile(folder.filePath("chauffage.velmora")));
        start(w);
        runTicks(w, 2000);
        QCOMPARE(w.world().temperature, 60); // heated after 60 s
        const CourseRecord& record = w.window->graphMenu()->record();
        int status = 0;
        run(VELMORA_BATCH,
            {"--scenario", folder.filePath("chauffage.velmora"), "--csv", folder.filePath("b.csv")}, &status);
        QCOMPARE(status, 0);
        const QList<QByteArray> rows = contents(folder.filePath("b.csv")).trimmed().split('\n');
        QCOMPARE(static_cast<std::size_t>(rows.size() - 1), record.seconds().size());
        for (std::size_t i = 0; i < record.seconds().size(); ++i) {
            const QList<QByteArray> cells = rows[static_cast<qsizetype>(i) + 1].split(',');
            QCOMPARE(cells[1].toInt(), record.seconds()[i].substrate);
            QCOMPARE(cells[3].toInt(), record.seconds()[i].temperature);
        }
    }

    void lockedAndHiddenControlsKeepTheTeachersValues()
    {
        QTemporaryDir folder;
        write(folder.filePath("chauffage.velmora"), example);
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        QVERIFY(w.window->openExperimentFile(folder.filePath("chauffage.velmora")));
        QCOMPARE(w.panel()->GetVariable("verrous"), QString("ph"));
        QCOMPARE(w.panel()->GetVariable("caches"), QString("other"));
        QVERIFY(!w.panel()->GetVariable("raisonverrou").isEmpty());
        // The slider is greyed and says why; the hidden one is not drawn.
        QQuickItem* slider = movieItem(w.panel(), "phSlider");
        QVERIFY(slider);
        QVERIFY(!slider->isEnabled());
        QCOMPARE(QQmlProperty::read(slider, "ToolTip.text", qmlContext(slider)).toString(),
                 w.panel()->GetVariable("raisonverrou"));
        QVERIFY(!movieItem(w.panel(), "other")->isVisible());
        // Whatever the movie sends, the pH stays.
        w.panel()->SetVariable("valeurph", "3");
        w.command(w.panel(), "changeph");
        QCOMPARE(w.world().ph, 8);
        QCOMPARE(w.panel()->GetVariable("valeurph"), QString("8"));
        // The temperature is free.
        w.panel()->SetVariable("valeurtemp", "45");
        w.command(w.panel(), "changetemp");
        QCOMPARE(w.world().temperature, 45);
        // A lesson's preset leaves the locked value.
        PanelPreset preset;
        preset.ph = 5;
        preset.temperature = 30;
        const PanelControls refused = w.window->classWork()->applyPreset(preset);
        QVERIFY(refused.has(PanelControl::ph));
        QCOMPARE(w.panel()->GetVariable("valeurph"), QString("8"));
        QCOMPARE(w.panel()->GetVariable("valeurtemp"), QString("30"));
        // The settings file does not undo the lock either.
        w.window->Chargerlesvaleurspardfaut1Click();
        QCOMPARE(w.panel()->GetVariable("valeurph"), QString("8"));
        QCOMPARE(w.world().ph, 8);
    }

    void aScenarioMayHideTheModelsAnswers()
    {
        QTemporaryDir folder;
        for (const bool hidden : {false, true}) {
            write(folder.filePath("guide.velmora"),
                  QByteArray(R"({"format": "velmora-experiment", "version": 1, "hide-model-answers": )") +
                      (hidden ? "true}" : "false}"));
            StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
            QVERIFY(w.window->openExperimentFile(folder.filePath("guide.velmora")));
            TFormFlash* viewer = w.window->fullScreenViewer();
            viewer->movieFile = "experiences.swf";
            viewer->Activer1Click();
            viewer->player()->GotoFrame(4); // the first guided experiment's questions and answers
            QTest::qWait(50);
            QQuickItem* button = movieItem(viewer->player(), "answersButton");
            QVERIFY(button);
            QCOMPARE(button->isVisible(), !hidden);
        }
    }

    void aFaultyFileIsToldAndChangesNothing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("faux.velmora");
        write(path, R"({"format": "velmora-experiment", "version": 1, "enzyme": 50, "ph": 22})");
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        const QString enzymeBefore = w.panel()->GetVariable("valeurenz");
        QVERIFY(!w.window->openExperimentFile(path));
        QCOMPARE(w.boxes.seen.size(), 1u);
        QVERIFY2(w.boxes.seen[0].text.contains("faux.velmora") && w.boxes.seen[0].text.contains("ph"),
                 qPrintable(w.boxes.seen[0].text));
        QCOMPARE(w.panel()->GetVariable("valeurenz"), enzymeBefore);
        QCOMPARE(w.world().enzymeAmount, 20);
        QVERIFY(!w.window->openExperimentFile(folder.filePath("absent.velmora")));
        QCOMPARE(w.boxes.seen.size(), 2u);
        QVERIFY(w.boxes.seen[1].text.contains("absent.velmora"));
    }

    void theReportHoldsEveryPartAndPrintsToAFile()
    {
        QTemporaryDir folder;
        write(folder.filePath("chauffage.velmora"), example);
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        QVERIFY(w.window->openExperimentFile(folder.filePath("chauffage.velmora")));
        ClassWork* work = w.window->classWork();
        ExperimentDocument named = work->currentDocument();
        named.group = {"Léa et Sam", "1re B", "12/03/2025"};
        work->applyDocument(named);
        start(w);
        runTicks(w, 400);
        w.window->graphMenu()->keepCurve();
        work->setAnswer("Plus chaud, plus rapide.");
        {
            const SaveTo to(folder.filePath("compte-rendu.pdf"));
            work->writeReport();
        }
        run("pdftotext", {"-layout", folder.filePath("compte-rendu.pdf"), folder.filePath("cr.txt")});
        const QString text = QString::fromUtf8(contents(folder.filePath("cr.txt")));
        for (const char* part :
             {"Léa et Sam", "1re B", "12/03/2025", "Effet de la température",
              "Mesurez le temps de demi-réaction", "Réglages", "Volume de la boîte", "Substrat restant (%)",
              "Courbe gardée 1", "Tableau des mesures", "Plus chaud, plus rapide.", "Journal", "Démarrage"}) {
            QVERIFY2(text.contains(QString::fromUtf8(part)), part);
        }
        // Printing to a PDF file, as the print dialog offers it.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder.filePath("imprime.pdf"));
        const Report report = studentReport(work->currentDocument(), w.window->graphMenu()->record(),
                                            w.window->graphMenu()->keptRuns());
        QCOMPARE(printReport(printer, report), QString());
        const QString info = run("pdfinfo", {folder.filePath("imprime.pdf")});
        QVERIFY2(info.contains(QRegularExpression(QString("Pages:\\s+%1\\n").arg(reportPageCount(report)))),
                 qPrintable(info));
        QVERIFY(info.contains("A4"));
    }

    void aSecondStartHandsItsFileToTheFirst()
    {
        QTemporaryDir folder;
        QFile::setPermissions(folder.path(),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const std::string place = folder.path().toStdString();
        SingleInstanceGuard::Outcome outcome;
        const auto guard = SingleInstanceGuard::acquire("", outcome, place);
        QVERIFY(guard);
        QCOMPARE(outcome, SingleInstanceGuard::Outcome::first);
        HandOffListener listener(guard->listeningSocket());
        QSignalSpy requests(&listener, &HandOffListener::requested);
        const pid_t second = fork();
        if (second == 0) {
            SingleInstanceGuard::Outcome theirs;
            const bool held =
                SingleInstanceGuard::acquire("/home/élève/TP 3.velmora", theirs, place) != nullptr;
            _exit(!held && theirs == SingleInstanceGuard::Outcome::handedOff ? 0 : 1);
        }
        QVERIFY(requests.wait(5000));
        QCOMPARE(requests.first().first().toString(), QString("/home/élève/TP 3.velmora"));
        int status = 0;
        QCOMPARE(waitpid(second, &status, 0), second);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        // A folder that others may enter is no place for a guard.
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner | QFileDevice::ExeOther);
        QVERIFY(!SingleInstanceGuard::acquire("", outcome, place));
        QCOMPARE(outcome, SingleInstanceGuard::Outcome::unavailable);
    }

    void theLineOfResultsIsOneTabSeparatedLine()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        start(w);
        runTicks(w, 1000);
        w.window->classWork()->copyResultLine();
        const QStringList cells = QApplication::clipboard()->text().split('\t');
        QCOMPARE(cells.size(), 12);
        QCOMPARE(cells[1], QString("Hydrolyse du lactose"));
        QCOMPARE(cells[2], QString("37"));
        QCOMPARE(cells[7], QString("100"));
        QVERIFY(!cells[8].isEmpty());    // the half-time
        QVERIFY(cells[9].contains(',')); // the initial rate, with a decimal comma
        QVERIFY(!QApplication::clipboard()->text().contains('\n'));
    }
};

QTEST_MAIN(ClassWorkTest)
#include "ClassWorkTest.moc"
