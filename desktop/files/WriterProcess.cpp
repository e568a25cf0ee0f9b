#include "files/WriterProcess.h"

#include "files/WriterJournal.h"
#include "files/WriterProtocol.h"
#include "lab/Workbook.h"

#include <cups/cups.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace writer;

namespace {

// As the settings file is opened: no pipe or device may hold the reader.
constexpr int openForReadingFlags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;

WriterJournal& journal()
{
    static WriterJournal notes;
    return notes;
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
// the temporary file is removed; the journal notes it meanwhile, for a kill.
class AtomicFile
{
public:
    int open(const std::string& path)
    {
        if (path.empty() || path.find('\0') != std::string::npos) {
            return EINVAL;
        }
        target_ = path;
        struct stat status;
        if (lstat(path.c_str(), &status) == 0 && S_ISLNK(status.st_mode)) {
            // Through a link, the file it leads to is replaced and the link stays; a link that
            // leads nowhere is said as such.
            char* resolved = realpath(path.c_str(), nullptr);
            if (!resolved) {
                return errno == ENOENT ? danglingLink : errno;
            }
            target_ = resolved;
            std::free(resolved);
        }
        const std::size_t slash = target_.rfind('/');
        folder_ = slash == std::string::npos ? "." : slash == 0 ? "/" : target_.substr(0, slash);
        const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
        errno = 0;
        const long longestName = pathconf(folder_.c_str(), _PC_NAME_MAX);
        if (name.size() > static_cast<std::size_t>(longestName > 0 ? longestName : NAME_MAX)) {
            return ENAMETOOLONG;
        }
        mode_t mode = 0666 & ~currentUmask();
        if (stat(target_.c_str(), &status) == 0) {
            if (S_ISDIR(status.st_mode)) {
                return EISDIR;
            }
            if (!S_ISREG(status.st_mode)) {
                return notRegularFile;
            }
            // A file its owner made read-only is not replaced, not even by the administrator.
            if ((status.st_mode & 0222) == 0 || access(target_.c_str(), W_OK) != 0) {
                return readOnlyFile;
            }
            mode = status.st_mode & 07777; // a replaced file keeps its permissions
        } else if (errno != ENOENT) {
            return errno;
        }
        return createTemporary(mode);
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
        journal().forget(temporary_);
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
            journal().forget(temporary_);
        }
    }

private:
    static mode_t currentUmask()
    {
        const mode_t mask = umask(022);
        umask(mask);
        return mask;
    }

    // Noted in the journal before it exists, so that no kill can leave it unnoted.
    int createTemporary(mode_t mode)
    {
        static std::mt19937 random(std::random_device{}());
        static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = folder_ + "/.velmora2-save-";
            for (int i = 0; i < 6; ++i) {
                name += letters[random() % (sizeof letters - 1)];
            }
            journal().note(name);
            file_ = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (file_ >= 0) {
                temporary_ = name;
                fchmod(file_, mode); // best effort: some file systems keep no permissions
                return 0;
            }
            const int error = errno;
            journal().forget(name);
            if (error != EEXIST) {
                return error;
            }
        }
        return EEXIST;
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

int openFile(const std::string& path, int flags, int& file)
{
    if (path.find('\0') != std::string::npos) {
        return EINVAL;
    }
    file = open(path.c_str(), flags);
    return file < 0 ? errno : 0;
}

// The writer process: requests one after the other, until the program closes its end.
[[noreturn]] void serve(int channel)
{
    // What a writer killed in the middle of a save left behind.
    journal().removeStaleFiles();
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
                _exit(0); // the window has gone: the temporary file goes with `target`
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
            error = openFile(path, openForReadingFlags, file);
        } else if (request.operation == openFolderOperation && request.dataSize == 0) {
            error = openFile(path, O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC, file);
        } else if (request.operation == autosaveWriteOperation && request.dataSize <= largestMessage) {
            std::string data(static_cast<std::size_t>(request.dataSize), '\0');
            if (!receiveAll(channel, data.data(), data.size())) {
                _exit(0);
            }
            error = writeAutosave(data);
        } else if (request.operation == autosaveOpenOperation && request.dataSize == 0) {
            error = openAutosave(file);
        } else if (request.operation == autosaveRemoveOperation && request.dataSize == 0) {
            error = removeAutosave();
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

} // namespace

std::string autosavePath()
{
    const std::string folder = programStateFolder();
    return folder.empty() ? std::string() : folder + "/autosave.velmora";
}

int writeAutosave(std::string_view bytes)
{
    const std::string path = autosavePath();
    return path.empty() ? ENOENT : writeFileAtomically(path, bytes);
}

int openAutosave(int& file)
{
    const std::string path = autosavePath();
    file = -1;
    return path.empty() ? ENOENT : openFile(path, openForReadingFlags | O_NOFOLLOW, file);
}

int removeAutosave()
{
    const std::string path = autosavePath();
    return path.empty() || unlink(path.c_str()) == 0 || errno == ENOENT ? 0 : errno;
}

WriterProcess startWriterProcess()
{
    int channels[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, channels) != 0) {
        return {};
    }
    const pid_t parent = getpid();
    const pid_t process = fork();
    if (process < 0) {
        close(channels[0]);
        close(channels[1]);
        return {};
    }
    if (process == 0) {
        // The writer: it ends with the process that started it, keeps only its end of the pair
        // (not the program's single-instance guard, for one), and outlives no broken channel.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) {
            _exit(0);
        }
        prctl(PR_SET_NAME, "velmora2-writer");
        signal(SIGPIPE, SIG_IGN);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        const int channel = dup2(channels[1], 3) == 3 ? 3 : -1;
        if (channel < 0) {
            _exit(1);
        }
        close_range(4, ~0U, 0);
        serve(channel);
    }
    close(channels[1]);
    return {process, channels[0]};
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
