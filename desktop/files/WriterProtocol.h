#pragma once

// What the window and the writer of the user's files say to each other over their channel (a
// stream socket pair): a request (operation, path, data), then a reply (an error code, and for an
// opening the open file handed along). Private to FileWriter and WriterProcess.

#include <chrono>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <sys/socket.h>

namespace writer {

// Errors of our own, beside the system's errno values.
constexpr int notRegularFile = -2;
constexpr int writerGone = -3;
constexpr int workbookFailed = -4;
constexpr int printingRefused = -5;
constexpr int readOnlyFile = -6;
constexpr int danglingLink = -7;
constexpr int noAnswer = -8;

enum Operation : std::uint32_t
{
    writeOperation = 1,
    openOperation = 2,
    workbookOperation = 3,
    printOperation = 4,
    openFolderOperation = 5,
    // The window's autosave, at a place the writer knows: $XDG_STATE_HOME/velmora2/autosave.velmora.
    autosaveWriteOperation = 6,
    autosaveOpenOperation = 7,
    autosaveRemoveOperation = 8,
};

// What the window asks the program's supervisor (Supervisor.h), one byte each.
constexpr char askNewWriter = 'w';
constexpr char askRestart = 'r';

constexpr std::uint64_t largestMessage = 256u * 1024 * 1024; // a workbook's rows or a report's pages
constexpr std::uint32_t longestPath = PATH_MAX;

// How long the window waits for each step of a request (a chunk sent, the reply) before it takes
// the writer for stuck: long enough for a slow disk or printing system (20 s; tests set less).
std::chrono::milliseconds stepTimeLimit();
void setStepTimeLimit(std::chrono::milliseconds limit);

struct Request
{
    std::uint32_t operation;
    std::uint32_t pathSize;
    std::uint64_t dataSize;
};

struct Reply
{
    std::int32_t error; // 0, an errno value or one of ours
};

// A reply as it travels, with room for one open file handed along.
struct ReplyMessage
{
    Reply reply{};
    iovec part{&reply, sizeof reply};
    alignas(cmsghdr) char control[CMSG_SPACE(sizeof(int))] = {};
    msghdr message{};

    ReplyMessage()
    {
        message.msg_iov = &part;
        message.msg_iovlen = 1;
        message.msg_control = control;
        message.msg_controllen = sizeof control;
    }
    ReplyMessage(const ReplyMessage&) = delete;
    ReplyMessage& operator=(const ReplyMessage&) = delete;

    // The file handed along, or -1.
    int file();
};

// Moves all `size` bytes, going on after interruptions; false when the channel broke, or when
// `timeLimit` (if not negative) passed without progress.
bool sendAll(int channel, const void* data, std::size_t size,
             std::chrono::milliseconds timeLimit = std::chrono::milliseconds(-1));
bool receiveAll(int channel, void* data, std::size_t size,
                std::chrono::milliseconds timeLimit = std::chrono::milliseconds(-1));

// Sends `size` bytes in one message and, when not negative, the open `file` along; false when the
// channel broke.
bool sendWithFile(int channel, const void* data, std::size_t size, int file);

// Sends `error` and, when not negative, the open `file` along.
bool sendReply(int channel, int error, int file);

} // namespace writer
