#pragma once

#include <QDialog>
#include <QString>

class TShockwaveFlash;

class QToolButton;

// What both information viewers have: a borderless modal window showing one movie from the
// "anims" folder of `movieDir`, chosen by its opener. Whatever its movie does (a movie stopped by
// the watchdog, one that takes every key), the window's own Esc and close button, at its top
// right corner above the movie, close it.
class MovieViewer : public QDialog
{
    Q_OBJECT
public:
    QString movieFile; // relative to the "anims" folder; set by the opener
    QString movieDir;
    int Tag = 0;

    TShockwaveFlash* player() const { return Flash; }

protected:
    MovieViewer(const QString& folder, QWidget* parent);

    // Puts the player in `holder`, filling it, and sends its commands to `FlashFSCommand`.
    void createPlayer(QWidget* holder);
    QString moviePath(const QString& file) const;
    virtual void FlashFSCommand(const QString& command, const QString& args) = 0;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    TShockwaveFlash* Flash = nullptr;

private:
    QToolButton* closeButton_ = nullptr;
};
