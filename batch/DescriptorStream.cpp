#include "batch/DescriptorStream.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace velmora {

bool DescriptorBuffer::drain()
{
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
        const ssize_t written = ::write(descriptor_, next, static_cast<std::size_t>(pptr() - next));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            error_ = written < 0 ? errno : EIO;
            break;
        }
        next += written;
    }
    setp(buffer_.begin(), buffer_.end());
    return error_ == 0;
}

DescriptorBuffer::int_type DescriptorBuffer::overflow(int_type c)
{
    if (!drain()) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::string writeFailure(int error)
{
    switch (error) {
    case ENOSPC:
        return "the disk is full";
    case EDQUOT:
        return "the disk quota is exceeded";
    case EFBIG:
        return "the file would exceed the file size limit";
    case EPIPE:
        return "the reader has gone (broken pipe)";
    default:
        return std::strerror(error);
    }
}

} // namespace velmora
