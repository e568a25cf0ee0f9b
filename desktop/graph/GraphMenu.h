#pragma once

#include "lab/ActivityCurves.h"
#include "lab/CourseRecord.h"
#include "lab/ExperimentFile.h"
#include "model/WindowUpdate.h"
#include "render/KeptCurvesRenderer.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class ActivityWindow;
class DrawingSurface;
class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QWidget;

// The graph's context menu, opened by a right click on the graph or its header, or by the Menu key
// and Shift+F10 while the graph has the focus: the time course of the whole run copied or saved,
// a picture of the graph saved, runs kept to compare (drawn behind the running one), and the
// activity curves computed from the current settings in a window of their own, with the explanation
// of such a curve beside them. Nothing here stops or holds the experiment.
class GraphMenu : public QObject
{
    Q_OBJECT
public:
    // What the menu reads from the main window.
    struct Graph
    {
        const velmora::World* world = nullptr;
        DrawingSurface* surface = nullptr; // EcranSub, which takes the focus by Tab
        QWidget* header = nullptr;         // Panel3
        QLabel* top = nullptr;             // the axis labels, and the time with its title
        QLabel* bottom = nullptr;
        QLabel* timeTitle = nullptr;
        QLabel* time = nullptr;
        const QCheckBox* percent = nullptr;                    // "pourcentage"
        std::function<velmora::ExperimentSettings()> settings; // of the experiment the window would start now
        std::function<void()> redraw;                          // the graph's "rafraîchir"
    };

    GraphMenu(const Graph& graph, QWidget* window);

    // What the window tells: an experiment starts (the record begins anew), and a tick has run.
    void experimentStarted();
    void tickDone(const velmora::WindowUpdate& update);

    const KeptCurves* keptCurves() const { return &keptCurves_; }
    const std::vector<velmora::CourseRecord>& keptRuns() const { return kept_.courses(); }
    // Puts back the runs kept in an experiment file, in place of those kept.
    void restoreKept(const std::vector<velmora::CourseRecord>& kept);
    const velmora::CourseRecord& record() const { return record_; }
    QMenu* menu() const { return menu_; }
    // The activity window of a curve while it is open, else null.
    ActivityWindow* activityWindow(velmora::ActivityCurve curve) const;

public slots:
    void copyData();
    void saveData();
    void saveImage();
    void keepCurve();
    void clearKeptCurves();
    void openActivityCurve(velmora::ActivityCurve curve);

signals:
    void curveKept(std::size_t count);
    // « Comprendre la courbe d’activité… »: the window opens the explanation of the curve.
    void activityLessonRequested();
    void curveComputed(const velmora::ActivityCurveRecord& curve);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateEntries();
    void popUp(const QPoint& globalPosition);
    void keptChanged();

    Graph graph_;
    QWidget* window_;
    velmora::CourseRecord record_;
    velmora::KeptCourses kept_;
    KeptCurves keptCurves_;
    QMenu* menu_ = nullptr;
    QAction* copyData_ = nullptr;
    QAction* saveData_ = nullptr;
    QAction* saveImage_ = nullptr;
    QAction* keepCurve_ = nullptr;
    QAction* clearKept_ = nullptr;
    QAction* inhibitorCurve_ = nullptr;
    std::array<QPointer<ActivityWindow>, 4> activityWindows_;
};
