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
    QFont font("Arial", on ? 15 : 8);
    font.setBold(on);
    for (QLabel* label : {LabelPourcent, LabelPourcent0, Label14, LabelTemps}) {
        label->setFont(font);
        label->adjustSize();
    }
    // The graph's title, smaller, within the header.
    QFont title("Arial", on ? 10 : 8);
    title.setBold(on);
    Label11->setFont(title);
    Label11->setGeometry(40, 4, on ? 170 : 124, Label11->heightForWidth(on ? 170 : 124));
    LabelTemps->move(on ? Label14->x() + Label14->width() + 6 : 263, 4);
    // The axis labels end just left of the graph.
    for (QLabel* label : {LabelPourcent, LabelPourcent0}) {
        label->move(on ? EcranSub->x() - label->width() - 4 : EcranSub->x() - 40, label->y());
    }
    rafrachir1Click();
}
