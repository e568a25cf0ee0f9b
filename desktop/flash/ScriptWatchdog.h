#pragma once

#include <QString>

#include <chrono>
#include <functional>

class QJSEngine;

// A movie's JavaScript stuck in an endless loop would freeze the window for good. A thread of the
// watchdog's own measures how long the GUI thread's event loop has not turned. When it has been
// held for longer than the time limit (two seconds), the watchdog interrupts the movie engines
// that are running a script at that moment (QJSEngine::setInterrupted), whether the script is
// computing or waiting in one long native step (JSON.stringify of a huge object, a sort): the
// engine stops its script as soon as the step returns to it. That engine stays interrupted, so
// that its movie cannot hold the window again: it may be left unusable until its player loads a
// movie anew. One line on standard error tells it; the window goes on. A hold that is no script's
// (a slow disk, a native step called by no script) leaves every engine as it is. A movie whose
// scripts run without end but let the event loop turn between them (an endless chain of promise
// jobs) keeps the thread busy all the same: when the thread computed nearly all of the last two time
// limits and the movie was running a script at most of the samples taken meanwhile, it is stopped
// too, from the GUI thread between two of its jobs: a promise job interrupted midway leaves Qt's
// promise machinery half-built, and the next job crashed the program now and then.
//
// The GUI thread counts as held while it runs movie code called from C++ (a `Busy` scope: a movie
// being loaded, a variable set, a frame shown) and, from the first movie on, between two beats of
// a timer of its own (before the event loop first runs too: a movie's timer may fire first).
class ScriptWatchdog
{
public:
    static ScriptWatchdog& instance(); // started on first use, from the GUI thread

    void watch(QJSEngine* engine);
    void forget(QJSEngine* engine);
    // The engine starts a new movie, named `movie` in reports: it takes scripts again.
    void newMovie(QJSEngine* engine, const QString& movie);

    // While one exists, the GUI thread runs movie code on behalf of C++. Scopes may nest.
    class Busy
    {
    public:
        Busy();
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
    };

#ifdef VELMORA_SANITIZED_BUILD
    // The sanitizers make everything about ten times slower, the loading of a long lesson too:
    // the same share of the time a script may take.
    static constexpr std::chrono::milliseconds defaultTimeLimit{20000};
#else
    static constexpr std::chrono::milliseconds defaultTimeLimit{2000};
#endif
    // For tests, which cannot wait long.
    void setTimeLimit(std::chrono::milliseconds limit);

    // Called once, from the watchdog's thread, when a movie's script held the event loop beyond the
    // time limit and it is still held `after` later although its engine was interrupted (a native
    // step that no interruption ends): the window can then only be given back by starting again.
    // A hold that is no movie's (a slow disk) does not count.
    void setHeldTooLong(std::chrono::milliseconds after, std::function<void()> action);

    // Stops the scripts of the movie that `engine` runs, as for an endless script (a movie that did
    // what no movie may).
    void stop(QJSEngine* engine);

    // Whether `engine` is running a script right now (a native step called by one included).
    static bool isRunningScript(QJSEngine* engine);
    // Whether any watched engine is.
    bool anyScriptRunning();

    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

private:
    ScriptWatchdog();
    struct State;
    class Heartbeat;
    State* state_;
};
