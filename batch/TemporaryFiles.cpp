#include "batch/TemporaryFiles.h"

#include <atomic>
#include <climits>
#include <csignal>
#include <cstring>

#include <unistd.h>

namespace velmora {

namespace {

// Plain arrays, since a signal handler may only read memory and call async-signal-safe functions
// such as unlink. A slot's path is complete before it is marked in use.
constexpr int temporarySlots = 8;
char temporaryPaths[temporarySlots][PATH_MAX];
volatile std::sig_atomic_t temporaryInUse[temporarySlots];

extern "C" void removeTemporariesAndEnd(int signal)
{
    for (int i = 0; i < temporarySlots; ++i) {
        if (temporaryInUse[i]) {
            unlink(temporaryPaths[i]);
        }
    }
    // The signal is blocked while its handler runs: raised again, it takes effect, with its usual
    // action, once the handler returns. A fault (SIGSEGV, SIGBUS) happens again at once.
    struct sigaction usual = {};
    usual.sa_handler = SIG_DFL;
    sigemptyset(&usual.sa_mask);
    sigaction(signal, &usual, nullptr);
    raise(signal);
}

bool endsTheProcess(int signal)
{
    switch (signal) {
    case SIGKILL:
    case SIGSTOP:
    case SIGPIPE:
    case SIGCHLD:
    case SIGCONT:
    case SIGTSTP:
    case SIGTTIN:
    case SIGTTOU:
    case SIGURG:
    case SIGWINCH:
        return false;
    default:
        return true;
    }
}

} // namespace

void registerTemporaryFile(const std::string& path)
{
    if (path.size() >= PATH_MAX) {
        return;
    }
    for (int i = 0; i < temporarySlots; ++i) {
        if (!temporaryInUse[i]) {
            std::memcpy(temporaryPaths[i], path.c_str(), path.size() + 1);
            std::atomic_signal_fence(std::memory_order_seq_cst);
            temporaryInUse[i] = 1;
            return;
        }
    }
}

void forgetTemporaryFile(const std::string& path)
{
    for (int i = 0; i < temporarySlots; ++i) {
        if (temporaryInUse[i] && path == temporaryPaths[i]) {
            temporaryInUse[i] = 0;
        }
    }
}

void removeTemporaryFilesOnSignals()
{
    std::signal(SIGPIPE, SIG_IGN);
    for (int signal = 1; signal <= SIGRTMAX; ++signal) {
        // The C library keeps the two real-time signals below SIGRTMIN for itself.
        if (!endsTheProcess(signal) || (signal > SIGSYS && signal < SIGRTMIN)) {
            continue;
        }
        struct sigaction current;
        if (sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action = {};
        action.sa_handler = removeTemporariesAndEnd;
        sigfillset(&action.sa_mask); // no other signal cuts the removal short
        sigaction(signal, &action, nullptr);
    }
}

std::string temporaryNameBeside(const std::string& name, long longestName)
{
    constexpr std::size_t added = 8; // "." before, ".XXXXXX" after
    std::size_t kept = name.size();
    if (longestName > 0 && kept + added > static_cast<std::size_t>(longestName)) {
        kept =
            static_cast<std::size_t>(longestName) > added ? static_cast<std::size_t>(longestName) - added : 1;
        // Not inside a character: its continuation bytes are 10xxxxxx.
        while (kept > 1 && kept < name.size() && (static_cast<unsigned char>(name[kept]) & 0xC0u) == 0x80u) {
            --kept;
        }
    }
    return "." + name.substr(0, kept) + ".XXXXXX";
}

} // namespace velmora
