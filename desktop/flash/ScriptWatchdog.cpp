#include "flash/ScriptWatchdog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QJSEngine>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <pthread.h>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

QEvent::Type backEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

struct Watched
{
    QJSEngine* engine;
    QString movie;
    bool stopped = false; // its endless script was interrupted, and it stays so
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
    clockid_t guiCpuClock{};
    bool guiCpuClockKnown = false;

    // The stall being probed: the engine interrupted for a moment, and whether every engine was
    // tried in vain (then the watchdog waits for the thread to come back by itself).
    Watched* probed = nullptr;
    Clock::time_point probedSince;
    std::size_t nextProbe = 0;
    bool probedInVain = false;

    milliseconds beatInterval() const { return std::clamp(limit / 4, milliseconds(10), milliseconds(500)); }
    milliseconds probeInterval() const { return std::clamp(limit / 10, milliseconds(20), milliseconds(100)); }

    // The GUI thread is back (with the mutex held). Freed at once by the interruption of the engine
    // probed then, it was running that engine's endless script; later, it came back by itself.
    void beat()
    {
        lastBeat = Clock::now();
        probedInVain = false;
        if (probed && lastBeat - probedSince > probeInterval() / 2) {
            probed->engine->setInterrupted(false);
            probed = nullptr;
        }
        if (probed) {
            probed->stopped = true;
            std::fprintf(stderr,
                         "velmora2: a script of the movie %s ran for more than %lld ms: the movie's scripts "
                         "are stopped\n",
                         qPrintable(probed->movie), static_cast<long long>(limit.count()));
            probed = nullptr;
        }
    }

    // Interrupts the next engine not yet tried; false when none is left.
    bool probeNext()
    {
        if (probed) {
            probed->engine->setInterrupted(false);
            probed = nullptr;
        }
        while (nextProbe < engines.size() && engines[nextProbe].stopped) {
            ++nextProbe;
        }
        if (nextProbe == engines.size()) {
            return false;
        }
        probed = &engines[nextProbe++];
        probed->engine->setInterrupted(true);
        probedSince = Clock::now();
        return true;
    }

    std::vector<Watched>::iterator find(QJSEngine* engine)
    {
        return std::find_if(engines.begin(), engines.end(),
                            [engine](const Watched& w) { return w.engine == engine; });
    }

    void watch(); // the watcher thread
};

// Lives on the GUI thread: its timer is the heartbeat, and the watchdog's event tells as soon as
// the thread is free again. It goes with the application.
class ScriptWatchdog::Heartbeat : public QObject
{
public:
    explicit Heartbeat(State& state) : state_(state)
    {
        setParent(QCoreApplication::instance());
        timer_ = startTimer(state.beatInterval());
        state.guiCpuClockKnown = pthread_getcpuclockid(pthread_self(), &state.guiCpuClock) == 0;
    }
    ~Heartbeat() override
    {
        const std::lock_guard<std::mutex> lock(state_.mutex);
        state_.heartbeat = nullptr;
        state_.guiCpuClockKnown = false;
    }
    void restart(milliseconds interval) // with the mutex held
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
    Clock::time_point sampledAt = Clock::now();
    timespec cpuSample{};
    double computingShare = 0; // of the GUI thread's time since the last wake
    while (!stopping) {
        wake.wait_for(lock, probed ? probeInterval() : beatInterval());
        const Clock::time_point now = Clock::now();
        timespec cpu{};
        if (guiCpuClockKnown && clock_gettime(guiCpuClock, &cpu) == 0) {
            const double computed =
                double(cpu.tv_sec - cpuSample.tv_sec) + double(cpu.tv_nsec - cpuSample.tv_nsec) * 1e-9;
            const double elapsed = std::chrono::duration<double>(now - sampledAt).count();
            computingShare = elapsed > 0 ? computed / elapsed : 0;
        }
        cpuSample = cpu;
        sampledAt = now;
        if (stopping) {
            break;
        }
        if (probed) {
            // The thread did not come back: that engine ran no script. The next one, if any.
            if (!probeNext()) {
                probedInVain = true;
            }
            continue;
        }
        const bool watched = busyDepth > 0 || heartbeatSeen;
        const bool computing = !guiCpuClockKnown || computingShare > 0.3;
        if (!watched || probedInVain || !computing || now - lastBeat <= limit) {
            continue;
        }
        nextProbe = 0;
        if (probeNext() && heartbeat) {
            QCoreApplication::postEvent(heartbeat, new QEvent(backEvent()), Qt::HighEventPriority);
        } else if (!probed) {
            probedInVain = true;
        }
    }
    if (probed) {
        probed->engine->setInterrupted(false);
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
    state_->probed = nullptr; // the list may move: a probe in course ends
    for (Watched& w : state_->engines) {
        w.engine->setInterrupted(w.stopped);
    }
    state_->engines.push_back({engine, QString()});
    if (!state_->heartbeat && QCoreApplication::instance()) {
        state_->heartbeat = new Heartbeat(*state_);
    }
}

void ScriptWatchdog::forget(QJSEngine* engine)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    state_->probed = nullptr;
    for (Watched& w : state_->engines) {
        w.engine->setInterrupted(w.stopped);
    }
    if (const auto found = state_->find(engine); found != state_->engines.end()) {
        state_->engines.erase(found);
    }
}

void ScriptWatchdog::newMovie(QJSEngine* engine, const QString& movie)
{
    const std::lock_guard<std::mutex> lock(state_->mutex);
    if (const auto found = state_->find(engine); found != state_->engines.end()) {
        found->movie = movie;
        found->stopped = false;
        if (&*found != state_->probed) {
            engine->setInterrupted(false);
        }
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

ScriptWatchdog::Busy::Busy()
{
    State& state = *instance().state_;
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (state.busyDepth++ == 0) {
        state.beat(); // coming from C++, the thread runs no script now
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
