#include "MainWindowHarness.h"

#include "experiment/Comment.h"
#include "model/TimeCourse.h"

#include <QAction>
#include <QQuickItem>
#include <QSignalSpy>
#include <QtTest>

using namespace velmora;

namespace {

QString shown(std::string_view message)
{
    return QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())).replace('\r', '\n');
}

} // namespace

// The program's own control panel and legend, driven with the mouse and the keyboard as a student
// would, headless.
class PanelMoviesTest : public QObject
{
    Q_OBJECT

    struct Student
    {
        ShownWindow w;

        // Presses a slider's track where it stands for `value`, then lets go.
        void slide(const char* name, int value) const
        {
            QQuickItem* slider = movieItem(w.panel(), name);
            const double from = slider->property("from").toDouble();
            const double to = slider->property("to").toDouble();
            const double left = slider->property("leftPadding").toDouble();
            const double available = slider->property("availableWidth").toDouble();
            const double handle = 18;
            const double x = left + handle / 2 + (value - from) / (to - from) * (available - handle);
            const QPoint at = slider->mapToScene(QPointF(x, slider->height() / 2)).toPoint();
            QTest::mousePress(w.panel(), Qt::LeftButton, {}, at);
            QTest::mouseMove(w.panel(), at + QPoint(0, 1));
            QTest::mouseRelease(w.panel(), Qt::LeftButton, {}, at);
            QCoreApplication::processEvents();
        }

        QString comment() const
        {
            QQuickItem* text = movieItem(w.legend(), "commentText");
            return text->parentItem()->isVisible() ? text->property("text").toString() : QString();
        }

        int legendFrame() const { return movieItem(w.legend(), "legende")->property("currentFrame").toInt(); }
    };

private slots:
    void theTemperatureSliderChangesTheModelOnRelease()
    {
        Student s;
        clickInMovie(s.w.panel(), "startButton");
        QVERIFY(s.w.timer("Timer2")->isActive());
        s.slide("temperatureSlider", 60);
        QCOMPARE(s.w.panel()->GetVariable("valeurtemp"), QString("60"));
        QCOMPARE(s.w.world().temperature, 60);
        QCOMPARE(s.w.world().graphMarks[s.w.world().graphCount], temperatureMarkColour);
        QVERIFY(s.w.world().denatured[1]);
        QCOMPARE(s.comment(), shown(CommentText::denaturation));
        QVERIFY(s.w.timer("Timer2")->isActive()); // a temperature change never stops the experiment
    }

    void aHandleLetGoWhereItWasSendsNothing()
    {
        Student s;
        clickInMovie(s.w.panel(), "startButton");
        for (int second = 0; second < 3; ++second) {
            s.w.item("avancedansgraphe1")->trigger();
        }
        QSignalSpy commands(s.w.panel(), &TShockwaveFlash::FSCommand);
        for (const char* name :
             {"temperatureSlider", "phSlider", "enzymeSlider", "substrateSlider", "otherSlider"}) {
            auto* handle = qvariant_cast<QQuickItem*>(movieItem(s.w.panel(), name)->property("handle"));
            const QPointF middle = handle->mapToScene(QPointF(handle->width() / 2, handle->height() / 2));
            QTest::mouseClick(s.w.panel(), Qt::LeftButton, {}, middle.toPoint());
            QTest::qWait(20);
        }
        QCOMPARE(commands.count(), 0);
        QVERIFY(s.w.timer("Timer2")->isActive());
        QCOMPARE(s.w.world().graphMarks[3], noMark);

        // A value the program wrote in is known too: moving back to it sends nothing.
        s.slide("temperatureSlider", 20);
        QCOMPARE(commands.count(), 1);
        s.w.item("Chargerlesvaleurspardfaut1")->trigger();
        s.slide("temperatureSlider", 37);
        QCOMPARE(commands.count(), 1);
    }

    void thePhSliderMarksTheCurrentSecondInBlue()
    {
        Student s;
        clickInMovie(s.w.panel(), "startButton");
        for (int second = 0; second < 3; ++second) {
            s.w.item("avancedansgraphe1")->trigger();
        }
        QCOMPARE(s.w.world().graphCount, 3);
        s.slide("phSlider", 5);
        QCOMPARE(s.w.world().ph, 5);
        QCOMPARE(s.w.world().graphMarks[3], phMarkColour);
        QCOMPARE(s.w.world().charge[1], 1); // 3 below the optimum of lactase: charged +
    }

    void aQuantitySuspendsTheExperiment()
    {
        Student s;
        clickInMovie(s.w.panel(), "startButton");
        s.slide("enzymeSlider", 50);
        QCOMPARE(s.w.world().enzymeAmount, 50);
        QVERIFY(!s.w.timer("Timer1")->isActive() && !s.w.timer("Timer2")->isActive());
        QCOMPARE(s.comment(), shown(CommentText::suspended));
        s.slide("substrateSlider", 200);
        QCOMPARE(s.w.world().substrateAmount, 200);
        s.slide("otherSlider", 0);
        QCOMPARE(s.w.world().otherAmount, 0);
        clickInMovie(s.w.panel(), "startButton");
        QCOMPARE(s.w.world().count[Kind::enzyme], 50);
        QCOMPARE(s.w.world().count[Kind::lactose], 200);
        QCOMPARE(s.comment(), QString());
    }

    void theKeysMoveAFocusedSliderAndSendItsCommand()
    {
        Student s;
        struct Case
        {
            const char* slider;
            const char* variable;
            Qt::Key key;
            int presses;
            const char* expected;
        };
        // From 37 °C, pH 7, 20 enzymes: a page is a tenth of the range, Home and End the ends.
        const Case cases[] = {
            {"temperatureSlider", "valeurtemp", Qt::Key_Right, 2, "39"},
            {"temperatureSlider", "valeurtemp", Qt::Key_Up, 1, "40"},
            {"temperatureSlider", "valeurtemp", Qt::Key_Down, 3, "37"},
            {"temperatureSlider", "valeurtemp", Qt::Key_PageUp, 1, "47"},
            {"temperatureSlider", "valeurtemp", Qt::Key_PageDown, 6, "-10"},
            {"temperatureSlider", "valeurtemp", Qt::Key_End, 1, "90"},
            {"phSlider", "valeurph", Qt::Key_PageUp, 8, "14"},
            {"phSlider", "valeurph", Qt::Key_Home, 1, "0"},
            {"enzymeSlider", "valeurenz", Qt::Key_PageUp, 1, "40"},
            {"enzymeSlider", "valeurenz", Qt::Key_End, 1, "200"},
        };
        for (const Case& c : cases) {
            s.w.panel()->setFocus();
            movieItem(s.w.panel(), c.slider)->forceActiveFocus();
            for (int i = 0; i < c.presses; ++i) {
                QTest::keyClick(s.w.panel(), c.key);
            }
            QCoreApplication::processEvents();
            QCOMPARE(s.w.panel()->GetVariable(c.variable), QString(c.expected));
        }
        // The commands went with each key let go (the model keeps 80 °C above 80).
        QCOMPARE(s.w.world().temperature, 80);
        QCOMPARE(s.w.world().ph, 0);
        QCOMPARE(s.w.world().enzymeAmount, 200);
    }

    void theReactionButtonsStepAroundAndStop()
    {
        Student s;
        clickInMovie(s.w.panel(), "startButton");
        const char* names[] = {"", "Hydrolyse du lactose", "Synthèse du lactose", "Hydrolyse du maltose",
                               "Hydrolyse de l'amylose"};
        for (const int expected : {2, 3, 4, 1}) {
            clickInMovie(s.w.panel(), "reacsuivButton");
            QCOMPARE(s.w.world().reactionIndex, expected);
            QCOMPARE(movieItem(s.w.panel(), "nomreacLabel")->property("text").toString(),
                     QString(names[expected]));
            QVERIFY(!s.w.timer("Timer2")->isActive());
        }
        clickInMovie(s.w.panel(), "reacprevButton");
        QCOMPARE(s.w.world().reactionIndex, 4);
        QVERIFY(s.w.item("Hydrolysedelamylose1")->isChecked());
    }

    void onlyLactoseHydrolysisShowsTheThiolactoseControl()
    {
        Student s;
        for (const int reaction : {1, 2, 3, 4}) {
            const char* items[] = {"", "Hydrolysedulactose1", "Synthsedulactose1", "Hydrolysedumaltose1",
                                   "Hydrolysedelamylose1"};
            s.w.item(items[reaction])->trigger();
            QCOMPARE(s.w.panel()->movieRoot()->property("currentFrame").toInt(), reaction == 1 ? 5 : 1);
            QCOMPARE(movieItem(s.w.panel(), "other")->isVisible(), reaction == 1);
            QVERIFY(movieItem(s.w.panel(), "substrate")->isVisible());
        }
    }

    void theCommentShowsEachMessage()
    {
        Student s;
        QCOMPARE(s.comment(), shown(CommentText::welcome));
        QVERIFY(s.comment().contains("!\n\nChoisissez"));
        clickInMovie(s.w.panel(), "startButton");
        QCOMPARE(s.comment(), QString());
        s.w.item("Arrter1")->trigger();
        QCOMPARE(s.comment(), shown(CommentText::interrupted));
        s.slide("substrateSlider", 120);
        QCOMPARE(s.comment(), shown(CommentText::suspended));
        s.slide("phSlider", 1);
        clickInMovie(s.w.panel(), "startButton");
        QCOMPARE(s.comment(), shown(CommentText::denaturation));
    }

    void theLegendFollowsTheReactionAndTheSymbolSize()
    {
        Student s;
        const auto visible = [&](const char* box) { return movieItem(s.w.legend(), box)->isVisible(); };
        QCOMPARE(s.legendFrame(), 6);
        QVERIFY(visible("cadre2") && !visible("cadre1"));
        clickInMovie(s.w.legend(), "petitsButton");
        QVERIFY(s.w.item("Petitssymboles1")->isChecked());
        QCOMPARE(s.w.world().spriteBase, 0);
        QCOMPARE(s.legendFrame(), 1);
        QVERIFY(visible("cadre1") && !visible("cadre2"));
        const int frames[] = {0, 1, 11, 21, 31};
        for (const int reaction : {2, 3, 4}) {
            clickInMovie(s.w.panel(), "reacsuivButton");
            QCOMPARE(s.legendFrame(), frames[reaction]);
        }
        clickInMovie(s.w.legend(), "grandsButton");
        QCOMPARE(s.legendFrame(), 36);
        QVERIFY(s.w.item("Grandssymboles1")->isChecked());
    }

    void aValueThatIsNoIntegerIsReportedAndTheModelKeepsItsOwn()
    {
        Student s;
        s.w.panel()->SetVariable("valeursub", "beaucoup");
        s.w.command(s.w.panel(), "changesub");
        QTRY_COMPARE(s.w.boxes.seen.size(), size_t(1));
        QCOMPARE(s.w.boxes.seen[0].text, QString("'beaucoup' is not a valid integer value."));
        QCOMPARE(s.w.world().substrateAmount, 100);
        QCOMPARE(s.w.world().concentrationsChanged, false);
    }

    void theButtonsSendTheirCommands()
    {
        Student s;
        clickInMovie(s.w.panel(), "startButton");
        clickInMovie(s.w.panel(), "pauseButton");
        QVERIFY(!s.w.timer("Timer1")->isActive());
        clickInMovie(s.w.panel(), "pauseButton");
        QVERIFY(s.w.timer("Timer1")->isActive());
        clickInMovie(s.w.panel(), "modeleamylaseButton");
        QTRY_COMPARE(s.w.boxes.seen.size(), size_t(1));
        QVERIFY(s.w.boxes.seen[0].text.startsWith("Ces fonctionnalités avancées"));
        clickInMovie(s.w.panel(), "quitButton");
        QVERIFY(!s.w.window->isVisible());
    }

    void reloadingTheDefaultsReplaysThePanelWithItsValues()
    {
        Student s;
        s.slide("temperatureSlider", 20);
        s.w.item("Chargerlesvaleurspardfaut1")->trigger();
        QCOMPARE(s.w.panel()->GetVariable("valeurtemp"), QString("37"));
        QCOMPARE(movieItem(s.w.panel(), "temperatureSlider")->property("value").toInt(), 37);
        QCOMPARE(s.w.panel()->movieRoot()->property("currentFrame").toInt(), 5);
        QTRY_COMPARE(
            movieItem(s.w.panel(), "startButton")->parentItem()->parentItem()->property("opacity").toDouble(),
            1.0);
    }
};

QTEST_MAIN(PanelMoviesTest)
#include "PanelMoviesTest.moc"
