#include "window/SingleInstance.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

bool acquireSingleInstanceGuard(const char* name)
{
    const int guard = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (guard < 0) {
        return true;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // An abstract name starts with a zero byte and lives only as long as its socket.
    const int length = std::snprintf(address.sun_path + 1, sizeof(address.sun_path) - 1, "%s.%u", name,
                                     static_cast<unsigned>(getuid()));
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<std::size_t>(length));
    if (bind(guard, reinterpret_cast<const sockaddr*>(&address), size) == 0) {
        return true; // held until the process ends
    }
    const bool taken = errno == EADDRINUSE;
    close(guard);
    return !taken;
}
