#pragma once

#include <sys/types.h>

// The program's first process stays small, single-threaded and unrestricted: it starts the writer
// of the user's files (WriterProcess.h) and the window, each in a process of its own, and
// supervises them. When the writer goes (killed, or stuck and ended at the window's request), it
// starts a new one and hands it to the window; when the window is held for good, it starts it
// again (see askRestart); when the window ends, it ends as the window did
// (its exit status, or its signal), once the writer has finished what it was doing. A signal asking
// it to end (SIGTERM, SIGINT, SIGHUP) is passed on to the window. The window and the writer end if
// it is killed.

// What the window's process receives.
struct WindowSide
{
    int writerChannel = -1;
    pid_t writer = -1;
    int supervisor = -1; // where the window asks for a new writer, or to be started again
    bool resume = false; // started again after a hold: it takes its experiment up at once
};

// What the window sends its supervisor (one byte on `supervisor`, WriterProtocol.h): a new writer,
// please (answered with the writer's process id and its channel); or, from the watchdog's thread,
// the window is held for good: end it and start a new one, which takes the experiment up again
// (WindowSide::resume). A window held again within a minute of such a start is not started again:
// the supervisor says so and ends with status 1, the experiment left for the next start.

enum class SupervisedStart
{
    window,        // in the window's process: go on and show the window
    writerRefused, // the system started no writer: nothing was started
    windowRefused, // the system started no window process
};

// Starts the writer and the window. Returns in the window's process only (or when nothing could be
// started); the supervisor's process never returns from it. Call while the process runs a single
// thread.
SupervisedStart startSupervisedWindow(WindowSide& side);
