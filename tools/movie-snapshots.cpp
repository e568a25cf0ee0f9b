// Pictures of a movie, frame by frame, for looking at lessons without clicking through them:
//   velmora-movie-snapshots MOVIE WIDTHxHEIGHT FOLDER [STEPS [MILLISECONDS]]
// shows MOVIE in a player of that size, and for every frame of its main timeline writes STEPS
// pictures (default 1), MILLISECONDS apart (default 1000), as FOLDER/<movie>-<frame>-<step>.png.
// Every message of Qt Quick is printed; the exit status is 1 when there was any, or when the movie
// could not be shown. Run it headless: QT_QPA_PLATFORM=offscreen QT_QUICK_BACKEND=software.

#include "flash/TShockwaveFlash.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QQuickItem>
#include <QRegularExpression>
#include <QTimer>

#include <cstdio>

namespace {

bool messagesSeen = false;

void printMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    messagesSeen = true;
    std::fprintf(stderr, "%s\n", qPrintable(message));
}

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QRegularExpression sizePattern("^(\\d+)x(\\d+)$");
    const auto size = arguments.size() >= 4 ? sizePattern.match(arguments[2]) : QRegularExpressionMatch();
    if (arguments.size() < 4 || arguments.size() > 6 || !size.hasMatch()) {
        std::fprintf(stderr, "usage: velmora-movie-snapshots MOVIE WIDTHxHEIGHT FOLDER [STEPS [MILLISECONDS]]\n");
        return 2;
    }
    const int steps = arguments.size() >= 5 ? qMax(1, arguments[4].toInt()) : 1;
    const int interval = arguments.size() >= 6 ? qMax(0, arguments[5].toInt()) : 1000;
    QDir().mkpath(arguments[3]);
    qInstallMessageHandler(printMessage);

    TShockwaveFlash player;
    player.resize(size.captured(1).toInt(), size.captured(2).toInt());
    player.show();
    player.setMovie(QFileInfo(arguments[1]).absoluteFilePath());
    QQuickItem* root = player.movieRoot();
    if (!root) {
        return 1;
    }
    const QString name = QFileInfo(arguments[1]).completeBaseName();
    const int frames = qMax(1, root->property("frameCount").toInt());
    for (int frame = 1; frame <= frames; ++frame) {
        player.GotoFrame(frame);
        for (int step = 1; step <= steps; ++step) {
            wait(step == 1 ? 100 : interval);
            const QString file =
                QString("%1/%2-%3-%4.png").arg(arguments[3], name).arg(frame, 2, 10, QChar('0')).arg(step);
            player.grabFramebuffer().save(file);
        }
    }
    return messagesSeen ? 1 : 0;
}
