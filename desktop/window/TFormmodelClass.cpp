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
    projection_ = on;
    // The graph's quarter for the room: the texts around it larger and bold, the graph on white.
    QFont font("Arial", on ? 16 : 8);
    font.setBold(on);
    for (QLabel* label : {LabelPourcent, LabelPourcent0, Label11, Label14, LabelTemps}) {
        label->setFont(font);
        label->adjustSize();
    }
    Label11->setGeometry(40, 4, on ? 170 : 124, Label11->heightForWidth(on ? 170 : 124));
    Label14->move(on ? 216 : 216, 4);
    LabelTemps->move(Label14->x() + Label14->width() + 6, 4);
    rafrachir1Click();
}
