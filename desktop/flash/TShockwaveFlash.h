#pragma once

#include "flash/MovieSandbox.h"

#include <QPointer>
#include <QQuickWidget>
#include <QString>

class QLabel;
class QQuickItem;

// The movie player. A movie is a QML document whose root item is a Movie of the program's own
// module (see anims/README.md): a main timeline of frames, string variables, named clips with
// their own frames, and commands sent to the program. The operations keep the names of the
// player interface that the program has always used.
//
// A missing or broken movie leaves the player empty but for a short notice naming the file
// ("Animation introuvable : ensavoirplus.swf"): the error goes to stderr, every operation then does
// nothing and GetVariable gives empty text.
//
// The keyboard: Tab and Shift+Tab go through the movie's controls and, past the last or the first,
// on to the window's other controls (Tab entering the movie starts at its first control, Shift+Tab
// at its last). A button that the keyboard brought the focus to takes Space, Enter and Return,
// a check box Space, before the window's shortcut keys; a control focused with the mouse leaves
// them to the window. A slider moves with the arrow keys, Page Up and Page Down (a tenth of its
// range), Home and End, unless its movie answers these keys itself.
//
// A screen reader finds the movie's controls as children of the player, and is told which one has
// the focus (MovieAccessibility).
class TShockwaveFlash : public QQuickWidget
{
    Q_OBJECT
public:
    explicit TShockwaveFlash(QWidget* parent = nullptr);
    ~TShockwaveFlash() override;

    // Loads the movie file and plays it from its first frame.
    void setMovie(const QString& path);
    QString movie() const { return moviePath_; }

    void Play();
    void Rewind();             // to frame 1, stopped
    void GotoFrame(int frame); // the main timeline shows that frame, stopped
    void TGotoFrame(const QString& clip, int frame);
    void SetVariable(const QString& name, const QString& value);
    QString GetVariable(const QString& name) const;
    // Property 7 is the clip's visibility: "0" hides it, any other value shows it.
    void TSetProperty(const QString& clip, int property, const QString& value);

    // The shown movie's root item, or null when none loaded.
    QQuickItem* movieRoot() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

signals:
    // A command from the movie, delivered on the GUI thread once the movie's own handler returned.
    void FSCommand(const QString& command, const QString& args);

private:
    QObject* findClip(const QString& clip) const;
    void followFocusedControl();
    void announceFocusedControl();        // to a screen reader
    void showNotice(const QString& text); // in place of a movie that cannot be shown; empty hides it

    MovieSandbox sandbox_;
    NoNetworkAccessManagerFactory network_;
    QString moviePath_;
    QLabel* notice_ = nullptr;
    QPointer<QQuickItem> focusedControl_;
};

// The object of a movie named `name` (its objectName) inside `within`, at any depth; null when none.
QObject* findMovieObject(QObject* within, const QString& name);
