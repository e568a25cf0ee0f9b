#include "window/SingleInstance.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr std::size_t longestRequest = 8192; // a path, and a few bytes around it
constexpr int handOffMilliseconds = 3000;    // a running copy that does not answer within it is stuck

// A folder that only this user can enter: owned by the user, a real folder, mode 0700.
bool privateFolder(const std::string& path)
{
    struct stat status;
    return !path.empty() && lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == getuid() && (status.st_mode & 077) == 0;
}

bool socketAddress(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool peerIsThisUser(int connection)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(connection, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

bool sendAll(int connection, const std::string& bytes)
{
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t done = send(connection, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return false;
        }
        sent += static_cast<std::size_t>(done);
    }
    return true;
}

// Sends the request to the copy that holds the guard and waits for its "ok". False when it cannot
// be reached or is not this user's.
bool handOff(const std::string& socketPath, const std::string& fileToOpen)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) {
        return false;
    }
    const int connection = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (connection < 0) {
        return false;
    }
    bool done = connect(connection, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                peerIsThisUser(connection) && sendAll(connection, "velmora2-open " + fileToOpen + '\n');
    if (done) {
        shutdown(connection, SHUT_WR);
        pollfd wait{connection, POLLIN, 0};
        char answer[3] = {};
        done = poll(&wait, 1, handOffMilliseconds) == 1 && recv(connection, answer, 2, MSG_WAITALL) == 2 &&
               std::memcmp(answer, "ok", 2) == 0;
    }
    close(connection);
    return done;
}

int listenOn(const std::string& socketPath)
{
    sockaddr_un address;
    if (!socketAddress(socketPath, address)) {
        return -1;
    }
    const int listening = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listening < 0) {
        return -1;
    }
    // The lock is held: whatever lies at the socket's name was left by a copy that has ended.
    unlink(socketPath.c_str());
    const mode_t mask = umask(077);
    const bool bound = bind(listening, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    umask(mask);
    if (!bound || listen(listening, 8) != 0) {
        close(listening);
        return -1;
    }
    return listening;
}

} // namespace

std::string SingleInstanceGuard::runtimeFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && privateFolder(runtime)) {
        return runtime;
    }
    const std::string fallback = "/tmp/velmora2-" + std::to_string(getuid());
    mkdir(fallback.c_str(), 0700);
    return privateFolder(fallback) ? fallback : std::string();
}

std::unique_ptr<SingleInstanceGuard> SingleInstanceGuard::acquire(const std::string& fileToOpen,
                                                                  Outcome& outcome, const std::string& folder)
{
    outcome = Outcome::unavailable;
    const std::string place = folder.empty() ? runtimeFolder() : folder;
    if (!privateFolder(place)) {
        return nullptr;
    }
    const std::string lockPath = place + "/velmora2.lock";
    const std::string socketPath = place + "/velmora2.socket";
    const int lock = open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NOCTTY, 0600);
    if (lock < 0) {
        return nullptr;
    }
    struct stat status;
    if (fstat(lock, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != getuid()) {
        close(lock);
        return nullptr;
    }
    if (flock(lock, LOCK_EX | LOCK_NB) != 0) {
        close(lock);
        if (errno != EWOULDBLOCK) {
            return nullptr;
        }
        // Another copy of this user runs. If it does not answer, this one runs without the guard
        // rather than not at all.
        outcome = handOff(socketPath, fileToOpen) ? Outcome::handedOff : Outcome::unavailable;
        return nullptr;
    }
    outcome = Outcome::first;
    return std::unique_ptr<SingleInstanceGuard>(new SingleInstanceGuard(lock, listenOn(socketPath)));
}

SingleInstanceGuard::~SingleInstanceGuard()
{
    if (listening_ >= 0) {
        close(listening_);
    }
    close(lock_);
}

HandOffListener::HandOffListener(int listeningSocket, QObject* parent)
    : QObject(parent), socket_(listeningSocket),
      notifier_(new QSocketNotifier(listeningSocket, QSocketNotifier::Read, this))
{
    connect(notifier_, &QSocketNotifier::activated, this, &HandOffListener::accept);
}

void HandOffListener::accept()
{
    const int connection = accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC);
    if (connection < 0) {
        return;
    }
    // A request comes whole at once from a start of this user; anything else is dropped.
    std::string request;
    if (peerIsThisUser(connection)) {
        char buffer[1024];
        pollfd wait{connection, POLLIN, 0};
        while (request.size() <= longestRequest && poll(&wait, 1, 500) == 1) {
            const ssize_t got = recv(connection, buffer, sizeof buffer, 0);
            if (got <= 0) {
                break;
            }
            request.append(buffer, static_cast<std::size_t>(got));
        }
    }
    const std::string head = "velmora2-open ";
    const bool sound = request.size() <= longestRequest && request.rfind(head, 0) == 0 && !request.empty() &&
                       request.back() == '\n';
    if (sound) {
        sendAll(connection, "ok");
    }
    close(connection);
    if (sound) {
        const std::string path = request.substr(head.size(), request.size() - head.size() - 1);
        emit requested(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    }
}
