#pragma once

#include "experiment/PanelCommands.h"
#include "lab/CourseRecord.h"
#include "lab/Experiment.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// An experiment file (".velmora"): one JSON document, UTF-8, format "velmora-experiment" version 1.
// It sets up an experiment (the panel, the menus, the timed changes), may carry a teacher's
// scenario (title, instructions, locked and hidden controls), and keeps a group's work (names, kept
// runs, the run so far, the answer, what the group did). Every key but "format" and "version" is
// optional; share/velmora2/velmora-experiment.schema.json describes them all.

inline constexpr const char* experimentFormatName = "velmora-experiment";
inline constexpr int experimentFormatVersion = 1;
inline constexpr std::size_t largestExperimentFile = 1024 * 1024; // bytes; larger files are refused

// The panel's and menus' controls that a scenario can lock at their value or hide.
enum class PanelControl
{
    reaction,
    temperature,
    ph,
    enzyme,
    substrate,
    inhibitor,
    volume,
    symbols,
    products,
};
inline constexpr std::size_t panelControlCount = 9;
inline constexpr std::array<PanelControl, panelControlCount> allPanelControls{
    PanelControl::reaction, PanelControl::temperature, PanelControl::ph,
    PanelControl::enzyme,   PanelControl::substrate,   PanelControl::inhibitor,
    PanelControl::volume,   PanelControl::symbols,     PanelControl::products};
// The name in files: "reaction", "temperature", "ph", "enzyme", "substrate", "inhibitor", "volume",
// "symbols", "products".
const char* panelControlKey(PanelControl control);
std::optional<PanelControl> panelControlNamed(std::string_view key);

// A set of controls.
class PanelControls
{
public:
    bool has(PanelControl control) const { return (bits_ >> static_cast<unsigned>(control)) & 1u; }
    void add(PanelControl control) { bits_ |= 1u << static_cast<unsigned>(control); }
    void remove(PanelControl control) { bits_ &= ~(1u << static_cast<unsigned>(control)); }
    bool empty() const { return bits_ == 0; }
    bool operator==(const PanelControls&) const = default;

private:
    unsigned bits_ = 0;
};

// What a teacher prepares for a class.
struct Scenario
{
    std::string title;
    std::string instructions;
    PanelControls locked;          // shown greyed, kept at the file's value
    PanelControls hidden;          // not shown at all, kept at the file's value
    bool hideModelAnswers = false; // the guided experiments' "réponses du modèle"
    std::string lesson;            // the explanation opened first: a movie's name, "experiences"
    bool operator==(const Scenario&) const = default;
    bool empty() const { return *this == Scenario{}; }
};

// The control that a panel command changes, if any: "changetemp" the temperature, "reacprev" the
// reaction, "petits" the symbols...
std::optional<PanelControl> controlChangedBy(PanelCommand command);

// Values that a lesson, or anything else, asks the panel and menus to take; what it leaves empty
// stays as it is.
struct PanelPreset
{
    std::optional<std::int32_t> reaction;
    std::optional<std::int32_t> temperature;
    std::optional<std::int32_t> ph;
    std::optional<std::int32_t> enzyme;
    std::optional<std::int32_t> substrate;
    std::optional<std::int32_t> inhibitor;
    std::optional<bool> smallSymbols;
    std::optional<std::int32_t> products; // the menu's caption: 10, 20, 50, 100, 200 or 400
};

// The preset without the values of the controls that `scenario` locks or hides; `refused` gets
// those controls.
PanelPreset withoutLockedValues(PanelPreset preset, const Scenario& scenario, PanelControls& refused);

// Who did the work, asked once and kept in the file.
struct StudentGroup
{
    std::string names;
    std::string className;
    std::string date; // as the group gave it, "12/03/2025"
    bool operator==(const StudentGroup&) const = default;
    bool empty() const { return names.empty() && className.empty() && date.empty(); }
};

// One line of the group's log: a local time "2025-03-12T10:04:05" and what was done, in French.
struct LogEntry
{
    std::string time;
    std::string text;
    bool operator==(const LogEntry&) const = default;
};

// A run kept to compare with later ones: its settings (the events it went through) and its course.
struct KeptRun
{
    ExperimentSettings settings;
    std::int32_t volume = 100;
    std::vector<RecordedSecond> seconds;
};

// The run under way when the file was written: replaying `ticks` ticks of `settings` from the
// generator state `seed` gives the very same World.
struct RunSoFar
{
    ExperimentSettings settings; // with the panel changes made during the run, as events
    std::int32_t volume = 100;
    std::uint32_t seed = designedSeed;
    std::int32_t ticks = 0;
};

// An activity curve computed during the session: its points (the setting's value, the mean
// initial rate) and, for the substrate curve, the Michaelis-Menten figures.
struct ActivityCurveRecord
{
    std::string variable;    // "temperature", "ph", "substrate" or "inhibitor"
    std::string description; // the settings it was computed from, in words
    std::vector<std::array<double, 2>> points;
    std::optional<double> km;
    std::optional<double> vmax;
};

// A whole experiment, as the window, velmora2-batch and the window's autosave keep it.
struct ExperimentDocument
{
    ExperimentSettings settings; // the panel and menus; events: the timed changes of every run
    std::int32_t volume = 100;   // "Volume de la boîte", per cent: 25, 50, 100, 200 or 400
    std::optional<std::uint32_t> seed;
    Scenario scenario;
    StudentGroup group;
    std::string answer;
    std::vector<LogEntry> log;
    std::vector<KeptRun> kept; // at most mostKeptCourses
    std::optional<RunSoFar> run;
    std::vector<ActivityCurveRecord> curves;
};

// A problem found in a file, told in French: `pattern` (marked translatable under the context
// "ExperimentFile") with %1, %2… replaced by `values`. In `values`, the one at `detailIndex` is a
// phrase of its own (what was expected), made the same way from `detail` and `detailValues`.
struct FileProblem
{
    FileProblem() = default;
    FileProblem(const char* pattern, std::vector<std::string> values, const char* detail = nullptr,
                std::vector<std::string> detailValues = {})
        : pattern(pattern), values(std::move(values)), detail(detail), detailValues(std::move(detailValues))
    {
    }
    const char* pattern = "";
    std::vector<std::string> values;
    const char* detail = nullptr;
    std::vector<std::string> detailValues;
    std::size_t detailIndex = 2;
    // The French text.
    std::string text() const;
};

struct ExperimentReading
{
    std::optional<ExperimentDocument> document; // empty when the file is refused
    std::optional<FileProblem> error;           // why it was refused
    std::vector<FileProblem> warnings;          // unknown keys, skipped
};

// Reads an experiment file's bytes; `fileName` names it in the messages. Nothing is partly read:
// either the whole document, or an error.
ExperimentReading readExperimentFile(std::string_view bytes, const std::string& fileName);
// The same from a stream, refusing more than largestExperimentFile bytes.
ExperimentReading readExperimentFile(std::istream& in, const std::string& fileName);
// The problem of a file that could not be opened or read, with the system's reason.
FileProblem unreadableExperimentFile(const std::string& fileName, const std::string& reason);
FileProblem tooLargeExperimentFile(const std::string& fileName);

// `pattern` with %1, %2… replaced by `values`, in one pass.
std::string fillValues(std::string_view pattern, const std::vector<std::string>& values);

// The document as a file: indented for a reader, one line per second of a course.
std::string writeExperimentFile(const ExperimentDocument& document);

// The settings of a run from the document: the file's volume gives the box (model/BoxVolume.h).
ExperimentSettings settingsWithVolume(ExperimentSettings settings, std::int32_t volume);

} // namespace velmora
