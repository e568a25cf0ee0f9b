#pragma once

#include <QObject>
#include <QTimer>

#include <mutex>
#include <string>

class ClassWork;
class QWidget;

// Nothing lost when the window dies: every 10 seconds, while it changes, the whole experiment (the
// settings, the run so far, the kept curves, the scenario, the group's answer: an experiment file)
// goes through the writer to the program's state folder ($XDG_STATE_HOME/velmora2/autosave.velmora).
// When the window closes as it should, that file goes. When it was killed, crashed or was held by a
// movie, the next start takes the experiment up again, as it was then.
class Autosave : public QObject
{
    Q_OBJECT
public:
    static constexpr int interval = 10000;        // ms between two saves, while the experiment changes
    static constexpr int snapshotInterval = 1000; // ms between two copies kept for saveLatest()

    explicit Autosave(ClassWork& work, QObject* parent = nullptr);

    // Saves the experiment now if it changed since it was last saved.
    void saveIfChanged();

    // From any thread, while the window's own is held: saves the experiment as it stood at most a
    // second ago. True when it was saved.
    bool saveLatest();

    // At start: when a window ended without closing and left its experiment, asks « Reprendre
    // l’expérience interrompue ? » and, if so, takes it up again, the run under way replayed to where
    // it was; `withoutAsking` (the window restarted after a movie held it) takes it up and says so.
    // Otherwise the experiment left is forgotten. True when it was taken up. The keeping starts then.
    bool offerResumption(QWidget* parent, bool withoutAsking);

    // The window closes as it should: nothing is to be taken up at the next start.
    void finish();

private:
    std::string takeSnapshot(); // the experiment as a file, kept for a save during a hold

    ClassWork& work_;
    QTimer timer_;
    int snapshotsSinceSave_ = 0;
    std::string lastSaved_;
    std::mutex snapshotMutex_;
    std::string snapshot_; // the experiment a second ago at most, for saveLatest()
    bool finished_ = false;
};
