#pragma once

#include <array>
#include <ostream>
#include <streambuf>
#include <string>

namespace velmora {

// An output stream on a file descriptor that keeps the reason of its first failed write (the
// errno: ENOSPC for a full disk, EPIPE for a reader that has gone), which a standard file stream
// forgets. After a failure it writes nothing more and the stream is bad.
class DescriptorBuffer : public std::streambuf
{
public:
    explicit DescriptorBuffer(int descriptor = -1) : descriptor_(descriptor)
    {
        setp(buffer_.begin(), buffer_.end());
    }
    void attach(int descriptor) { descriptor_ = descriptor; }
    int descriptor() const { return descriptor_; }
    // 0 while every write has succeeded, otherwise the errno of the first that failed.
    int error() const { return error_; }
    // Writes what is held; false (with error() set) when that fails.
    bool drain();

protected:
    int_type overflow(int_type c) override;
    int sync() override { return drain() ? 0 : -1; }

private:
    int descriptor_;
    int error_ = 0;
    std::array<char, 64 * 1024> buffer_;
};

class DescriptorStream : public std::ostream
{
public:
    explicit DescriptorStream(int descriptor = -1) : std::ostream(&buffer_), buffer_(descriptor) {}
    DescriptorBuffer& buffer() { return buffer_; }

private:
    DescriptorBuffer buffer_;
};

// The reason of a failed write in words, for "cannot write '<path>': <reason>": a full disk, an
// exceeded quota or file size limit and a reader that has gone said plainly, others as the system
// says them.
std::string writeFailure(int error);

} // namespace velmora
