#include "files/WriterJournal.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* temporaryPrefix = ".velmora2-save-";

bool makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

} // namespace

bool isWriterTemporaryName(const std::string& name)
{
    return name.rfind(temporaryPrefix, 0) == 0 &&
           name.size() > std::char_traits<char>::length(temporaryPrefix);
}

std::string programStateFolder()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::string folder;
    if (state && state[0] == '/') {
        folder = std::string(state) + "/velmora2";
    } else if (home && home[0] == '/') {
        folder = std::string(home) + "/.local/state/velmora2";
    }
    return !folder.empty() && makeFolders(folder) ? folder : std::string();
}

WriterJournal::WriterJournal()
{
    const std::string state = programStateFolder();
    if (!state.empty()) {
        folder_ = state + "/unfinished-saves";
        if (!makeFolders(folder_)) {
            folder_.clear();
        }
    }
}

std::string WriterJournal::noteFor(const std::string& temporary) const
{
    // The writer's process, then the temporary file's own random part.
    const std::size_t slash = temporary.rfind('/');
    return folder_ + "/" + std::to_string(getpid()) + "-" +
           std::to_string(std::hash<std::string>{}(temporary)) + "-" + temporary.substr(slash + 1);
}

void WriterJournal::note(const std::string& temporary)
{
    if (!folder_.empty()) {
        // Without the note, a temporary left by a kill is only missed at the next start's clean-up;
        // the save itself goes on.
        [[maybe_unused]] const int noted = symlink(temporary.c_str(), noteFor(temporary).c_str());
    }
}

void WriterJournal::forget(const std::string& temporary)
{
    if (!folder_.empty()) {
        unlink(noteFor(temporary).c_str());
    }
}

void WriterJournal::removeStaleFiles()
{
    DIR* notes = folder_.empty() ? nullptr : opendir(folder_.c_str());
    if (!notes) {
        return;
    }
    while (const dirent* entry = readdir(notes)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        // A note of a writer still running is its save under way.
        const pid_t writer = static_cast<pid_t>(std::atoi(name.c_str()));
        if (writer > 0 && writer != getpid() && (kill(writer, 0) == 0 || errno == EPERM)) {
            continue;
        }
        const std::string note = folder_ + "/" + name;
        char target[4096];
        const ssize_t length = readlink(note.c_str(), target, sizeof target - 1);
        if (length > 0) {
            target[length] = '\0';
            const std::string temporary = target;
            const std::string file = temporary.substr(temporary.rfind('/') + 1);
            struct stat status;
            if (isWriterTemporaryName(file) && lstat(target, &status) == 0 && S_ISREG(status.st_mode) &&
                status.st_uid == getuid()) {
                unlink(target);
            }
        }
        unlink(note.c_str());
    }
    closedir(notes);
}
