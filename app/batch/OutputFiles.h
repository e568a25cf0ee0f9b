#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// An output of the command line: the option that names it, and the path.
struct OutputPath
{
    std::string_view option;
    std::string path;
};

// "<option>: '<path>' is the same file as <option> '<path>'" for the first two outputs that name
// one file once links are followed, or empty when all differ. Character devices (/dev/null, a
// terminal) may take several outputs.
std::string sameFileError(const std::vector<OutputPath>& outputs);

} // namespace velmora
