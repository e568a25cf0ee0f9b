// The window's language: chosen from the locale, complete in English, and in English everywhere a
// student looks (menus, panel, legend, graph help, lesson menu, screen-reader texts) while the C
// locale keeps the French.

#include "MainWindowHarness.h"

#include "flash/TFormInfo.h"
#include "graph/ActivityWindow.h"
#include "graph/GraphExport.h"
#include "graph/GraphMenu.h"
#include "plot/ActivityChart.h"
#include "window/ModelTexts.h"
#include "window/Translation.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMap>
#include <QMenuBar>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString builtTranslations = QStringLiteral(VELMORA_BUILT_TRANSLATIONS);
const QString englishSource = QStringLiteral(VELMORA_SOURCE_TRANSLATIONS "/velmora2_en.ts");

// The process's environment for the locale, as given; the rest unset.
class Locale
{
public:
    explicit Locale(const QMap<QString, QString>& variables)
    {
        for (const char* name : names) {
            saved_.insert(name, qgetenv(name));
            qunsetenv(name);
        }
        for (auto it = variables.begin(); it != variables.end(); ++it) {
            qputenv(it.key().toLatin1().constData(), it.value().toUtf8());
        }
    }
    ~Locale()
    {
        for (auto it = saved_.begin(); it != saved_.end(); ++it) {
            it.value().isNull() ? qunsetenv(it.key().constData()) : qputenv(it.key().constData(), it.value());
        }
        // The translators that installTranslations gave the application.
        for (QTranslator* translator : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

private:
    static constexpr const char* names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    QMap<QByteArray, QByteArray> saved_;
};

QStringList menuTitles(TFormmodel& window)
{
    QStringList titles;
    for (QAction* action : window.menuBar()->actions()) {
        if (action->menu() && action->isVisible()) {
            titles << action->text();
        }
    }
    return titles;
}

QString itemText(TShockwaveFlash* movie, const char* name)
{
    QQuickItem* item = movieItem(movie, name);
    return item ? item->property("text").toString() : QString();
}

// The placeholders and the markup of a message, which a translation keeps.
QStringList fixedParts(const QString& text)
{
    QStringList parts;
    QRegularExpressionMatchIterator it = QRegularExpression("%[0-9n]|<[^>]*>|\r|\n").globalMatch(text);
    while (it.hasNext()) {
        parts << it.next().captured();
    }
    parts.sort();
    return parts;
}

} // namespace

class TranslationTest : public QObject
{
    Q_OBJECT

private slots:
    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("variables");
        QTest::addColumn<QString>("language");
        QTest::newRow("nothing set") << ""
                                     << "";
        QTest::newRow("LANGUAGE, a list") << "LANGUAGE=de:en"
                                          << "en";
        QTest::newRow("LANGUAGE, no translation") << "LANGUAGE=de"
                                                  << "";
        QTest::newRow("LANGUAGE, French first") << "LANGUAGE=fr:en"
                                                << "";
        QTest::newRow("LANGUAGE before LANG") << "LANGUAGE=en_US LANG=fr_FR.UTF-8"
                                              << "en";
        QTest::newRow("empty LANGUAGE") << "LANGUAGE= LANG=en_GB.UTF-8"
                                        << "en";
        QTest::newRow("C locale") << "LC_ALL=C"
                                  << "";
        QTest::newRow("C.UTF-8 before English") << "LC_ALL=C.UTF-8 LANG=en_US.UTF-8"
                                                << "";
        QTest::newRow("POSIX messages") << "LC_MESSAGES=POSIX LANG=en_GB"
                                        << "";
        QTest::newRow("LC_MESSAGES before LANG") << "LC_MESSAGES=en_IE.UTF-8 LANG=fr_FR"
                                                 << "en";
        QTest::newRow("English") << "LANG=en_GB.UTF-8"
                                 << "en";
        QTest::newRow("English, modifier") << "LANG=en@shaw"
                                           << "en";
        QTest::newRow("French") << "LANG=fr_FR"
                                << "";
        QTest::newRow("untranslated") << "LANG=de_DE.UTF-8"
                                      << "";
    }
    void languageFollowsTheLocale()
    {
        QFETCH(QString, variables);
        QFETCH(QString, language);
        QMap<QString, QString> environment;
        for (const QString& assignment : variables.split(' ', Qt::SkipEmptyParts)) {
            environment.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
        }
        const auto variable = [&](const char* name) { return environment.value(name); };
        QCOMPARE(chooseLanguage(variable, {"en"}), language);
    }

    void theEnglishTranslationIsCompleteAndKeepsPlaceholdersAndMarkup()
    {
        QFile file(englishSource);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString context;
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() == u"TS") {
                QCOMPARE(xml.attributes().value("sourcelanguage").toString(), QString("fr"));
                QVERIFY(xml.attributes().value("language").startsWith(u"en"));
            } else if (xml.name() == u"name") {
                context = xml.readElementText();
            } else if (xml.name() == u"source") {
                // The carriage returns of the comments are written as <byte value="xd"/>.
                source.clear();
                while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"source") {
                    source += xml.isCharacters()                              ? xml.text().toString()
                              : xml.name() == u"byte" && xml.isStartElement() ? QString('\r')
                                                                              : QString();
                }
            } else if (xml.name() == u"translation") {
                ++messages;
                const QString where = context + ": " + source;
                QVERIFY2(xml.attributes().value("type").isEmpty(),
                         qPrintable(where + " is " + xml.attributes().value("type").toString()));
                QString translation;
                while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() != u"translation") {
                    translation += xml.isCharacters()                              ? xml.text().toString()
                                   : xml.name() == u"byte" && xml.isStartElement() ? QString('\r')
                                                                                   : QString();
                }
                QVERIFY2(!translation.isEmpty(), qPrintable(where));
                QVERIFY2(fixedParts(translation) == fixedParts(source),
                         qPrintable(where + " -> " + translation));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 300);
    }

    void anEnglishLocaleShowsTheWindowAndItsMoviesInEnglish()
    {
        const Locale locale({{"LANG", "en_GB.UTF-8"}});
        QCOMPARE(installTranslations(*qApp, builtTranslations), QString("en"));
        ShownWindow w;
        TFormmodel& window = *w.window;
        QCOMPARE(menuTitles(window), QStringList({"&File", "&Model", "&View", "&Learn more about"}));
        QCOMPARE(window.windowTitle(), QString("Modelling enzyme activity"));
        QCOMPARE(window.findChild<QLabel*>("Label14")->text(), QString("Time:"));
        QCOMPARE(w.item("recommencer1")->text(), QString("&Start / restart"));
        // The panel and the legend, with the texts that the window writes into them.
        QCOMPARE(itemText(w.panel(), "startButton"), QString("Start / restart the experiment"));
        QCOMPARE(w.panel()->GetVariable("nomreac"), QString("Lactose hydrolysis"));
        QVERIFY(w.legend()->GetVariable("texte").startsWith("Welcome to Velmora v2!"));
        QCOMPARE(QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("DXDraw1"))
                     ->text(QAccessible::Description),
                 QString("No experiment running"));
        // The activity curves' words, counted as English counts.
        const velmora::ChartWords chartWords = translatedChartWords();
        QCOMPARE(velmora::parameterAxisTitle(velmora::SweepParameter::temperature, 1, chartWords),
                 std::string("Temperature (°C)"));
        QCOMPARE(velmora::parameterValueText(velmora::SweepParameter::substrate, 0, 1, chartWords),
                 std::string("0\u00a0substrate molecules"));
        QCOMPARE(GraphExport::spreadsheetNumber(-2.5, 1), QString("-2.5")); // a point, for English sheets
        // The graph's explanation and the lesson menu.
        TFormInfo* graphHelp = window.graphViewer();
        graphHelp->movieFile = QStringLiteral("infograph.swf");
        graphHelp->Tag = 1;
        graphHelp->Activer1Click();
        QCOMPARE(itemText(graphHelp->player(), "closeButton"), QString("Close"));
        TShockwaveFlash lessonMenu;
        lessonMenu.setMovie(programMovies + "/ensavoirplus.swf");
        QQuickItem* menu = lessonMenu.movieRoot();
        QVERIFY(menu);
        QCOMPARE(menu->property("pages").toStringList().value(0), QString("The enzyme"));
        QCOMPARE(menu->property("topics").toList().value(4).toMap().value("title").toString(),
                 QString("Using Velmora"));
    }

    void theCLocaleKeepsTheFrench()
    {
        const Locale locale({{"LC_ALL", "C"}, {"LANG", "en_GB.UTF-8"}});
        QCOMPARE(installTranslations(*qApp, builtTranslations), QString());
        ShownWindow w;
        QCOMPARE(menuTitles(*w.window),
                 QStringList({"&Fichier", "&Modèle", "Affic&hage", "&En savoir plus sur"}));
        QCOMPARE(itemText(w.panel(), "startButton"), QString("Démarrer / recommencer l'expérience"));
        QCOMPARE(w.panel()->GetVariable("nomreac"), QString("Hydrolyse du lactose"));
        QVERIFY(w.legend()->GetVariable("texte").startsWith("Bienvenue sur Velmora v2 !"));
    }

    // In each language, every menu and every row of buttons underlines a letter of each entry, never
    // the same twice, and the menus name their keys in that language.
    void everyMenuHasItsOwnUnderlinedLetters_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("keys"); // of Démarrer, Pause, Arrêter, Purger, Quitter
        QTest::newRow("fr") << "LC_ALL"
                            << "C" << QStringList{"Entrée", "Espace", "Échap", "Maj+P", "Alt+F4"};
        QTest::newRow("en") << "LANG"
                            << "en_GB.UTF-8" << QStringList{"Enter", "Space", "Esc", "Shift+P", "Alt+F4"};
    }

    void everyMenuHasItsOwnUnderlinedLetters()
    {
        QFETCH(QString, variable);
        QFETCH(QString, locale);
        QFETCH(QStringList, keys);
        const Locale chosen({{variable, locale}});
        installTranslations(*qApp, builtTranslations);
        StartedWindow w;
        QStringList faults;
        const auto check = [&](const QString& where, const QList<QString>& entries, bool everyOne) {
            QMap<QChar, QString> taken;
            for (const QString& entry : entries) {
                const QChar letter = underlined(entry);
                if (letter.isNull()) {
                    // Numbers need none: the arrows reach them.
                    if (everyOne && entry.contains(QRegularExpression("[^\\d\\s]"))) {
                        faults << where + ": " + entry + " has no underlined letter";
                    }
                } else if (taken.contains(letter)) {
                    faults << where + ": " + entry + " and " + taken[letter] + " share Alt+" + letter;
                } else {
                    taken.insert(letter, entry);
                }
            }
        };
        const auto texts = [](const QList<QAction*>& actions) {
            QStringList found;
            for (QAction* action : actions) {
                if (!action->isSeparator() && !action->text().isEmpty()) {
                    found << action->text();
                }
            }
            return found;
        };
        QStringList bar;
        for (QAction* entry : w.window->menuBar()->actions()) {
            if (entry->menu() && entry->isEnabled()) { // "Options" never opens
                bar << entry->text();
            }
        }
        check("menu bar", bar, true);
        // The hidden menu keeps the names its items always had.
        choose(w, "activityTemperature");
        QList<QMenu*> menus = w.window->findChildren<QMenu*>();
        menus << w.window->graphMenu()->menu() << w.window->graphMenu()->menu()->findChildren<QMenu*>();
        for (QMenu* menu : menus) {
            check(menu->title(), texts(menu->actions()), menu->objectName() != "Cache1");
        }
        for (ActivityWindow* activity : w.window->findChildren<ActivityWindow*>()) {
            QStringList buttons;
            for (QAbstractButton* button : activity->findChildren<QAbstractButton*>()) {
                buttons << button->text();
            }
            check(activity->windowTitle(), buttons, true);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));

        QStringList shown;
        for (const char* item : {"recommencer1", "Pause1", "Arrter1", "purger1", "Quitter2"}) {
            shown << w.item(item)->shortcut().toString(QKeySequence::NativeText);
        }
        QCOMPARE(shown, keys);
    }

private:
    // The letter that Alt reaches, in lower case; none for a text without one.
    static QChar underlined(const QString& text)
    {
        for (qsizetype i = 0; i + 1 < text.size(); ++i) {
            if (text[i] == '&') {
                if (text[i + 1] != '&') {
                    return text[i + 1].toLower();
                }
                ++i;
            }
        }
        return {};
    }

    static void choose(const StartedWindow& w, const char* entry)
    {
        QAction* action = w.window->graphMenu()->menu()->findChild<QAction*>(entry);
        QVERIFY2(action, entry);
        action->trigger();
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
