#pragma once

#include "files/SaveErrors.h"

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <sys/types.h>

// The saving that the user asks for (the graph's data and pictures, experiment files, reports and
// workbooks), the printing of reports, and the reading of the user's files and folders, for a window
// process that may change no file and read only its own places (FileRestriction.h). A small process
// (WriterProcess.h), started before that restriction, does it with the user's rights: a path is simply
// the one the user chose.
//
// The writer is reached only from C++, through a socket pair: movies have no path to it. Every call
// has a time limit (a stopped writer holds the window no longer than that); a writer that has gone
// or does not answer is replaced by a new one when the program's supervisor can start it
// (Supervisor.h), and the call made again.
//
// Use, from the window (the GUI thread or any other; calls are taken one at a time):
//
//     const std::string error = saveUserFile(path, bytes);
//     if (!error.empty()) showErrorReport(QString::fromStdString(error));
//
// A file is written atomically: the bytes go to a temporary file beside the target, which then
// takes the target's name. A failure leaves the target as it was (or absent) and no temporary
// file, and gives the reason. A read-only target is not replaced.
class FileWriter
{
public:
    // Starts a writer process of this process's own; null when it cannot be started. Call while
    // the calling process runs a single thread: the writer is a copy of it. It is not replaced.
    static std::unique_ptr<FileWriter> start();
    // Uses the writer at the other end of `channel`, asking `supervisor` (a socket to the
    // program's supervisor, or -1) for a new one when it has gone or does not answer.
    static std::unique_ptr<FileWriter> attach(int channel, pid_t process, int supervisor);
    ~FileWriter(); // the writer ends
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    // Writes `bytes` to `path` as a new file or in place of the file there. Empty text when
    // written, otherwise the reason, in French, for the user.
    std::string writeFile(const std::string& path, std::string_view bytes);

    // Writes the workbook (lab/Workbook.h, as its message) to `path` as an .xlsx file, made by the
    // writer with libxlsxwriter. Empty text when written, otherwise the reason.
    std::string writeWorkbook(const std::string& path, std::string_view workbookMessage);

    // Sends a PDF document to the printer named (the printing system's default when empty), in
    // `copies` copies. Empty text when the printing system took it, otherwise the reason.
    std::string printDocument(const std::string& printer, const std::string& title, int copies,
                              std::string_view pdf);

    // Opens `path` for reading, without blocking (a pipe or a device never holds the caller),
    // and hands the open file over: a file descriptor for the caller to close, or -errno
    // (-ECHILD when no writer answers).
    int openForReading(const std::string& path);

    // Opens the folder `path`, so that the caller may list what it holds (the save dialog):
    // a file descriptor for the caller to close, or -errno (-ECHILD when no writer answers).
    int openFolder(const std::string& path);

    // The window's autosave, kept by the writer in the program's state folder: written whole (empty
    // text, or the reason), opened for reading (as openForReading), removed.
    std::string writeAutosave(std::string_view bytes);
    int openAutosave();
    void removeAutosave();

    pid_t processId() const;

    // The writer that main() started for the program, or null.
    static FileWriter* shared();
    static void setShared(std::unique_ptr<FileWriter> writer);

private:
    FileWriter(int channel, pid_t process, int supervisor, bool ownProcess)
        : channel_(channel), process_(process), supervisor_(supervisor), ownProcess_(ownProcess)
    {
    }
    int request(int operation, const std::string& path, std::string_view bytes, int* receivedFile);
    // A descriptor the writer opened and passed back, or minus the reason (-ECHILD: no writer).
    int openThroughWriter(int operation, const std::string& path);
    int requestOnce(int operation, const std::string& path, std::string_view bytes, int* receivedFile);
    // Gives up the writer there is, and asks the supervisor for a new one.
    bool replaceWriter();

    mutable std::mutex mutex_;
    int channel_;
    pid_t process_;
    int supervisor_;
    bool ownProcess_;
};

// The program's saving and reading of the user's files: through the shared writer when main()
// started one, otherwise in the calling process (tests).
std::string saveUserFile(const std::string& path, std::string_view bytes);
int openUserFile(const std::string& path);
int openUserFolder(const std::string& path);
std::string saveAutosave(std::string_view bytes);
int openAutosaveFile();
void removeAutosaveFile();
std::string saveUserWorkbook(const std::string& path, std::string_view workbookMessage);
std::string printUserDocument(const std::string& printer, const std::string& title, int copies,
                              std::string_view pdf);

// The atomic write itself, as the writer does it: 0 or the error of the step that failed.
int writeFileAtomically(const std::string& path, std::string_view bytes);
