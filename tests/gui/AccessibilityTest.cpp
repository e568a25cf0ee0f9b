#include "MainWindowHarness.h"

#include "flash/TFormInfo.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QtGui/private/qguiapplication_p.h>
#include <QtTest>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

// What a screen reader is told: the events of the accessibility interfaces, as its bridge gets them.
struct HeardEvent
{
    QObject* object;
    QAccessible::Event type;
};
QList<HeardEvent> heard;

void hear(QAccessibleEvent* event)
{
    heard.append({event->object(), event->type()});
}

// While one exists, Qt works as when a screen reader listens: the accessibility is active and its
// events are heard.
class ScreenReader
{
public:
    ScreenReader()
    {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QAccessible::installUpdateHandler(hear);
    }
    ~ScreenReader()
    {
        QAccessible::installUpdateHandler(nullptr);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
    }
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;
};

QAccessibleInterface* accessibleOf(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (!accessible) {
        qWarning("%s has no accessible interface", qPrintable(object->objectName()));
    }
    return accessible;
}

// "FlashBut/startButton" for a movie's control, the widget's name for the window's.
QString focused()
{
    QWidget* widget = QApplication::focusWidget();
    if (!widget) {
        return {};
    }
    if (auto* movie = qobject_cast<TShockwaveFlash*>(widget)) {
        QQuickItem* item = movie->quickWindow()->activeFocusItem();
        return movie->objectName() + "/" + (item ? item->objectName() : QString());
    }
    return widget->objectName();
}

QString noBreak(QString text)
{
    return text.replace('~', QChar(0x00a0));
}

} // namespace

// The window, its movies and a lesson as a student at the keyboard and a screen reader meet them,
// through Qt's accessibility interfaces, headless.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    struct Student
    {
        ShownWindow w;

        Student() { heard.clear(); }

        // Tab (or Shift+Tab) from the control that has the focus.
        void tab(bool forward = true) const
        {
            QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                            forward ? Qt::NoModifier : Qt::ShiftModifier);
        }
        // Tabs until `name` has the focus; false if it never does.
        bool tabTo(const QString& name) const
        {
            for (int i = 0; i < 40 && focused() != name; ++i) {
                tab();
            }
            return focused() == name;
        }
        void key(Qt::Key key) const
        {
            QTest::keyClick(QApplication::focusWidget(), key);
            QTest::qWait(20); // the movie's command arrives
        }
        bool running() const { return w.timer("Timer2")->isActive(); }
    };

private slots:
    void everyControlHasANameARoleAndAValue()
    {
        const ScreenReader listening;
        Student s;
        struct Expected
        {
            const char* movie; // null for the window's own controls
            const char* control;
            QAccessible::Role role;
            const char* name; // '~': a no-break space
            double value;     // for a slider
            bool checked;
            const char* description = nullptr; // when it says something
        };
        const Expected controls[] = {
            {"FlashBut", "temperatureSlider", QAccessible::Slider, "Température, 37~°C", 37, false},
            {"FlashBut", "phSlider", QAccessible::Slider, "pH, 7", 7, false},
            {"FlashBut", "enzymeSlider", QAccessible::Slider, "Enzyme, 20~molécules", 20, false},
            {"FlashBut", "reacsuivButton", QAccessible::Button, "Réaction suivante", 0, false},
            {"FlashBut", "startButton", QAccessible::Button, "Démarrer / recommencer l'expérience", 0, false},
            {"FlashBut", "modeleamylaseButton", QAccessible::Button, "Amylase", 0, false},
            {"FlashLegende", "petitsButton", QAccessible::Button, "Petits symboles", 0, false, ""},
            {"FlashLegende", "grandsButton", QAccessible::Button, "Grands symboles", 0, false, "en usage"},
            {nullptr, "DXDraw1", QAccessible::Client, "Molécules", 0, false},
            {nullptr, "EcranSub", QAccessible::Client, "Graphique~: substrat en fonction du temps", 0, false},
            {nullptr, "Image1", QAccessible::Button, "En savoir plus sur ce graphique", 0, false},
            {nullptr, "CheckBox1", QAccessible::CheckBox, "Graphique en pourcentage", 0, true},
            {nullptr, "FlashBut", QAccessible::Client, "Panneau de commande", 0, false},
        };
        for (const Expected& e : controls) {
            QObject* control = e.movie ? static_cast<QObject*>(movieItem(
                                             s.w.window->findChild<TShockwaveFlash*>(e.movie), e.control))
                                       : s.w.window->findChild<QWidget*>(e.control);
            QVERIFY2(control, e.control);
            QAccessibleInterface* accessible = accessibleOf(control);
            QVERIFY2(accessible, e.control);
            QCOMPARE(accessible->role(), e.role);
            QCOMPARE(accessible->text(QAccessible::Name), noBreak(e.name));
            QCOMPARE(accessible->state().checked, e.checked);
            if (e.description) {
                QCOMPARE(accessible->text(QAccessible::Description), QString(e.description));
            }
            if (e.role == QAccessible::Slider) {
                QCOMPARE(accessible->valueInterface()->currentValue().toDouble(), e.value);
            }
        }

        // A slider tells its range and its step.
        for (const auto& [name, from, to] :
             {std::tuple{"temperatureSlider", -10, 90}, std::tuple{"phSlider", 0, 14},
              std::tuple{"otherSlider", 0, 200}}) {
            QAccessibleValueInterface* value = accessibleOf(movieItem(s.w.panel(), name))->valueInterface();
            QCOMPARE(value->minimumValue().toInt(), from);
            QCOMPARE(value->maximumValue().toInt(), to);
            QCOMPARE(value->minimumStepSize().toInt(), 1);
        }

        // The arrow keys move a slider: its name and value follow, a screen reader is told, and the
        // program gets the change as from the mouse.
        QQuickItem* slider = movieItem(s.w.panel(), "temperatureSlider");
        QVERIFY(s.tabTo("FlashBut/temperatureSlider"));
        s.key(Qt::Key_Right);
        s.key(Qt::Key_Right);
        s.key(Qt::Key_Left);
        QCOMPARE(accessibleOf(slider)->text(QAccessible::Name), noBreak("Température, 38~°C"));
        QCOMPARE(accessibleOf(slider)->valueInterface()->currentValue().toDouble(), 38.0);
        QCOMPARE(s.w.world().temperature, 38);
        QVERIFY(std::any_of(heard.begin(), heard.end(), [&](const HeardEvent& e) {
            return e.object == slider && e.type == QAccessible::NameChanged;
        }));
    }

    void tabGoesThroughEveryControlAndOutOfEachMovie()
    {
        Student s;
        QStringList order{"DXDraw1",
                          "Image1",
                          "EcranSub",
                          "CheckBox1",
                          "FlashLegende/petitsButton",
                          "FlashLegende/grandsButton"};
        for (const char* control :
             {"reacprevButton", "reacsuivButton", "temperatureSlider", "phSlider", "enzymeSlider",
              "substrateSlider", "otherSlider", "startButton", "pauseButton", "moreButton", "quitButton",
              "modelevelmoraButton", "modeleamylaseButton", "modeleglucoseButton", "modelegalactoseButton",
              "modeleamyloseButton", "modelelactoseButton", "modelemaltoseButton"}) {
            order << QStringLiteral("FlashBut/") + control;
        }
        QCOMPARE(focused(), order.first()); // the window opens on the scene
        QStringList reached{focused()};
        for (int i = 0; i < order.size(); ++i) {
            s.tab();
            reached << focused();
        }
        QCOMPARE(reached, order + QStringList{order.first()});
        for (int i = order.size() - 1; i >= 0; --i) {
            s.tab(false);
            QCOMPARE(focused(), order[i]);
        }

        // The ring shows where the keyboard is, on the window's controls and in the movies.
        QVERIFY(s.tabTo("Image1"));
        QWidget* ring = s.w.window->findChild<QWidget*>("focusRing");
        QVERIFY(ring->isVisible());
        QVERIFY(ring->geometry().contains(s.w.window->findChild<QWidget*>("Image1")->geometry().translated(
            s.w.window->findChild<QWidget*>("Panel3")->pos())));
        QVERIFY(s.tabTo("FlashBut/startButton"));
        QVERIFY(!ring->isVisible());
        const auto ringOf = [](QQuickItem* control) {
            const QList<QQuickItem*> children = control->childItems();
            const auto found = std::find_if(children.begin(), children.end(), [](QQuickItem* child) {
                return QString(child->metaObject()->className()).startsWith("FocusRing");
            });
            return found == children.end() ? nullptr : *found;
        };
        QQuickItem* startRing = ringOf(movieItem(s.w.panel(), "startButton"));
        QVERIFY(startRing && startRing->isVisible());
        s.tab();
        QVERIFY(!startRing->isVisible());
    }

    // A control that the keyboard brought the focus to takes the keys it uses; the window's
    // shortcut keys work everywhere else.
    void aFocusedControlTakesItsKeysBeforeTheWindow()
    {
        {
            Student s;
            QVERIFY(s.tabTo("FlashBut/startButton"));
            s.key(Qt::Key_Space); // the button's; the window's Space would pause nothing
            QVERIFY(s.running());
            QVERIFY(s.tabTo("FlashBut/pauseButton"));
            s.key(Qt::Key_Return); // the button's; the window's Enter would start again
            QVERIFY(!s.running() && s.w.world().running);
            s.key(Qt::Key_Enter);
            QVERIFY(s.running());
            QVERIFY(s.tabTo("FlashBut/temperatureSlider"));
            s.key(Qt::Key_Space); // a slider takes no Space: the window pauses
            QVERIFY(!s.running());
            s.key(Qt::Key_Escape);
            QVERIFY(!s.w.world().running);

            QVERIFY(s.tabTo("CheckBox1"));
            s.key(Qt::Key_Space);
            QVERIFY(!s.w.window->findChild<QCheckBox*>("CheckBox1")->isChecked());
            QCOMPARE(s.w.window->findChild<QLabel*>("LabelPourcent")->text(), QString("100 UA"));
        }
        {
            // Clicked with the mouse, a button or the box leaves Space and Enter to the window.
            Student s;
            clickInMovie(s.w.panel(), "startButton");
            QVERIFY(s.running());
            s.key(Qt::Key_Space);
            QVERIFY(!s.running() && s.w.world().running);
            auto* box = s.w.window->findChild<QCheckBox*>("CheckBox1");
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2));
            QVERIFY(box->hasFocus() && !box->isChecked());
            s.key(Qt::Key_Space);
            QVERIFY(s.running() && !box->isChecked());
        }
        {
            // The graph's information icon opens the explanation on Enter.
            Student s;
            QVERIFY(s.tabTo("Image1"));
            TFormInfo* viewer = s.w.window->graphViewer();
            bool opened = false;
            QTimer::singleShot(200, viewer, [&] {
                opened = viewer->isVisible();
                viewer->close();
            });
            s.key(Qt::Key_Return);
            QTRY_VERIFY(opened);
        }
    }

    // The scene and the graph say what they show when asked; a notification tells it while an
    // experiment runs, at once on a start, a pause and a stop, else at most every five seconds.
    void theSceneAndTheGraphAreToldAtTheirPace()
    {
        const ScreenReader listening;
        Student s;
        QWidget* scene = s.w.window->findChild<QWidget*>("DXDraw1");
        QWidget* graph = s.w.window->findChild<QWidget*>("EcranSub");
        QWidget* notice = s.w.window->findChild<QWidget*>("spokenNotice");
        QCOMPARE(accessibleOf(scene)->text(QAccessible::Description), QString("Aucune expérience en cours"));
        QCOMPARE(accessibleOf(notice)->role(), QAccessible::Notification);
        const auto told = [&](QObject* object, QAccessible::Event type) {
            return std::count_if(heard.begin(), heard.end(),
                                 [&](const HeardEvent& e) { return e.object == object && e.type == type; });
        };
        heard.clear();
        clickInMovie(s.w.panel(), "startButton");
        QCOMPARE(told(notice, QAccessible::ObjectShow), 1);
        QTRY_VERIFY_WITH_TIMEOUT(s.w.world().graphCount >= 3, 20000);
        QCOMPARE(told(notice, QAccessible::ObjectShow), 1);
        QCOMPARE(told(scene, QAccessible::DescriptionChanged) + told(graph, QAccessible::DescriptionChanged),
                 0);

        const QString seconds =
            s.w.window->findChild<QLabel*>("LabelTemps")->text().replace(' ', QChar(0x00a0));
        const QString sceneText = accessibleOf(scene)->text(QAccessible::Description);
        QVERIFY2(QRegularExpression(noBreak("^20 enzymes dont [^;]+~; "
                                            "lactose restant~: \\d+~%~; "))
                     .match(sceneText)
                     .hasMatch(),
                 qPrintable(sceneText));
        QVERIFY2(sceneText.endsWith(seconds), qPrintable(sceneText + " / " + seconds));
        const QString graphText = accessibleOf(graph)->text(QAccessible::Description);
        QVERIFY2(QRegularExpression(noBreak("^lactose restant~: \\d+~% à ")).match(graphText).hasMatch(),
                 qPrintable(graphText));
        QTRY_COMPARE_WITH_TIMEOUT(told(notice, QAccessible::ObjectShow), 2, 4000);
        QVERIFY(s.w.world().graphCount >= 5);
        QCOMPARE(accessibleOf(notice)->text(QAccessible::Name),
                 accessibleOf(scene)->text(QAccessible::Description));
        QCOMPARE(accessibleOf(notice)->text(QAccessible::Description),
                 accessibleOf(graph)->text(QAccessible::Description));

        s.key(Qt::Key_Space);
        QCOMPARE(told(notice, QAccessible::ObjectShow), 3);
        QVERIFY(accessibleOf(notice)->text(QAccessible::Name).endsWith(noBreak("~; en pause")));
        s.key(Qt::Key_Escape);
        QCOMPARE(told(notice, QAccessible::ObjectShow), 4);
        QCOMPARE(accessibleOf(notice)->text(QAccessible::Name), QString("Aucune expérience en cours"));
        QCOMPARE(accessibleOf(graph)->text(QAccessible::Description), QString("courbe vide"));
    }

    void aLessonsControlsAreReachableAndNamed()
    {
        const ScreenReader listening;
        TShockwaveFlash player;
        player.resize(1024, 768);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.setMovie(QStringLiteral(VELMORA_ANIMS "/mecanisme.swf"));
        player.GotoFrame(5); // the temperature
        QTest::qWait(50);
        QTest::keyClick(&player, Qt::Key_Tab); // from the lesson, which has the focus when it opens
        struct Expected
        {
            const char* control;
            QAccessible::Role role;
            const char* name;
        };
        const Expected order[] = {
            {"menuButton", QAccessible::Button, "Menu"},
            {"closeButton", QAccessible::Button, "Fermer"},
            {"temperatureSlider", QAccessible::Slider, "Température, 37~°C"},
            {"freshEnzymesButton", QAccessible::Button, "Enzymes neuves"},
            {"tryButton", QAccessible::Button, "Essayer dans Velmora"},
            {"previousButton", QAccessible::Button, "Précédent"},
            {"nextButton", QAccessible::Button, "Suivant"},
        };
        for (const Expected& e : order) {
            QQuickItem* control = player.quickWindow()->activeFocusItem();
            QVERIFY(control);
            QCOMPARE(control->objectName(), QString(e.control));
            QCOMPARE(accessibleOf(control)->role(), e.role);
            QCOMPARE(accessibleOf(control)->text(QAccessible::Name), noBreak(e.name));
            if (e.role == QAccessible::Slider) {
                // A lesson's slider (-10 to 80 °C) takes the keys of the panel's.
                for (const auto& [key, value] :
                     {std::pair{Qt::Key_End, 80}, std::pair{Qt::Key_PageDown, 71},
                      std::pair{Qt::Key_Down, 70}, std::pair{Qt::Key_Home, -10}, std::pair{Qt::Key_Up, -9}}) {
                    QTest::keyClick(&player, key);
                    QCOMPARE(control->property("value").toInt(), value);
                }
            }
            QTest::keyClick(&player, Qt::Key_Tab);
        }
        // Past the last control, the first again: the viewer holds no other.
        QCOMPARE(player.quickWindow()->activeFocusItem()->objectName(), QString("menuButton"));
        QTest::keyClick(&player, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(player.quickWindow()->activeFocusItem()->objectName(), QString("nextButton"));
        QTest::keyClick(&player, Qt::Key_Return);
        QCOMPARE(player.movieRoot()->property("currentFrame").toInt(), 6);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
