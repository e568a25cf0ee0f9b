#pragma once

#include "model/SceneDescription.h"
#include "model/WindowUpdate.h"
#include "model/World.h"
#include "window/SpokenNotice.h"

#include <QObject>
#include <QPointer>

class QCheckBox;
class QLabel;
class QMainWindow;
class QTimer;
class QWidget;

// The main window for the keyboard and the screen readers. Its controls get names a screen reader
// says; Tab goes through the scene, the graph's information icon, the curves, the "pourcentage"
// box, the legend and the control panel; a ring shows which of the window's own controls the keyboard
// brought the focus to (the movies draw their own). The information icon opens the graph's
// explanation on Space or Enter. The scene and the graph tell what they show in their accessible
// descriptions, and a spoken notice tells it while an experiment runs (SpokenNotice).
//
// A control that the keyboard brought the focus to takes the keys it uses (Space ticks the box,
// Space and Enter open the explanation) before the window's shortcut keys; clicked with the mouse,
// the box leaves Space to the window.
class WindowAccessibility : public QObject
{
    Q_OBJECT
public:
    // Finds the window's controls by their names; `world` outlives this.
    WindowAccessibility(QMainWindow* window, const velmora::World& world);

    // After an operation of the model: the descriptions follow each second of the graph and each
    // start, pause and stop, which the notice tells at once.
    void followUpdate(const velmora::WindowUpdate& update);
    // Says again what the scene and the graph show; `now`: the notice tells it at once.
    void publish(bool now);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRing(QWidget* around);

    const velmora::World& world_;
    const velmora::SentenceWords words_; // in the window's language
    QMainWindow* window_;
    QWidget* scene_;
    QWidget* graph_;
    QLabel* information_;
    QCheckBox* percent_;
    QTimer* sceneTimer_;
    QWidget* ring_;
    SpokenNotice notice_;
    std::int32_t substrateLeft_ = -1;     // in the running experiment
    QPointer<QWidget> focusedByKeyboard_; // the window control the keyboard brought the focus to
};
