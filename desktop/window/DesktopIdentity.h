#pragma once

// Tells the desktop which program the windows belong to: the id of the desktop entry (the Wayland
// app id, also given to X11 window managers), the version, and the icon of every window, the same
// pictures as the installed icon theme's, so that task bars show them even before installation.
void declareDesktopIdentity();
