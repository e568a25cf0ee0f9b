#include "files/FileWriter.h"

#include "files/WriterProcess.h"
#include "files/WriterProtocol.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace writer;

namespace {

std::unique_ptr<FileWriter>& sharedWriter()
{
    static std::unique_ptr<FileWriter> writer;
    return writer;
}

int openHere(const std::string& path, int flags)
{
    if (path.find('\0') != std::string::npos) {
        return -EINVAL;
    }
    const int file = open(path.c_str(), flags);
    return file >= 0 ? file : -errno;
}

constexpr int openForReadingFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
constexpr int openFolderFlags = O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC;

int fileFrom(ReplyMessage& in)
{
    return in.file();
}

} // namespace

std::unique_ptr<FileWriter> FileWriter::start()
{
    const WriterProcess started = startWriterProcess();
    if (started.process < 0) {
        return nullptr;
    }
    return std::unique_ptr<FileWriter>(new FileWriter(started.channel, started.process, -1, true));
}

std::unique_ptr<FileWriter> FileWriter::attach(int channel, pid_t process, int supervisor)
{
    return std::unique_ptr<FileWriter>(new FileWriter(channel, process, supervisor, false));
}

FileWriter::~FileWriter()
{
    if (channel_ >= 0) {
        close(channel_);
    }
    if (ownProcess_ && process_ > 0) {
        int status;
        while (waitpid(process_, &status, 0) < 0 && errno == EINTR) {
        }
    }
}

pid_t FileWriter::processId() const
{
    const std::lock_guard<std::mutex> lock(mutex_);
    return process_;
}

bool FileWriter::replaceWriter()
{
    if (channel_ >= 0) {
        close(channel_);
        channel_ = -1;
    }
    if (ownProcess_ && process_ > 0) {
        // A writer of our own that is stuck is ended; none replaces it.
        kill(process_, SIGKILL);
        int status;
        while (waitpid(process_, &status, 0) < 0 && errno == EINTR) {
        }
        process_ = -1;
    }
    if (supervisor_ < 0) {
        return false;
    }
    // The supervisor ends the old writer, starts a new one and hands its channel over.
    if (!sendAll(supervisor_, &askNewWriter, 1, stepTimeLimit())) {
        return false;
    }
    ReplyMessage in;
    pid_t process = -1;
    in.part = {&process, sizeof process};
    ssize_t got = -1;
    pollfd wait{supervisor_, POLLIN, 0};
    if (poll(&wait, 1, static_cast<int>(stepTimeLimit().count())) == 1) {
        do {
            got = recvmsg(supervisor_, &in.message, MSG_CMSG_CLOEXEC);
        } while (got < 0 && errno == EINTR);
    }
    const int channel = fileFrom(in);
    if (got != static_cast<ssize_t>(sizeof process) || channel < 0 || process <= 0) {
        if (channel >= 0) {
            close(channel);
        }
        return false;
    }
    channel_ = channel;
    process_ = process;
    return true;
}

int FileWriter::requestOnce(int operation, const std::string& path, std::string_view bytes, int* receivedFile)
{
    if (channel_ < 0) {
        return writerGone;
    }
    const Request request{static_cast<std::uint32_t>(operation), static_cast<std::uint32_t>(path.size()),
                          static_cast<std::uint64_t>(bytes.size())};
    ReplyMessage in;
    ssize_t got = -1;
    bool silent = false;
    if (sendAll(channel_, &request, sizeof request, stepTimeLimit()) &&
        sendAll(channel_, path.data(), path.size(), stepTimeLimit()) &&
        sendAll(channel_, bytes.data(), bytes.size(), stepTimeLimit())) {
        pollfd wait{channel_, POLLIN, 0};
        int ready;
        do {
            ready = poll(&wait, 1, static_cast<int>(stepTimeLimit().count()));
        } while (ready < 0 && errno == EINTR);
        if (ready == 1) {
            do {
                got = recvmsg(channel_, &in.message, MSG_CMSG_CLOEXEC | MSG_WAITALL);
            } while (got < 0 && errno == EINTR);
        } else {
            silent = true;
        }
    } else {
        silent = errno == ETIMEDOUT;
    }
    if (got != static_cast<ssize_t>(sizeof in.reply)) {
        return silent ? noAnswer : writerGone;
    }
    const int file = fileFrom(in);
    if (receivedFile) {
        *receivedFile = file;
    } else if (file >= 0) {
        close(file);
    }
    return in.reply.error;
}

int FileWriter::request(int operation, const std::string& path, std::string_view bytes, int* receivedFile)
{
    if (path.size() > longestPath) {
        return ENAMETOOLONG;
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    const int error = requestOnce(operation, path, bytes, receivedFile);
    if (error != writerGone && error != noAnswer) {
        return error;
    }
    // The writer has gone, or is stuck: a new one, and the same request again (a save or an opening
    // is done whole or not at all; the temporary file of the one cut short goes with the old writer).
    if (!replaceWriter()) {
        return error;
    }
    const int again = requestOnce(operation, path, bytes, receivedFile);
    return again == writerGone || again == noAnswer ? error : again;
}

std::string FileWriter::writeFile(const std::string& path, std::string_view bytes)
{
    const int error = request(writeOperation, path, bytes, nullptr);
    return error == 0 ? std::string() : saveErrorText(path, error);
}

std::string FileWriter::writeWorkbook(const std::string& path, std::string_view workbookMessage)
{
    const int error = request(workbookOperation, path, workbookMessage, nullptr);
    return error == 0 ? std::string() : saveErrorText(path, error);
}

std::string FileWriter::printDocument(const std::string& printer, const std::string& title, int copies,
                                      std::string_view pdf)
{
    std::string data = title + '\n' + std::to_string(copies) + '\n';
    data.append(pdf);
    const int error = request(printOperation, printer, data, nullptr);
    return error == 0 ? std::string() : printErrorText(printer, error);
}

int FileWriter::openThroughWriter(int operation, const std::string& path)
{
    int file = -1;
    const int error = request(operation, path, {}, &file);
    if (error == writerGone || error == noAnswer) {
        return -ECHILD;
    }
    if (error != 0) {
        return -error;
    }
    return file >= 0 ? file : -EIO;
}

int FileWriter::openForReading(const std::string& path)
{
    return openThroughWriter(openOperation, path);
}

int FileWriter::openFolder(const std::string& path)
{
    return openThroughWriter(openFolderOperation, path);
}

std::string FileWriter::writeAutosave(std::string_view bytes)
{
    const int error = request(autosaveWriteOperation, {}, bytes, nullptr);
    return error == 0 ? std::string() : errorReason(error);
}

int FileWriter::openAutosave()
{
    int file = -1;
    const int error = request(autosaveOpenOperation, {}, {}, &file);
    return error != 0 ? -error : (file >= 0 ? file : -EIO);
}

void FileWriter::removeAutosave()
{
    request(autosaveRemoveOperation, {}, {}, nullptr);
}

FileWriter* FileWriter::shared()
{
    return sharedWriter().get();
}

void FileWriter::setShared(std::unique_ptr<FileWriter> writer)
{
    sharedWriter() = std::move(writer);
}

std::string saveUserFile(const std::string& path, std::string_view bytes)
{
    if (FileWriter* writer = FileWriter::shared()) {
        return writer->writeFile(path, bytes);
    }
    const int error = writeFileAtomically(path, bytes);
    return error == 0 ? std::string() : saveErrorText(path, error);
}

std::string saveUserWorkbook(const std::string& path, std::string_view workbookMessage)
{
    if (FileWriter* writer = FileWriter::shared()) {
        return writer->writeWorkbook(path, workbookMessage);
    }
    const int error = writeWorkbookFile(path, workbookMessage);
    return error == 0 ? std::string() : saveErrorText(path, error);
}

std::string printUserDocument(const std::string& printer, const std::string& title, int copies,
                              std::string_view pdf)
{
    if (FileWriter* writer = FileWriter::shared()) {
        return writer->printDocument(printer, title, copies, pdf);
    }
    const int error = printPdf(printer, title, copies, pdf);
    return error == 0 ? std::string() : printErrorText(printer, error);
}

int openUserFile(const std::string& path)
{
    if (FileWriter* writer = FileWriter::shared()) {
        const int file = writer->openForReading(path);
        if (file != -ECHILD) {
            return file;
        }
        // No writer answers: the file may still be among those the program reads.
    }
    return openHere(path, openForReadingFlags);
}

int openUserFolder(const std::string& path)
{
    if (FileWriter* writer = FileWriter::shared()) {
        const int folder = writer->openFolder(path);
        if (folder != -ECHILD) {
            return folder;
        }
    }
    return openHere(path, openFolderFlags);
}

std::string saveAutosave(std::string_view bytes)
{
    if (FileWriter* writer = FileWriter::shared()) {
        return writer->writeAutosave(bytes);
    }
    const int error = writeAutosave(bytes);
    return error == 0 ? std::string() : errorReason(error);
}

int openAutosaveFile()
{
    if (FileWriter* writer = FileWriter::shared()) {
        return writer->openAutosave();
    }
    int file = -1;
    const int error = openAutosave(file);
    return error == 0 ? file : -error;
}

void removeAutosaveFile()
{
    if (FileWriter* writer = FileWriter::shared()) {
        writer->removeAutosave();
    } else {
        removeAutosave();
    }
}
