#include "MainWindowHarness.h"
#include "window/ScreenScale.h"

#include "experiment/Comment.h"
#include "files/DataFolder.h"
#include "flash/TFormFlash.h"
#include "render/DrawingSurface.h"
#include "support/WorldChecks.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

using namespace velmora;

namespace {

QString comment(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QObject* clip(TShockwaveFlash* movie, const char* name)
{
    return movie->movieRoot()->findChild<QObject*>(name);
}

} // namespace

// The real main window, headless, started from a folder holding test movies.
class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void controlsAreLaidOutInQuartersOfA1024x768Screen()
    {
        StartedWindow w;
        TFormmodel& window = *w.window;
        const auto geometry = [&](const char* name) { return window.findChild<QWidget*>(name)->geometry(); };
        QCOMPARE(geometry("DXDraw1"), QRect(0, 0, 512, 384));
        QCOMPARE(geometry("PanelFlash"), QRect(0, 384, 512, 384));
        QCOMPARE(geometry("PanelComment"), QRect(512, 384, 512, 384));
        QCOMPARE(geometry("Panel3"), QRect(512, 335, 512, 49));
        QCOMPARE(geometry("EcranSub"), QRect(572, 10, 432, 315));
        QCOMPARE(geometry("LabelPourcent").topLeft(), QPoint(532, 10));
        QCOMPARE(geometry("LabelPourcent0").topLeft(), QPoint(532, 297));
        QCOMPARE(geometry("Image1"), QRect(4, 4, 32, 32));
        QCOMPARE(geometry("Label11").topLeft(), QPoint(40, 4));
        QCOMPARE(geometry("Label11").width(), 124);
        QCOMPARE(geometry("Label14").topLeft(), QPoint(216, 4));
        QCOMPARE(geometry("LabelTemps").topLeft(), QPoint(263, 4));
        QCOMPARE(geometry("CheckBox1").topLeft(), QPoint(216, 20));
        QCOMPARE(geometry("CheckBox1").width(), 161);
        // The movies fill their panels once shown.
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(geometry("FlashLegende"), QRect(0, 0, 512, 384));
        QCOMPARE(geometry("FlashBut"), QRect(0, 0, 512, 384));
        QCOMPARE(geometry("DXDraw1"), QRect(0, 0, 512, 384));

        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        QCOMPARE(window.windowTitle(), QString("Modélisation de l'activité enzymatique"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(192, 192, 192));
        QCOMPARE(window.font().family(), QString("Arial"));
        QCOMPARE(window.font().pointSize(), 8);
        QCOMPARE(window.findChild<QWidget*>("DXDraw1")->cursor().shape(), Qt::ForbiddenCursor);
        QCOMPARE(window.findChild<QWidget*>("EcranSub")->cursor().shape(), Qt::CrossCursor);
        QCOMPARE(window.findChild<QWidget*>("EcranSub")->toolTip().split('\n').size(), 6);
        QVERIFY(window.findChild<QWidget*>("EcranSub")->toolTip().endsWith("logiciel commercial Brendole."));
        QCOMPARE(window.findChild<QWidget*>("Image1")->toolTip(), QString("En savoir plus sur ce graphique"));
        QVERIFY(window.findChild<QCheckBox*>("CheckBox1")->isChecked());
        QCOMPARE(window.findChild<QLabel*>("LabelTemps")->text(), QString("0 s"));
        QCOMPARE(window.findChild<QLabel*>("Label11")->text(),
                 QString("Graphique : [Substrat] en fonction du temps"));
        QVERIFY(window.findChild<QLabel*>("Imageglace")->isHidden());
        for (const char* name : {"Timer1", "Timer2"}) {
            QCOMPARE(w.timer(name)->interval(), 50);
            QVERIFY(!w.timer(name)->isActive());
        }
    }

    void aWideScreenGivesWideQuarters()
    {
        StartedWindow w(&defaultSettings, {1920, 1080});
        QCOMPARE(w.window->findChild<QWidget*>("DXDraw1")->geometry(), QRect(0, 0, 960, 540));
        // The graph's texts, margins and header grow by 1920 / 1024 or 1080 / 768, the smaller.
        QCOMPARE(w.window->graphLook().scale, 1.40625);
        QCOMPARE(w.window->findChild<QWidget*>("Panel3")->height(), 69);
        QCOMPARE(w.window->findChild<QWidget*>("EcranSub")->geometry(), QRect(1044, 14, 847, 443));
        QCOMPARE(w.window->findChild<QLabel*>("LabelTemps")->font().pointSizeF(), 8 * 1.40625);
    }

    void qtPartsOfAnUnscaledLargeScreenAreSizedAsOnAFullHdOne()
    {
        QCOMPARE(qtPartsScale({1024, 768}, 1.0, false), 1.0);
        QCOMPARE(qtPartsScale({1920, 1080}, 1.0, false), 1.0);
        QCOMPARE(qtPartsScale({3840, 2160}, 1.0, false), 2.0);
        QCOMPARE(qtPartsScale({3840, 2160}, 2.0, false), 1.0); // the desktop scales it already
        QCOMPARE(qtPartsScale({3840, 2160}, 1.0, true), 1.0);  // the user chose
        QCOMPARE(qtPartsScale({5120, 2880}, 1.0, false), 2.5);
        const QFont before = QApplication::font();
        const double menuPoints = [] {
            StartedWindow w(&defaultSettings, {1920, 1080});
            return w.window->menuBar()->font().pointSizeF();
        }();
        {
            StartedWindow w(&defaultSettings, {3840, 2160});
            QCOMPARE(w.window->menuBar()->font().pointSizeF(), 2 * menuPoints);
            QCOMPARE(QApplication::font().pointSizeF(), 2 * before.pointSizeF());
            // The quarters keep their design.
            QCOMPARE(w.window->findChild<QWidget*>("DXDraw1")->geometry(), QRect(0, 0, 1920, 1080));
        }
        QApplication::setFont(before);
    }

    void dataAreFoundHereFirstThenBesideTheProgram()
    {
        QTemporaryDir here, program, installed, empty;
        const auto withMovies = [](const QTemporaryDir& folder) { QDir(folder.path()).mkpath("anims"); };
        withMovies(program);
        withMovies(installed);
        QCOMPARE(chooseDataFolder(empty.path(), {program.path(), installed.path()}), program.path());
        QCOMPARE(chooseDataFolder(empty.path(), {empty.path(), installed.path()}), installed.path());
        QCOMPARE(chooseDataFolder(empty.path(), {empty.path() + "/bin/../", installed.path()}),
                 installed.path());
        QCOMPARE(chooseDataFolder(empty.path(), {empty.path(), QString()}), empty.path());
        // A class folder with only a settings file: the settings from it, the movies from the program.
        QFile settings(here.filePath("velmora.ini"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.close();
        QCOMPARE(chooseDataFolder(here.path(), {program.path(), installed.path()}), program.path());
        QCOMPARE(chooseSettingsFolder(here.path(), {program.path(), installed.path()}), here.path());
        QCOMPARE(chooseSettingsFolder(empty.path(), {empty.path(), QString()}), empty.path());
        QFile::remove(here.filePath("velmora.ini"));
        withMovies(here);
        QCOMPARE(chooseDataFolder(here.path(), {program.path(), installed.path()}), here.path());
        // A relative path from the program to its installed data is cleaned up.
        QDir(program.path()).mkpath("bin");
        QCOMPARE(chooseDataFolder(empty.path(), {program.path() + "/bin/.."}), program.path());
    }

    void menuItemsHaveTheirCaptionsAndShortcuts_data()
    {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shortcut");
        QTest::addColumn<QString>("flags");
        const auto row = [](const char* component, const QString& caption, const char* shortcut,
                            const char* flags) {
            QTest::newRow(component) << component << caption << shortcut << flags;
        };
        row("Quitter1", "&Fichier", "", "");
        row("Chargerlesvaleurspardfaut1", "&Charger les valeurs par défaut", "", "");
        row("Quitter2", "&Quitter ce logiciel", "Alt+F4", "");
        row("Modle1", "&Modèle", "", "");
        row("recommencer1", "&Démarrer / recommencer", "Enter", "");
        row("Pause1", "&Pause / reprise", "Space", "");
        row("Arrter1", "&Arrêter", "Esc", "");
        row("Raction1", "&Réaction", "", "");
        row("Hydrolysedulactose1", "Hydrolyse du &lactose", "", "radio checked");
        row("Synthsedulactose1", "&Synthèse du lactose", "", "radio");
        row("Hydrolysedumaltose1", "Hydrolyse du &maltose", "", "radio");
        row("Hydrolysedelamylose1", "Hydrolyse de l'&amylose", "", "radio");
        row("Volumedelaboite1", "&Volume de la boîte", "", "");
        row("Volume25", "&25\u00a0%", "", "radio");
        row("Volume50", "&50\u00a0%", "", "radio");
        row("Volume100", "&100\u00a0%", "", "radio checked");
        row("Volume200", "20&0\u00a0%", "", "radio");
        row("Volume400", "&400\u00a0%", "", "radio");
        row("Performances1", "Affic&hage", "", "");
        row("purger1", "P&urger les produits", "Shift+P", "");
        row("Nombremaximaldeproduitslcran1", "&Nombre maximal de produits à l'écran :", "", "");
        row("N101", "10", "", "radio");
        row("N201", "20", "", "radio");
        row("N501", "50", "", "radio");
        row("N1001", "100", "", "radio checked");
        row("N2001", "200", "", "radio");
        row("N4001", "400", "", "radio");
        row("Modedereprsentation1", "&Mode de représentation", "", "");
        row("Grandssymboles1", "&Grands symboles", "", "radio checked");
        row("Petitssymboles1", "&Petits symboles", "", "radio");
        row("changelegende1", "changelegende", "", "hidden");
        row("Cache1", "&Cache", "", "hidden");
        row("Recalcdenat1", "Recalcdenat", "", "");
        row("recalccharge1", "recalccharge", "", "");
        row("afficherfps1", "afficherfps", "Shift+F", "");
        row("effacerecran1", "effacerecran", "", "");
        row("affichermenucach1", "afficher menu caché", "Alt+A", "");
        row("rafrachir1", "rafraîchir", "F5", "");
        row("avancedansgraphe1", "avancedansgraphe", "", "");
        row("rafraichircommentaire1", "rafraichircommentaire", "R", "");
        row("suspendrexp1", "suspendre", "", "");
        row("Options1", "Options", "", "hidden disabled");
        row("Aide1", "&En savoir plus sur", "", "");
        row("plus1", "plus", "F1", "hidden");
        row("laractiondhydrolysedulactose1", "la &réaction d'hydrolyse du lactose", "", "");
        row("lemcanismedelacatalyseenzymatique1", "le &mécanisme de la catalyse enzymatique", "", "");
        row("testi1", "", "", "disabled");
    }

    void menuItemsHaveTheirCaptionsAndShortcuts()
    {
        QFETCH(QString, component);
        QFETCH(QString, caption);
        QFETCH(QString, shortcut);
        QFETCH(QString, flags);
        StartedWindow w;
        QAction* item = w.window->findChild<QAction*>(component);
        QVERIFY(item);
        QCOMPARE(item->text(), caption);
        QCOMPARE(item->shortcut().toString(), shortcut);
        const bool hidden = !item->isVisible() || item->property("hiddenItem").toBool();
        QCOMPARE(hidden, flags.contains("hidden"));
        if (!flags.contains("hidden")) { // the toolkit also counts a hidden item as disabled
            QCOMPARE(!item->isEnabled(), flags.contains("disabled"));
        }
        QCOMPARE(item->actionGroup() != nullptr, flags.contains("radio"));
        QCOMPARE(item->isChecked(), flags.contains("checked"));
    }

    void menuBarEntriesComeInOrder()
    {
        StartedWindow w;
        QStringList entries;
        for (QAction* entry : w.window->menuBar()->actions()) {
            entries << entry->objectName();
        }
        QCOMPARE(entries, QStringList({"Quitter1", "Modle1", "Performances1", "Cache1", "Options1", "Aide1",
                                       "testi1", "credit"}));
    }

    void shortcutKeysWorkForHiddenItemsButNotDisabledOnes()
    {
        StartedWindow w;
        w.window->show();
        QApplication::setActiveWindow(w.window.get());
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        struct Key
        {
            const char* item;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        };
        // Alt+A after the other "Cache" keys, which must work while it is hidden; F1 last, as its
        // viewer takes the window's activation.
        const Key keys[] = {
            {"recommencer1", Qt::Key_Return, Qt::NoModifier},
            {"recommencer1", Qt::Key_Enter, Qt::KeypadModifier},
            {"Pause1", Qt::Key_Space, Qt::NoModifier},
            {"Arrter1", Qt::Key_Escape, Qt::NoModifier},
            {"purger1", Qt::Key_P, Qt::ShiftModifier},
            {"afficherfps1", Qt::Key_F, Qt::ShiftModifier},
            {"rafrachir1", Qt::Key_F5, Qt::NoModifier},
            {"rafraichircommentaire1", Qt::Key_R, Qt::NoModifier},
            {"affichermenucach1", Qt::Key_A, Qt::AltModifier},
            {"plus1", Qt::Key_F1, Qt::NoModifier},
        };
        QVERIFY(!w.item("Cache1")->isVisible());
        for (const Key& key : keys) {
            QSignalSpy triggered(w.item(key.item), &QAction::triggered);
            if (key.key == Qt::Key_F1) {
                // The test movies have no menu movie: Esc closes the empty full-screen viewer.
                QTimer::singleShot(
                    200, [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
            }
            QTest::keyClick(w.window.get(), key.key, key.modifiers);
            QCOMPARE(triggered.count(), 1);
        }
        QVERIFY(w.item("afficherfps1")->isChecked());
        QVERIFY(w.item("Cache1")->isVisible());

        for (const char* disabled : {"Options1", "testi1"}) {
            QSignalSpy triggered(w.item(disabled), &QAction::triggered);
            w.item(disabled)->trigger();
            QCOMPARE(triggered.count(), 0);
        }
    }

    void aMissingSettingsFileGivesOneErrorThenAWindowWithoutReaction()
    {
        StartedWindow w(nullptr);
        QCOMPARE(w.boxes.seen.size(), size_t(1));
        QCOMPARE(w.boxes.seen[0].text, QString("File not found."));
        QCOMPARE(w.boxes.seen[0].title, QString("Velmora v2"));
        QCOMPARE(w.boxes.seen[0].icon, QMessageBox::Critical);
        // The reaction choice was not applied: no roles, no name on the panel.
        QCOMPARE(w.world().substrateKind, 0);
        QCOMPARE(w.world().enzymeSprite, 0);
        QCOMPARE(w.panel()->GetVariable("nomreac"), QString());
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::welcome));
        QVERIFY(!w.timer("Timer1")->isActive());
        // It is applied at the first start.
        w.window->recommencer1Click();
        QCOMPARE(w.world().substrateKind, Kind::lactose);
        QCOMPARE(w.panel()->GetVariable("nomreac"), QString("Hydrolyse du lactose"));
    }

    void thePanelShowsWhatTheModelUsesAfterAnySettingsFile_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QByteArray>("settings");
        QTest::newRow("missing") << true << QByteArray();
        QTest::newRow("temperature only") << false << QByteArray("[temperature]\n25\n");
        QTest::newRow("brought into range")
            << false << QByteArray("[enzyme]\n5000\n[substrat]\n-50\n[ph]\n+6\n");
    }

    void thePanelShowsWhatTheModelUsesAfterAnySettingsFile()
    {
        QFETCH(bool, missing);
        QFETCH(QByteArray, settings);
        StartedWindow w(missing ? nullptr : &settings);
        const World& world = w.world();
        const std::pair<const char*, std::int32_t> shown[] = {
            {"valeurtemp", world.temperature},  {"valeurph", world.ph},
            {"valeurenz", world.enzymeAmount},  {"valeursub", world.substrateAmount},
            {"valeurautre", world.otherAmount},
        };
        for (const auto& [variable, value] : shown) {
            QCOMPARE(w.panel()->GetVariable(variable), QString::number(value));
        }
    }

    void startUpAppliesTheSettingsAndTheReaction()
    {
        const QByteArray settings =
            "[temperature]\r\n25\r\n[ph]\r\n6\r\n[enzyme]\r\n30\r\n[substrat]\r\n80\r\n"
            "[autre]\r\n10\r\n[reaction]\r\n3\r\n";
        StartedWindow w(&settings);
        QCOMPARE(w.boxes.seen.size(), size_t(0));
        QCOMPARE(w.world().temperature, 25);
        QCOMPARE(w.world().ph, 6);
        QCOMPARE(w.world().enzymeAmount, 30);
        QCOMPARE(w.world().substrateAmount, 80);
        QCOMPARE(w.world().otherAmount, 10);
        for (const auto& [variable, value] : {std::pair{"valeurtemp", "25"},
                                              {"valeurph", "6"},
                                              {"valeurenz", "30"},
                                              {"valeursub", "80"},
                                              {"valeurautre", "10"}}) {
            QCOMPARE(w.panel()->GetVariable(variable), QString(value));
        }
        // "[reaction]" changes nothing; large symbols stay checked.
        QCOMPARE(w.world().reactionIndex, Reaction::lactoseHydrolysis);
        QCOMPARE(w.panel()->GetVariable("nomreac"), QString("Hydrolyse du lactose"));
        QCOMPARE(w.panel()->movieRoot()->property("currentFrame").toInt(), 5);
        QCOMPARE(clip(w.legend(), "legende")->property("currentFrame").toInt(), 6);
        QCOMPARE(clip(w.legend(), "cadre1")->property("visible").toBool(), false);
        QCOMPARE(clip(w.legend(), "cadre2")->property("visible").toBool(), true);
        QVERIFY(w.item("Grandssymboles1")->isChecked());
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::welcome));
    }

    void theSymbolSizeIsTheSettingsOnEveryScreen()
    {
        // A small screen draws the box smaller, its symbols with it: the settings decide alone.
        StartedWindow narrow(&defaultSettings, {800, 600});
        QVERIFY(narrow.item("Grandssymboles1")->isChecked());
        QCOMPARE(narrow.world().spriteBase, 20);
        const QByteArray small = "[taille]\n0\n";
        StartedWindow wide(&small, {1920, 1080});
        QVERIFY(wide.item("Petitssymboles1")->isChecked());
        QCOMPARE(clip(wide.legend(), "cadre1")->property("visible").toBool(), true);
    }

    void theBoxIsTheVolumesOnEveryScreenAndAChangeWaitsForTheNextStart()
    {
        for (const QSize screen : {QSize(1024, 768), QSize(1920, 1080), QSize(3840, 2160)}) {
            StartedWindow w(&defaultSettings, screen);
            QCOMPARE(w.window->sceneSize().width, 512);
            QCOMPARE(w.window->sceneSize().height, 384);
        }
        StartedWindow w;
        auto* volume = w.window->findChild<QLabel*>("LabelVolume");
        QVERIFY(volume->isHidden());
        w.window->recommencer1Click();
        QVERIFY(w.timer("Timer2")->isActive());
        w.item("Volume25")->trigger();
        QVERIFY(!w.timer("Timer2")->isActive()); // suspended, as for a quantity
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::suspended));
        QCOMPARE(w.window->volume(), 25);
        QCOMPARE(w.window->sceneSize().width, 256);
        QCOMPARE(w.window->sceneSize().height, 192);
        QVERIFY(w.item("Volume25")->isChecked() && !w.item("Volume100")->isChecked());
        QVERIFY(!volume->isHidden());
        QCOMPARE(volume->text(), QString("Volume de la boîte\u00a0: 25\u00a0%"));
        // The next start seeds the molecules in the smaller box.
        w.window->recommencer1Click();
        for (int s = 1; s <= w.world().count[Kind::lactose]; ++s) {
            QVERIFY(w.world().posX[Kind::lactose][s] < 256 * 10);
            QVERIFY(w.world().posY[Kind::lactose][s] < 192 * 10);
        }
        // The same volume again changes nothing.
        w.item("Volume25")->trigger();
        QVERIFY(w.timer("Timer2")->isActive());
    }

    void aVolumeComesFromTheSettingsFileOrIsRefusedByName()
    {
        {
            const QByteArray good = "[volume]\n400\n[enzyme]\n5\n";
            StartedWindow w(&good);
            QCOMPARE(w.boxes.seen.size(), size_t(0));
            QCOMPARE(w.window->volume(), 400);
            QVERIFY(w.item("Volume400")->isChecked());
        }
        const QByteArray bad = "[enzyme]\n5\n[volume]\n30\n[substrat]\n7\n";
        StartedWindow refused(&bad);
        QCOMPARE(refused.boxes.seen.size(), size_t(1));
        QCOMPARE(refused.boxes.seen[0].text, QString("Volume de la boîte non permis\u00a0: «\u00a0"
                                                     "30\u00a0» (25, 50, 100, 200 ou 400\u00a0%)."));
        QCOMPARE(refused.window->volume(), 100);
        QCOMPARE(refused.world().enzymeAmount, 5);
        QCOMPARE(refused.world().substrateAmount, 0);
    }

    void aBadValueStopsTheLoadAndKeepsWhatCameBefore()
    {
        const QByteArray settings = "[temperature]\n25\n[substrat]\nbeaucoup\n[enzyme]\n50\n";
        StartedWindow w(&settings);
        QCOMPARE(w.boxes.seen.size(), size_t(1));
        QCOMPARE(w.boxes.seen[0].text, QString("'beaucoup' is not a valid integer value."));
        QCOMPARE(w.world().temperature, 25);
        QCOMPARE(w.panel()->GetVariable("valeursub"), QString("beaucoup"));
        QCOMPARE(w.world().substrateAmount, 0);
        QCOMPARE(w.world().enzymeAmount, 0);
        QCOMPARE(w.panel()->GetVariable("nomreac"), QString()); // the start-up stopped at the load
    }

    // A value is shown as it is written, in the box and on the panel: never read as markup.
    void aBadValueIsShownAsPlainText()
    {
        const QByteArray settings = "[substrat]\n<b>gras</b><img src=\"/etc/passwd\">\n";
        StartedWindow w(&settings, {1024, 768}, programMovies);
        QCOMPARE(w.boxes.seen.size(), size_t(1));
        QCOMPARE(w.boxes.seen[0].text,
                 QString("'<b>gras</b><img src=\"/etc/passwd\">' is not a valid integer value."));
        QCOMPARE(w.boxes.seen[0].format, Qt::PlainText);
        QQuickItem* shown = nullptr;
        std::function<void(QQuickItem*)> look = [&](QQuickItem* item) {
            if (item->property("text").toString().startsWith("<b>gras")) {
                shown = item;
            }
            for (QQuickItem* child : item->childItems()) {
                look(child);
            }
        };
        look(w.panel()->movieRoot());
        QVERIFY(shown);
        QCOMPARE(shown->property("textFormat").toInt(),
                 int(Qt::PlainText)); // not AutoText, which reads markup
    }

    void loadingTheDefaultsDuringARunStopsOnlyTheTick()
    {
        StartedWindow w;
        w.window->recommencer1Click();
        QVERIFY(w.timer("Timer1")->isActive());
        w.item("Chargerlesvaleurspardfaut1")->trigger();
        QVERIFY(!w.timer("Timer2")->isActive());
        QVERIFY2(w.timer("Timer1")->isActive(), "the frozen molecules are still drawn");
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::welcome));
        QVERIFY(w.world().welcomePending);
    }

    void quitShrinksTheWindowAndClosesIt()
    {
        for (const bool fromPanel : {false, true}) {
            StartedWindow w;
            w.window->show();
            QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
            if (fromPanel) {
                w.command(w.panel(), "quitter");
            } else {
                w.item("Quitter2")->trigger();
            }
            QVERIFY(!w.window->isVisible());
            QCOMPARE(w.window->size(), QSize(100, 100));
        }
    }

    void theAdvancedNoticeHoldsBothTimers()
    {
        for (const bool running : {true, false}) {
            StartedWindow w;
            if (running) {
                w.window->recommencer1Click();
            }
            bool timersOffWhileOpen = false;
            w.boxes.whileOpen = [&] {
                timersOffWhileOpen = !w.timer("Timer1")->isActive() && !w.timer("Timer2")->isActive();
            };
            w.command(w.panel(), "modeleglucose");
            QTRY_COMPARE(w.boxes.seen.size(), size_t(1));
            QCOMPARE(w.boxes.seen[0].text, QString("Ces fonctionnalités avancées n'existent que dans la "
                                                   "version commercialisée de Brendole"));
            QCOMPARE(w.boxes.seen[0].title, QString("Velmora v2"));
            QVERIFY(timersOffWhileOpen);
            QCOMPARE(w.timer("Timer1")->isActive(), running);
            QCOMPARE(w.timer("Timer2")->isActive(), running);
        }
    }

    void aModalWindowGivesEachTimerBackItsOwnState()
    {
        for (const bool viewer : {false, true}) {
            StartedWindow w;
            w.window->recommencer1Click();
            w.item("Chargerlesvaleurspardfaut1")->trigger(); // the tick stops, the scene is still drawn
            if (viewer) {
                TFormFlash* shown = w.window->fullScreenViewer();
                QTimer::singleShot(100, shown, [shown] { shown->close(); });
                w.item("plus1")->trigger();
            } else {
                w.command(w.panel(), "modeleglucose");
                QTRY_COMPARE(w.boxes.seen.size(), size_t(1));
            }
            QVERIFY(w.timer("Timer1")->isActive());
            QVERIFY2(!w.timer("Timer2")->isActive(), viewer ? "after F1" : "after the notice");
        }
    }

    void aMovieAskingAHundredTimesForAModalWindowGetsOne()
    {
        // The notice, the error box for a panel value that is no integer, the full-screen viewer.
        for (const char* command : {"modeleglucose", "changetemp", "ensavoirplus"}) {
            StartedWindow w;
            w.window->recommencer1Click();
            w.panel()->SetVariable("valeurtemp", "chaud");
            TFormFlash* viewer = w.window->fullScreenViewer();

            // Counts the modal windows; one opened over another is closed, so that a failure ends.
            int mostModalWindows = 0;
            QTimer watch;
            connect(&watch, &QTimer::timeout, [&] {
                const QWidgetList windows = QApplication::topLevelWidgets();
                const int open = int(std::count_if(windows.begin(), windows.end(), [](QWidget* window) {
                    return window->isVisible() && window->isModal();
                }));
                mostModalWindows = std::max(mostModalWindows, open);
                if (open > 1) {
                    QApplication::activeModalWidget()->close();
                }
            });
            watch.start(5);
            bool flooded = false;
            int viewerTag = -1;
            const auto flood = [&] {
                if (!flooded) {
                    flooded = true;
                    for (int i = 0; i < 100; ++i) {
                        w.command(w.panel(), command);
                    }
                    QTest::qWait(20);
                    viewerTag = viewer->Tag;
                }
            };
            w.boxes.whileOpen = flood;
            QTimer viewerOpen;
            connect(&viewerOpen, &QTimer::timeout, viewer, [&] {
                if (viewer->isVisible()) {
                    viewerOpen.stop();
                    flood();
                    viewer->close();
                }
            });
            viewerOpen.start(10);

            w.command(w.panel(), command);
            QTRY_VERIFY2(flooded && !QApplication::activeModalWidget(), command);
            QCOMPARE(mostModalWindows, 1);
            const bool viewerCase = std::string_view(command) == "ensavoirplus";
            QCOMPARE(w.boxes.seen.size(), size_t(viewerCase ? 0 : 1));
            if (viewerCase) {
                QCOMPARE(viewerTag, 1); // still the viewer opened on the menu movie
            }
            // The window lives on, with the experiment as it was.
            QVERIFY(w.timer("Timer2")->isActive());
        }
    }

    void theExperimentSwitchesTheTimersAndSaysWhatHappened()
    {
        StartedWindow w;
        QTimer* scene = w.timer("Timer1");
        QTimer* tick = w.timer("Timer2");
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));

        // Welcome: a stop leaves the scene timer and keeps the welcome.
        w.item("Arrter1")->trigger();
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::welcome));
        w.item("Pause1")->trigger();
        QVERIFY(!scene->isActive());

        w.item("recommencer1")->trigger();
        QVERIFY(scene->isActive() && tick->isActive());
        QCOMPARE(w.legend()->GetVariable("texte"), QString());
        QTRY_VERIFY(w.world().graphCount >= 1); // the tick runs the graph clock
        w.item("Pause1")->trigger();
        QVERIFY(!scene->isActive() && !tick->isActive());
        w.command(w.panel(), "pause");
        QVERIFY(scene->isActive() && tick->isActive());

        w.item("Arrter1")->trigger();
        QVERIFY(!scene->isActive() && !tick->isActive());
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::interrupted));
        auto* sceneSurface = w.window->findChild<DrawingSurface*>("DXDraw1");
        QCOMPARE(sceneSurface->frontBuffer().pixelColor(100, 100), QColor(Qt::white));
        w.item("Pause1")->trigger();
        QVERIFY(!scene->isActive() && !tick->isActive());

        // A quantity change suspends a running experiment and asks for a restart.
        w.command(w.panel(), "recommencer");
        QVERIFY(tick->isActive());
        w.panel()->SetVariable("valeursub", "50");
        w.command(w.panel(), "changesub");
        QVERIFY(!scene->isActive() && !tick->isActive());
        QCOMPARE(w.world().substrateAmount, 50);
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::suspended));

        w.item("recommencer1")->trigger();
        w.item("suspendrexp1")->trigger();
        QVERIFY(!scene->isActive() && !tick->isActive());
        QCOMPARE(w.legend()->GetVariable("texte"), QString());
    }

    void denaturationIsToldInTheLegend()
    {
        StartedWindow w;
        w.panel()->SetVariable("valeurph", "1");
        w.window->recommencer1Click();
        QVERIFY(w.world().denatured[1]);
        QCOMPARE(w.legend()->GetVariable("texte"), comment(CommentText::denaturation));
        QVERIFY(w.legend()->GetVariable("texte").contains("irréversible.\r\rCliquez"));
    }

    void aPanelValueThatIsNoIntegerIsReportedAndChangesNothing()
    {
        StartedWindow w;
        w.window->recommencer1Click();
        w.panel()->SetVariable("valeurtemp", "chaud");
        w.command(w.panel(), "changetemp");
        QTRY_COMPARE(w.boxes.seen.size(), size_t(1));
        QCOMPARE(w.boxes.seen[0].text, QString("'chaud' is not a valid integer value."));
        QCOMPARE(w.world().temperature, 37);
        QCOMPARE(w.world().graphMarks[0], 0); // no mark for a change that failed
    }

    void axisLabelsInPerCentOrArbitraryUnits()
    {
        StartedWindow w;
        w.panel()->SetVariable("valeursub", "80");
        w.command(w.panel(), "changesub");
        auto* percent = w.window->findChild<QCheckBox*>("CheckBox1");
        const auto label = [&](const char* name) { return w.window->findChild<QLabel*>(name)->text(); };
        percent->click();
        QCOMPARE(label("LabelPourcent"), QString("80 UA"));
        QCOMPARE(label("LabelPourcent0"), QString("0 UA"));
        percent->click();
        QCOMPARE(label("LabelPourcent"), QString("100 %"));
        QCOMPARE(label("LabelPourcent0"), QString("0 %"));
    }

    void aRunningExperimentIsDrawnInTheSceneAndTheGraph()
    {
        StartedWindow w;
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->recommencer1Click();
        auto* scene = w.window->findChild<DrawingSurface*>("DXDraw1");
        auto* graph = w.window->findChild<DrawingSurface*>("EcranSub");
        QTRY_VERIFY_WITH_TIMEOUT(w.world().graphCount >= 2, 5000);
        const QImage frame = scene->frontBuffer();
        int coloured = 0;
        for (int y = 0; y < frame.height(); y += 2) {
            for (int x = 0; x < frame.width(); x += 2) {
                coloured += frame.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        QVERIFY(coloured > 500); // 20 enzymes and 100 lactose in large symbols
        QCOMPARE(graph->frontBuffer().pixelColor(200, 150), QColor(Qt::black));
        QCOMPARE(w.window->findChild<QLabel*>("LabelTemps")->text(),
                 QString::number(w.world().graphCount) + " s");
    }

    void twoMinutesAtFullLoadThroughTheWindow()
    {
        const QByteArray full = "[temperature]\n37\n[ph]\n8\n[enzyme]\n200\n[substrat]\n200\n[autre]\n200\n";
        StartedWindow w(&full, {1920, 1080});
        w.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.window.get()));
        w.window->recommencer1Click();
        w.timer("Timer1")->stop(); // the test turns the clock itself, tick and frame alike
        w.timer("Timer2")->stop();
        auto* scene = w.window->findChild<DrawingSurface*>("DXDraw1");
        auto* graph = w.window->findChild<DrawingSurface*>("EcranSub");
        for (int tick = 1; tick <= 2 * 60 * 20; ++tick) {
            w.window->Timer2Timer();
            w.window->Timer1Timer();
            const std::string broken = velmora::testing::brokenInvariant(w.world());
            QVERIFY2(broken.empty(),
                     qPrintable(QString::fromStdString(broken) + " at tick " + QString::number(tick)));
        }
        QCOMPARE(w.world().graphTimeOffset + w.world().graphCount, 100 + 19); // 120 s: a page and 19 s
        QCOMPARE(w.window->findChild<QLabel*>("LabelTemps")->text(), QString("119 s"));
        int coloured = 0;
        const QImage frame = scene->frontBuffer();
        for (int y = 0; y < frame.height(); y += 4) {
            for (int x = 0; x < frame.width(); x += 4) {
                coloured += frame.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        }
        QVERIFY(coloured > 3000); // some 800 molecules, 40 pixels wide, still on the scene
        QCOMPARE(graph->frontBuffer().pixelColor(graph->width() - 5, 5),
                 QColor(Qt::black)); // second 19 of page 2
    }

    void reactionItemsAndPanelSteppingAgree()
    {
        StartedWindow w;
        w.item("Hydrolysedelamylose1")->trigger();
        QCOMPARE(w.world().reactionIndex, 4);
        QCOMPARE(w.panel()->GetVariable("nomreac"), QString("Hydrolyse de l'amylose"));
        QCOMPARE(w.panel()->movieRoot()->property("currentFrame").toInt(), 1);
        w.window->recommencer1Click();
        w.command(w.panel(), "reacsuiv");
        QCOMPARE(w.world().reactionIndex, 1);
        QVERIFY(w.item("Hydrolysedulactose1")->isChecked());
        QVERIFY2(!w.timer("Timer2")->isActive(), "stepping stops the experiment");
        w.command(w.legend(), "reacprev");
        QCOMPARE(w.world().reactionIndex, 4);
        QVERIFY(w.item("Hydrolysedelamylose1")->isChecked());
        w.command(w.legend(), "grands");
        QVERIFY(w.item("Grandssymboles1")->isChecked());
        w.command(w.legend(), "petits");
        QVERIFY(w.item("Petitssymboles1")->isChecked());
        QCOMPARE(clip(w.legend(), "legende")->property("currentFrame").toInt(), 31);
        w.command(w.panel(), "unknown command"); // does nothing
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
