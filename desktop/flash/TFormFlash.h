#pragma once

#include "flash/MovieViewer.h"

#include <QSize>

class QFrame;

// The full-screen viewer ("uflashvelmora"): the explanatory movies and the menu movie through which
// the student goes from topic to topic. Tag is 1 while it was opened on the menu movie. Its
// movie's commands close it, and so do Esc and the close button (MovieViewer), so that no movie,
// missing, stopped or hostile, locks the program.
class TFormFlash : public MovieViewer
{
    Q_OBJECT
public:
    // `movieDir` holds the "anims" folder; `screen` is the size the viewer covers.
    TFormFlash(const QString& movieDir, QSize screen, QWidget* parent = nullptr);

    QString savedLastf = QStringLiteral("1"); // the menu movie's "lastf", kept across openings
    // What a lesson's « Essayer dans Velmora » asked for ("essayer" and its settings): the viewer
    // closes, and the window sets its panel once the viewer is gone. Empty when nothing was asked.
    QString requestedPreset;

    // Whether the guided experiments hide their model answers (a teacher's scenario): every movie
    // shown gets the variable "reponsesmodelecachees", "1" or "0", and the menu hands it on to the
    // lessons it shows in its place.
    void setModelAnswersHidden(bool hidden);

public slots:
    // Loads movieFile at its first frame.
    void Activer1Click();
    void FlashFSCommand(const QString& command, const QString& args) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tellModelAnswers();
    QFrame* Panel1 = nullptr;
    bool modelAnswersHidden_ = false;
};
