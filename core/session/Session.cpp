#include "session/Session.h"

#include "experiment/Lifecycle.h"
#include "experiment/ReactionChoice.h"
#include "lab/Experiment.h"
#include "lab/RunWords.h"
#include "model/BoxVolume.h"
#include "model/Tick.h"
#include "settings/IntegerText.h"

#include <sstream>

namespace velmora {

Session::Session(const ExperimentSettings& settings, Translator translator)
    : world_(std::make_unique<World>()), scene_(settings.scene), translator_(std::move(translator))
{
    for (std::string* word : words_.all()) {
        *word = translator_.text("SceneDescription", *word);
    }

    // As the window opens: the World's creation defaults, the panel, a suspend, then the settings
    // (here the screen's own) read with the welcome pending, and the reaction choice applied.
    setWindowCreationDefaults(*world_, {});
    screen_.panel = {std::to_string(settings.temperature), std::to_string(settings.ph),
                     std::to_string(clampAmount(settings.enzyme)),
                     std::to_string(clampAmount(settings.substrate)),
                     std::to_string(clampAmount(settings.other))};
    WindowUpdate update;
    suspendrexp1Click(*world_, update);
    carryOut(update);

    world_->temperature = settings.temperature;
    world_->ph = settings.ph;
    world_->enzymeAmount = clampAmount(settings.enzyme);
    world_->substrateAmount = clampAmount(settings.substrate);
    world_->otherAmount = clampAmount(settings.other);
    chooseMaxProducts(settings.maxProductsCaption);
    menu_ = {settings.reaction >= Reaction::lactoseHydrolysis &&
                     settings.reaction <= Reaction::amyloseHydrolysis
                 ? settings.reaction
                 : Reaction::lactoseHydrolysis,
             settings.smallSymbols};
    world_->reactionIndex = menu_.checkedReaction;
    world_->welcomePending = true;
    update = {};
    suspendrexp1Click(*world_, update);
    changelegende1Click(*world_, menu_, update);
    carryOut(update);
    refreshAxisLabels();
}

ReactionChoice Session::menuChoice() const
{
    return menu_;
}

PanelValues Session::panelValues() const
{
    return {parseDecimalInteger(screen_.panel.valeurtemp), parseDecimalInteger(screen_.panel.valeurph)};
}

void Session::setPanelValue(std::string_view variable, std::string_view text)
{
    std::string* value = variable == "valeurtemp"    ? &screen_.panel.valeurtemp
                         : variable == "valeurph"    ? &screen_.panel.valeurph
                         : variable == "valeurenz"   ? &screen_.panel.valeurenz
                         : variable == "valeursub"   ? &screen_.panel.valeursub
                         : variable == "valeurautre" ? &screen_.panel.valeurautre
                                                     : nullptr;
    if (value) {
        *value = std::string(text);
        ++changes_;
    }
}

CommandOutcome Session::panelCommand(std::string_view name)
{
    const std::optional<PanelCommand> command = panelCommandFor(name);
    if (!command) {
        return {};
    }
    WindowUpdate update;
    const CommandOutcome outcome =
        handlePanelCommand(*world_, *command, screen_.panel, menu_, scene_, screen_.sceneTimer, update);
    if (*command == PanelCommand::recommencer) {
        record_.start(currentSettings());
    }
    if (outcome.menuChecks) {
        menu_ = *outcome.menuChecks;
    }
    carryOut(update);
    return outcome;
}

PanelFault Session::recommencer()
{
    return panelCommand("recommencer").fault;
}

void Session::pause()
{
    WindowUpdate update;
    Pause1Click(*world_, screen_.sceneTimer, update);
    carryOut(update);
}

void Session::stop()
{
    WindowUpdate update;
    Arrter1Click(*world_, update);
    carryOut(update);
}

void Session::purge()
{
    purger1Click(*world_);
    ++changes_;
}

void Session::selectReaction(std::int32_t reaction)
{
    if (reaction < Reaction::lactoseHydrolysis || reaction > Reaction::amyloseHydrolysis) {
        return;
    }
    menu_.checkedReaction = reaction;
    WindowUpdate update;
    velmora::selectReaction(*world_, menu_, update);
    carryOut(update);
}

void Session::chooseSymbols(bool small)
{
    menu_.smallSymbols = small;
    WindowUpdate update;
    changelegende1Click(*world_, menu_, update);
    carryOut(update);
}

bool Session::chooseMaxProducts(std::int32_t caption)
{
    if (!velmora::chooseMaxProducts(*world_, caption)) {
        return false;
    }
    screen_.maxProductsCaption = caption;
    ++changes_;
    return true;
}

bool Session::chooseVolume(std::int32_t percent)
{
    const std::optional<SceneSize> box = boxForVolume(percent);
    if (!box) {
        return false;
    }
    if (box->width != scene_.width || box->height != scene_.height) {
        scene_ = *box;
        WindowUpdate update;
        changeVolume(*world_, update);
        carryOut(update);
    }
    return true;
}

std::int32_t Session::volume() const
{
    return volumeOfBox(scene_).value_or(defaultVolume);
}

void Session::setPercent(bool percent)
{
    screen_.percent = percent;
    refreshAxisLabels();
    ++changes_;
}

void Session::tick()
{
    WindowUpdate update;
    Timer2Timer(*world_, scene_, update);
    if (const std::optional<RecordedSecond> second = recordedSecond(*world_, update)) {
        record_.add(*second);
    }
    carryOut(update);
}

KeepOutcome Session::keepCurve()
{
    ++changes_;
    return kept_.keep(record_);
}

void Session::clearKeptCurves()
{
    kept_.clear();
    ++changes_;
}

ExperimentSettings Session::currentSettings() const
{
    const PanelValues panel = panelValues();
    return experimentSettingsFor(*world_, scene_, panel.valeurtemp.value_or(world_->temperature),
                                 panel.valeurph.value_or(world_->ph));
}

std::string Session::sceneSentence() const
{
    const bool paused = !screen_.sceneTimer;
    return velmora::sceneSentence(sceneFacts(*world_, paused), words_);
}

std::string Session::graphSentence() const
{
    return velmora::graphSentence(graphFacts(*world_, screen_.percent), words_);
}

std::string Session::timeCourseCsv() const
{
    std::ostringstream out;
    writeTimeCourseCsv(out, record_, kept_.courses());
    return out.str();
}

void Session::refreshAxisLabels()
{
    screen_.axis = axisLabels(world_->substrateAmount, screen_.percent,
                              translator_.text("TimeCourse", std::string(arbitraryUnit)));
}

void Session::carryOut(const WindowUpdate& update)
{
    ++changes_;
    if (update.sceneTimer) {
        screen_.sceneTimer = *update.sceneTimer;
        if (screen_.sceneTimer) {
            screen_.sceneBlank = false;
        }
    }
    if (update.tickTimer) {
        screen_.tickTimer = *update.tickTimer;
    }
    if (update.blankScene) {
        screen_.sceneBlank = true;
    }
    if (update.refreshAxisLabels) {
        refreshAxisLabels();
    }
    if (update.elapsedSeconds) {
        screen_.elapsedSeconds = *update.elapsedSeconds;
    }
    if (update.smallSymbolBoxes) {
        screen_.smallSymbols = *update.smallSymbolBoxes;
    }
    if (update.legendFrame) {
        screen_.legendFrame = *update.legendFrame;
    }
    if (update.comment) {
        screen_.comment =
            update.comment->empty() ? std::string() : translator_.text("Comment", *update.comment);
    }
    if (update.panelFrame) {
        screen_.thiolactose = *update.panelFrame == 5;
    }
    if (update.reactionName) {
        screen_.reactionName = translator_.text("Catalogue", *update.reactionName);
    }
}

ExperimentReading Session::openExperiment(std::string_view bytes, const std::string& fileName)
{
    ExperimentReading reading = readExperimentFile(bytes, fileName);
    if (!reading.document) {
        return reading;
    }
    const ExperimentDocument& document = *reading.document;
    ExperimentSettings settings = settingsWithVolume(document.settings, document.volume);
    settings.events.clear();
    Session opened(settings, translator_);
    std::vector<CourseRecord> kept;
    for (const KeptRun& run : document.kept) {
        kept.push_back(courseRecordOf(run));
    }
    opened.kept_.restore(kept);
    if (document.seed) {
        opened.world_->random.state = *document.seed;
    }
    opened.document_ = document;
    opened.changes_ = changes_ + 1;
    *this = std::move(opened);
    return reading;
}

ExperimentDocument Session::experimentDocument() const
{
    ExperimentDocument document = document_;
    document.settings = currentSettings();
    document.settings.events = document_.settings.events;
    document.volume = volume();
    document.kept.clear();
    for (const CourseRecord& kept : keptCourses()) {
        document.kept.push_back(
            {kept.settings(), volumeOfBox(kept.settings().scene).value_or(document.volume), kept.seconds()});
    }
    document.run.reset();
    return document;
}

std::string Session::problemText(const FileProblem& problem) const
{
    const std::string pattern = translator_.text("ExperimentFile", problem.pattern);
    const std::string detail =
        problem.detail ? translator_.text("ExperimentFile", problem.detail) : std::string();
    FileProblem translated = problem;
    translated.pattern = pattern.c_str();
    translated.detail = problem.detail ? detail.c_str() : nullptr;
    return translated.text();
}

} // namespace velmora
