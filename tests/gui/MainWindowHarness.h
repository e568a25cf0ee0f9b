#pragma once

#include "window/TFormmodel.h"
#include "flash/TShockwaveFlash.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// The panel movies reduced to their variables and clips, or the program's own.
inline const QString testMovies = QStringLiteral(VELMORA_GUI_FIXTURES "/anims");
inline const QString programMovies = QStringLiteral(VELMORA_ANIMS);

// The item of a movie named `name`, at any depth.
inline QQuickItem* movieItem(TShockwaveFlash* movie, const char* name)
{
    auto* found = qobject_cast<QQuickItem*>(findMovieObject(movie->movieRoot(), name));
    if (!found) {
        qWarning("no item %s in %s", name, qPrintable(movie->movie()));
    }
    return found;
}

// Clicks the middle of an item of a movie, then lets the movie's command arrive (it is delivered
// once the movie's own handler has returned).
inline void clickInMovie(TShockwaveFlash* movie, const char* name)
{
    QQuickItem* target = movieItem(movie, name);
    QVERIFY2(target, name);
    const QPointF middle = target->mapToScene(QPointF(target->width() / 2, target->height() / 2));
    QTest::mouseClick(movie, Qt::LeftButton, {}, middle.toPoint());
    QTest::qWait(20);
}

// A folder to start the program from: the movies in "anims", and a settings file when given.
class StartFolder
{
public:
    StartFolder(const QByteArray* settings, const QString& movies)
    {
        QDir().mkpath(folder_.filePath("anims"));
        for (const QString& file : QDir(movies).entryList(QDir::Files)) {
            QFile::copy(movies + "/" + file, folder_.filePath("anims/") + file);
        }
        if (settings) {
            QFile file(folder_.filePath("velmora.ini"));
            file.open(QIODevice::WriteOnly);
            file.write(*settings);
        }
        previous_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
    }
    ~StartFolder() { QDir::setCurrent(previous_); }

    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QString previous_;
};

// Answers every message box that opens, and remembers what it said. `whileOpen` runs once for
// each box before it is answered.
class MessageBoxes : public QObject
{
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        Qt::TextFormat format;
    };

    MessageBoxes()
    {
        timer_.setInterval(10);
        connect(&timer_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            seen.push_back({box->windowTitle(), box->text(), box->icon(), box->textFormat()});
            if (whileOpen) {
                whileOpen();
            }
            box->done(answer);
        });
        timer_.start();
    }

    std::vector<Seen> seen;
    std::function<void()> whileOpen;
    int answer = QMessageBox::Ok; // the button each box is answered with

private:
    QTimer timer_;
};

inline const QByteArray defaultSettings = "[temperature]\n37\n[ph]\n7\n[enzyme]\n20\n[substrat]\n100\n[autre]\n0\n"
                                          "[taille]\n1\n";

// The main window started from a prepared folder, on a screen of the given size.
struct StartedWindow
{
    explicit StartedWindow(const QByteArray* settings = &defaultSettings, QSize screen = {1024, 768},
                           const QString& movies = testMovies)
        : folder(settings, movies), window(std::make_unique<TFormmodel>(screen))
    {
    }

    TShockwaveFlash* panel() const { return window->findChild<TShockwaveFlash*>("FlashBut"); }
    TShockwaveFlash* legend() const { return window->findChild<TShockwaveFlash*>("FlashLegende"); }
    QTimer* timer(const char* name) const { return window->findChild<QTimer*>(name); }
    QAction* item(const char* name) const { return window->findChild<QAction*>(name); }
    velmora::World& world() const { return window->world(); }

    // A movie sends a command, as its buttons do.
    void command(TShockwaveFlash* movie, const char* name) const
    {
        QMetaObject::invokeMethod(movie->movieRoot(), "command", Q_ARG(QVariant, QString(name)),
                                  Q_ARG(QVariant, QString()));
        QCoreApplication::processEvents();
    }

    StartFolder folder;
    MessageBoxes boxes; // before the window, whose start-up may show one
    std::unique_ptr<TFormmodel> window;
};

// The window with the program's own movies, shown and active, as a student finds it.
struct ShownWindow : StartedWindow
{
    ShownWindow()
        : StartedWindow(&defaultSettings, {1024, 768}, programMovies)
    {
        window->show();
        QApplication::setActiveWindow(window.get());
        if (!QTest::qWaitForWindowExposed(window.get())) {
            qWarning("window not shown");
        }
    }
};
