#pragma once

#include "experiment/PanelCommands.h"
#include "lab/CourseRecord.h"
#include "lab/Experiment.h"
#include "lab/ExperimentFile.h"
#include "model/SceneDescription.h"
#include "model/TimeCourse.h"
#include "model/WindowUpdate.h"
#include "model/World.h"
#include "session/Translator.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace velmora {

// The experiment screen of the window for a front end without Qt (the browser edition): the World,
// the control panel's values, the menus' choices, the two timers, the texts around the scene and
// the graph, the run's record and the kept runs. Each operation calls the model as the window
// does, then carries out what the model asks of the window into ScreenState, which the front end
// shows.

// What surrounds the scene and the graph, as the window shows it after each operation.
struct ScreenState
{
    bool sceneTimer = false; // frames are drawn
    bool tickTimer = false;  // the model runs
    bool sceneBlank = true;  // the scene shows white (before the first start, after a suspend)
    std::string comment;     // the legend's comment, "\r" between lines; empty: none
    std::string reactionName;
    bool thiolactose = false; // the panel shows the thiolactose setting (its frame 5)
    bool smallSymbols = false;
    std::int32_t legendFrame = 0;
    std::int32_t elapsedSeconds = 0; // the graph's time label
    AxisLabels axis{"100 %", "0 %"};
    bool percent = true; // the "pourcentage" box
    std::int32_t maxProductsCaption = 100;
    PanelTexts panel; // the panel's five values as text
};

class Session
{
public:
    // The screen opens with the panel's values and the menus' choices of `settings` (their panel
    // changes left out); by default those of the settings file that ships with the program, large
    // symbols and 100 products at most, on a 512 x 384 scene.
    explicit Session(const ExperimentSettings& settings = {}, Translator translator = {});

    // The control panel: a value variable ("valeurtemp", "valeurph", "valeurenz", "valeursub",
    // "valeurautre") takes a text, then a command by its name acts on it. An unknown name does
    // nothing.
    void setPanelValue(std::string_view variable, std::string_view text);
    CommandOutcome panelCommand(std::string_view name);

    // The menus and their keys: Enter, Space, Esc, Shift+P; the reaction and symbol-size items.
    PanelFault recommencer();
    void pause();
    void stop();
    void purge();
    void selectReaction(std::int32_t reaction);
    void chooseSymbols(bool small);
    bool chooseMaxProducts(std::int32_t caption);
    // "Volume de la boîte", in per cent (model/BoxVolume.h): its box for the next start; a change
    // suspends the experiment, as a quantity does. A volume not in the list changes nothing and
    // gives false.
    bool chooseVolume(std::int32_t percent);
    // The box's volume; the usual one for a box of another size.
    std::int32_t volume() const;
    // The "pourcentage" box.
    void setPercent(bool percent);

    // One run of the tick timer; the run's record takes the second the graph recorded.
    void tick();

    // The graph's tools: keep the run to compare, forget the kept ones.
    KeepOutcome keepCurve();
    void clearKeptCurves();

    const World& world() const { return *world_; }
    const ScreenState& screen() const { return screen_; }
    const CourseRecord& record() const { return record_; }
    const std::vector<CourseRecord>& keptCourses() const { return kept_.courses(); }
    const Translator& translator() const { return translator_; }
    SceneSize scene() const { return scene_; }
    // The settings of the experiment that a start would run now.
    ExperimentSettings currentSettings() const;
    // Grows by one at every operation that may change what is shown.
    std::uint64_t changes() const { return changes_; }

    // What the scene and the graph show, in a sentence for a screen reader.
    std::string sceneSentence() const;
    std::string graphSentence() const;

    // The whole run with the kept runs, as velmora2-batch's --csv writes it.
    std::string timeCourseCsv() const;

    // Experiment files (.velmora), read and written as the window does. A file read opens as the
    // screen opens: its panel, menus, volume and seed, its kept runs behind the curve; nothing
    // changes when it is refused. The rest of the document (a teacher's scenario, the group's
    // names, answer and log, the activity curves) is kept and written back on the next save; the
    // run under way is not replayed.
    ExperimentReading openExperiment(std::string_view bytes, const std::string& fileName);
    // The document as the screen stands: the panel, menus and volume, the kept runs.
    ExperimentDocument experimentDocument() const;
    // A problem of a file in the translator's language.
    std::string problemText(const FileProblem& problem) const;

private:
    ReactionChoice menuChoice() const;
    PanelValues panelValues() const;
    void carryOut(const WindowUpdate& update);
    void refreshAxisLabels();

    std::unique_ptr<World> world_;
    SceneSize scene_;
    ReactionChoice menu_;
    ScreenState screen_;
    CourseRecord record_;
    KeptCourses kept_;
    Translator translator_;
    SentenceWords words_;
    ExperimentDocument document_; // the file opened last, for what the screen does not show
    std::uint64_t changes_ = 0;
};

} // namespace velmora
