#include "files/NoExecMounts.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sched.h>
#include <set>
#include <sstream>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

std::string systemError(const char* what)
{
    return std::string(what) + ": " + std::strerror(errno);
}

bool writeWhole(const char* path, const std::string& text)
{
    const int file = open(path, O_WRONLY | O_CLOEXEC);
    if (file < 0) {
        return false;
    }
    const bool written = write(file, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    close(file);
    return written;
}

// "a b\040c" in /proc/self/mountinfo is "a b c": spaces and the like are octal escapes there.
std::string unescaped(const std::string& field)
{
    std::string text;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            text.push_back(static_cast<char>(std::strtol(field.substr(i + 1, 3).c_str(), nullptr, 8)));
            i += 3;
        } else {
            text.push_back(field[i]);
        }
    }
    return text;
}

struct Mount
{
    std::string point;
    std::string type;
};

std::vector<Mount> mounts()
{
    std::vector<Mount> found;
    std::ifstream table("/proc/self/mountinfo");
    for (std::string line; std::getline(table, line);) {
        std::istringstream fields(line);
        std::string id, parent, device, root, point, options, field;
        fields >> id >> parent >> device >> root >> point >> options;
        while (fields >> field && field != "-") {
        }
        std::string type;
        fields >> type;
        found.push_back({unescaped(point), type});
    }
    return found;
}

bool within(const std::string& path, const std::string& folder)
{
    return folder == "/" || path == folder ||
           (path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
            path[folder.size()] == '/');
}

std::string canonical(const std::string& path)
{
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) {
        return {};
    }
    std::string text = resolved;
    std::free(resolved);
    return text;
}

// The flags of a mount that a remount in a user namespace must keep (the kernel locks them).
unsigned long keptFlags(const std::string& point)
{
    struct statvfs status;
    if (statvfs(point.c_str(), &status) != 0) {
        return 0;
    }
    unsigned long flags = 0;
    const std::pair<unsigned long, unsigned long> pairs[] = {
        {ST_RDONLY, MS_RDONLY},     {ST_NOSUID, MS_NOSUID},   {ST_NODEV, MS_NODEV},
        {ST_NOEXEC, MS_NOEXEC},     {ST_NOATIME, MS_NOATIME}, {ST_NODIRATIME, MS_NODIRATIME},
        {ST_RELATIME, MS_RELATIME},
    };
    for (const auto& [status_flag, mount_flag] : pairs) {
        if (status.f_flag & status_flag) {
            flags |= mount_flag;
        }
    }
    return flags;
}

bool remountNoExec(const std::string& point)
{
    return mount(nullptr, point.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_NOEXEC | keptFlags(point),
                 nullptr) == 0;
}

} // namespace

std::vector<std::string> writablePlaces(const std::vector<std::string>& given)
{
    // File systems of the kernel's own, which hold no files of the user's.
    static const std::set<std::string> kernelTypes{
        "proc",    "sysfs",       "cgroup",   "cgroup2",    "devpts",    "securityfs", "debugfs",
        "tracefs", "pstore",      "bpf",      "mqueue",     "hugetlbfs", "configfs",   "fusectl",
        "autofs",  "binfmt_misc", "efivarfs", "rpc_pipefs", "nsfs",
    };
    std::vector<std::string> places;
    for (const std::string& place : given) {
        if (!place.empty() && access(place.c_str(), W_OK) == 0) {
            places.push_back(place);
        }
    }
    for (const Mount& mount : mounts()) {
        const bool kernels =
            kernelTypes.count(mount.type) != 0 || within(mount.point, "/proc") || within(mount.point, "/sys");
        if (!kernels && access(mount.point.c_str(), W_OK) == 0) {
            places.push_back(mount.point);
        }
    }
    return places;
}

NoExecResult mountPlacesNoExec(const std::vector<std::string>& places,
                               const std::vector<std::string>& keepExecutable)
{
    NoExecResult result;
    const uid_t user = getuid();
    const gid_t group = getgid();
    std::vector<std::string> kept;
    for (const std::string& path : keepExecutable) {
        if (const std::string resolved = canonical(path); !resolved.empty()) {
            kept.push_back(resolved);
        }
    }
    std::vector<std::string> chosen;
    for (const std::string& path : places) {
        const std::string resolved = canonical(path);
        const bool holdsCode = std::any_of(
            kept.begin(), kept.end(), [&](const std::string& library) { return within(library, resolved); });
        if (!resolved.empty() && !holdsCode &&
            std::find(chosen.begin(), chosen.end(), resolved) == chosen.end()) {
            chosen.push_back(resolved);
        }
    }
    // Outer places first: a place within another is mounted with it.
    std::sort(chosen.begin(), chosen.end());

    if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
        result.reason = systemError("unshare");
        return result;
    }
    // The user stays who they are in the namespace, with no other group.
    if (!writeWhole("/proc/self/setgroups", "deny") ||
        !writeWhole("/proc/self/uid_map", std::to_string(user) + " " + std::to_string(user) + " 1") ||
        !writeWhole("/proc/self/gid_map", std::to_string(group) + " " + std::to_string(group) + " 1")) {
        result.reason = systemError("the user namespace's identities");
        return result;
    }
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        result.reason = systemError("mount");
        return result;
    }
    std::vector<std::string> done;
    for (const std::string& place : chosen) {
        if (std::any_of(done.begin(), done.end(),
                        [&](const std::string& outer) { return within(place, outer); })) {
            continue;
        }
        // The place becomes a mount of its own, with the mounts beneath it, so that its flags can
        // change; then it and each mount beneath it are made noexec.
        if (mount(place.c_str(), place.c_str(), nullptr, MS_BIND | MS_REC, nullptr) != 0 ||
            !remountNoExec(place)) {
            if (result.reason.empty()) {
                result.reason = systemError(("mount " + place).c_str());
            }
            continue;
        }
        result.places.push_back(place);
        std::vector<std::string> points;
        for (const Mount& mount : mounts()) {
            if (mount.point != place && within(mount.point, place) &&
                std::find(points.begin(), points.end(), mount.point) == points.end()) {
                points.push_back(mount.point);
            }
        }
        std::sort(points.begin(), points.end());
        for (const std::string& point : points) {
            // A mount beneath that the user cannot write to (a read-only one of the system's) has
            // nothing of the user's: it is left as it is.
            if (access(point.c_str(), W_OK) == 0 && remountNoExec(point)) {
                result.places.push_back(point);
            }
        }
        done.push_back(place);
    }
    result.applied = result.reason.empty();
    return result;
}
