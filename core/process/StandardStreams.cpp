#include "process/StandardStreams.h"

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace velmora {

void openClosedStandardStreams()
{
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) >= 0 || errno != EBADF) {
            continue;
        }
        // The lowest free number: this one, since those below are open by now.
        const int opened = open("/dev/null", descriptor == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != descriptor) {
            close(opened); // cannot happen; never leave a stray descriptor
        }
    }
}

} // namespace velmora
