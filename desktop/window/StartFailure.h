#pragma once

#include <QString>

// What velmora2 needs before its window: threads, and the writer of the user's files. Without
// them it would run on invisibly, or abort; these say instead, in French (or the user's language)
// on the standard error output, and in a message box where one can still be shown, why the
// program cannot start, and end it with status 1.

// Whether `count` threads can run at once now; they have ended again when this returns, so that
// the process runs a single thread as before.
bool threadsCanStart(int count);

// Says that the system starts no more threads, and ends the program with status 1. No box: the
// toolkit itself needs threads to show one.
[[noreturn]] void endBecauseThreadsRefused();

// Says that the writer of the user's files cannot be started, in a box too, and ends the program
// with status 1.
[[noreturn]] void endBecauseWriterRefused(int argc, char** argv);

// Whether a message of the toolkit says that it could not start a thread.
bool isThreadStartFailure(const QString& message);

// While one exists (from the application object until the window shows), a thread that the toolkit
// cannot start ends the program as endBecauseThreadsRefused() does, instead of leaving it running
// without its display's events. Other messages go on as before.
class ThreadStartWatch
{
public:
    ThreadStartWatch();
    ~ThreadStartWatch();
    ThreadStartWatch(const ThreadStartWatch&) = delete;
    ThreadStartWatch& operator=(const ThreadStartWatch&) = delete;
};
