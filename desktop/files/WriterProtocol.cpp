#include "files/WriterProtocol.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <poll.h>

namespace writer {

namespace {

std::atomic<long long> stepLimit{20000};

// Waits until `channel` is ready for `events`; false after `timeLimit` (never when negative).
bool ready(int channel, short events, std::chrono::milliseconds timeLimit)
{
    if (timeLimit.count() < 0) {
        return true;
    }
    pollfd wait{channel, events, 0};
    for (;;) {
        const int got = poll(&wait, 1, static_cast<int>(timeLimit.count()));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        return got > 0;
    }
}

// Moves all `size` bytes through `transfer` (send or recv), going on after interruptions; false
// when the channel broke or stayed silent.
template <typename Byte, typename Transfer>
bool transferAll(int channel, short events, Byte* data, std::size_t size, std::chrono::milliseconds timeLimit,
                 Transfer transfer)
{
    while (size > 0) {
        if (!ready(channel, events, timeLimit)) {
            errno = ETIMEDOUT;
            return false;
        }
        const ssize_t done = transfer(data, size);
        if (done < 0 && errno == EINTR) {
            continue;
        }
        if (done <= 0) {
            return false;
        }
        data += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

} // namespace

std::chrono::milliseconds stepTimeLimit()
{
    return std::chrono::milliseconds(stepLimit.load());
}

void setStepTimeLimit(std::chrono::milliseconds limit)
{
    stepLimit = limit.count();
}

int ReplyMessage::file()
{
    int file = -1;
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level == SOL_SOCKET && header->cmsg_type == SCM_RIGHTS) {
            std::memcpy(&file, CMSG_DATA(header), sizeof file);
        }
    }
    return file;
}

bool sendAll(int channel, const void* data, std::size_t size, std::chrono::milliseconds timeLimit)
{
    return transferAll(channel, POLLOUT, static_cast<const char*>(data), size, timeLimit,
                       [channel, timeLimit](const char* next, std::size_t left) {
                           return send(channel, next, left,
                                       MSG_NOSIGNAL | (timeLimit.count() < 0 ? 0 : MSG_DONTWAIT));
                       });
}

bool receiveAll(int channel, void* data, std::size_t size, std::chrono::milliseconds timeLimit)
{
    return transferAll(channel, POLLIN, static_cast<char*>(data), size, timeLimit,
                       [channel, timeLimit](char* next, std::size_t left) {
                           return recv(channel, next, left, timeLimit.count() < 0 ? 0 : MSG_DONTWAIT);
                       });
}

bool sendWithFile(int channel, const void* data, std::size_t size, int file)
{
    ReplyMessage out;
    out.part = {const_cast<void*>(data), size};
    msghdr& message = out.message;
    if (file >= 0) {
        cmsghdr* header = CMSG_FIRSTHDR(&message);
        header->cmsg_level = SOL_SOCKET;
        header->cmsg_type = SCM_RIGHTS;
        header->cmsg_len = CMSG_LEN(sizeof(int));
        std::memcpy(CMSG_DATA(header), &file, sizeof file);
    } else {
        message.msg_control = nullptr;
        message.msg_controllen = 0;
    }
    ssize_t sent;
    do {
        sent = sendmsg(channel, &message, MSG_NOSIGNAL);
    } while (sent < 0 && errno == EINTR);
    return sent == static_cast<ssize_t>(size);
}

bool sendReply(int channel, int error, int file)
{
    const Reply reply{error};
    return sendWithFile(channel, &reply, sizeof reply, file);
}

} // namespace writer
