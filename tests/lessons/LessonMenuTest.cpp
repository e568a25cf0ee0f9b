// The menu of the explanations shows its newer topics itself: each opens without a warning, its
// scenes all load, its "Menu" reaches the program as the menu's own "retourmenu", and "lastf"
// keeps the topics seen across the reload that follows.

#include "flash/TShockwaveFlash.h"

#include <QQuickItem>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString menuFile = QStringLiteral(VELMORA_ANIMS "/ensavoirplus.swf");

void click(TShockwaveFlash& player, QQuickItem* target)
{
    const QPointF middle = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(&player, Qt::LeftButton, {}, middle.toPoint());
    QTest::qWait(20);
}

} // namespace

class LessonMenuTest : public QObject
{
    Q_OBJECT

private slots:
    void theMenuShowsItsOwnTopicsAndPassesTheirCommandsOn()
    {
        QTest::failOnWarning(QRegularExpression("(file|qrc):.*"));
        TShockwaveFlash player;
        player.resize(1024, 768);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        QSignalSpy commands(&player, &TShockwaveFlash::FSCommand);

        QString lastf;
        int shownTopics = 0;
        for (int topic = 1;; ++topic) {
            // What the program does on "retourmenu": the menu again, with its saved "lastf".
            player.setMovie(menuFile);
            player.SetVariable("lastf", lastf);
            QQuickItem* menu = player.movieRoot();
            QVERIFY(menu);
            const QVariantList topics = menu->property("topics").toList();
            if (topic > topics.size()) {
                break;
            }
            const QString file = topics[topic - 1].toMap().value("file").toString();
            if (file.isEmpty()) {
                continue; // the program opens this one itself
            }
            QVERIFY(QMetaObject::invokeMethod(menu, "choose", Q_ARG(QVariant, topic)));
            auto* loader = qobject_cast<QQuickItem*>(findMovieObject(menu, "shownTopic"));
            QVERIFY(loader);
            QTRY_VERIFY2(loader->property("item").value<QQuickItem*>(), qPrintable(file));
            auto* lesson = loader->property("item").value<QQuickItem*>();
            const int frames = lesson->property("frameCount").toInt();
            QVERIFY2(frames > 1, qPrintable(file));
            for (int frame = 1; frame <= frames; ++frame) {
                QMetaObject::invokeMethod(lesson, "gotoFrame", Q_ARG(QVariant, frame));
                QTest::qWait(40);
            }
            QVERIFY(player.GetVariable("lastf").startsWith(QString::number(topic)));

            commands.clear();
            click(player, qobject_cast<QQuickItem*>(findMovieObject(lesson, "menuButton")));
            QCOMPARE(commands.size(), 1);
            QCOMPARE(commands.first().first().toString(), QString("retourmenu"));
            lastf = player.GetVariable("lastf");
            ++shownTopics;
        }
        QVERIFY(shownTopics > 0);
        // Every topic shown is still marked seen after the last reload.
        player.setMovie(menuFile);
        player.SetVariable("lastf", lastf);
        QCOMPARE(player.movieRoot()->property("seen").toList().size(), shownTopics);

        // A single number, as older versions kept it, names the last topic seen.
        player.setMovie(menuFile);
        player.SetVariable("lastf", "6");
        QCOMPARE(player.movieRoot()->property("page").toInt(), 3);
        QVERIFY(findMovieObject(player.movieRoot(), "topic6")->property("seenLast").toBool());
    }
};

QTEST_MAIN(LessonMenuTest)
#include "LessonMenuTest.moc"
