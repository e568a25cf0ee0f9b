#pragma once

#include <QElapsedTimer>
#include <QString>

class QWidget;

// What a screen reader says without the focus moving there: a notification of the window, shown
// again each time it has something new to say (Orca speaks a notification when it appears, its
// name then its description). It is one pixel, behind everything, and draws nothing.
//
// The running experiment is told at most every five seconds, and only when the words changed;
// a start, a pause, a stop or the end of the substrate is told at once.
class SpokenNotice
{
public:
    explicit SpokenNotice(QWidget* parent);

    // `main` is said first, then `more`. `now`: without waiting for the five seconds.
    void offer(const QString& main, const QString& more, bool now);
    // Takes the words as already said: what the window shows when a screen reader starts.
    void settle(const QString& main, const QString& more);

    static constexpr qint64 pace = 5000; // milliseconds between two notices of a running experiment

private:
    QWidget* notice_;
    QElapsedTimer since_; // the last notice
};
