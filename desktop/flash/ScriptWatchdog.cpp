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
using std::chrono::milliseconds;

struct Watched
{
    QJSEngine* engine;
    QString movie;
    bool stopped = false; // its script was interrupted, and it stays so
};

} // namespace

struct ScriptWatchdog::State
{
    std::mutex mutex;
    std::condition_variable wake;
    std::thread watcher;
    bool stopping = false;

    std::vector<Watched> engines;
    milliseconds limit = defaultTimeLimit;
    Clock::time_point lastBeat = Clock::now();
    int busyDepth = 0;
    bool heartbeatSeen = false; // the event loop has run: the thread is watched between beats too
    Heartbeat* heartbeat = nullptr;
    bool stallHandled = false; // the engines running a script in this hold are interrupted
    milliseconds heldTooLongAfter{0};
    std::function<void()> heldTooLong;
    bool heldTooLongCalled = false;

    milliseconds beatInterval() const { return std::clamp(limit / 4, milliseconds(10), milliseconds(500)); }

    // The GUI thread is back (with the mutex held).
    void beat()
    {
        lastBeat = Clock::now();
        stallHandled = false;
    }

    std::vector<Watched>::iterator find(QJSEngine* engine)
    {
        return std::find_if(engines.begin(), engines.end(),
                            [engine](const Watched& w) { return w.engine == engine; });
    }

    // The event loop is held beyond the limit: every engine in a script now is interrupted.
    void stopRunningScripts(milliseconds held)
    {
        for (Watched& watched : engines) {
            if (watched.stopped || !isRunningScript(watched.engine)) {
                continue;
            }
            watched.stopped = true;
            watched.engine->setInterrupted(true);
            std::fprintf(
                stderr,
                "velmora2: a script of the movie %s held the window for %lld ms: the movie's scripts are "
                "stopped\n",
                qPrintable(watched.movie), static_cast<long long>(held.count()));
        }
        stallHandled = true;
    }

    void watch(); // the watcher thread
};

// Lives on the GUI thread: its timer is the heartbeat. It goes with the application.
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
    void restart(milliseconds interval) // with the mutex held
    {
        killTimer(timer_);
        timer_ = startTimer(interval);
    }

protected:
    void timerEvent(QTimerEvent*) override
    {
        const std::lock_guard<std::mutex> lock(state_.mutex);
        state_.heartbeatSeen = true;
        state_.beat();
    }

private:
    State& state_;
    int timer_ = 0;
};

void ScriptWatchdog::State::watch()
{
    std::unique_lock<std::mutex> lock(mutex);
    while (!stopping) {
        wake.wait_for(lock, beatInterval() / 2);
        if (stopping) {
            break;
        }
        const bool watched = busyDepth > 0 || heartbeatSeen;
        const auto held = std::chrono::duration_cast<milliseconds>(Clock::now() - lastBeat);
        if (!watched || held <= limit) {
            continue;
        }
        if (!stallHandled) {
            stopRunningScripts(held);
        }
        if (heldTooLong && !heldTooLongCalled && held > limit + heldTooLongAfter) {
            heldTooLongCalled = true;
            const std::function<void()> action = heldTooLong;
            lock.unlock();
            action();
            lock.lock();
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

bool ScriptWatchdog::isRunningScript(QJSEngine* engine)
{
    // The engine's first member is its current JavaScript stack frame, null while no script runs:
    // Qt's own compiler of scripts relies on that place (it asserts offsetof(EngineBase,
    // currentStackFrame) == 0). It is written by the GUI thread and read here, word-sized.
    const auto* frame = reinterpret_cast<void* const*>(engine->handle());
    return frame && __atomic_load_n(frame, __ATOMIC_RELAXED) != nullptr;
}

bool ScriptWatchdog::anyScriptRunning()
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    return std::any_of(state_->engines.begin(), state_->engines.end(),
                       [](const Watched& watched) { return isRunningScript(watched.engine); });
}

void ScriptWatchdog::watch(QJSEngine* engine)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->engines.push_back({engine, QString()});
    if (!state_->heartbeat && QCoreApplication::instance()) {
        state_->heartbeat = new Heartbeat(*state_);
    }
}

void ScriptWatchdog::forget(QJSEngine* engine)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (const auto found = state_->find(engine); found != state_->engines.end()) {
        state_->engines.erase(found);
    }
}

void ScriptWatchdog::stop(QJSEngine* engine)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (const auto found = state_->find(engine); found != state_->engines.end()) {
        found->stopped = true;
        engine->setInterrupted(true);
    }
}

void ScriptWatchdog::newMovie(QJSEngine* engine, const QString& movie)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (const auto found = state_->find(engine); found != state_->engines.end()) {
        found->movie = movie;
        found->stopped = false;
        engine->setInterrupted(false);
    }
}

void ScriptWatchdog::setTimeLimit(milliseconds limit)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->limit = limit;
    if (state_->heartbeat) {
        state_->heartbeat->restart(state_->beatInterval());
    }
}

void ScriptWatchdog::setHeldTooLong(milliseconds after, std::function<void()> action)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->heldTooLongAfter = after;
    state_->heldTooLong = std::move(action);
    state_->heldTooLongCalled = false;
}

ScriptWatchdog::Busy::Busy()
{
    State& state = *instance().state_;
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (state.busyDepth++ == 0) {
        state.beat(); // coming from C++, the thread runs no script now
    }
}

ScriptWatchdog::Busy::~Busy()
{
    State& state = *instance().state_;
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (--state.busyDepth == 0) {
        state.beat();
    }
}
