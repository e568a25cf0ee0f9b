#pragma once

#include <string>

namespace velmora {

// The temporary files that exist at this moment, so that they go whatever ends the process: a
// signal handler removes them before the process ends by that signal.
void registerTemporaryFile(const std::string& path);
void forgetTemporaryFile(const std::string& path);

// From now on every signal whose usual effect is to end the process (SIGINT, SIGTERM, SIGHUP,
// SIGQUIT, SIGXFSZ, SIGXCPU, SIGALRM, SIGUSR1, SIGABRT, SIGSEGV, the real-time signals, ...)
// first removes the registered temporary files, then ends the process as that signal does, with
// its usual status. A signal that the caller had ignored (nohup) stays ignored. SIGPIPE is
// ignored: a write to a reader that has gone fails as any write error does, and is reported so.
void removeTemporaryFilesOnSignals();

// A name for a temporary file beside `name` in a folder whose names may be `longestName` bytes
// long: "." + name + ".XXXXXX", the name shortened (at a character's boundary) when it would not
// fit. The Xs are for mkstemp.
std::string temporaryNameBeside(const std::string& name, long longestName);

} // namespace velmora
