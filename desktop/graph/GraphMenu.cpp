#include "graph/GraphMenu.h"

#include "lab/Workbook.h"

#include "files/SaveDialog.h"
#include "graph/ActivityWindow.h"
#include "graph/GraphExport.h"
#include "graph/SettingsText.h"
#include "render/DrawingSurface.h"
#include "window/ErrorReport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>

using namespace velmora;

GraphMenu::GraphMenu(const Graph& graph, QWidget* window) : QObject(window), graph_(graph), window_(window)
{
    setObjectName("graphMenu");
    keptCurves_.courses = &kept_.courses();
    keptCurves_.endedAt = tr("(fin à %1\u00a0s)");

    menu_ = new QMenu(window);
    menu_->setObjectName("graphContextMenu");
    const auto add = [this](QMenu* menu, const char* name, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    copyData_ = add(menu_, "copyData", tr("&Copier les données"), &GraphMenu::copyData);
    saveData_ = add(menu_, "saveData", tr("&Enregistrer les données…"), &GraphMenu::saveData);
    saveImage_ = add(menu_, "saveImage", tr("Enregistrer l’&image du graphique…"), &GraphMenu::saveImage);
    menu_->addSeparator();
    keepCurve_ = add(menu_, "keepCurve", tr("&Garder cette courbe pour comparer"), &GraphMenu::keepCurve);
    clearKept_ =
        add(menu_, "clearKeptCurves", tr("E&ffacer les courbes gardées"), &GraphMenu::clearKeptCurves);
    menu_->addSeparator();
    QMenu* activity = menu_->addMenu(tr("Courbe d’&activité"));
    activity->setObjectName("activityCurves");
    const auto curve = [&](const char* name, const QString& caption, ActivityCurve which) {
        QAction* action = activity->addAction(caption);
        action->setObjectName(name);
        connect(action, &QAction::triggered, this, [this, which] { openActivityCurve(which); });
        return action;
    };
    curve("activityTemperature", tr("selon la &température"), ActivityCurve::temperature);
    curve("activityPh", tr("selon le &pH"), ActivityCurve::ph);
    curve("activitySubstrate", tr("selon la quantité de &substrat"), ActivityCurve::substrate);
    inhibitorCurve_ =
        curve("activityInhibitor", tr("selon la quantité d’&inhibiteur"), ActivityCurve::inhibitor);
    activity->addSeparator();
    add(activity, "activityLesson", tr("&Comprendre la courbe d’activité…"),
        &GraphMenu::activityLessonRequested);
    connect(menu_, &QMenu::aboutToShow, this, &GraphMenu::updateEntries);
    updateEntries();

    // The graph takes the focus by Tab only: a click on it leaves the focus where it was, and the
    // window's keys work whatever has it.
    graph_.surface->setFocusPolicy(Qt::TabFocus);
    for (QObject* part : {static_cast<QObject*>(graph_.surface), static_cast<QObject*>(graph_.header),
                          static_cast<QObject*>(graph_.top), static_cast<QObject*>(graph_.bottom)}) {
        part->installEventFilter(this);
    }
}

void GraphMenu::experimentStarted()
{
    record_.start(graph_.settings());
}

void GraphMenu::tickDone(const WindowUpdate& update)
{
    if (const std::optional<RecordedSecond> second = recordedSecond(*graph_.world, update)) {
        record_.add(*second);
    }
}

ActivityWindow* GraphMenu::activityWindow(ActivityCurve curve) const
{
    return activityWindows_[static_cast<std::size_t>(curve)];
}

bool GraphMenu::eventFilter(QObject* watched, QEvent* event)
{
    // Only the two requests are looked at: the watched widgets also send events while the window
    // is being destroyed, when the graph may be gone.
    const auto graphMiddle = [this] { return graph_.surface->mapToGlobal(graph_.surface->rect().center()); };
    if (event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        popUp(request->reason() == QContextMenuEvent::Keyboard ? graphMiddle() : request->globalPos());
        return true;
    }
    if (event->type() == QEvent::KeyPress && watched == graph_.surface) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier) ||
            (key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier)) {
            popUp(graphMiddle());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void GraphMenu::popUp(const QPoint& globalPosition)
{
    menu_->popup(globalPosition);
}

void GraphMenu::updateEntries()
{
    const bool anyData = !record_.empty() || !kept_.courses().empty();
    copyData_->setEnabled(anyData);
    saveData_->setEnabled(anyData);
    keepCurve_->setEnabled(!record_.empty());
    clearKept_->setEnabled(!kept_.courses().empty());
    inhibitorCurve_->setEnabled(
        activityCurveAvailable(ActivityCurve::inhibitor, graph_.settings ? graph_.settings().reaction : 0));
}

void GraphMenu::copyData()
{
    QApplication::clipboard()->setText(GraphExport::timeCourseTable(record_, kept_.courses()));
}

void GraphMenu::saveData()
{
    // Asked first, written after: what was recorded while the dialog was open goes in too.
    const QString path =
        chooseSavePath(window_, {tr("Enregistrer les données"),
                                 tr("donnees-experience.csv"),
                                 {tr("Données CSV (*.csv)"), tr("Classeur Excel (*.xlsx)")}});
    if (path.isEmpty()) {
        return;
    }
    if (path.endsWith(QLatin1String(".xlsx"), Qt::CaseInsensitive)) {
        saveWorkbookToPath(window_, path, timeCourseWorkbook(record_, kept_.courses()));
    } else {
        saveToPath(window_, path, GraphExport::timeCourseCsv(record_, kept_.courses()));
    }
}

void GraphMenu::saveImage()
{
    const QString path = chooseSavePath(
        window_,
        {tr("Enregistrer l’image du graphique"), tr("graphique-experience.png"), {tr("Image PNG (*.png)")}});
    if (path.isEmpty()) {
        return;
    }
    // The caption tells the run that the graph shows, or, on an empty page, the settings of the
    // next one.
    CourseRecord shown = record_;
    if (graph_.world->graphCount == 0 || record_.empty()) {
        shown = CourseRecord();
        shown.start(graph_.settings());
    }
    GraphExport::PictureTexts texts;
    texts.top = graph_.top->text();
    texts.bottom = graph_.bottom->text();
    texts.time = graph_.timeTitle->text() + ' ' + graph_.time->text();
    texts.title = SettingsText::reactionTitle(shown.settings().reaction);
    texts.caption = SettingsText::caption(shown);
    texts.percent = !graph_.percent || graph_.percent->isChecked();
    texts.xTitle = tr("temps (s)");
    texts.yTitle = texts.percent ? tr("substrat restant (%)") : tr("substrat restant (molécules)");
    const QImage picture =
        GraphExport::graphPicture(graph_.surface->size(), *graph_.world, &keptCurves_, texts);
    saveToPath(window_, path, GraphExport::png(picture));
}

void GraphMenu::keepCurve()
{
    switch (kept_.keep(record_)) {
    case KeepOutcome::kept:
    case KeepOutcome::replaced:
        keptChanged();
        emit curveKept(kept_.courses().size());
        break;
    case KeepOutcome::nothingToKeep:
        QMessageBox::information(window_, applicationTitle(),
                                 tr("Aucune courbe à garder\u00a0: démarrez d’abord une expérience."));
        break;
    case KeepOutcome::full:
        QMessageBox::information(
            window_, applicationTitle(),
            tr("Cinq courbes sont déjà gardées, c’est le plus que le graphique puisse montrer. Pour en "
               "garder "
               "une autre, choisissez d’abord «\u00a0"
               "Effacer les courbes gardées\u00a0»."));
        break;
    }
}

void GraphMenu::clearKeptCurves()
{
    kept_.clear();
    keptChanged();
}

void GraphMenu::restoreKept(const std::vector<CourseRecord>& kept)
{
    kept_.restore(kept);
    keptChanged();
}

void GraphMenu::keptChanged()
{
    keptCurves_.legend.clear();
    for (std::size_t k = 0; k < kept_.courses().size(); ++k) {
        keptCurves_.legend << SettingsText::legendLine(k, kept_.courses()[k]);
    }
    graph_.redraw();
}

void GraphMenu::openActivityCurve(ActivityCurve curve)
{
    const ExperimentSettings settings = graph_.settings();
    if (!activityCurveAvailable(curve, settings.reaction)) {
        return;
    }
    // One window for each curve: asked again, it computes anew from the settings of now.
    QPointer<ActivityWindow>& open = activityWindows_[static_cast<std::size_t>(curve)];
    if (open) {
        open->close();
    }
    open = new ActivityWindow(curve, settings, window_);
    ActivityWindow* shown = open;
    connect(shown, &ActivityWindow::computed, this, [this, shown] {
        if (const std::optional<ActivityCurveRecord> record = shown->curveRecord()) {
            emit curveComputed(*record);
        }
    });
    open->show();
}
