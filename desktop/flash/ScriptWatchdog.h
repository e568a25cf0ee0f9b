#pragma once

#include <QString>

#include <chrono>

class QJSEngine;

// A movie's JavaScript stuck in an endless loop would freeze the window for good. A thread of the
// watchdog's own watches the GUI thread. When the GUI thread has been busy computing for longer
// than the time limit (two seconds) without coming back, the watchdog interrupts the movie engines
// one at a time (QJSEngine::setInterrupted), a moment each, until the thread comes back: the
// engine whose interruption freed it was running the endless script. That engine stays
// interrupted, so that its movie cannot hold the window again: it may be left unusable until its
// player loads a movie anew. One line on standard error tells it; the window goes on.
//
// A stall that is no script's leaves no engine interrupted: one that computes nothing (a slow
// disk) is not probed at all, and when no engine's interruption frees a computing thread, every
// engine is given back.
//
// The GUI thread counts as busy while it runs movie code called from C++ (a `Busy` scope: a movie
// being loaded, a variable set, a frame shown) and, once its event loop has run, between two
// beats of a timer of its own.
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

    ~ScriptWatchdog();
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

private:
    ScriptWatchdog();
    struct State;
    class Heartbeat;
    State* state_;
};
