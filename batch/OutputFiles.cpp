#include "batch/OutputFiles.h"

#include "batch/QuotedText.h"
#include "batch/TemporaryFiles.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

// What identifies the file that a path names once its links are followed: the file itself, or,
// for one that does not exist yet, the folder it would be made in and its name there.
struct FileIdentity
{
    bool known = false;
    dev_t device = 0;
    ino_t inode = 0;
    std::string name; // in the folder (device, inode) when the file does not exist
    bool characterDevice = false;

    bool sameAs(const FileIdentity& other) const
    {
        return known && other.known && device == other.device && inode == other.inode && name == other.name;
    }
};

FileIdentity identify(const std::string& path)
{
    FileIdentity identity;
    struct stat status;
    if (stat(path.c_str(), &status) == 0) {
        identity.known = true;
        identity.device = status.st_dev;
        identity.inode = status.st_ino;
        identity.characterDevice = S_ISCHR(status.st_mode);
        return identity;
    }
    // Links followed as far as they lead (a link to a file not yet made leads into its folder).
    std::error_code ignored;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::absolute(path, ignored), ignored);
    if (resolved.empty() || stat(resolved.parent_path().c_str(), &status) != 0) {
        return identity; // the folder is missing: writing will fail, and say why
    }
    identity.known = true;
    identity.device = status.st_dev;
    identity.inode = status.st_ino;
    identity.name = resolved.filename().string();
    return identity;
}

} // namespace

std::string cannotWrite(const std::string& path, int error)
{
    return "cannot write " + quotedValue(path) + ": " + writeFailure(error);
}

OutputFile::OutputFile(std::string target) : target_(std::move(target)) {}

OutputFile::~OutputFile()
{
    closeFile();
    if (!temporary_.empty() && !committed_) {
        unlink(temporary_.c_str());
        forgetTemporaryFile(temporary_);
    }
}

void OutputFile::closeFile()
{
    if (out_.buffer().descriptor() >= 0) {
        close(out_.buffer().descriptor());
        out_.buffer().attach(-1);
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
            const int device = ::open(target_.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
            if (device < 0) {
                return fail(error, errno);
            }
            out_.buffer().attach(device);
            return true;
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
    const std::filesystem::path folder = placed.has_parent_path() ? placed.parent_path() : ".";
    errno = 0;
    long longestName = pathconf(folder.c_str(), _PC_NAME_MAX);
    if (longestName < 0 && errno != 0) {
        return fail(error, errno);
    }
    std::string pattern = (folder / temporaryNameBeside(placed.filename().string(), longestName)).string();
    // Made and registered with signals held back, so that no signal comes between the two.
    sigset_t every;
    sigset_t before;
    sigfillset(&every);
    sigprocmask(SIG_BLOCK, &every, &before);
    const int descriptor = mkostemp(pattern.data(), O_CLOEXEC);
    const int code = errno;
    if (descriptor >= 0) {
        registerTemporaryFile(pattern);
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
    if (descriptor < 0) {
        return fail(error, code);
    }
    temporary_ = pattern;
    out_.buffer().attach(descriptor);
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
    return fchmod(descriptor, mode) == 0 ? true : fail(error, errno);
}

bool OutputFile::finish(std::string& error)
{
    out_.flush();
    if (!out_.buffer().drain()) {
        return fail(error, out_.buffer().error());
    }
    if (!out_) {
        return fail(error, EIO);
    }
    // A full disk may show only when the data reach it.
    const int descriptor = out_.buffer().descriptor();
    if (!temporary_.empty() && fsync(descriptor) != 0) {
        return fail(error, errno);
    }
    out_.buffer().attach(-1);
    return close(descriptor) == 0 || errno == EINTR ? true : fail(error, errno);
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
    committed_ = true;
    forgetTemporaryFile(temporary_);
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
                return std::string(outputs[later].option) + ": " + quotedValue(outputs[later].path) +
                       " is the same file as " + std::string(outputs[earlier].option) + " " +
                       quotedValue(outputs[earlier].path);
            }
        }
    }
    return {};
}

} // namespace velmora
