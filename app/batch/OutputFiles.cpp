#include "app/batch/OutputFiles.h"

#include <filesystem>

#include <sys/stat.h>

namespace velmora {

namespace {

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

} // namespace velmora
