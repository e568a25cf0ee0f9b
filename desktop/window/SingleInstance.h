#pragma once

#include <QObject>

#include <memory>
#include <string>

class QSocketNotifier;

// One running copy of the program per user, and a hand-off to it: a second start with a file asks
// the running window to open it, then ends.
//
// The guard lives in the user's own runtime folder ($XDG_RUNTIME_DIR, which must be the user's and
// mode 0700; without it a folder /tmp/velmora2-UID made the same way): a lock on "velmora2.lock"
// that the kernel releases when the process ends, however it ends, and a local socket
// "velmora2.socket" beside it. Another user can reach neither; a folder or socket that is not the
// user's is ignored, and so is a peer of another user id (checked on every connection).
//
// Plain POSIX until the window exists; no Qt before QApplication.
class SingleInstanceGuard
{
public:
    enum class Outcome
    {
        first,       // this copy holds the guard: it runs, and listens for hand-offs
        handedOff,   // another copy of the user runs and took the request: end at once
        unavailable, // no guard could be set up: the program runs without one
    };

    // Takes the guard in `folder` (by default the user's runtime folder, see above). When another
    // copy holds it, sends it `fileToOpen` (an absolute path; empty: only to come to the front).
    static std::unique_ptr<SingleInstanceGuard> acquire(const std::string& fileToOpen, Outcome& outcome,
                                                        const std::string& folder = {});
    ~SingleInstanceGuard();
    SingleInstanceGuard(const SingleInstanceGuard&) = delete;
    SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

    // The listening socket, for the window to accept hand-offs; -1 when there is none.
    int listeningSocket() const { return listening_; }

    // The folder used: $XDG_RUNTIME_DIR when it is the user's and 0700, else /tmp/velmora2-UID
    // (created 0700 when missing); empty when neither is safe.
    static std::string runtimeFolder();

private:
    SingleInstanceGuard(int lock, int listening) : lock_(lock), listening_(listening) {}
    int lock_;
    int listening_;
};

// Takes the hand-offs of later starts, on the window's thread, and tells the path of each file to
// open (empty: a start without a file, which only asks for the window).
class HandOffListener : public QObject
{
    Q_OBJECT
public:
    HandOffListener(int listeningSocket, QObject* parent = nullptr);

signals:
    void requested(const QString& fileToOpen);

private:
    void accept();
    int socket_;
    QSocketNotifier* notifier_;
};
