#pragma once

#include <chrono>

class QJSEngine;

// A movie's JavaScript stuck in an endless loop would freeze the window for good. A thread of the
// watchdog's own watches the GUI thread: when it has been busy for longer than the time limit
// (two seconds) without coming back, every watched movie engine is interrupted
// (QJSEngine::setInterrupted): the running script stops with an error, the movie may be left
// unusable, and the window goes on. Once the GUI thread is back, the engines take scripts again,
// and one line on standard error tells what happened.
//
// The GUI thread counts as busy while it runs movie code called from C++ (a `Busy` scope: a movie
// being loaded, a variable set, a frame shown) and, once its event loop has run, between two
// beats of a timer of its own. A stall that is not a script's (a slow disk) may so interrupt the
// engines too; they are re-enabled as soon as the thread is back, at the latest when movie code
// is next called from C++.
class ScriptWatchdog
{
public:
    static ScriptWatchdog& instance(); // started on first use, from the GUI thread

    void watch(QJSEngine* engine);
    void forget(QJSEngine* engine);

    // While one exists, the GUI thread runs movie code on behalf of C++. Scopes may nest.
    class Busy
    {
    public:
        Busy();
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;
    };

    static constexpr std::chrono::milliseconds defaultTimeLimit{2000};
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
