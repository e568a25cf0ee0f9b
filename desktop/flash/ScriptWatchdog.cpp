#include "flash/ScriptWatchdog.h"

#include <QCoreApplication>
#include <QEvent>
#include <QJSEngine>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct Watched
{
    QJSEngine* engine;
    QString movie;
    bool stopped = false; // its script was interrupted, and it stays so
    // Whether a script of it ran at each of the last samples (newest last): a movie whose jobs follow
    // one another without end lets the event loop turn, and keeps the thread busy all the same.
    std::deque<bool> samples;
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
    Heartbeat* heartbeat = nullptr;
    std::string guiSchedulerStatistics; // /proc/self/task/<GUI thread>/schedstat
    bool stallHandled = false;          // the engines running a script in this hold are interrupted
    bool heldByMovie = false;           // one of them was: this hold is a movie's
    milliseconds heldTooLongAfter{0};
    std::function<void()> heldTooLong;
    bool heldTooLongCalled = false;

    milliseconds beatInterval() const { return std::clamp(limit / 4, milliseconds(10), milliseconds(500)); }
    milliseconds sampleInterval() const { return std::clamp(limit / 20, milliseconds(5), milliseconds(100)); }
    // Samples over twice the time limit; a movie found in a script at nearly all of them is stopped.
    std::size_t samplesKept() const { return static_cast<std::size_t>(2 * limit / sampleInterval()); }

    // The GUI thread is back (with the mutex held).
    void beat()
    {
        lastBeat = Clock::now();
        stallHandled = false;
        heldByMovie = false;
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
            heldByMovie = true;
            std::fprintf(
                stderr,
                "velmora2: a script of the movie %s held the window for %lld ms: the movie's scripts are "
                "stopped\n",
                qPrintable(watched.movie), static_cast<long long>(held.count()));
        }
        stallHandled = true;
    }

    // The time the GUI thread wanted a processor (running, or waiting for one) at each sample, in
    // seconds, beside the samples' clock.
    std::deque<std::pair<Clock::time_point, double>> computing;

    // The GUI thread's time running and waiting to run, from the kernel's scheduler statistics.
    bool wantedTime(double& seconds) const
    {
        std::FILE* statistics = std::fopen(guiSchedulerStatistics.c_str(), "re");
        if (!statistics) {
            return false;
        }
        unsigned long long running = 0;
        unsigned long long waiting = 0;
        const bool read = std::fscanf(statistics, "%llu %llu", &running, &waiting) == 2;
        std::fclose(statistics);
        seconds = double(running + waiting) * 1e-9;
        return read;
    }

    // The share of the last two time limits that the GUI thread wanted a processor, or 0 before
    // then. (Its running time alone would say less on a machine busy with other work.)
    double computingShare()
    {
        double wanted = 0;
        if (guiSchedulerStatistics.empty() || !wantedTime(wanted)) {
            computing.clear();
            return 0;
        }
        const Clock::time_point now = Clock::now();
        computing.emplace_back(now, wanted);
        while (computing.size() > samplesKept() + 1) {
            computing.pop_front();
        }
        if (computing.size() <= samplesKept()) {
            return 0;
        }
        const double wall = std::chrono::duration<double>(now - computing.front().first).count();
        return wall > 0 ? (computing.back().second - computing.front().second) / wall : 0;
    }

    // Takes a sample of every engine; stops one that ran a script at most samples of the last two
    // time limits while the GUI thread computed nearly all the time.
    void sampleEngines()
    {
        const double share = computingShare();
        for (Watched& watched : engines) {
            watched.samples.push_back(!watched.stopped && isRunningScript(watched.engine));
            while (watched.samples.size() > samplesKept()) {
                watched.samples.pop_front();
            }
            const auto busy = std::count(watched.samples.begin(), watched.samples.end(), true);
            // A held loop is the other test's (stopRunningScripts): this one is for a loop that turns.
            const bool turning = Clock::now() - lastBeat < limit;
            if (turning && share > 0.9 && watched.samples.size() == samplesKept() &&
                busy * 2 >= static_cast<long>(samplesKept())) {
                watched.stopped = true;
                watched.samples.clear();
                interruptBetweenJobs(watched.engine);
                std::fprintf(
                    stderr,
                    "velmora2: the scripts of the movie %s kept the window busy for %lld ms: they are "
                    "stopped\n",
                    qPrintable(watched.movie), static_cast<long long>(2 * limit.count()));
            }
        }
    }

    void watch(); // the watcher thread

    // Interrupts `engine` from the GUI thread, between two of its jobs, as the loop turns (with the
    // mutex held). The movie may have started anew meanwhile: it is then left as it is.
    void interruptBetweenJobs(QJSEngine* engine);
};

// Lives on the GUI thread: its timer is the heartbeat. It goes with the application.
class ScriptWatchdog::Heartbeat : public QObject
{
public:
    explicit Heartbeat(State& state) : state_(state)
    {
        setParent(QCoreApplication::instance());
        timer_ = startTimer(state.beatInterval());
        state.guiSchedulerStatistics = "/proc/self/task/" + std::to_string(gettid()) + "/schedstat";
    }
    ~Heartbeat() override
    {
        const std::lock_guard<std::mutex> lock(state_.mutex);
        state_.heartbeat = nullptr;
        state_.guiSchedulerStatistics.clear();
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
        state_.beat();
    }

private:
    State& state_;
    int timer_ = 0;
};

void ScriptWatchdog::State::interruptBetweenJobs(QJSEngine* engine)
{
    if (!heartbeat) {
        engine->setInterrupted(true);
        return;
    }
    QMetaObject::invokeMethod(
        heartbeat,
        [this, engine] {
            const std::lock_guard<std::mutex> lock(mutex);
            if (const auto found = find(engine); found != engines.end() && found->stopped) {
                engine->setInterrupted(true);
            }
        },
        Qt::QueuedConnection);
}

void ScriptWatchdog::State::watch()
{
    std::unique_lock<std::mutex> lock(mutex);
    while (!stopping) {
        wake.wait_for(lock, sampleInterval());
        if (stopping) {
            break;
        }
        sampleEngines();
        // Watched from the first movie on: the event loop is to turn between two beats from then.
        const bool watched = busyDepth > 0 || heartbeat != nullptr;
        const auto held = std::chrono::duration_cast<milliseconds>(Clock::now() - lastBeat);
        if (!watched || held <= limit) {
            continue;
        }
        if (!stallHandled) {
            stopRunningScripts(held);
        }
        if (heldTooLong && heldByMovie && !heldTooLongCalled && held > limit + heldTooLongAfter) {
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
    state_->engines.push_back({engine, QString(), false, {}});
    if (!state_->heartbeat && QCoreApplication::instance()) {
        state_->heartbeat = new Heartbeat(*state_);
        state_->beat();
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
        found->samples.clear();
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
