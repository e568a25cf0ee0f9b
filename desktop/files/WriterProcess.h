#pragma once

#include <string>
#include <string_view>
#include <sys/types.h>

// The writer of the user's files, in its own process (FileWriter.h is the window's side). It
// writes each file atomically, whole or not at all, and leaves no temporary file behind, also when
// it is killed in the middle of a save (WriterJournal.h). No Qt.

struct WriterProcess
{
    pid_t process = -1;
    int channel = -1; // the caller's end of the channel
};

// Starts a writer: a copy of the calling process, which must run a single thread. It ends when
// the caller's end of the channel closes, or when the calling process ends. process is -1 when
// the system refuses a new process.
WriterProcess startWriterProcess();

// The atomic write itself, as the writer does it: 0 or the error of the step that failed (an
// errno value, or one of WriterProtocol.h: a read-only target, a link that leads nowhere, ...).
int writeFileAtomically(const std::string& path, std::string_view bytes);

// The workbook of a message (lab/Workbook.h) written in place of `path` as every file is.
int writeWorkbookFile(const std::string& path, std::string_view message);

// A PDF document to the printing system, as one job.
int printPdf(const std::string& printer, const std::string& title, int copies, std::string_view pdf);

// The window's autosave ($XDG_STATE_HOME/velmora2/autosave.velmora): written atomically, opened
// for reading (a file descriptor in `file`), removed. 0 or an errno value.
std::string autosavePath();
int writeAutosave(std::string_view bytes);
int openAutosave(int& file);
int removeAutosave();
