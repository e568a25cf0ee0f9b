#include "files/FileWriter.h"

#include "lab/Workbook.h"

#include <QCoreApplication>

#include <cups/cups.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// "L’impression sur « printer » a échoué : <reason>".
std::string printErrorText(const std::string& printer, int error);

namespace {

// Errors of our own, beside the system's errno values.
constexpr int notRegularFile = -2;
constexpr int writerGone = -3;
constexpr int workbookFailed = -4;
constexpr int printingRefused = -5;

constexpr int writeOperation = 1;
constexpr int openOperation = 2;
constexpr int workbookOperation = 3;
constexpr int printOperation = 4;
constexpr std::uint64_t largestMessage = 256u * 1024 * 1024; // a workbook's rows or a report's pages
constexpr std::uint32_t longestPath = PATH_MAX;

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
};

// As the settings file is opened: no pipe or device may hold the reader.
constexpr int openForReadingFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

// Moves all `size` bytes through `transfer` (send or recv), going on after interruptions; false
// when the channel broke.
template <typename Byte, typename Transfer> bool transferAll(Byte* data, std::size_t size, Transfer transfer)
{
    while (size > 0) {
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

bool sendAll(int channel, const void* data, std::size_t size)
{
    return transferAll(static_cast<const char*>(data), size, [channel](const char* next, std::size_t left) {
        return send(channel, next, left, MSG_NOSIGNAL);
    });
}

bool receiveAll(int channel, void* data, std::size_t size)
{
    return transferAll(static_cast<char*>(data), size,
                       [channel](char* next, std::size_t left) { return recv(channel, next, left, 0); });
}

int writeAll(int file, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = write(file, data, size);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0) {
            return errno;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

// A file written under a temporary name beside its target, which takes the target's name only
// once every byte is on the disk. Until then, and after any failure, the target is untouched and
// the temporary file is removed.
class AtomicFile
{
public:
    int open(const std::string& path)
    {
        if (path.empty() || path.find('\0') != std::string::npos) {
            return EINVAL;
        }
        target_ = path;
        // Through a link, the file it leads to is replaced and the link stays.
        struct stat status;
        if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
            char* resolved = realpath(path.c_str(), nullptr);
            if (!resolved) {
                return errno;
            }
            target_ = resolved;
            std::free(resolved);
        }
        mode_t mode = 0666 & ~currentUmask();
        if (stat(target_.c_str(), &status) == 0) {
            if (S_ISDIR(status.st_mode)) {
                return EISDIR;
            }
            if (!S_ISREG(status.st_mode)) {
                return notRegularFile;
            }
            mode = status.st_mode & 07777; // a replaced file keeps its permissions
        } else if (errno != ENOENT) {
            return errno;
        }
        const std::size_t slash = target_.rfind('/');
        folder_ = slash == std::string::npos ? "." : slash == 0 ? "/" : target_.substr(0, slash);
        std::string name = folder_ + "/.velmora2-save-XXXXXX";
        file_ = mkostemp(name.data(), O_CLOEXEC);
        if (file_ < 0) {
            return errno;
        }
        temporary_ = name;
        fchmod(file_, mode); // best effort: some file systems keep no permissions
        return 0;
    }

    int write(const char* data, std::size_t size) { return writeAll(file_, data, size); }

    int commit()
    {
        if (fsync(file_) != 0) {
            return errno;
        }
        const int closed = close(file_);
        file_ = -1;
        if (closed != 0) {
            return errno;
        }
        if (rename(temporary_.c_str(), target_.c_str()) != 0) {
            return errno;
        }
        temporary_.clear();
        // The new name on the disk too; a folder that cannot be synced has still been written.
        const int folder = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            fsync(folder);
            close(folder);
        }
        return 0;
    }

    ~AtomicFile()
    {
        if (file_ >= 0) {
            close(file_);
        }
        if (!temporary_.empty()) {
            unlink(temporary_.c_str());
        }
    }

private:
    static mode_t currentUmask()
    {
        const mode_t mask = umask(022);
        umask(mask);
        return mask;
    }

    std::string target_;
    std::string folder_;
    std::string temporary_;
    int file_ = -1;
};

// Receives `size` bytes from `channel` into `file`; after a failure of the file, the rest is
// still read so that the next request starts where it should. False when the channel broke.
bool receiveInto(int channel, std::uint64_t size, AtomicFile& file, int& error)
{
    char buffer[64 * 1024];
    while (size > 0) {
        const std::size_t chunk = static_cast<std::size_t>(std::min<std::uint64_t>(size, sizeof buffer));
        if (!receiveAll(channel, buffer, chunk)) {
            return false;
        }
        if (error == 0) {
            error = file.write(buffer, chunk);
        }
        size -= chunk;
    }
    return true;
}

// The workbook of a message, written in place of `path` as every file is.
int writeWorkbookFile(const std::string& path, std::string_view message)
{
    const std::optional<velmora::Workbook> workbook = velmora::workbookFromMessage(message);
    if (!workbook) {
        return workbookFailed;
    }
    std::string reason;
    const std::string bytes = velmora::workbookBytes(*workbook, reason);
    if (!reason.empty()) {
        return workbookFailed;
    }
    return writeFileAtomically(path, bytes);
}

// A PDF document to the printing system, as one job.
int printPdf(const std::string& printer, const std::string& title, int copies, std::string_view pdf)
{
    const char* destination = printer.empty() ? cupsGetDefault() : printer.c_str();
    if (!destination) {
        return printingRefused;
    }
    cups_option_t* options = nullptr;
    const int optionCount = cupsAddOption("copies", std::to_string(std::max(1, copies)).c_str(), 0, &options);
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, destination, title.c_str(), optionCount, options);
    cupsFreeOptions(optionCount, options);
    if (job == 0) {
        return printingRefused;
    }
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, destination, job, title.c_str(), CUPS_FORMAT_PDF, 1) !=
            HTTP_STATUS_CONTINUE ||
        cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.data(), pdf.size()) != HTTP_STATUS_CONTINUE ||
        cupsFinishDocument(CUPS_HTTP_DEFAULT, destination) != IPP_STATUS_OK) {
        cupsCancelJob(destination, job);
        return printingRefused;
    }
    return 0;
}

bool sendReply(int channel, int error, int file)
{
    ReplyMessage out;
    out.reply.error = error;
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
    return sent == static_cast<ssize_t>(sizeof out.reply);
}

// The writer process: requests one after the other, until the program closes its end.
[[noreturn]] void serve(int channel)
{
    for (;;) {
        Request request;
        if (!receiveAll(channel, &request, sizeof request) || request.pathSize > longestPath) {
            _exit(0);
        }
        std::string path(request.pathSize, '\0');
        if (!receiveAll(channel, path.data(), path.size())) {
            _exit(0);
        }
        int error = 0;
        int file = -1;
        if (request.operation == writeOperation) {
            AtomicFile target;
            error = target.open(path);
            if (!receiveInto(channel, request.dataSize, target, error)) {
                _exit(0);
            }
            if (error == 0) {
                error = target.commit();
            }
        } else if ((request.operation == workbookOperation || request.operation == printOperation) &&
                   request.dataSize <= largestMessage) {
            std::string data(static_cast<std::size_t>(request.dataSize), '\0');
            if (!receiveAll(channel, data.data(), data.size())) {
                _exit(0);
            }
            if (request.operation == workbookOperation) {
                error = writeWorkbookFile(path, data);
            } else {
                // The title and the number of copies, each on its line, then the document.
                const std::size_t first = data.find('\n');
                const std::size_t second = first == std::string::npos ? first : data.find('\n', first + 1);
                error = second == std::string::npos
                            ? EINVAL
                            : printPdf(path, data.substr(0, first), std::atoi(data.c_str() + first + 1),
                                       std::string_view(data).substr(second + 1));
            }
        } else if (request.operation == openOperation && request.dataSize == 0) {
            file = path.find('\0') == std::string::npos ? open(path.c_str(), openForReadingFlags) : -1;
            error = file < 0 ? (path.find('\0') == std::string::npos ? errno : EINVAL) : 0;
        } else {
            _exit(1); // not a request of ours
        }
        const bool replied = sendReply(channel, error, file);
        if (file >= 0) {
            close(file);
        }
        if (!replied) {
            _exit(0);
        }
    }
}

std::unique_ptr<FileWriter>& sharedWriter()
{
    static std::unique_ptr<FileWriter> writer;
    return writer;
}

} // namespace

std::unique_ptr<FileWriter> FileWriter::start()
{
    int channels[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channels) != 0) {
        return nullptr;
    }
    const pid_t parent = getpid();
    const pid_t process = fork();
    if (process < 0) {
        close(channels[0]);
        close(channels[1]);
        return nullptr;
    }
    if (process == 0) {
        // The writer: it ends with the program, keeps only its end of the pair (not the program's
        // single-instance guard, for one), and outlives no broken channel.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(0);
        }
        prctl(PR_SET_NAME, "velmora2-writer");
        signal(SIGPIPE, SIG_IGN);
        const int channel = dup2(channels[1], 3) == 3 ? 3 : -1;
        if (channel < 0) {
            _exit(1);
        }
        close_range(4, ~0U, 0);
        serve(channel);
    }
    close(channels[1]);
    return std::unique_ptr<FileWriter>(new FileWriter(channels[0], process));
}

FileWriter::~FileWriter()
{
    if (channel_ >= 0) {
        close(channel_);
    }
    int status;
    while (waitpid(process_, &status, 0) < 0 && errno == EINTR) {
    }
}

int FileWriter::request(int operation, const std::string& path, std::string_view bytes, int* receivedFile)
{
    if (path.size() > longestPath) {
        return ENAMETOOLONG;
    }
    const std::lock_guard<std::mutex> lock(mutex_);
    if (channel_ < 0) {
        return writerGone;
    }
    const Request request{static_cast<std::uint32_t>(operation), static_cast<std::uint32_t>(path.size()),
                          static_cast<std::uint64_t>(bytes.size())};
    ReplyMessage in;
    msghdr& message = in.message;
    ssize_t got = -1;
    if (sendAll(channel_, &request, sizeof request) && sendAll(channel_, path.data(), path.size()) &&
        sendAll(channel_, bytes.data(), bytes.size())) {
        do {
            got = recvmsg(channel_, &message, MSG_CMSG_CLOEXEC | MSG_WAITALL);
        } while (got < 0 && errno == EINTR);
    }
    if (got != static_cast<ssize_t>(sizeof in.reply)) {
        // The writer has gone: no further request can reach it.
        close(channel_);
        channel_ = -1;
        return writerGone;
    }
    int file = -1;
    for (cmsghdr* header = CMSG_FIRSTHDR(&message); header; header = CMSG_NXTHDR(&message, header)) {
        if (header->cmsg_level == SOL_SOCKET && header->cmsg_type == SCM_RIGHTS) {
            std::memcpy(&file, CMSG_DATA(header), sizeof file);
        }
    }
    if (receivedFile) {
        *receivedFile = file;
    } else if (file >= 0) {
        close(file);
    }
    return in.reply.error;
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

int FileWriter::openForReading(const std::string& path)
{
    int file = -1;
    const int error = request(openOperation, path, {}, &file);
    if (error == writerGone) {
        return -ECHILD;
    }
    if (error != 0) {
        return -error;
    }
    return file >= 0 ? file : -EIO;
}

FileWriter* FileWriter::shared()
{
    return sharedWriter().get();
}

void FileWriter::setShared(std::unique_ptr<FileWriter> writer)
{
    sharedWriter() = std::move(writer);
}

int writeFileAtomically(const std::string& path, std::string_view bytes)
{
    AtomicFile file;
    int error = file.open(path);
    if (error == 0) {
        error = file.write(bytes.data(), bytes.size());
    }
    return error == 0 ? file.commit() : error;
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
        // The writer has gone: the file may still be among those the program reads.
    }
    if (path.find('\0') != std::string::npos) {
        return -EINVAL;
    }
    const int file = open(path.c_str(), openForReadingFlags);
    return file >= 0 ? file : -errno;
}

namespace {

// A reason for a failed save, in the window's language.
std::string translated(const char* reason)
{
    return QCoreApplication::translate("FileWriter", reason).toStdString();
}

} // namespace

std::string saveErrorText(const std::string& path, int error)
{
    std::string reason;
    switch (error) {
    case EACCES:
    case EPERM:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "l’accès au dossier ou au fichier est refusé"));
        break;
    case EROFS:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le disque n’accepte pas d’écriture"));
        break;
    case ENOSPC:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le disque est plein"));
        break;
    case EDQUOT:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le quota de disque est atteint"));
        break;
    case EFBIG:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le fichier serait trop grand"));
        break;
    case ENOENT:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le dossier n’existe pas"));
        break;
    case ENOTDIR:
        reason = translated(
            QT_TRANSLATE_NOOP("FileWriter", "le chemin passe par un fichier qui n’est pas un dossier"));
        break;
    case EISDIR:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "c’est un dossier"));
        break;
    case notRegularFile:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "ce n’est pas un fichier ordinaire"));
        break;
    case ENAMETOOLONG:
    case EINVAL:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le nom n’est pas valable"));
        break;
    case EIO:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le disque a signalé une erreur"));
        break;
    case writerGone:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le programme d’écriture s’est arrêté"));
        break;
    case workbookFailed:
        reason = translated(QT_TRANSLATE_NOOP("FileWriter", "le classeur n’a pas pu être constitué"));
        break;
    default:
        reason = QCoreApplication::translate("FileWriter", "erreur du système %1 (%2)")
                     .arg(error)
                     .arg(QString::fromLocal8Bit(std::strerror(error)))
                     .toStdString();
        break;
    }
    return QCoreApplication::translate("FileWriter",
                                       "Le fichier «\u00a0%1\u00a0» n’a pas pu être enregistré\u00a0: %2")
        .arg(QString::fromStdString(path), QString::fromStdString(reason))
        .toStdString();
}

std::string printErrorText(const std::string& printer, int error)
{
    const QString name = printer.empty()
                             ? QCoreApplication::translate("FileWriter", "l’imprimante par défaut")
                             : QString::fromStdString(printer);
    if (error == writerGone) {
        return QCoreApplication::translate("FileWriter",
                                           "L’impression sur «\u00a0%1\u00a0» a échoué\u00a0: le programme "
                                           "d’écriture s’est arrêté")
            .arg(name)
            .toStdString();
    }
    return QCoreApplication::translate("FileWriter",
                                       "L’impression sur «\u00a0%1\u00a0» a échoué\u00a0: le système "
                                       "d’impression a refusé le document (%2)")
        .arg(name, QString::fromUtf8(cupsLastErrorString()))
        .toStdString();
}
