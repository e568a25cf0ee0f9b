#pragma once

namespace velmora {

// Opens /dev/null on each of the standard input, output and error (descriptors 0, 1 and 2) that is
// closed. A program started with them closed would otherwise give those numbers to the first
// files it opens, and its messages would go into them: into an output file, a socket to another
// process or the display's connection. Call it first, before anything opens a file.
void openClosedStandardStreams();

} // namespace velmora
