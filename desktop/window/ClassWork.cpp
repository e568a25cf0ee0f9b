#include "window/ClassWork.h"

#include "files/ExperimentFiles.h"
#include "files/SaveDialog.h"
#include "graph/GraphExport.h"
#include "graph/GraphMenu.h"
#include "window/ErrorReport.h"
#include "window/InstructionsPanel.h"
#include "window/ModelTexts.h"
#include "window/ReportPrinting.h"
#include "window/ScenarioDialog.h"
#include "window/TFormmodel.h"

#include "experiment/Lifecycle.h"
#include "flash/TShockwaveFlash.h"
#include "lab/Measures.h"
#include "lab/RunWords.h"
#include "plot/Report.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QFrame>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>

#include <sstream>

using namespace velmora;

namespace {

ClassWork::OpenPathChooser& openPathChooser()
{
    static ClassWork::OpenPathChooser chooser;
    return chooser;
}

QString lastFolder()
{
    static const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents;
}

// The panel's variable of a control, and its object name in the panel movie.
const char* panelVariable(PanelControl control)
{
    switch (control) {
    case PanelControl::temperature:
        return "valeurtemp";
    case PanelControl::ph:
        return "valeurph";
    case PanelControl::enzyme:
        return "valeurenz";
    case PanelControl::substrate:
        return "valeursub";
    case PanelControl::inhibitor:
        return "valeurautre";
    default:
        return nullptr;
    }
}

const char* panelObjectName(PanelControl control)
{
    switch (control) {
    case PanelControl::reaction:
        return "reaction";
    case PanelControl::temperature:
        return "temperature";
    case PanelControl::ph:
        return "ph";
    case PanelControl::enzyme:
        return "enzyme";
    case PanelControl::substrate:
        return "substrate";
    case PanelControl::inhibitor:
        return "other";
    default:
        return nullptr;
    }
}

std::int32_t settingOf(const ExperimentSettings& settings, PanelControl control)
{
    switch (control) {
    case PanelControl::temperature:
        return settings.temperature;
    case PanelControl::ph:
        return settings.ph;
    case PanelControl::enzyme:
        return settings.enzyme;
    case PanelControl::substrate:
        return settings.substrate;
    case PanelControl::inhibitor:
        return settings.other;
    default:
        return 0;
    }
}

QString lockReason()
{
    return ClassWork::tr("Réglage fixé par le professeur pour cette activité");
}

} // namespace

ClassWork::ClassWork(TFormmodel* window) : QObject(window), window_(window)
{
    setObjectName("classWork");
}

ClassWork::~ClassWork() = default;

void ClassWork::setOpenPathChooser(OpenPathChooser chooser)
{
    openPathChooser() = std::move(chooser);
}

void ClassWork::addFileItems(QMenu* fichier)
{
    const auto add = [&](const char* name, const QString& caption, QKeySequence key,
                         void (ClassWork::*slot)()) {
        auto* action = new QAction(caption, window_);
        action->setObjectName(name);
        action->setShortcut(key);
        connect(action, &QAction::triggered, this, slot);
        window_->addAction(action);
        fichier->addAction(action);
        return action;
    };
    add("ouvrir1", tr("&Ouvrir…"), QKeySequence(Qt::CTRL | Qt::Key_O), &ClassWork::openExperiment);
    add("enregistrerexperience1", tr("&Enregistrer l’expérience…"), QKeySequence(Qt::CTRL | Qt::Key_S),
        &ClassWork::saveExperiment);
    add("preparerscenario1", tr("&Préparer un scénario…"), {}, &ClassWork::prepareScenario);
    fichier->addSeparator();
    add("groupe1", tr("&Groupe et classe…"), {}, &ClassWork::editGroup);
    add("compterendu1", tr("Compte &rendu…"), {}, &ClassWork::writeReport);
    add("imprimer1", tr("&Imprimer…"), QKeySequence(Qt::CTRL | Qt::Key_P), &ClassWork::printReport);
    add("copierligne1", tr("Copier ma &ligne de résultats"), {}, &ClassWork::copyResultLine);
    fichier->addSeparator();
}

void ClassWork::addViewItems(QMenu* affichage)
{
    affichage->addSeparator();
    auto* projection = new QAction(tr("Mode pro&jection"), window_);
    projection->setObjectName("modeprojection1");
    projection->setCheckable(true);
    projection->setShortcut(QKeySequence(Qt::Key_F11));
    connect(projection, &QAction::triggered, this, &ClassWork::toggleProjection);
    window_->addAction(projection);
    affichage->addAction(projection);
    auto* instructions = new QAction(tr("&Consignes et réponse"), window_);
    instructions->setObjectName("consignes1");
    instructions->setShortcut(QKeySequence(Qt::Key_F9));
    connect(instructions, &QAction::triggered, this, &ClassWork::toggleInstructions);
    window_->addAction(instructions);
    affichage->addAction(instructions);
}

// --- Files ---

void ClassWork::openExperiment()
{
    QString path;
    if (openPathChooser()) {
        path = openPathChooser()();
    } else {
        path = QFileDialog::getOpenFileName(window_, tr("Ouvrir une expérience"), lastFolder(),
                                            tr("Expériences de Velmora (*.velmora)"));
    }
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool ClassWork::openFile(const QString& path)
{
    const ExperimentReading reading = readUserExperimentFile(path);
    if (!reading.document) {
        showErrorReport(problemText(*reading.error), window_);
        return false;
    }
    applyDocument(*reading.document);
    if (!reading.warnings.empty()) {
        QStringList lines;
        for (const FileProblem& warning : reading.warnings) {
            lines << problemText(warning);
        }
        QMessageBox::warning(window_, applicationTitle(), lines.join('\n'));
    }
    note(tr("Ouverture de «\u00a0%1\u00a0»").arg(QFileInfo(path).fileName()));
    return true;
}

void ClassWork::saveExperiment()
{
    askGroupOnce();
    const QString path = chooseSavePath(window_, {tr("Enregistrer l’expérience"),
                                                  tr("experience.velmora"),
                                                  {tr("Expériences de Velmora (*.velmora)")}});
    if (path.isEmpty()) {
        return;
    }
    note(tr("Enregistrement de l’expérience"));
    saveToPath(window_, path, QByteArray::fromStdString(writeExperimentFile(currentDocument())));
}

void ClassWork::prepareScenario()
{
    ScenarioDialog dialog(document_.scenario, window_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    ExperimentDocument scenario = currentDocument();
    scenario.scenario = dialog.scenario();
    // A scenario sets up a class: no group's work in it.
    scenario.group = {};
    scenario.answer.clear();
    scenario.log.clear();
    scenario.kept.clear();
    scenario.run.reset();
    scenario.curves.clear();
    scenario.settings.events = document_.settings.events;
    const QString path = chooseSavePath(
        window_,
        {tr("Préparer un scénario"), tr("scenario.velmora"), {tr("Expériences de Velmora (*.velmora)")}});
    if (path.isEmpty()) {
        return;
    }
    if (saveToPath(window_, path, QByteArray::fromStdString(writeExperimentFile(scenario)))) {
        document_.scenario = scenario.scenario;
        applyScenario();
    }
}

// --- The document ---

ExperimentDocument ClassWork::currentDocument() const
{
    ExperimentDocument document = document_;
    const PanelValues panel = window_->readPanel();
    document.settings = experimentSettingsFor(*window_->world_, window_->sceneSize(),
                                              panel.valeurtemp.value_or(window_->world_->temperature),
                                              panel.valeurph.value_or(window_->world_->ph));
    document.settings.events = document_.settings.events;
    document.volume = window_->volume();
    document.kept.clear();
    for (const CourseRecord& kept : window_->graphMenu_->keptRuns()) {
        document.kept.push_back(
            {kept.settings(), volumeOfBox(kept.settings().scene).value_or(document.volume), kept.seconds()});
    }
    if (running_ || ticksRun_ > 0) {
        RunSoFar run;
        run.settings = window_->graphMenu_->record().settings();
        run.settings.events = runEvents_;
        run.volume = volumeOfBox(run.settings.scene).value_or(document.volume);
        run.seed = runSeed_;
        run.ticks = ticksRun_;
        document.run = run;
    } else {
        document.run.reset();
    }
    return document;
}

void ClassWork::applyDocument(const ExperimentDocument& document)
{
    document_ = document;
    window_->setVolume(document.volume);
    applySettings(document.settings);
    std::vector<CourseRecord> kept;
    for (const KeptRun& run : document.kept) {
        kept.push_back(courseRecordOf(run));
    }
    window_->graphMenu_->restoreKept(kept);
    if (document.seed) {
        window_->world_->random.state = *document.seed;
    }
    applyScenario();
    if (panel_) {
        panel_->showDocument(document_.scenario, QString::fromStdString(document_.answer));
    }
    if (!document_.scenario.title.empty() || !document_.scenario.instructions.empty()) {
        showInstructions();
    }
    if (document.run) {
        restoreRun(*document.run);
    }
    if (!document_.scenario.lesson.empty()) {
        window_->openLesson(QString::fromStdString(document_.scenario.lesson) + ".swf");
    }
}

void ClassWork::restoreRun(const RunSoFar& run)
{
    // A run longer than two hours is not replayed: the file's settings stay, ready for a start.
    constexpr std::int32_t longestReplay = 20 * 7200;
    if (run.ticks > longestReplay) {
        return;
    }
    // The model is deterministic: the same settings, state and panel changes give the same World.
    ExperimentSettings settings = run.settings;
    settings.events.clear();
    applySettings(settings);
    window_->setVolume(run.volume);
    window_->world_->random.state = run.seed;
    replaying_ = true;
    window_->recommencer1Click();
    const auto changesAt = [&](std::int32_t tick) {
        for (const PanelEvent& event : run.settings.events) {
            if (event.tick == tick) {
                const bool temperature = event.variable == PanelEvent::Variable::temperature;
                window_->FlashBut->SetVariable(temperature ? "valeurtemp" : "valeurph",
                                               QString::number(event.value));
                bypassLocks_ = true;
                window_->FlashButFSCommand(
                    temperature ? QStringLiteral("changetemp") : QStringLiteral("changeph"), {});
                bypassLocks_ = false;
            }
        }
    };
    changesAt(0);
    for (std::int32_t tick = 1; tick <= run.ticks && running_; ++tick) {
        window_->Timer2Timer();
        changesAt(tick);
    }
    replaying_ = false;
    // Held where it was, for the group to go on.
    window_->rafrachir1Click();
    window_->Pause1Click();
}

void ClassWork::applySettings(const ExperimentSettings& settings)
{
    World& world = *window_->world_;
    bypassLocks_ = true;
    window_->selectReaction(settings.reaction);
    bypassLocks_ = false;
    world.temperature = settings.temperature;
    world.ph = settings.ph;
    world.enzymeAmount = clampAmount(settings.enzyme);
    world.substrateAmount = clampAmount(settings.substrate);
    world.otherAmount = clampAmount(settings.other);
    TShockwaveFlash* panel = window_->FlashBut;
    panel->SetVariable("valeurtemp", QString::number(settings.temperature));
    panel->SetVariable("valeurph", QString::number(settings.ph));
    panel->SetVariable("valeurenz", QString::number(world.enzymeAmount));
    panel->SetVariable("valeursub", QString::number(world.substrateAmount));
    panel->SetVariable("valeurautre", QString::number(world.otherAmount));
    if (QAction* item =
            window_->findChild<QAction*>(QStringLiteral("N%11").arg(settings.maxProductsCaption))) {
        item->setChecked(true);
    }
    window_->chooseMaxProducts(settings.maxProductsCaption);
    window_->chooseSymbolSize(settings.smallSymbols);
    // As after the settings file: the welcome, the panel's opening played again.
    world.welcomePending = true;
    window_->suspendrexp1Click();
    panel->Rewind();
    panel->Play();
}

PanelControls ClassWork::applyPreset(const PanelPreset& asked)
{
    PanelControls refused;
    const PanelPreset preset = withoutLockedValues(asked, document_.scenario, refused);
    const PanelValues panel = window_->readPanel();
    ExperimentSettings settings = experimentSettingsFor(
        *window_->world_, window_->sceneSize(), panel.valeurtemp.value_or(window_->world_->temperature),
        panel.valeurph.value_or(window_->world_->ph));
    settings.reaction = preset.reaction.value_or(settings.reaction);
    settings.temperature = preset.temperature.value_or(settings.temperature);
    settings.ph = preset.ph.value_or(settings.ph);
    settings.enzyme = preset.enzyme.value_or(settings.enzyme);
    settings.substrate = preset.substrate.value_or(settings.substrate);
    settings.other = preset.inhibitor.value_or(settings.other);
    settings.smallSymbols = preset.smallSymbols.value_or(settings.smallSymbols);
    if (preset.products && maxProductsForCaption(*preset.products)) {
        settings.maxProductsCaption = *preset.products;
    }
    applySettings(settings);
    return refused;
}

// --- The scenario ---

void ClassWork::applyScenario()
{
    const Scenario& scenario = document_.scenario;
    QStringList locked;
    QStringList hidden;
    for (const PanelControl control : allPanelControls) {
        if (const char* name = panelObjectName(control)) {
            if (scenario.hidden.has(control)) {
                hidden << name;
            } else if (scenario.locked.has(control)) {
                locked << name;
            }
        }
    }
    TShockwaveFlash* panel = window_->FlashBut;
    panel->SetVariable("verrous", locked.join(','));
    panel->SetVariable("caches", hidden.join(','));
    panel->SetVariable("raisonverrou", lockReason());
    // The menus' items of locked or hidden controls do nothing, and say why.
    const auto block = [&](PanelControl control, const QList<QAction*>& items) {
        const bool blocked = scenario.locked.has(control) || scenario.hidden.has(control);
        for (QAction* item : items) {
            if (!item) {
                continue;
            }
            item->setEnabled(!blocked);
            item->setToolTip(blocked ? lockReason() : QString());
        }
    };
    block(PanelControl::reaction, {window_->reactionItems_[1], window_->reactionItems_[2],
                                   window_->reactionItems_[3], window_->reactionItems_[4]});
    block(PanelControl::symbols, {window_->Grandssymboles1, window_->Petitssymboles1});
    QList<QAction*> products;
    for (const int caption : {10, 20, 50, 100, 200, 400}) {
        products << window_->findChild<QAction*>(QStringLiteral("N%11").arg(caption));
    }
    block(PanelControl::products, products);
    block(PanelControl::volume,
          QList<QAction*>(std::begin(window_->volumeItems_), std::end(window_->volumeItems_)));
    window_->setModelAnswersHidden(scenario.hideModelAnswers);
}

bool ClassWork::allowsMenuReaction() const
{
    if (bypassLocks_) {
        return true;
    }
    const Scenario& scenario = document_.scenario;
    return !scenario.locked.has(PanelControl::reaction) && !scenario.hidden.has(PanelControl::reaction);
}

void ClassWork::lockedValueBack(PanelControl control)
{
    if (const char* variable = panelVariable(control)) {
        window_->FlashBut->SetVariable(variable, QString::number(settingOf(document_.settings, control)));
    }
}

bool ClassWork::allowsPanelCommand(PanelCommand command)
{
    const std::optional<PanelControl> control = controlChangedBy(command);
    if (!control || bypassLocks_) {
        return true;
    }
    const Scenario& scenario = document_.scenario;
    if (scenario.locked.has(*control) || scenario.hidden.has(*control)) {
        lockedValueBack(*control);
        return false;
    }
    return true;
}

void ClassWork::settingsLoaded()
{
    // The settings file never changes what the scenario fixes.
    for (const PanelControl control : allPanelControls) {
        if (panelVariable(control) &&
            (document_.scenario.locked.has(control) || document_.scenario.hidden.has(control))) {
            lockedValueBack(control);
            World& world = *window_->world_;
            const std::int32_t value = settingOf(document_.settings, control);
            switch (control) {
            case PanelControl::temperature:
                world.temperature = value;
                break;
            case PanelControl::ph:
                world.ph = value;
                break;
            case PanelControl::enzyme:
                world.enzymeAmount = clampAmount(value);
                break;
            case PanelControl::substrate:
                world.substrateAmount = clampAmount(value);
                break;
            case PanelControl::inhibitor:
                world.otherAmount = clampAmount(value);
                break;
            default:
                break;
            }
        }
    }
}

// --- What the group does ---

QString ClassWork::panelText(const char* variable) const
{
    return window_->FlashBut->GetVariable(variable);
}

void ClassWork::panelCommandDone(PanelCommand command)
{
    const auto changed = [&](PanelEvent::Variable variable, std::int32_t value) {
        if (running_) {
            runEvents_.push_back({ticksRun_, variable, value});
        }
    };
    switch (command) {
    case PanelCommand::changetemp:
        changed(PanelEvent::Variable::temperature, window_->world_->temperature);
        note(tr("Température\u00a0: %1\u00a0°C").arg(panelText("valeurtemp")));
        break;
    case PanelCommand::changeph:
        changed(PanelEvent::Variable::ph, window_->world_->ph);
        note(tr("pH\u00a0: %1").arg(panelText("valeurph")));
        break;
    case PanelCommand::changeenz:
        note(tr("Enzyme\u00a0: %1").arg(panelText("valeurenz")));
        running_ = false;
        break;
    case PanelCommand::changesub:
        note(tr("Substrat\u00a0: %1").arg(panelText("valeursub")));
        running_ = false;
        break;
    case PanelCommand::changeautre:
        note(tr("Thiolactose\u00a0: %1").arg(panelText("valeurautre")));
        running_ = false;
        break;
    case PanelCommand::reacprev:
    case PanelCommand::reacsuiv:
        note(tr("Réaction\u00a0: %1")
                 .arg(translatedModelText("Catalogue", reactionName(window_->world_->reactionIndex))));
        running_ = false;
        break;
    default:
        break;
    }
}

void ClassWork::experimentAboutToStart(std::uint32_t randomState)
{
    runSeed_ = randomState;
}

void ClassWork::experimentStarted()
{
    running_ = true;
    ticksRun_ = 0;
    runEvents_.clear();
    const CourseRecord& record = window_->graphMenu_->record();
    note(tr("Démarrage\u00a0: %1, %2")
             .arg(translatedModelText("Catalogue", reactionName(record.settings().reaction)),
                  QString::fromStdString(shortSettings(record))));
    applyTimedChanges(); // those due at the start
}

void ClassWork::tickDone()
{
    if (running_) {
        ++ticksRun_;
        applyTimedChanges();
    }
}

void ClassWork::applyTimedChanges()
{
    if (replaying_) {
        return; // a replayed run brings its own changes
    }
    // The timed changes of the scenario, as if made on the panel after that many ticks.
    for (const PanelEvent& event : document_.settings.events) {
        if (event.tick != ticksRun_) {
            continue;
        }
        const bool temperature = event.variable == PanelEvent::Variable::temperature;
        window_->FlashBut->SetVariable(temperature ? "valeurtemp" : "valeurph", QString::number(event.value));
        bypassLocks_ = true;
        window_->FlashButFSCommand(temperature ? QStringLiteral("changetemp") : QStringLiteral("changeph"),
                                   {});
        bypassLocks_ = false;
    }
}

void ClassWork::curveKept(std::size_t count)
{
    note(tr("Courbe gardée (%1 en tout)").arg(count));
}

void ClassWork::curveComputed(const ActivityCurveRecord& curve)
{
    document_.curves.erase(
        std::remove_if(document_.curves.begin(), document_.curves.end(),
                       [&](const ActivityCurveRecord& c) { return c.variable == curve.variable; }),
        document_.curves.end());
    document_.curves.push_back(curve);
    note(tr("Courbe d’activité calculée\u00a0: %1").arg(QString::fromStdString(curve.description)));
}

void ClassWork::note(const QString& text)
{
    if (replaying_ || document_.log.size() >= 10000) {
        return;
    }
    document_.log.push_back(
        {QDateTime::currentDateTime().toString(Qt::ISODate).toStdString(), text.toStdString()});
}

QString ClassWork::answer() const
{
    return QString::fromStdString(document_.answer);
}

void ClassWork::setAnswer(const QString& answer)
{
    document_.answer = answer.toStdString();
}

bool ClassWork::askGroupOnce()
{
    if (!document_.group.empty()) {
        return true;
    }
    editGroup();
    return !document_.group.empty();
}

void ClassWork::editGroup()
{
    StudentGroup group = document_.group;
    if (group.date.empty()) {
        group.date = QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")).toStdString();
    }
    if (askStudentGroup(window_, group)) {
        document_.group = group;
    }
}

// --- The report ---

QByteArray ClassWork::reportPdf() const
{
    const ExperimentDocument document = currentDocument();
    std::ostringstream out;
    writeReportPdf(studentReport(document, window_->graphMenu_->record(), window_->graphMenu_->keptRuns()),
                   out);
    return QByteArray::fromStdString(out.str());
}

void ClassWork::writeReport()
{
    askGroupOnce();
    const QString path =
        chooseSavePath(window_, {tr("Compte rendu"), tr("compte-rendu.pdf"), {tr("Document PDF (*.pdf)")}});
    if (path.isEmpty()) {
        return;
    }
    note(tr("Compte rendu enregistré"));
    saveToPath(window_, path, reportPdf());
}

void ClassWork::printReport()
{
    askGroupOnce();
    const ExperimentDocument document = currentDocument();
    const Report report =
        studentReport(document, window_->graphMenu_->record(), window_->graphMenu_->keptRuns());
    if (printStudentReport(window_, report)) {
        note(tr("Compte rendu imprimé"));
    }
}

QString ClassWork::resultLine() const
{
    const CourseRecord& record = window_->graphMenu_->record();
    const ExperimentSettings settings = record.empty() ? currentDocument().settings : record.settings();
    RunCourse course;
    course.substrateAmount = clampAmount(settings.substrate);
    for (const RecordedSecond& second : record.seconds()) {
        course.samples.push_back({second.second, second.substrate});
    }
    course.substrateAtEnd = record.empty() ? course.substrateAmount : record.seconds().back().substrate;
    MeasureChoice choice;
    // The window's record holds the graph's seconds, not the ticks: the rate over its first 10 s,
    // as a student reads it on the graph.
    choice.initialRateSeconds = 10;
    choice.halfTime = true;
    const RunMeasures measures = measureCourse(course, choice);
    const auto number = [](std::optional<double> value, int decimals) {
        return value ? GraphExport::spreadsheetNumber(*value, decimals) : QString();
    };
    std::optional<double> km;
    std::optional<double> vmax;
    for (const ActivityCurveRecord& curve : document_.curves) {
        if (curve.variable == "substrate") {
            km = curve.km;
            vmax = curve.vmax;
        }
    }
    QStringList cells;
    cells << QString::fromStdString(document_.group.names)
          << translatedModelText("Catalogue", reactionName(settings.reaction))
          << QString::number(settings.temperature) << QString::number(settings.ph)
          << QString::number(clampAmount(settings.enzyme)) << QString::number(clampAmount(settings.substrate))
          << QString::number(clampAmount(settings.other)) << QString::number(document_.volume)
          << (measures.halfTime ? QString::number(*measures.halfTime) : QString())
          << number(measures.initialRate, 2) << number(km, 1) << number(vmax, 2);
    return cells.join('\t');
}

void ClassWork::copyResultLine()
{
    QApplication::clipboard()->setText(resultLine());
}

// --- The view ---

void ClassWork::toggleProjection()
{
    projection_ = !projection_;
    window_->setProjectionMode(projection_);
}

void ClassWork::showInstructions()
{
    if (!panel_) {
        panel_ = new InstructionsPanel(window_);
        connect(panel_, &InstructionsPanel::answerChanged, this, &ClassWork::setAnswer);
        // Over the legend's quarter, the one a student needs least while working.
        const QRect legend = window_->PanelFlash->geometry();
        const QPoint corner =
            window_->mapToGlobal(window_->centralWidget()->mapTo(window_, legend.topLeft()));
        panel_->setGeometry(QRect(corner, legend.size()).adjusted(8, 8, -8, -8));
    }
    panel_->showDocument(document_.scenario, QString::fromStdString(document_.answer));
    panel_->show();
    panel_->raise();
}

void ClassWork::toggleInstructions()
{
    if (panel_ && panel_->isVisible()) {
        panel_->hide();
    } else {
        showInstructions();
    }
}
