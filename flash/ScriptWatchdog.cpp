#include "flash/ScriptWatchdog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QJSEngine>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

QEvent::Type backEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

struct ScriptWatchdog::State
{
    std::mutex mutex;
    std::condition_variable wake;
    std::thread watcher;
    bool stopping = false;

    std::vector<QJSEngine*> engines;
    std::chrono::milliseconds limit = defaultTimeLimit;
    Clock::time_point lastBeat = Clock::now();
    int busyDepth = 0;
    bool heartbeatSeen = false; // the event loop has run: the thread is watched between beats too
    bool interrupted = false;
    Heartbeat* heartbeat = nullptr;

    void beat() // with the mutex held, on the GUI thread
    {
        lastBeat = Clock::now();
        if (interrupted) {
            for (QJSEngine* engine : engines) {
                engine->setInterrupted(false);
            }
            interrupted = false;
            std::fprintf(stderr,
                         "velmora2: the window did not answer for more than %lld ms: the movie scripts "
                         "running then were interrupted\n",
                         static_cast<long long>(limit.count()));
        }
    }

    std::chrono::milliseconds beatInterval() const
    {
        return std::clamp(limit / 4, std::chrono::milliseconds(10), std::chrono::milliseconds(500));
    }

    void watch(); // the watcher thread
};

// Lives on the GUI thread: its timer is the heartbeat, and the watchdog's event brings the engines
// back as soon as the thread is free again. It goes with the application.
class ScriptWatchdog::Heartbeat : public QObject
{
public:
    explicit Heartbeat(State& state) : state_(state)
    {
        setParent(QCoreApplication::instance());
        timer_ = startTimer(state.beatInterval());
    }
    ~Heartbeat() override
    {
        const std::lock_guard<std::mutex> lock(state_.mutex);
        state_.heartbeat = nullptr;
    }
    void restart(std::chrono::milliseconds interval) // with the mutex held
    {
        killTimer(timer_);
        timer_ = startTimer(interval);
    }

protected:
    void timerEvent(QTimerEvent*) override { beat(); }
    bool event(QEvent* event) override
    {
        if (event->type() == backEvent()) {
            beat();
            return true;
        }
        return QObject::event(event);
    }

private:
    void beat()
    {
        const std::lock_guard<std::mutex> lock(state_.mutex);
        state_.heartbeatSeen = true;
        state_.beat();
    }

    State& state_;
    int timer_ = 0;
};

void ScriptWatchdog::State::watch()
{
    std::unique_lock<std::mutex> lock(mutex);
    while (!stopping) {
        wake.wait_for(lock, beatInterval());
        const bool busy = busyDepth > 0 || heartbeatSeen;
        if (stopping || interrupted || !busy || engines.empty() || Clock::now() - lastBeat <= limit) {
            continue;
        }
        for (QJSEngine* engine : engines) {
            engine->setInterrupted(true);
        }
        interrupted = true;
        if (heartbeat) {
            QCoreApplication::postEvent(heartbeat, new QEvent(backEvent()), Qt::HighEventPriority);
        }
    }
}

ScriptWatchdog::ScriptWatchdog() : state_(new State)
{
    state_->watcher = std::thread([this] { state_->watch(); });
}

ScriptWatchdog::~ScriptWatchdog()
{
    {
        const std::lock_guard<std::mutex> lock(state_->mutex);
        state_->stopping = true;
    }
    state_->wake.notify_all();
    state_->watcher.join();
    delete state_;
}

ScriptWatchdog& ScriptWatchdog::instance()
{
    static ScriptWatchdog watchdog;
    return watchdog;
}

void ScriptWatchdog::watch(QJSEngine* engine)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->engines.push_back(engine);
    // The heartbeat, made once there is an application to run it; it goes with the application.
    if (!state_->heartbeat && QCoreApplication::instance()) {
        state_->heartbeat = new Heartbeat(*state_);
    }
}

void ScriptWatchdog::forget(QJSEngine* engine)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    std::erase(state_->engines, engine);
    engine->setInterrupted(false);
}

void ScriptWatchdog::setTimeLimit(std::chrono::milliseconds limit)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->limit = limit;
    if (state_->heartbeat) {
        state_->heartbeat->restart(state_->beatInterval());
    }
}

ScriptWatchdog::Busy::Busy()
{
    State& state = *instance().state_;
    const std::lock_guard<std::mutex> lock(state.mutex);
    // Coming from C++, the thread runs no script now: engines stopped meanwhile may run again.
    if (state.busyDepth++ == 0) {
        state.beat();
    }
    state.lastBeat = Clock::now();
}

ScriptWatchdog::Busy::~Busy()
{
    State& state = *instance().state_;
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (--state.busyDepth == 0) {
        state.beat();
    }
    state.lastBeat = Clock::now();
}
