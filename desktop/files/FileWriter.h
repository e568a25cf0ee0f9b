#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <sys/types.h>

// The saving that the user asks for (the graph's data and pictures, experiment files, reports and
// workbooks), the printing of reports, and the reading of the settings and experiment files, for a window
// process that may change no file and read only its own places (FileRestriction.h). A small process, started
// by main() before that restriction, does it with the user's rights: a path is simply the one the user chose.
//
// The writer is reached only from C++, through a socket pair: movies have no path to it. It ends
// when the program ends, however the program ends. It holds no Qt.
//
// Use, from the window (the GUI thread or any other; calls are taken one at a time):
//
//     const std::string error = saveUserFile(path, bytes);
//     if (!error.empty()) showErrorReport(QString::fromStdString(error));
//
// A file is written atomically: the bytes go to a temporary file beside the target, which then
// takes the target's name. A failure leaves the target as it was (or absent) and no temporary
// file, and gives the reason.
class FileWriter
{
public:
    // Starts the writer process; null when it cannot be started. Call while the calling process
    // runs a single thread (before QApplication): the writer is a copy of it.
    static std::unique_ptr<FileWriter> start();
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
    // (-ECHILD when the writer has gone).
    int openForReading(const std::string& path);

    pid_t processId() const { return process_; }

    // The writer that main() started for the program, or null.
    static FileWriter* shared();
    static void setShared(std::unique_ptr<FileWriter> writer);

private:
    FileWriter(int channel, pid_t process) : channel_(channel), process_(process) {}
    int request(int operation, const std::string& path, std::string_view bytes, int* receivedFile);

    std::mutex mutex_;
    int channel_;
    pid_t process_;
};

// The program's saving and settings reading: through the shared writer when main() started
// one, otherwise in the calling process (tests, or a writer that could not start).
std::string saveUserFile(const std::string& path, std::string_view bytes);
int openUserFile(const std::string& path);
std::string saveUserWorkbook(const std::string& path, std::string_view workbookMessage);
std::string printUserDocument(const std::string& printer, const std::string& title, int copies,
                              std::string_view pdf);

// The atomic write itself, as the writer does it: 0 or the errno of the step that failed.
int writeFileAtomically(const std::string& path, std::string_view bytes);

// "Le fichier « path » n’a pas pu être enregistré : <reason>" for an error of writeFileAtomically.
std::string saveErrorText(const std::string& path, int error);
