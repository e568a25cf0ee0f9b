#include "window/Supervisor.h"

#include "files/WriterProcess.h"
#include "files/WriterProtocol.h"
#include "window/StartFailure.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/signalfd.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Supervision
{
    pid_t window = -1;
    pid_t writer = -1;
    int control = -1;    // the supervisor's end
    int signalFile = -1; // a signalfd
    sigset_t before;     // the signal mask to give a new window
    std::chrono::steady_clock::time_point restarted{};
    bool everRestarted = false;
};

// In a new window's process: it ends with its supervisor, and has nothing of the supervisor's.
void becomeWindow(pid_t supervisor, const sigset_t& before, int supervisorEnd, int signalFile)
{
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != supervisor) {
        _exit(1);
    }
    if (signalFile >= 0) {
        close(signalFile);
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
    close(supervisorEnd);
}

// Hands a new writer's channel to the window, with its process id (-1 and no channel when the
// system refuses one).
void handOver(int control, pid_t process, int channel)
{
    writer::sendWithFile(control, &process, sizeof process, channel);
}

void endWriter(pid_t writer)
{
    if (writer > 0) {
        kill(writer, SIGKILL);
        while (waitpid(writer, nullptr, 0) < 0 && errno == EINTR) {
        }
    }
}

// The window has ended: the writer finishes what it does (its channel is closed now, so it ends
// after that), for at most a few seconds; then the supervisor ends as the window did.
[[noreturn]] void endAsTheWindow(Supervision& supervision, int status)
{
    if (supervision.writer > 0) {
        for (int wait = 0; wait < 500; ++wait) {
            if (waitpid(supervision.writer, nullptr, WNOHANG) == supervision.writer) {
                supervision.writer = -1;
                break;
            }
            usleep(10000);
        }
        endWriter(supervision.writer);
    }
    if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        std::signal(signal, SIG_DFL);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, signal);
        sigprocmask(SIG_UNBLOCK, &only, nullptr);
        raise(signal);
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 1);
}

// Ends the window held for good and starts another, with a new writer and a new channel to the
// supervisor. True in the new window's process (with `side` set); false in the supervisor's.
bool startAgain(Supervision& supervision, WindowSide& side)
{
    const auto now = std::chrono::steady_clock::now();
    kill(supervision.window, SIGKILL);
    while (waitpid(supervision.window, nullptr, 0) < 0 && errno == EINTR) {
    }
    endWriter(supervision.writer);
    supervision.writer = -1;
    if (supervision.everRestarted && now - supervision.restarted < std::chrono::minutes(1)) {
        endBecauseWindowStaysHeld(); // the experiment stays for the next start
    }
    supervision.everRestarted = true;
    supervision.restarted = now;
    if (supervision.control >= 0) {
        close(supervision.control);
        supervision.control = -1;
    }
    int control[2];
    const WriterProcess writer = socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, control) == 0
                                     ? startWriterProcess()
                                     : WriterProcess{};
    const pid_t supervisor = getpid();
    const pid_t window = writer.process > 0 ? fork() : -1;
    if (window < 0) {
        endWriter(writer.process);
        endBecauseThreadsRefused();
    }
    if (window == 0) {
        becomeWindow(supervisor, supervision.before, control[0], supervision.signalFile);
        side = {writer.channel, writer.process, control[1], true};
        return true;
    }
    close(writer.channel);
    close(control[1]);
    supervision.window = window;
    supervision.writer = writer.process;
    supervision.control = control[0];
    return false;
}

// The supervisor's loop: returns only in a window started again (see startAgain).
void supervise(Supervision& supervision, WindowSide& side)
{
    for (;;) {
        pollfd watched[2] = {{supervision.signalFile, POLLIN, 0}, {supervision.control, POLLIN, 0}};
        if (poll(watched, supervision.control >= 0 ? 2 : 1, -1) < 0) {
            continue;
        }
        if (watched[0].revents & POLLIN) {
            signalfd_siginfo received;
            if (read(supervision.signalFile, &received, sizeof received) == sizeof received &&
                received.ssi_signo != SIGCHLD) {
                kill(supervision.window, static_cast<int>(received.ssi_signo)); // the window decides
            }
            int status = 0;
            for (pid_t ended; (ended = waitpid(-1, &status, WNOHANG)) > 0;) {
                if (ended == supervision.window) {
                    endAsTheWindow(supervision, status);
                }
                if (ended == supervision.writer) {
                    supervision.writer = -1; // a new one when the window asks
                }
            }
        }
        if (supervision.control >= 0 && (watched[1].revents & (POLLIN | POLLHUP))) {
            char asked = 0;
            const ssize_t got = recv(supervision.control, &asked, 1, 0);
            if (got <= 0) {
                close(supervision.control); // the window is ending
                supervision.control = -1;
                continue;
            }
            if (asked == writer::askNewWriter) {
                endWriter(supervision.writer);
                const WriterProcess started = startWriterProcess();
                supervision.writer = started.process;
                handOver(supervision.control, started.process, started.channel);
                if (started.channel >= 0) {
                    close(started.channel);
                }
            } else if (asked == writer::askRestart && startAgain(supervision, side)) {
                return;
            }
        }
    }
}

} // namespace

SupervisedStart startSupervisedWindow(WindowSide& side)
{
    // Held back from now on, so that none is lost before the supervisor listens for them.
    sigset_t handled;
    sigset_t before;
    sigemptyset(&handled);
    for (const int signal : {SIGCHLD, SIGTERM, SIGINT, SIGHUP}) {
        sigaddset(&handled, signal);
    }
    sigprocmask(SIG_BLOCK, &handled, &before);
    const auto refused = [&before](SupervisedStart outcome) {
        sigprocmask(SIG_SETMASK, &before, nullptr);
        return outcome;
    };

    int control[2];
    if (socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, control) != 0) {
        return refused(SupervisedStart::windowRefused);
    }
    const WriterProcess writer = startWriterProcess();
    if (writer.process < 0) {
        close(control[0]);
        close(control[1]);
        return refused(SupervisedStart::writerRefused);
    }
    const pid_t supervisor = getpid();
    const pid_t window = fork();
    if (window < 0) {
        endWriter(writer.process);
        close(writer.channel);
        close(control[0]);
        close(control[1]);
        return refused(SupervisedStart::windowRefused);
    }
    if (window == 0) {
        becomeWindow(supervisor, before, control[0], -1);
        side = {writer.channel, writer.process, control[1], false};
        return SupervisedStart::window;
    }
    close(writer.channel);
    close(control[1]);
    Supervision supervision{window, writer.process, control[0], -1, before};
    supervision.signalFile = signalfd(-1, &handled, SFD_CLOEXEC);
    if (supervision.signalFile < 0) {
        // No way to hear of the window: wait for it as a plain parent does.
        int status = 0;
        while (waitpid(window, &status, 0) < 0 && errno == EINTR) {
        }
        endAsTheWindow(supervision, status);
    }
    supervise(supervision, side);
    return SupervisedStart::window; // a window started again
}
