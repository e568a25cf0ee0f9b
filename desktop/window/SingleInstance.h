#pragma once

// The single-instance guard: one running copy of the program per user. The guard is an abstract
// local socket bound under the given name and the user's id, so the kernel releases it when the
// process ends, however it ends, and no file is left behind.
//
// Returns false when another copy of the same user holds the guard. A guard that cannot be set
// up at all lets the program run.
bool acquireSingleInstanceGuard(const char* name);
