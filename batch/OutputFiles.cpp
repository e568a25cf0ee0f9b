#include "batch/OutputFiles.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

// The temporary files that exist now, for the signal handler: plain arrays, since a handler may
// only read memory and call async-signal-safe functions such as unlink.
constexpr int temporarySlots = 8;
char temporaryPaths[temporarySlots][PATH_MAX];
volatile std::sig_atomic_t temporaryInUse[temporarySlots];

int registerTemporary(const std::string& path)
{
    if (path.size() >= PATH_MAX) {
        return -1;
    }
    for (int i = 0; i < temporarySlots; ++i) {
        if (!temporaryInUse[i]) {
            std::memcpy(temporaryPaths[i], path.c_str(), path.size() + 1);
            temporaryInUse[i] = 1;
            return i;
        }
    }
    return -1;
}

void forgetTemporary(const std::string& path)
{
    for (int i = 0; i < temporarySlots; ++i) {
        if (temporaryInUse[i] && path == temporaryPaths[i]) {
            temporaryInUse[i] = 0;
        }
    }
}

extern "C" void removeTemporariesAndEnd(int signal)
{
    for (int i = 0; i < temporarySlots; ++i) {
        if (temporaryInUse[i]) {
            unlink(temporaryPaths[i]);
        }
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string cannotWrite(const std::string& target, int code)
{
    return "cannot write '" + target + "': " + std::strerror(code);
}

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

// What identifies the file that a path names once its links are followed.
struct FileIdentity
{
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    bool characterDevice = false;
    std::string resolvedPath; // for a file that does not exist yet

    bool sameAs(const FileIdentity& other) const
    {
        if (exists != other.exists) {
            return false;
        }
        return exists ? device == other.device && inode == other.inode : resolvedPath == other.resolvedPath;
    }
};

FileIdentity identify(const std::string& path)
{
    FileIdentity identity;
    struct stat status;
    if (stat(path.c_str(), &status) == 0) {
        identity.exists = true;
        identity.device = status.st_dev;
        identity.inode = status.st_ino;
        identity.characterDevice = S_ISCHR(status.st_mode);
        return identity;
    }
    std::error_code ignored;
    identity.resolvedPath =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
    if (identity.resolvedPath.empty()) {
        identity.resolvedPath = path;
    }
    return identity;
}

} // namespace

OutputFile::OutputFile(std::string target) : target_(std::move(target)) {}

OutputFile::~OutputFile()
{
    if (!temporary_.empty() && !committed_) {
        if (out_.is_open()) {
            out_.close();
        }
        forgetTemporary(temporary_);
        unlink(temporary_.c_str());
    }
}

bool OutputFile::fail(std::string& error, int code)
{
    error = cannotWrite(target_, code);
    return false;
}

bool OutputFile::open(std::string& error)
{
    struct stat status;
    std::optional<mode_t> keptMode;
    placed_ = target_;
    if (stat(target_.c_str(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            return fail(error, EISDIR);
        }
        if (!S_ISREG(status.st_mode)) {
            out_.open(target_, std::ios::out | std::ios::trunc);
            return out_ ? true : fail(error, errno);
        }
        // A link to a regular file: the file it names is replaced, and the link stays.
        char* resolved = realpath(target_.c_str(), nullptr);
        if (resolved == nullptr) {
            return fail(error, errno);
        }
        placed_ = resolved;
        std::free(resolved);
        keptMode = status.st_mode & 07777;
    }

    const std::filesystem::path placed(placed_);
    std::string pattern = (placed.parent_path() / ("." + placed.filename().string() + ".XXXXXX")).string();
    const int descriptor = mkstemp(pattern.data());
    if (descriptor < 0) {
        return fail(error, errno);
    }
    temporary_ = pattern;
    registerTemporary(temporary_);
    // mkstemp gives 0600: the file takes the mode of the one it replaces, or the usual mode of a
    // new file.
    mode_t mode = 0;
    if (keptMode) {
        mode = *keptMode;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    const bool modeSet = fchmod(descriptor, mode) == 0;
    const int modeError = errno;
    close(descriptor);
    if (!modeSet) {
        return fail(error, modeError);
    }
    out_.open(temporary_, std::ios::out | std::ios::trunc);
    return out_ ? true : fail(error, errno);
}

bool OutputFile::finish(std::string& error)
{
    errno = 0;
    out_.flush();
    const bool written = static_cast<bool>(out_);
    const int writeError = errno;
    out_.close();
    if (!written || !out_) {
        return fail(error, writeError != 0 ? writeError : (errno != 0 ? errno : EIO));
    }
    if (temporary_.empty()) {
        return true;
    }
    // A full disk may show only when the data reach it.
    const int descriptor = ::open(temporary_.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return fail(error, errno);
    }
    const bool synced = fsync(descriptor) == 0;
    const int syncError = errno;
    close(descriptor);
    return synced ? true : fail(error, syncError);
}

bool OutputFile::commit(std::string& error)
{
    if (temporary_.empty()) {
        committed_ = true;
        return true;
    }
    if (rename(temporary_.c_str(), placed_.c_str()) != 0) {
        return fail(error, errno);
    }
    forgetTemporary(temporary_);
    committed_ = true;
    return true;
}

std::string sameFileError(const std::vector<OutputPath>& outputs)
{
    std::vector<FileIdentity> identities;
    identities.reserve(outputs.size());
    for (const OutputPath& output : outputs) {
        identities.push_back(identify(output.path));
    }
    for (std::size_t later = 1; later < outputs.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            if (identities[later].sameAs(identities[earlier]) && !identities[later].characterDevice) {
                return std::string(outputs[later].option) + ": " + quoted(outputs[later].path) +
                       " is the same file as " + std::string(outputs[earlier].option) + " " +
                       quoted(outputs[earlier].path);
            }
        }
    }
    return {};
}

void removeTemporaryFilesOnSignals()
{
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current;
        // A signal that the caller had ignored (nohup) stays ignored.
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN) {
            std::signal(signal, removeTemporariesAndEnd);
        }
    }
}

} // namespace velmora
