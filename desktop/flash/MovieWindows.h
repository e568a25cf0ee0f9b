#pragma once

// A movie may not open a window of its own: a full-screen "Window" of QtQuick could pass for the
// desktop's (a fake "session locked" prompt that reads the password typed into it), and no movie
// needs one. The program's windows are all widgets; any other window about to be shown (a
// movie's Window, or the window that a player draws into, shown through Window.window) is made
// transparent to the keyboard and the mouse, moved out of sight and hidden again at once, and the
// movie that showed it is stopped (ScriptWatchdog). One line on standard error tells it.

// Installs the guard for the application, once; called by every player.
void refuseMovieWindows();
