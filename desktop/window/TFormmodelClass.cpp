// The main window's side of a class's work: files handed over by later starts, the scenario's
// explanation and hidden answers, the projector's view.

#include "window/TFormmodel.h"

#include "flash/TFormFlash.h"
#include "graph/GraphMenu.h"
#include "render/DrawingSurface.h"
#include "window/ClassWork.h"

#include <QLabel>
#include <QTimer>

bool TFormmodel::openExperimentFile(const QString& path)
{
    return classWork_->openFile(path);
}

void TFormmodel::handOffRequested(const QString& fileToOpen)
{
    if (isMinimized()) {
        showMaximized();
    }
    raise();
    activateWindow();
    if (!fileToOpen.isEmpty()) {
        // After the hand-off has been answered, so that the other start ends at once.
        QTimer::singleShot(0, this, [this, fileToOpen] { openExperimentFile(fileToOpen); });
    }
}

void TFormmodel::openLesson(const QString& movie)
{
    QTimer::singleShot(0, this, [this, movie] { openFullScreen(movie); });
}

void TFormmodel::setModelAnswersHidden(bool hidden)
{
    modelAnswersHidden_ = hidden;
    FormFlash->setModelAnswersHidden(hidden);
}

void TFormmodel::setProjectionMode(bool on)
{
    // The graph's quarter for the room: the graph on paper's colours (white, dark thick lines) and
    // every text around it larger and bold, laid out as on a larger screen.
    projection_ = on;
    layOut(screen_);
    rafrachir1Click();
}
