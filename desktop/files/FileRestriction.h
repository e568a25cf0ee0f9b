#pragma once

#include <QString>

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
    std::string reason; // what went wrong, for the one line on standard error
};

// Every thread of the process may from now on read only beneath `readable` (folders or single
// files; those that do not exist are left out), list the folders beneath `listable`, and change
// nothing. Plain Landlock, no Qt.
FileRestrictionResult restrictFileAccess(const std::vector<std::string>& readable,
                                         const std::vector<std::string>& listable = {});

// The places velmora2 reads once restricted, for the data folder it uses.
std::vector<std::string> programReadablePlaces(const QString& dataFolder);
// The folders whose names it may list: every one, for the save dialog.
std::vector<std::string> programListablePlaces();

// Both, as velmora2 does it: without Landlock, or when it fails, one line on standard error, and
// the program goes on with its own checks only.
FileRestriction restrictProgramFiles(const QString& dataFolder);
