#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

// Movies are code. Beyond the player's own checks, the window process gives up, through the
// kernel's Landlock sandbox, every right to change files: it may create, write, empty, rename,
// link or remove no file anywhere (writes to /dev/null aside), and run no program. It may read
// only beneath the places it needs: its data folder, the libraries, plugins and QML modules of
// Qt, fonts, cursors, icons, locales, the MIME database and a few system files (the list is in
// FileRestriction.cpp, with the reason for each).
// Everywhere else it may list the names in a folder, and no more, so that the save dialog can
// browse the user's folders and drives; a movie has no way to list a folder. Saving that the user
// asks for goes through the file writer (FileWriter.h), started before.
//
// The restriction holds for every thread of the process, those running and those to come, and
// for the rest of its life. It is applied by velmora2's main(), once the platform is open and
// before any movie is loaded; never by the window itself, so that tests may build windows freely.

enum class FileRestriction
{
    applied,
    unavailable, // the kernel offers no Landlock: nothing changed
    failed,      // Landlock is there but refused the restriction: see the reason
};

struct FileRestrictionResult
{
    FileRestriction outcome = FileRestriction::unavailable;
    std::string reason;   // what went wrong, for the one line on standard error
    bool network = false; // TCP is restricted too (Landlock 4 and later)
};

// The TCP connections that stay allowed: to the X server of a display reached over TCP.
struct NetworkAllowance
{
    std::optional<unsigned> displayPort;
};

// The TCP port of the X server that `display` (as in DISPLAY) names: 6000 + N for "host:N" or
// "host:N.S"; none for a local display (":0", "unix:0", a socket path).
std::optional<unsigned> tcpDisplayPort(const std::string& display);

// Every thread of the process may from now on read only beneath `readable` (folders or single
// files; those that do not exist are left out), list the folders beneath `listable`, and change
// nothing. Where the kernel's Landlock is version 4 or later, it may also open no TCP connection
// and listen on no TCP port, but for the connection that `network` allows. Plain Landlock, no Qt.
FileRestrictionResult restrictFileAccess(const std::vector<std::string>& readable,
                                         const std::vector<std::string>& listable = {},
                                         const NetworkAllowance& network = {});

// The places velmora2 reads once restricted, for the data folder it uses.
std::vector<std::string> programReadablePlaces(const QString& dataFolder);
// The folders whose names it may list: every one, for the save dialog.
std::vector<std::string> programListablePlaces();

// The folders the program's code comes from, late loaded libraries and plugins included: the
// system's libraries and Qt's libraries, plugins and QML modules.
std::vector<std::string> programCodePlaces();

// Both, as velmora2 does it, TCP to the display of DISPLAY allowed. Without Landlock, or when it
// fails, the movies are kept to the installation (DataFolder.h), one line on standard error says
// so, and the program goes on with the player's own checks.
FileRestriction restrictProgramFiles(const QString& dataFolder);
