#include "flash/MovieWindows.h"

#include "flash/ScriptWatchdog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QQmlEngine>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

class WindowGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWindowType() && !watched->inherits("QWidgetWindow")) {
            refuse(static_cast<QWindow*>(watched));
        }
        return false;
    }

private:
    static void refuse(QWindow* window)
    {
        // Sent before the window reaches the screen: what it would show and take goes nowhere.
        window->setFlags(window->flags() | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
        window->setOpacity(0);
        window->setGeometry(-30000, -30000, 1, 1);
        QQmlEngine* engine = qmlEngine(window);
        std::fprintf(stderr,
                     "velmora2: a movie opened a window of its own: refused, and its scripts are stopped\n");
        if (engine) {
            ScriptWatchdog::instance().stop(engine);
        }
        QTimer::singleShot(0, window, [window = QPointer<QWindow>(window)] {
            if (window) {
                window->setProperty("visible", false);
                window->destroy();
            }
        });
    }
};

} // namespace

void refuseMovieWindows()
{
    static WindowGuard* const guard = [] {
        auto* created = new WindowGuard(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(created);
        return created;
    }();
    (void)guard;
}
