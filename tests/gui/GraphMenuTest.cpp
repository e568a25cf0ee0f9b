// The graph's context menu as a student uses it, on the real window, headless: the copied table,
// the saved data (velmora2-batch's very bytes), the picture, the kept runs, the activity curves
// beside the running experiment, and a save that fails.

#include "MainWindowHarness.h"

#include "batch/StateDump.h"
#include "model/TimeCourse.h"

#include "files/SaveDialog.h"
#include "graph/ActivityWindow.h"
#include "graph/GraphExport.h"
#include "graph/GraphMenu.h"
#include "render/DrawingSurface.h"
#include "render/KeptCurvesRenderer.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <sstream>
#include <unistd.h>

using namespace velmora;

namespace {

QMenu* graphContextMenu(const StartedWindow& w)
{
    return w.window->graphMenu()->menu();
}

// Opens the graph's menu and chooses an entry, as a click would.
void choose(const StartedWindow& w, const char* entry)
{
    QMenu* menu = graphContextMenu(w);
    menu->popup(QPoint(600, 100));
    auto* action = menu->findChild<QAction*>(entry);
    QVERIFY2(action, entry);
    QVERIFY2(action->isEnabled(), entry);
    menu->close();
    action->trigger();
}

// The experiment started by the window, its ticks then turned by the test. Returns the generator
// state at the start.
std::uint32_t startRun(const StartedWindow& w)
{
    const std::uint32_t seed = w.world().random.state;
    w.window->recommencer1Click();
    w.timer("Timer1")->stop();
    w.timer("Timer2")->stop();
    return seed;
}

void runTicks(const StartedWindow& w, int ticks)
{
    for (int tick = 0; tick < ticks; ++tick) {
        w.window->Timer2Timer();
    }
}

// Every save goes to `path`, without the dialog.
struct SaveTo
{
    explicit SaveTo(const QString& path)
    {
        setSavePathChooser([path](const SaveRequest&) { return path; });
    }
    ~SaveTo() { setSavePathChooser({}); }
};

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// velmora2-batch run with these arguments; its output file's bytes.
QByteArray batchOutput(QStringList arguments, const char* option, const QString& path)
{
    arguments << option << path;
    QProcess batch;
    batch.setStandardOutputFile(QProcess::nullDevice());
    batch.start(VELMORA_BATCH, arguments);
    if (!batch.waitForFinished(120000) || batch.exitStatus() != QProcess::NormalExit ||
        batch.exitCode() != 0) {
        return "velmora2-batch failed";
    }
    return contents(path);
}

// Why the window's CSV (French: semicolons, decimal commas, per cents with a decimal) does not hold
// the numbers of velmora2-batch's --csv for the same run; empty when it does.
QString differenceFromRunner(const QByteArray& window, const QByteArray& runner)
{
    const QList<QByteArray> saved = window.trimmed().split('\n');
    const QList<QByteArray> batch = runner.trimmed().split('\n');
    if (saved.size() != batch.size()) {
        return QString("%1 rows against %2").arg(saved.size()).arg(batch.size());
    }
    if (saved[0] != "seconde;substrat (molécules);substrat (%);température (°C);pH") {
        return "header " + QString::fromUtf8(saved[0]);
    }
    for (qsizetype row = 1; row < saved.size(); ++row) {
        const QList<QByteArray> w = saved[row].split(';');
        const QList<QByteArray> b = batch[row].split(',');
        const bool same =
            w.size() == 5 && b.size() == 5 && w[0] == b[0] && w[1] == b[1] && w[3] == b[3] && w[4] == b[4] &&
            w[2].contains(',') &&
            static_cast<int>(QString::fromUtf8(w[2]).replace(',', '.').toDouble()) == b[2].toInt();
        if (!same) {
            return QString::fromUtf8(saved[row] + " against " + batch[row]);
        }
    }
    return {};
}

const QByteArray loaded =
    "[temperature]\n37\n[ph]\n8\n[enzyme]\n200\n[substrat]\n200\n[autre]\n50\n[taille]\n1\n";

} // namespace

class GraphMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheGraphByMouseAndKeysWhileTheWindowsKeysStillWork()
    {
        StartedWindow w(&defaultSettings, {1024, 768}, programMovies);
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QMenu* menu = graphContextMenu(w);
        QStringList entries;
        for (QAction* action : menu->actions()) {
            entries << action->text();
        }
        QCOMPARE(entries,
                 QStringList({"&Copier les données", "&Enregistrer les données…",
                              "Enregistrer l’&image du graphique…", "", "&Garder cette courbe pour comparer",
                              "E&ffacer les courbes gardées", "", "Courbe d’&activité"}));

        // A right click on the surface, on the header or on a label of the header.
        auto* surface = w.window->findChild<DrawingSurface*>("EcranSub");
        for (QWidget* target : {static_cast<QWidget*>(surface), w.window->findChild<QWidget*>("Panel3"),
                                static_cast<QWidget*>(w.window->findChild<QLabel*>("LabelTemps"))}) {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    target->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(target, &click);
            QVERIFY2(menu->isVisible(), qPrintable(target->objectName()));
            menu->close();
        }

        // The graph takes the focus by Tab and gives it back by Shift+Tab; then the Menu key and
        // Shift+F10 open the menu, and the window's keys still work.
        w.panel()->setFocus(Qt::TabFocusReason);
        for (int press = 0; press < 40 && QApplication::focusWidget() != surface; ++press) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget(), surface);
        QTest::keyClick(surface, Qt::Key_Backtab, Qt::ShiftModifier);
        QVERIFY(QApplication::focusWidget() != surface);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), surface);
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_Menu, Qt::NoModifier}, {Qt::Key_F10, Qt::ShiftModifier}}) {
            QTest::keyClick(surface, key, modifiers);
            QVERIFY(menu->isVisible());
            menu->close();
        }
        for (const auto& [item, key] : {std::pair{"recommencer1", Qt::Key_Return},
                                        {"Pause1", Qt::Key_Space},
                                        {"Arrter1", Qt::Key_Escape}}) {
            QSignalSpy triggered(w.item(item), &QAction::triggered);
            QTest::keyClick(surface, key);
            QCOMPARE(triggered.count(), 1);
        }

        // The inhibitor's curve is for lactose hydrolysis only.
        const auto inhibitor = [&] {
            menu->popup(QPoint(600, 100));
            const bool enabled = menu->findChild<QAction*>("activityInhibitor")->isEnabled();
            menu->close();
            return enabled;
        };
        QVERIFY(inhibitor());
        w.item("Hydrolysedumaltose1")->trigger();
        QVERIFY(!inhibitor());
    }

    void theCopiedTablePastesIntoASpreadsheet()
    {
        const QByteArray settings = "[temperature]\n-5\n[ph]\n8\n[enzyme]\n20\n[substrat]\n80\n";
        StartedWindow w(&settings);
        startRun(w);
        runTicks(w, 3 * 20);
        choose(w, "copyData");
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 1 + 3 + 1); // the header, three seconds, and the last line's end
        QCOMPARE(lines[0], QString("seconde\tsubstrat (molécules)\tsubstrat (%)\ttempérature (°C)\tpH"));
        // Nothing moves below 0 °C: 80 molecules, 100 %, and the temperature with a plain minus.
        QCOMPARE(lines[3], QString("3\t80\t100,0\t-5\t8"));

        // A second start begins a new record; per cents with decimals take a comma.
        w.panel()->SetVariable("valeurtemp", "60");
        startRun(w);
        runTicks(w, 20 * 20);
        choose(w, "copyData");
        const QStringList second = QApplication::clipboard()->text().split('\n');
        QCOMPARE(second.size(), 1 + 20 + 1);
        const QStringList cells = second[20].split('\t');
        QCOMPARE(cells[0], QString("20"));
        QCOMPARE(cells[2], QString::number(100.0 * cells[1].toInt() / 80, 'f', 1).replace('.', ','));
        QVERIFY2(cells[2].contains(','), qPrintable(second[20]));
    }

    void theSavedDataAreVelmora2BatchsNumbersInAFrenchSpreadsheetsFormat()
    {
        StartedWindow w(&loaded);
        QTemporaryDir folder;
        const std::uint32_t seed = startRun(w);
        // Heated to 60 °C after 700 ticks, then past the first page of 100 seconds.
        runTicks(w, 700);
        w.panel()->SetVariable("valeurtemp", "60");
        w.command(w.panel(), "changetemp");
        runTicks(w, 1600);
        {
            const SaveTo to(folder.filePath("window.csv"));
            choose(w, "saveData");
        }
        // In French: semicolons, decimal commas, the clipboard's headers.
        const QList<QByteArray> saved = contents(folder.filePath("window.csv")).trimmed().split('\n');
        QCOMPARE(saved[0], QByteArray("seconde;substrat (molécules);substrat (%);température (°C);pH"));
        const QStringList same{"--temperature", "37",
                               "--ph",          "8",
                               "--enzyme",      "200",
                               "--substrate",   "200",
                               "--other",       "50",
                               "--scene",       "512x384",
                               "--seed",        QString::number(seed),
                               "--ticks",       "2300",
                               "--event",       "700:temperature=60"};
        QCOMPARE(differenceFromRunner(contents(folder.filePath("window.csv")),
                                      batchOutput(same, "--csv", folder.filePath("batch.csv"))),
                 QString());
        QVERIFY(saved.size() > 101);
    }

    void theDataSaveAsAWorkbookHoldsNumbers()
    {
        StartedWindow w(&loaded);
        QTemporaryDir folder;
        startRun(w);
        runTicks(w, 400);
        const SaveTo to(folder.filePath("donnees.xlsx"));
        choose(w, "saveData");
        const QByteArray workbook = contents(folder.filePath("donnees.xlsx"));
        QVERIFY(workbook.startsWith("PK"));
        QProcess unzip;
        unzip.start("python3", {"-c",
                                "import sys,zipfile; z=zipfile.ZipFile(sys.argv[1]); "
                                "print(z.read('xl/worksheets/sheet1.xml').decode()); "
                                "print(z.read('xl/charts/chart1.xml').decode())",
                                folder.filePath("donnees.xlsx")});
        QVERIFY(unzip.waitForFinished(30000));
        const QString xml = QString::fromUtf8(unzip.readAllStandardOutput());
        QVERIFY(xml.contains("<c r=\"A2\" s=\"1\"><v>1</v></c>"));
        QVERIFY(xml.contains("<c:scatterChart>"));
    }

    void theSameRunGivesTheSameBytesOnEveryScreen()
    {
        // The box is the volume's, whatever the window's size: the same course, table and state.
        QTemporaryDir folder;
        for (const int volume : {100, 25}) {
            QByteArray firstTable;
            for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
                StartedWindow w(&loaded, screen);
                w.window->volumeClick(volume);
                const std::uint32_t seed = startRun(w);
                runTicks(w, 30 * 20);
                choose(w, "copyData");
                const QByteArray table = QApplication::clipboard()->text().toUtf8();
                firstTable = firstTable.isEmpty() ? table : firstTable;
                QCOMPARE(table, firstTable);
                {
                    const SaveTo to(folder.filePath("window.csv"));
                    choose(w, "saveData");
                }
                std::ostringstream dump;
                writeStateDump(dump, w.world(), 30 * 20);
                const QStringList same{"--temperature", "37",
                                       "--ph",          "8",
                                       "--enzyme",      "200",
                                       "--substrate",   "200",
                                       "--other",       "50",
                                       "--volume",      QString::number(volume),
                                       "--seed",        QString::number(seed),
                                       "--ticks",       "600"};
                QCOMPARE(differenceFromRunner(contents(folder.filePath("window.csv")),
                                              batchOutput(same, "--csv", folder.filePath("batch.csv"))),
                         QString());
                QCOMPARE(QByteArray::fromStdString(dump.str()),
                         batchOutput(same, "--dump", folder.filePath("batch.txt")));
            }
        }
    }

    void thePictureShowsTheGraphWithItsTexts()
    {
        StartedWindow w;
        QTemporaryDir folder;
        startRun(w);
        runTicks(w, 30 * 20);
        const SaveTo to(folder.filePath("graphique.png"));
        choose(w, "saveImage");
        QImage picture;
        QVERIFY(picture.load(folder.filePath("graphique.png"), "PNG"));
        auto* surface = w.window->findChild<DrawingSurface*>("EcranSub");
        QCOMPARE(picture.size(), 2 * GraphExport::pictureSize(surface->size()));
        QCOMPARE(picture.size(), QSize(2 * (432 + 84), 2 * (315 + 84)));
        // On white: a thick dark curve, and dark text around the plot (the caption, the substrate's
        // numbers and title, the time's title).
        const QRect plot(2 * 64, 2 * 58, 2 * 432, 2 * (315 - 20));
        int dark = 0;
        int white = 0;
        for (int y = plot.top(); y <= plot.bottom(); ++y) {
            for (int x = plot.left() + 4; x <= plot.right() - 4; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                dark += qGray(pixel) < 60 ? 1 : 0;
                white += pixel == qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        QVERIFY2(dark > 2 * 30 * 4, qPrintable(QString::number(dark))); // 30 s of curve, 4 pixels thick
        QVERIFY(white > plot.width() * plot.height() * 8 / 10);
        const auto darkIn = [&](const QRect& area) {
            int text = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    text += qGray(picture.pixel(x, y)) < 100 ? 1 : 0;
                }
            }
            return text;
        };
        QVERIFY(darkIn({0, 0, picture.width(), plot.top()}) > 200);         // the caption
        QVERIFY(darkIn({0, plot.top(), 2 * 20, plot.height()}) > 100);      // « substrat restant (%) »
        QVERIFY(darkIn({2 * 24, plot.top(), 2 * 36, plot.height()}) > 100); // 0 to 100
        QVERIFY(darkIn({plot.left(), picture.height() - 2 * 24, plot.width(), 2 * 22}) >
                100); // « temps (s) »
    }

    void fiveRunsAreKeptBehindTheCurveAndASixthIsRefused()
    {
        StartedWindow w;
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        for (int run = 1; run <= 6; ++run) {
            w.panel()->SetVariable("valeurtemp", QString::number(20 + 5 * run));
            startRun(w);
            runTicks(w, 20 * (10 + run));
            choose(w, "keepCurve");
        }
        const GraphMenu& menu = *w.window->graphMenu();
        QCOMPARE(menu.keptCurves()->courses->size(), 5u);
        QCOMPARE(w.boxes.seen.size(), 1u);
        QVERIFY(w.boxes.seen[0].text.startsWith("Cinq courbes sont déjà gardées"));
        QCOMPARE(menu.keptCurves()->legend[4],
                 QString("5 · hydr. lactose · 45\u00a0°C · pH\u00a07 · E\u00a020 · S\u00a0100"));

        runTicks(w, 20);
        choose(w, "keepCurve"); // still refused
        QCOMPARE(w.boxes.seen.size(), 2u);

        // Each kept run in its own colour on the graph, and one column each in the data.
        const auto colours = [&] {
            const QImage shown = w.window->findChild<DrawingSurface*>("EcranSub")->frontBuffer();
            QSet<QRgb> found;
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    found.insert(shown.pixel(x, y));
                }
            }
            int kept = 0;
            for (std::size_t k = 0; k < 5; ++k) {
                kept += found.contains(keptCurveColour(k).rgb()) ? 1 : 0;
            }
            return kept;
        };
        w.window->rafrachir1Click();
        QCOMPARE(colours(), 5);
        choose(w, "copyData");
        QVERIFY(QApplication::clipboard()->text().startsWith(
            "seconde\tsubstrat (molécules)\tsubstrat (%)\ttempérature (°C)\tpH\t"
            "courbe gardée 1, 25 °C pH 7 E20 S100 (%)\tcourbe gardée 2, 30 °C pH 7 E20 S100 (%)\t"
            "courbe gardée 3, 35 °C pH 7 E20 S100 (%)\tcourbe gardée 4, 40 °C pH 7 E20 S100 (%)\t"
            "courbe gardée 5, 45 °C pH 7 E20 S100 (%)\n"));
        QTemporaryDir folder;
        {
            const SaveTo to(folder.filePath("donnees.csv"));
            choose(w, "saveData");
        }
        const QList<QByteArray> rows = contents(folder.filePath("donnees.csv")).split('\n');
        QCOMPARE(rows[0],
                 QByteArray("seconde;substrat (molécules);substrat (%);température (°C);pH;"
                            "courbe gardée 1, 25 °C pH 7 E20 S100 (%);courbe gardée 2, 30 °C pH 7 E20 S100 (%);"
                            "courbe gardée 3, 35 °C pH 7 E20 S100 (%);courbe gardée 4, 40 °C pH 7 E20 S100 (%);"
                            "courbe gardée 5, 45 °C pH 7 E20 S100 (%)"));
        // At 15 s: runs 1 to 4 have ended, the fifth has its last second; the sixth, 17 s, is the longest.
        QCOMPARE(rows.size(), 1 + 17 + 1);
        const QList<QByteArray> fifteen = rows[15].split(';');
        QCOMPARE(fifteen.size(), 10);
        QCOMPARE(fifteen[0], QByteArray("15"));
        QCOMPARE(fifteen.mid(5, 4), QList<QByteArray>(4));
        QVERIFY(!fifteen[9].isEmpty());

        // They stay across a reaction change, until cleared.
        w.item("Hydrolysedumaltose1")->trigger();
        QCOMPARE(menu.keptCurves()->courses->size(), 5u);
        choose(w, "clearKeptCurves");
        QCOMPARE(menu.keptCurves()->courses->size(), 0u);
        QCOMPARE(colours(), 0);

        // The same run kept twice is one kept run, brought up to date.
        startRun(w);
        runTicks(w, 5 * 20);
        choose(w, "keepCurve");
        runTicks(w, 5 * 20);
        choose(w, "keepCurve");
        QCOMPARE(menu.keptCurves()->courses->size(), 1u);
        QCOMPARE(menu.keptCurves()->courses->front().seconds().size(), 10u);
    }

    void anActivityCurveIsComputedBesideTheRunningExperimentWithVelmora2BatchsFigures()
    {
        StartedWindow w(&loaded);
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->recommencer1Click();
        QVERIFY(w.timer("Timer2")->isActive());

        // The sweep waits until the test has seen the experiment go on.
        std::atomic<bool> go{false};
        ActivityWindow::setSweepRunner([&go](const SweepPlan& plan, const SweepControl& control) {
            while (!go && !control.cancel->load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            return runSweep(plan, control);
        });
        choose(w, "activitySubstrate");
        ActivityWindow* activity = w.window->graphMenu()->activityWindow(ActivityCurve::substrate);
        QVERIFY(activity && activity->isVisible() && activity->isComputing());
        QSignalSpy ticks(w.timer("Timer2"), &QTimer::timeout);
        const std::int32_t before = w.world().graphCount + w.world().graphTimeOffset;
        QTRY_VERIFY_WITH_TIMEOUT(w.world().graphCount + w.world().graphTimeOffset >= before + 2, 5000);
        QVERIFY(activity->isComputing());
        QVERIFY(ticks.count() >= 20);
        go = true;
        QSignalSpy computed(activity, &ActivityWindow::computed);
        QVERIFY(computed.wait(60000));
        ActivityWindow::setSweepRunner({});
        QVERIFY(activity->result());
        QVERIFY(w.timer("Timer1")->isActive() && w.timer("Timer2")->isActive() && w.world().running);

        // Without and with the panel's 50 molecules of thiolactose, each with its fit.
        QVERIFY(activity->plan().series);
        QCOMPARE(activity->plan().series->values, std::vector<std::int32_t>({0, 50}));
        QVERIFY(activity->findChild<QLabel*>("fitText")->text().contains("Km"));
        QVERIFY(activity->findChild<QCheckBox*>("lineweaverBurk")->isEnabled());

        // Its saved table is velmora2-batch's for the command it shows.
        QTemporaryDir folder;
        {
            const SaveTo to(folder.filePath("activite.csv"));
            activity->findChild<QPushButton*>("saveDataButton")->click();
        }
        const QString command = activity->batchCommandText();
        QVERIFY(command.contains("--volume 100 --max-products 100 --sweep substrate=0:200:10 "
                                 "--compare other=0,50 --measure initial-rate@25 --repeat 10"));
        // In French for a spreadsheet, with velmora2-batch's numbers for the command it shows.
        const QList<QByteArray> saved = contents(folder.filePath("activite.csv")).trimmed().split('\n');
        QCOMPARE(saved[0], QByteArray("thiolactose (molécules);substrat (molécules);vitesse initiale (molécules/s);"
                                      "écart type (molécules/s);minimum (molécules/s);maximum (molécules/s);"
                                      "mesure écourtée (expériences)"));
        QCOMPARE(saved[1], QByteArray("0;0;0,000;0,000;0,000;0,000;0"));
        const QList<QByteArray> batch =
            batchOutput(command.split(' ').mid(1), "--table", folder.filePath("batch.csv")).trimmed().split('\n');
        QCOMPARE(saved.size(), batch.size());
        for (qsizetype row = 1; row < saved.size(); ++row) {
            QCOMPARE(QByteArray(saved[row]).replace(',', '.').replace(';', ','), batch[row]);
        }
        activity->findChild<QPushButton*>("copyButton")->click();
        QVERIFY(QApplication::clipboard()->text().startsWith(
            "thiolactose (molécules)\tsubstrat (molécules)\tvitesse initiale (molécules/s)\técart type "
            "(molécules/s)\tminimum (molécules/s)\tmaximum (molécules/s)\tmesure écourtée (expériences)\n"
            "0\t0\t0,000\t0,000\t0,000\t0,000\t0\n"));

        // Its picture; then Esc closes it.
        {
            const SaveTo to(folder.filePath("activite.png"));
            activity->findChild<QPushButton*>("saveImageButton")->click();
        }
        QImage picture;
        QVERIFY(picture.load(folder.filePath("activite.png")));
        QCOMPARE(picture.size(), QSize(960, 640));
        QPointer<ActivityWindow> open(activity);
        QTest::keyClick(activity, Qt::Key_Escape);
        QTRY_VERIFY(!open);
        QVERIFY(w.timer("Timer2")->isActive());
    }

    void keptRunsKeepTheirTimeAxisAndSurvivePastAPage()
    {
        StartedWindow w;
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        auto* surface = w.window->findChild<DrawingSurface*>("EcranSub");
        const GraphMenu& menu = *w.window->graphMenu();
        // A run of 130 s heated after 35 s, and one of 40 s.
        startRun(w);
        runTicks(w, 700);
        w.panel()->SetVariable("valeurtemp", "50");
        w.command(w.panel(), "changetemp");
        runTicks(w, 130 * 20 - 700 + 20);
        choose(w, "keepCurve");
        w.panel()->SetVariable("valeurtemp", "25");
        startRun(w);
        runTicks(w, 40 * 20);
        choose(w, "keepCurve");
        QCOMPARE(menu.keptCurves()->courses->size(), 2u);

        // A new run of 10 s: the time labels reach the 100 s of the first kept run's page.
        startRun(w);
        runTicks(w, 10 * 20);
        QCOMPARE(keptSecondsOnPage(*menu.keptCurves(), 0), 100);
        const auto inkIn = [&](const QRect& area, const QColor& colour) {
            const QImage shown = surface->frontBuffer();
            int found = 0;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    found += shown.pixelColor(x, y) == colour ? 1 : 0;
                }
            }
            return found;
        };
        const int strip = graphPlotHeight(surface->height());
        const QRect lateLabels(surface->width() * 45 / 100, strip + 1, surface->width() * 55 / 100 - 1, 19);
        int green = 0;
        for (int y = lateLabels.top(); y <= lateLabels.bottom(); ++y) {
            for (int x = lateLabels.left(); x <= lateLabels.right(); ++x) {
                const QColor c = surface->frontBuffer().pixelColor(x, y);
                green += c.green() > c.red() + 40 && c.green() > c.blue() + 40 ? 1 : 0;
            }
        }
        QVERIFY2(green > 20, qPrintable(QString::number(green)));
        // The first kept run's heating is marked in its colour: a dotted line over the plot.
        const int heated = graphSecondX(35, surface->width());
        QVERIFY(inkIn({heated - 1, 0, 3, strip - 60}, keptCurveColour(0)) > 20);

        // Past 100 s, the kept runs show their seconds of the second page: the first one's 101 to
        // 130 s are drawn; the second one, ended, stays in the legend.
        runTicks(w, 100 * 20);
        QCOMPARE(w.world().graphTimeOffset, 100);
        QCOMPARE(keptSecondsOnPage(*menu.keptCurves(), 100), 30);
        QVERIFY(inkIn({0, 30, graphSecondX(30, surface->width()), strip - 30}, keptCurveColour(0)) > 20);
        QCOMPARE(menu.keptCurves()->legend.size(), 2);
    }

    void theActivityWindowsChoicesChangeTheMeasureAndTheTable()
    {
        StartedWindow w(&loaded);
        // Three amounts and two experiments a point are enough to read the window's choices.
        ActivityWindow::setSweepRunner([](SweepPlan plan, const SweepControl& control) {
            plan.x.values = {0, 100, 200};
            plan.replicates = 2;
            return runSweep(plan, control);
        });
        choose(w, "activitySubstrate");
        ActivityWindow* activity = w.window->graphMenu()->activityWindow(ActivityCurve::substrate);
        QSignalSpy computed(activity, &ActivityWindow::computed);
        const auto waitForResult = [&] { QTRY_VERIFY_WITH_TIMEOUT(activity->result() != nullptr, 30000); };
        waitForResult();

        // The command shows on demand only.
        auto* command = activity->findChild<QLabel*>("batchCommand");
        QVERIFY(command->isHidden());
        activity->findChild<QToolButton*>("commandDisclosure")->click();
        QVERIFY(!command->isHidden());
        // Saturation is read over a quarter of the substrate.
        QCOMPARE(activity->findChild<QSpinBox*>("shareChoice")->value(), 25);
        QVERIFY(command->text().contains("--measure initial-rate@25 --repeat 10"));

        // One column per curve, then the fits, the competitive model's with Ki.
        activity->findChild<QComboBox*>("tableForm")->setCurrentIndex(1);
        activity->copyData();
        const QStringList wide = QApplication::clipboard()->text().split('\n');
        QCOMPARE(wide[0], QString("substrat (molécules)\tsans thiolactose\t50\u00a0molécules de thiolactose\t"
                                  "Modèle compétitif (un seul Vmax)"));
        QVERIFY(wide[1].startsWith("0\t0,000\t0,000"));
        QCOMPARE(wide[4], QString());
        QStringList names;
        for (const QString& line : wide.mid(5)) {
            names << line.section('\t', 0, 0);
        }
        QCOMPARE(names, QStringList({"Vmax (molécules/s)", "écart type de Vmax (molécules/s)",
                                     "Km (molécules)", "écart type de Km (molécules)", "Ki (molécules)",
                                     "écart type de Ki (molécules)", "erreur résiduelle (molécules/s)", ""}));

        // Another share, more experiments, then the half-time: each computed anew.
        activity->findChild<QSpinBox*>("shareChoice")->setValue(10);
        waitForResult();
        QCOMPARE(activity->plan().measures.initialRateShare, 10);
        QVERIFY(command->text().contains("--measure initial-rate --repeat 10"));
        activity->findChild<QComboBox*>("repeatsChoice")->setCurrentIndex(2);
        waitForResult();
        QCOMPARE(activity->plan().replicates, 50);
        QVERIFY(command->text().contains("--repeat 50"));
        activity->findChild<QComboBox*>("measureChoice")->setCurrentIndex(1);
        waitForResult();
        QVERIFY(activity->plan().measures.halfTime && !activity->plan().measures.initialRate);
        QVERIFY(command->text().contains("--measure half-time --repeat 50"));
        QVERIFY(!activity->findChild<QSpinBox*>("shareChoice")->isEnabled());
        activity->findChild<QComboBox*>("tableForm")->setCurrentIndex(0);
        activity->copyData();
        QVERIFY(QApplication::clipboard()->text().startsWith(
            "thiolactose (molécules)\tsubstrat (molécules)\ttemps de demi-réaction (s)\técart type (s)\t"
            "minimum (s)\tmaximum (s)\tdemi-temps atteint (expériences)\n"));
        ActivityWindow::setSweepRunner({});
        activity->close();
    }

    void aComputationCanBeCancelled()
    {
        StartedWindow w;
        ActivityWindow::setSweepRunner([](const SweepPlan& plan, const SweepControl& control) {
            while (!control.cancel->load()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
            return runSweep(plan, control);
        });
        choose(w, "activityTemperature");
        ActivityWindow* activity = w.window->graphMenu()->activityWindow(ActivityCurve::temperature);
        QSignalSpy computed(activity, &ActivityWindow::computed);
        activity->findChild<QPushButton*>("cancelButton")->click();
        QVERIFY(computed.wait(10000));
        ActivityWindow::setSweepRunner({});
        QVERIFY(!activity->result());
        QCOMPARE(activity->findChild<QLabel*>("activityStatus")->text(), QString("Calcul annulé."));
        QVERIFY(!activity->findChild<QPushButton*>("saveDataButton")->isEnabled());
        activity->findChild<QPushButton*>("computeButton")->click();
        QVERIFY(computed.wait(60000));
        QVERIFY(activity->result());
    }

    void aSaveThatFailsSaysWhyAndWritesNothing_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("under a file") << "file";
        QTest::newRow("in /proc") << "proc";
        QTest::newRow("read-only folder") << "read-only";
    }

    void aSaveThatFailsSaysWhyAndWritesNothing()
    {
        QFETCH(QString, where);
        QTemporaryDir folder;
        QString path = "/proc/velmora-donnees.csv"; // not even root may create a file there
        if (where == "file") {
            QFile file(folder.filePath("file"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            path = folder.filePath("file/donnees.csv");
        } else if (where == "read-only") {
            if (geteuid() == 0) {
                QSKIP("permission bits do not stop root");
            }
            QVERIFY(QDir().mkdir(folder.filePath("read-only")));
            QFile::setPermissions(folder.filePath("read-only"),
                                  QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            path = folder.filePath("read-only/donnees.csv");
        }
        const QStringList before =
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        StartedWindow w;
        startRun(w);
        runTicks(w, 40);
        {
            const SaveTo to(path);
            choose(w, "saveData");
        }
        QCOMPARE(w.boxes.seen.size(), 1u);
        QVERIFY2(w.boxes.seen[0].text.startsWith("Le fichier «\u00a0" + path +
                                                 "\u00a0» n’a pas pu être enregistré"),
                 qPrintable(w.boxes.seen[0].text));
        QCOMPARE(w.boxes.seen[0].icon, QMessageBox::Critical);
        QVERIFY(!QFileInfo::exists(path));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 before);
        if (where == "read-only") {
            QVERIFY(QDir(folder.filePath("read-only")).isEmpty());
            QFile::setPermissions(folder.filePath("read-only"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        }
    }
};

QTEST_MAIN(GraphMenuTest)
#include "GraphMenuTest.moc"
