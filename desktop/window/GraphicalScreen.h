#pragma once

// velmora2 needs a graphical screen. Without one, the toolkit would end the program with its own
// English message about platform plugins; these say instead, in French and in one line on the
// standard error output, that a graphical screen is needed, and end the program with status 1.

// False when nothing names a screen: no display (DISPLAY, WAYLAND_DISPLAY), no platform chosen
// (QT_QPA_PLATFORM, -platform on the command line). Says so before returning false.
bool graphicalScreenNamed(int argc, char** argv);

// Held while the toolkit opens its screen: its messages wait, and if it cannot open a screen (a
// display that does not answer), the program says so and ends with status 1. Once the toolkit has
// its screen, release() passes on the messages that waited.
class ScreenOpening
{
public:
    ScreenOpening();
    ~ScreenOpening();
    ScreenOpening(const ScreenOpening&) = delete;
    ScreenOpening& operator=(const ScreenOpening&) = delete;

    void release();
};
