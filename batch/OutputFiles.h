#pragma once

#include "batch/DescriptorStream.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// One file that velmora2-batch writes. Its content goes to a temporary file beside the target,
// which replaces the target only by commit(), once the whole run has succeeded: a run that fails,
// or is interrupted (by any signal that ends it, see TemporaryFiles.h), leaves every earlier file
// as it was, and never a partial one or a temporary file. A target that exists and is not a
// regular file (/dev/null, a terminal, a pipe) is written directly.
class OutputFile
{
public:
    explicit OutputFile(std::string target);
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile(); // removes the temporary file unless committed

    // Creates the temporary file (or opens the device). On failure returns false with
    // "cannot write '<target>': <reason>" in `error`.
    bool open(std::string& error);
    std::ostream& stream() { return out_; }
    // Whether writing has failed so far (a full disk, say).
    bool failed() { return out_.buffer().error() != 0; }
    // Writes out and closes what was streamed; false with the error when anything failed.
    bool finish(std::string& error);
    // Puts the finished file in place of the target.
    bool commit(std::string& error);

    const std::string& target() const { return target_; }

private:
    bool fail(std::string& error, int code);
    void closeFile();

    std::string target_;
    std::string placed_;    // the path that commit() replaces: the target with its links followed
    std::string temporary_; // empty when the target is written directly
    DescriptorStream out_;
    bool committed_ = false;
};

// "cannot write '<path>': <reason>" (the path quoted by quotedValue).
std::string cannotWrite(const std::string& path, int error);

// An output of the command line: the option that names it, and the path.
struct OutputPath
{
    std::string_view option;
    std::string path;
};

// "<option>: '<path>' is the same file as <option> '<path>'" for the first two outputs that are
// one file, or empty when all differ. Files are compared as the system knows them (device and
// inode), not by their names, so that links, hard links and the same folder reached through a
// bind mount are all seen; a file that does not exist yet is its folder's device and inode and
// its name. Character devices (/dev/null, a terminal) may take several outputs.
std::string sameFileError(const std::vector<OutputPath>& outputs);

} // namespace velmora
