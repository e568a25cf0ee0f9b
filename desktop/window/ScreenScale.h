#pragma once

#include <QSize>

class QMainWindow;

// On a very large screen that the desktop does not scale (a 3840 × 2160 screen at 100 %), Qt's own
// parts (the menus, dialogs and message boxes) would be drawn half as large as on a 1920 × 1080 one
// and be hard to read from a student's seat. Their fonts are enlarged so that they take the same
// share of the screen as on 1920 × 1080. The window's quarters keep their own design.

// The factor for a screen of `size` logical pixels at `devicePixelRatio`: 1 unless the desktop
// leaves the screen unscaled and it is wider than 2 × 1440, then its width over 1920 (in halves).
// A user who chose a scaling of Qt's own (QT_SCALE_FACTOR and the like) keeps it: 1.
double qtPartsScale(QSize size, double devicePixelRatio, bool userChoseScaling);

// Applies the factor of the window's screen to the application's font and the window's menu bar.
void scaleQtParts(QMainWindow& window, QSize screen);
