#pragma once

#include <string>
#include <vector>

// A library is code, and the kernel's Landlock rules do not cover a library mapped into the
// process (they cover starting programs only). So that no code can come from a place the user (or
// a movie's author) can write to, the window process enters a user and mount namespace of its own,
// where each such place is mounted again with "noexec": the kernel then maps no code from there.
// Nothing changes for any other process: the writer, started before, and the rest of the system
// see the mounts as they were. Plain system calls, no Qt.

struct NoExecResult
{
    bool applied = false;
    std::string reason;              // why not, for the one line on standard error
    std::vector<std::string> places; // the places mounted noexec, mount points within them included
};

// Enters the namespaces and mounts `places` (folders; those missing are left out) and every mount
// beneath them noexec, keeping their other flags. Call while the process runs a single thread (the
// kernel allows a new user namespace only then). Places that hold `keepExecutable` (the system's
// libraries: the root folder itself, say) are left as they are.
NoExecResult mountPlacesNoExec(const std::vector<std::string>& places,
                               const std::vector<std::string>& keepExecutable);

// The places a user can write to, as the program sees them: `given` (home, the temporary folders,
// the data folder, ...) and every mount point of a file system the user can write at.
std::vector<std::string> writablePlaces(const std::vector<std::string>& given);
