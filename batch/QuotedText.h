#pragma once

#include <string>
#include <string_view>

namespace velmora {

// A value from the command line or the file system inside single quotes, for a one-line message:
// line feeds, carriage returns, tabs and every other control character (C0, DEL and the C1
// controls), backslashes and bytes that are not UTF-8 are written as escapes (\n, \r, \t, \\,
// \xHH), so that no value can break the line or forge a second one, nor drive a terminal.
std::string quotedValue(std::string_view text);

// A whole message made one line: the same escapes but for backslashes, which a quoted value in it
// has already doubled.
std::string oneLine(std::string_view text);

} // namespace velmora
