#include "lab/ExperimentFile.h"

#include "experiment/Lifecycle.h"
#include "model/BoxVolume.h"
#include "model/Translatable.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <sstream>

namespace velmora {

using Json = nlohmann::ordered_json;

namespace {

constexpr std::array<const char*, panelControlCount> controlKeys{
    "reaction", "temperature", "ph", "enzyme", "substrate", "inhibitor", "volume", "symbols", "products"};

constexpr std::int32_t lowestTemperature = -10; // the panel's range
constexpr std::int32_t highestTemperature = 90;
constexpr std::int32_t highestPh = 14;
constexpr std::int32_t largestTick = 2147483647;
constexpr std::int32_t largestSecond = largestTick / 20;
constexpr std::size_t mostEvents = 1000;
constexpr std::size_t mostLogEntries = 10000;
constexpr std::size_t mostCurves = 20;

// "Le fichier « NAME », clé « PLACE » : EXPECTED était attendu."
constexpr const char* wrongValue = VELMORA_TRANSLATABLE(
    "ExperimentFile",
    "Le fichier «\u00a0%1\u00a0» ne peut pas être ouvert\u00a0: à la clé «\u00a0%2\u00a0», %3 "
    "était attendu, et non %4.");

// A whole number as French readers write it, with the minus sign.
std::string withMinusSign(std::int64_t value)
{
    return value < 0 ? "\u2212" + std::to_string(-value) : std::to_string(value);
}

struct Refusal
{
    FileProblem problem;
};

// Reads one JSON document into an ExperimentDocument, checking every value; the first faulty one
// throws a Refusal.
class DocumentReader
{
public:
    DocumentReader(const std::string& fileName, std::vector<FileProblem>& warnings)
        : fileName_(fileName), warnings_(warnings)
    {
    }

    ExperimentDocument read(const Json& root)
    {
        if (!root.is_object()) {
            throw Refusal{{VELMORA_TRANSLATABLE(
                               "ExperimentFile",
                               "Le fichier «\u00a0%1\u00a0» ne peut pas être ouvert\u00a0: une expérience "
                               "(un objet JSON entre accolades) était attendue."),
                           {fileName_}}};
        }
        const auto format = root.find("format");
        if (format == root.end() || !format->is_string() ||
            format->get<std::string>() != experimentFormatName) {
            throw Refusal{
                {VELMORA_TRANSLATABLE(
                     "ExperimentFile",
                     "Le fichier «\u00a0%1\u00a0» n’est pas une expérience de Velmora\u00a0: la clé "
                     "«\u00a0" "format\u00a0» doit valoir «\u00a0velmora-experiment\u00a0»."),
                 {fileName_}}};
        }
        const auto version = root.find("version");
        if (version == root.end() || !version->is_number_integer() ||
            version->get<std::int64_t>() != experimentFormatVersion) {
            throw Refusal{
                {VELMORA_TRANSLATABLE("ExperimentFile",
                                      "Le fichier «\u00a0%1\u00a0» ne peut pas être ouvert\u00a0: la clé "
                                      "«\u00a0version\u00a0» vaut %2, et ce programme lit la version 1."),
                 {fileName_, version == root.end() ? std::string("rien") : version->dump()}}};
        }

        ExperimentDocument document;
        forEachKey(root, "", [&](const std::string& key, const Json& value, const std::string& place) {
            if (key == "format" || key == "version") {
                return true;
            }
            if (readSettingsKey(key, value, place, document.settings, document.volume)) {
                return true;
            }
            if (key == "seed") {
                document.seed = seed(value, place);
            } else if (key == "title") {
                document.scenario.title = text(value, place);
            } else if (key == "instructions") {
                document.scenario.instructions = text(value, place);
            } else if (key == "locked") {
                document.scenario.locked = controls(value, place);
            } else if (key == "hidden") {
                document.scenario.hidden = controls(value, place);
            } else if (key == "hide-model-answers") {
                document.scenario.hideModelAnswers = boolean(value, place);
            } else if (key == "lesson") {
                document.scenario.lesson = lesson(value, place);
            } else if (key == "group") {
                document.group = group(value, place);
            } else if (key == "answer") {
                document.answer = text(value, place);
            } else if (key == "log") {
                document.log = log(value, place);
            } else if (key == "kept") {
                document.kept = keptRuns(value, place);
            } else if (key == "run") {
                document.run = runSoFar(value, place);
            } else if (key == "curves") {
                document.curves = curves(value, place);
            } else {
                return false;
            }
            return true;
        });
        document.settings.scene = *boxForVolume(document.volume);
        return document;
    }

private:
    [[noreturn]] void refuse(const std::string& place, const Json& value, const char* expected,
                             std::vector<std::string> expectedValues = {}) const
    {
        std::string found = value.dump();
        if (found.size() > 60) {
            found = found.substr(0, 57) + "…";
        }
        throw Refusal{{wrongValue, {fileName_, place, "", found}, expected, std::move(expectedValues)}};
    }

    // Calls `visit(key, value, place)` for each key of an object; a key it does not take is
    // named in a warning and skipped.
    void forEachKey(const Json& object, const std::string& path,
                    const std::function<bool(const std::string&, const Json&, const std::string&)>& visit)
    {
        for (const auto& [key, value] : object.items()) {
            const std::string place = path.empty() ? key : path + "." + key;
            if (!visit(key, value, place)) {
                warnings_.push_back(
                    {VELMORA_TRANSLATABLE("ExperimentFile",
                                          "Le fichier «\u00a0%1\u00a0»\u00a0: la clé «\u00a0%2\u00a0» est "
                                          "inconnue de ce programme et a été ignorée."),
                     {fileName_, place}});
            }
        }
    }

    std::int64_t integer(const Json& value, const std::string& place, std::int64_t low, std::int64_t high)
    {
        if (!value.is_number_integer() ||
            (value.is_number_unsigned() && value.get<std::uint64_t>() > INT64_MAX) ||
            value.get<std::int64_t>() < low || value.get<std::int64_t>() > high) {
            refuse(place, value, VELMORA_TRANSLATABLE("ExperimentFile", "un nombre entier de %1 à %2"),
                   {withMinusSign(low), withMinusSign(high)});
        }
        return value.get<std::int64_t>();
    }

    std::int32_t oneOf(const Json& value, const std::string& place,
                       std::initializer_list<std::int32_t> allowed, const char* expected)
    {
        if (!value.is_number_integer() ||
            std::find(allowed.begin(), allowed.end(), value.get<std::int64_t>()) == allowed.end()) {
            refuse(place, value, expected);
        }
        return static_cast<std::int32_t>(value.get<std::int64_t>());
    }

    std::string text(const Json& value, const std::string& place)
    {
        if (!value.is_string()) {
            refuse(place, value, VELMORA_TRANSLATABLE("ExperimentFile", "un texte entre guillemets"));
        }
        return value.get<std::string>();
    }

    bool boolean(const Json& value, const std::string& place)
    {
        if (!value.is_boolean()) {
            refuse(place, value, VELMORA_TRANSLATABLE("ExperimentFile", "true ou false"));
        }
        return value.get<bool>();
    }

    const Json& array(const Json& value, const std::string& place, std::size_t most)
    {
        if (!value.is_array()) {
            refuse(place, value, VELMORA_TRANSLATABLE("ExperimentFile", "une liste entre crochets"));
        }
        if (value.size() > most) {
            refuse(place, Json(value.size()),
                   VELMORA_TRANSLATABLE("ExperimentFile", "une liste d’au plus %1 éléments"),
                   {std::to_string(most)});
        }
        return value;
    }

    const Json& object(const Json& value, const std::string& place)
    {
        if (!value.is_object()) {
            refuse(place, value, VELMORA_TRANSLATABLE("ExperimentFile", "un objet entre accolades"));
        }
        return value;
    }

    std::uint32_t seed(const Json& value, const std::string& place)
    {
        return static_cast<std::uint32_t>(integer(value, place, 0, 4294967295LL));
    }

    // The keys that set up an experiment, at the top or in a kept run or the run so far.
    bool readSettingsKey(const std::string& key, const Json& value, const std::string& place,
                         ExperimentSettings& settings, std::int32_t& volume)
    {
        if (key == "reaction") {
            settings.reaction = static_cast<std::int32_t>(integer(value, place, 1, 4));
        } else if (key == "temperature") {
            settings.temperature =
                static_cast<std::int32_t>(integer(value, place, lowestTemperature, highestTemperature));
        } else if (key == "ph") {
            settings.ph = static_cast<std::int32_t>(integer(value, place, 0, highestPh));
        } else if (key == "enzyme" || key == "substrate" || key == "inhibitor") {
            const auto amount = static_cast<std::int32_t>(integer(value, place, 0, maxSlot));
            (key == "enzyme"      ? settings.enzyme
             : key == "substrate" ? settings.substrate
                                  : settings.other) = amount;
        } else if (key == "volume") {
            volume = oneOf(value, place, {25, 50, 100, 200, 400},
                           VELMORA_TRANSLATABLE("ExperimentFile", "25, 50, 100, 200 ou 400"));
        } else if (key == "symbols") {
            if (value != "small" && value != "large") {
                refuse(place, value,
                       VELMORA_TRANSLATABLE("ExperimentFile", "«\u00a0small\u00a0» ou «\u00a0large\u00a0»"));
            }
            settings.smallSymbols = value == "small";
        } else if (key == "products") {
            settings.maxProductsCaption =
                oneOf(value, place, {10, 20, 50, 100, 200, 400},
                      VELMORA_TRANSLATABLE("ExperimentFile", "10, 20, 50, 100, 200 ou 400"));
        } else if (key == "events") {
            settings.events = events(value, place);
        } else {
            return false;
        }
        return true;
    }

    std::vector<PanelEvent> events(const Json& value, const std::string& place)
    {
        std::vector<PanelEvent> read;
        const Json& list = array(value, place, mostEvents);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = place + "[" + std::to_string(i) + "]";
            const Json& item = object(list[i], at);
            PanelEvent event;
            int moments = 0;
            int changes = 0;
            forEachKey(item, at, [&](const std::string& key, const Json& v, const std::string& p) {
                if (key == "second") {
                    event.tick = static_cast<std::int32_t>(integer(v, p, 0, largestSecond)) * 20;
                    ++moments;
                } else if (key == "tick") {
                    event.tick = static_cast<std::int32_t>(integer(v, p, 0, largestTick));
                    ++moments;
                } else if (key == "temperature") {
                    event.variable = PanelEvent::Variable::temperature;
                    event.value =
                        static_cast<std::int32_t>(integer(v, p, lowestTemperature, highestTemperature));
                    ++changes;
                } else if (key == "ph") {
                    event.variable = PanelEvent::Variable::ph;
                    event.value = static_cast<std::int32_t>(integer(v, p, 0, highestPh));
                    ++changes;
                } else {
                    return false;
                }
                return true;
            });
            if (moments != 1 || changes != 1) {
                refuse(at, item,
                       VELMORA_TRANSLATABLE(
                           "ExperimentFile",
                           "un moment («\u00a0second\u00a0» ou «\u00a0tick\u00a0») et un changement "
                           "(«\u00a0temperature\u00a0» ou «\u00a0ph\u00a0»)"));
            }
            read.push_back(event);
        }
        return read;
    }

    PanelControls controls(const Json& value, const std::string& place)
    {
        PanelControls read;
        const Json& list = array(value, place, 100);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::optional<PanelControl> control =
                list[i].is_string() ? panelControlNamed(list[i].get<std::string>()) : std::nullopt;
            if (!control) {
                refuse(place + "[" + std::to_string(i) + "]", list[i],
                       VELMORA_TRANSLATABLE(
                           "ExperimentFile",
                           "un nom de réglage (reaction, temperature, ph, enzyme, substrate, inhibitor, "
                           "volume, symbols ou products)"));
            }
            read.add(*control);
        }
        return read;
    }

    std::string lesson(const Json& value, const std::string& place)
    {
        const std::string name = value.is_string() ? value.get<std::string>() : std::string();
        const bool plain =
            !name.empty() && name.size() <= 40 && std::all_of(name.begin(), name.end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
            });
        if (!plain) {
            refuse(
                place, value,
                VELMORA_TRANSLATABLE("ExperimentFile",
                                     "le nom d’une explication, en minuscules sans accents (experiences)"));
        }
        return name;
    }

    StudentGroup group(const Json& value, const std::string& place)
    {
        StudentGroup read;
        forEachKey(object(value, place), place,
                   [&](const std::string& key, const Json& v, const std::string& p) {
                       if (key == "names") {
                           read.names = text(v, p);
                       } else if (key == "class") {
                           read.className = text(v, p);
                       } else if (key == "date") {
                           read.date = text(v, p);
                       } else {
                           return false;
                       }
                       return true;
                   });
        return read;
    }

    std::vector<LogEntry> log(const Json& value, const std::string& place)
    {
        std::vector<LogEntry> read;
        const Json& list = array(value, place, mostLogEntries);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = place + "[" + std::to_string(i) + "]";
            LogEntry entry;
            forEachKey(object(list[i], at), at,
                       [&](const std::string& key, const Json& v, const std::string& p) {
                           if (key == "time") {
                               entry.time = text(v, p);
                           } else if (key == "text") {
                               entry.text = text(v, p);
                           } else {
                               return false;
                           }
                           return true;
                       });
            read.push_back(std::move(entry));
        }
        return read;
    }

    std::vector<RecordedSecond> course(const Json& value, const std::string& place)
    {
        std::vector<RecordedSecond> read;
        const Json& list = array(value, place, static_cast<std::size_t>(largestSecond));
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = place + "[" + std::to_string(i) + "]";
            const Json& row = list[i];
            if (!row.is_array() || row.size() != 4) {
                refuse(
                    at, row,
                    VELMORA_TRANSLATABLE("ExperimentFile", "une ligne [seconde, substrat, température, pH]"));
            }
            RecordedSecond second;
            second.second = static_cast<std::int32_t>(integer(row[0], at + "[0]", 0, largestSecond));
            second.substrate = static_cast<std::int32_t>(integer(row[1], at + "[1]", 0, maxSlot));
            second.temperature = static_cast<std::int32_t>(integer(row[2], at + "[2]", -1000000, 1000000));
            second.ph = static_cast<std::int32_t>(integer(row[3], at + "[3]", -1000000, 1000000));
            if (!read.empty() && second.second <= read.back().second) {
                refuse(at + "[0]", row[0], VELMORA_TRANSLATABLE("ExperimentFile", "une seconde après %1"),
                       {std::to_string(read.back().second)});
            }
            read.push_back(second);
        }
        return read;
    }

    std::vector<KeptRun> keptRuns(const Json& value, const std::string& place)
    {
        std::vector<KeptRun> read;
        const Json& list = array(value, place, mostKeptCourses);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = place + "[" + std::to_string(i) + "]";
            KeptRun run;
            forEachKey(object(list[i], at), at,
                       [&](const std::string& key, const Json& v, const std::string& p) {
                           if (key == "course") {
                               run.seconds = course(v, p);
                               return true;
                           }
                           return readSettingsKey(key, v, p, run.settings, run.volume);
                       });
            run.settings.scene = *boxForVolume(run.volume);
            read.push_back(std::move(run));
        }
        return read;
    }

    RunSoFar runSoFar(const Json& value, const std::string& place)
    {
        RunSoFar run;
        forEachKey(object(value, place), place,
                   [&](const std::string& key, const Json& v, const std::string& p) {
                       if (key == "seed") {
                           run.seed = seed(v, p);
                       } else if (key == "ticks") {
                           run.ticks = static_cast<std::int32_t>(integer(v, p, 0, largestTick));
                       } else {
                           return readSettingsKey(key, v, p, run.settings, run.volume);
                       }
                       return true;
                   });
        run.settings.scene = *boxForVolume(run.volume);
        return run;
    }

    double number(const Json& value, const std::string& place)
    {
        if (!value.is_number() || !std::isfinite(value.get<double>())) {
            refuse(place, value, VELMORA_TRANSLATABLE("ExperimentFile", "un nombre"));
        }
        return value.get<double>();
    }

    std::vector<ActivityCurveRecord> curves(const Json& value, const std::string& place)
    {
        std::vector<ActivityCurveRecord> read;
        const Json& list = array(value, place, mostCurves);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const std::string at = place + "[" + std::to_string(i) + "]";
            ActivityCurveRecord curve;
            forEachKey(
                object(list[i], at), at, [&](const std::string& key, const Json& v, const std::string& p) {
                    if (key == "variable") {
                        curve.variable = text(v, p);
                        if (curve.variable != "temperature" && curve.variable != "ph" &&
                            curve.variable != "substrate" && curve.variable != "inhibitor") {
                            refuse(p, v,
                                   VELMORA_TRANSLATABLE("ExperimentFile",
                                                        "temperature, ph, substrate ou inhibitor"));
                        }
                    } else if (key == "description") {
                        curve.description = text(v, p);
                    } else if (key == "points") {
                        const Json& points = array(v, p, 1000);
                        for (std::size_t k = 0; k < points.size(); ++k) {
                            const std::string pointPlace = p + "[" + std::to_string(k) + "]";
                            if (!points[k].is_array() || points[k].size() != 2) {
                                refuse(pointPlace, points[k],
                                       VELMORA_TRANSLATABLE("ExperimentFile", "un point [valeur, vitesse]"));
                            }
                            curve.points.push_back({number(points[k][0], pointPlace + "[0]"),
                                                    number(points[k][1], pointPlace + "[1]")});
                        }
                    } else if (key == "km") {
                        curve.km = number(v, p);
                    } else if (key == "vmax") {
                        curve.vmax = number(v, p);
                    } else {
                        return false;
                    }
                    return true;
                });
            read.push_back(std::move(curve));
        }
        return read;
    }

    const std::string& fileName_;
    std::vector<FileProblem>& warnings_;
};

// Line and column (from 1) of a byte offset.
std::pair<std::size_t, std::size_t> lineAndColumn(std::string_view bytes, std::size_t offset)
{
    offset = std::min(offset, bytes.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        if (bytes[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// --- Writing ---

void addSettings(Json& out, const ExperimentSettings& settings, std::int32_t volume)
{
    out["reaction"] = settings.reaction;
    out["temperature"] = settings.temperature;
    out["ph"] = settings.ph;
    out["enzyme"] = settings.enzyme;
    out["substrate"] = settings.substrate;
    out["inhibitor"] = settings.other;
    out["volume"] = volume;
    out["symbols"] = settings.smallSymbols ? "small" : "large";
    out["products"] = settings.maxProductsCaption;
    if (!settings.events.empty()) {
        Json events = Json::array();
        for (const PanelEvent& event : settings.events) {
            Json item = Json::object();
            if (event.tick % 20 == 0) {
                item["second"] = event.tick / 20;
            } else {
                item["tick"] = event.tick;
            }
            item[event.variable == PanelEvent::Variable::temperature ? "temperature" : "ph"] = event.value;
            events.push_back(std::move(item));
        }
        out["events"] = std::move(events);
    }
}

Json controlList(const PanelControls& controls)
{
    Json list = Json::array();
    for (const PanelControl control : allPanelControls) {
        if (controls.has(control)) {
            list.push_back(panelControlKey(control));
        }
    }
    return list;
}

Json courseJson(const std::vector<RecordedSecond>& seconds)
{
    Json rows = Json::array();
    for (const RecordedSecond& s : seconds) {
        rows.push_back(Json::array({s.second, s.substrate, s.temperature, s.ph}));
    }
    return rows;
}

bool scalarsOnly(const Json& value)
{
    return std::all_of(value.begin(), value.end(), [](const Json& item) { return item.is_primitive(); });
}

// Indented JSON, with lists of plain values on one line: a course takes one line per second.
void writeIndented(std::ostream& out, const Json& value, int depth)
{
    const std::string indent(static_cast<std::size_t>(depth) * 2, ' ');
    const std::string inner(static_cast<std::size_t>(depth + 1) * 2, ' ');
    if (value.is_object() && !value.empty()) {
        out << "{\n";
        bool first = true;
        for (const auto& [key, item] : value.items()) {
            out << (first ? "" : ",\n") << inner << Json(key).dump() << ": ";
            writeIndented(out, item, depth + 1);
            first = false;
        }
        out << '\n' << indent << '}';
    } else if (value.is_array() && !value.empty() && !scalarsOnly(value)) {
        out << "[\n";
        for (std::size_t i = 0; i < value.size(); ++i) {
            out << (i == 0 ? "" : ",\n") << inner;
            writeIndented(out, value[i], depth + 1);
        }
        out << '\n' << indent << ']';
    } else if (value.is_array() && !value.empty()) {
        out << '[';
        for (std::size_t i = 0; i < value.size(); ++i) {
            out << (i == 0 ? "" : ", ") << value[i].dump(-1, ' ', false, Json::error_handler_t::replace);
        }
        out << ']';
    } else {
        out << value.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
}

} // namespace

const char* panelControlKey(PanelControl control)
{
    return controlKeys[static_cast<std::size_t>(control)];
}

std::optional<PanelControl> panelControlNamed(std::string_view key)
{
    for (const PanelControl control : allPanelControls) {
        if (key == panelControlKey(control)) {
            return control;
        }
    }
    return std::nullopt;
}

std::optional<PanelControl> controlChangedBy(PanelCommand command)
{
    switch (command) {
    case PanelCommand::petits:
    case PanelCommand::grands:
        return PanelControl::symbols;
    case PanelCommand::reacprev:
    case PanelCommand::reacsuiv:
        return PanelControl::reaction;
    case PanelCommand::changetemp:
        return PanelControl::temperature;
    case PanelCommand::changeph:
        return PanelControl::ph;
    case PanelCommand::changeenz:
        return PanelControl::enzyme;
    case PanelCommand::changesub:
        return PanelControl::substrate;
    case PanelCommand::changeautre:
        return PanelControl::inhibitor;
    default:
        return std::nullopt;
    }
}

PanelPreset withoutLockedValues(PanelPreset preset, const Scenario& scenario, PanelControls& refused)
{
    const auto drop = [&](auto& value, PanelControl control) {
        if (value && (scenario.locked.has(control) || scenario.hidden.has(control))) {
            value.reset();
            refused.add(control);
        }
    };
    drop(preset.reaction, PanelControl::reaction);
    drop(preset.temperature, PanelControl::temperature);
    drop(preset.ph, PanelControl::ph);
    drop(preset.enzyme, PanelControl::enzyme);
    drop(preset.substrate, PanelControl::substrate);
    drop(preset.inhibitor, PanelControl::inhibitor);
    drop(preset.smallSymbols, PanelControl::symbols);
    drop(preset.products, PanelControl::products);
    return preset;
}

ExperimentSettings settingsWithVolume(ExperimentSettings settings, std::int32_t volume)
{
    if (const std::optional<SceneSize> scene = boxForVolume(volume)) {
        settings.scene = *scene;
    }
    return settings;
}

std::string fillValues(std::string_view pattern, const std::vector<std::string>& values)
{
    switch (values.size()) {
    case 0:
        return std::string(pattern);
    case 1:
        return fillPattern(pattern, {values[0]});
    case 2:
        return fillPattern(pattern, {values[0], values[1]});
    case 3:
        return fillPattern(pattern, {values[0], values[1], values[2]});
    default:
        return fillPattern(pattern, {values[0], values[1], values[2], values[3]});
    }
}

std::string FileProblem::text() const
{
    std::vector<std::string> filled = values;
    if (detail && filled.size() > detailIndex) {
        filled[detailIndex] = fillValues(detail, detailValues);
    }
    return fillValues(pattern, filled);
}

ExperimentReading readExperimentFile(std::string_view bytes, const std::string& fileName)
{
    ExperimentReading reading;
    if (bytes.size() > largestExperimentFile) {
        reading.error = tooLargeExperimentFile(fileName);
        return reading;
    }
    // A byte-order mark, as some editors write one, is no part of the document.
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    Json root;
    try {
        root = Json::parse(bytes.begin(), bytes.end());
    } catch (const Json::parse_error& fault) {
        const auto [line, column] = lineAndColumn(bytes, fault.byte == 0 ? 0 : fault.byte - 1);
        reading.error =
            FileProblem{VELMORA_TRANSLATABLE("ExperimentFile",
                                             "Le fichier «\u00a0%1\u00a0» n’est pas un document JSON valable "
                                             "(ligne %2, colonne %3)\u00a0: un texte JSON complet, en UTF-8, "
                                             "était attendu."),
                        {fileName, std::to_string(line), std::to_string(column)}};
        return reading;
    } catch (const Json::out_of_range&) {
        // A number beyond what a double holds (1E400): valid JSON, but no value of ours.
        reading.error = FileProblem{VELMORA_TRANSLATABLE("ExperimentFile",
                                                         "Le fichier «\u00a0%1\u00a0» contient un nombre trop "
                                                         "grand pour être lu."),
                                    {fileName}};
        return reading;
    }
    try {
        DocumentReader reader(fileName, reading.warnings);
        reading.document = reader.read(root);
    } catch (const Refusal& refusal) {
        reading.error = refusal.problem;
        reading.warnings.clear();
    }
    return reading;
}

ExperimentReading readExperimentFile(std::istream& in, const std::string& fileName)
{
    std::string bytes(largestExperimentFile + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        ExperimentReading reading;
        reading.error = unreadableExperimentFile(fileName, "erreur de lecture");
        return reading;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return readExperimentFile(bytes, fileName);
}

FileProblem unreadableExperimentFile(const std::string& fileName, const std::string& reason)
{
    return {
        VELMORA_TRANSLATABLE("ExperimentFile", "Le fichier «\u00a0%1\u00a0» n’a pas pu être lu\u00a0: %2."),
        {fileName, reason}};
}

FileProblem tooLargeExperimentFile(const std::string& fileName)
{
    return {VELMORA_TRANSLATABLE(
                "ExperimentFile",
                "Le fichier «\u00a0%1\u00a0» ne peut pas être ouvert\u00a0: il dépasse 1\u00a0Mo, et une "
                "expérience tient en bien moins."),
            {fileName}};
}

std::string writeExperimentFile(const ExperimentDocument& document)
{
    Json root = Json::object();
    root["format"] = experimentFormatName;
    root["version"] = experimentFormatVersion;
    const Scenario& scenario = document.scenario;
    if (!scenario.title.empty()) {
        root["title"] = scenario.title;
    }
    if (!scenario.instructions.empty()) {
        root["instructions"] = scenario.instructions;
    }
    addSettings(root, document.settings, document.volume);
    if (document.seed) {
        root["seed"] = *document.seed;
    }
    if (!scenario.locked.empty()) {
        root["locked"] = controlList(scenario.locked);
    }
    if (!scenario.hidden.empty()) {
        root["hidden"] = controlList(scenario.hidden);
    }
    if (scenario.hideModelAnswers) {
        root["hide-model-answers"] = true;
    }
    if (!scenario.lesson.empty()) {
        root["lesson"] = scenario.lesson;
    }
    if (!document.group.empty()) {
        root["group"] = Json{{"names", document.group.names},
                             {"class", document.group.className},
                             {"date", document.group.date}};
    }
    if (!document.answer.empty()) {
        root["answer"] = document.answer;
    }
    if (!document.kept.empty()) {
        Json kept = Json::array();
        for (const KeptRun& run : document.kept) {
            Json item = Json::object();
            addSettings(item, run.settings, run.volume);
            item["course"] = courseJson(run.seconds);
            kept.push_back(std::move(item));
        }
        root["kept"] = std::move(kept);
    }
    if (document.run) {
        Json run = Json::object();
        addSettings(run, document.run->settings, document.run->volume);
        run["seed"] = document.run->seed;
        run["ticks"] = document.run->ticks;
        root["run"] = std::move(run);
    }
    if (!document.curves.empty()) {
        Json curves = Json::array();
        for (const ActivityCurveRecord& curve : document.curves) {
            Json item = Json::object();
            item["variable"] = curve.variable;
            item["description"] = curve.description;
            Json points = Json::array();
            for (const auto& point : curve.points) {
                points.push_back(Json::array({point[0], point[1]}));
            }
            item["points"] = std::move(points);
            if (curve.km) {
                item["km"] = *curve.km;
            }
            if (curve.vmax) {
                item["vmax"] = *curve.vmax;
            }
            curves.push_back(std::move(item));
        }
        root["curves"] = std::move(curves);
    }
    if (!document.log.empty()) {
        Json log = Json::array();
        for (const LogEntry& entry : document.log) {
            log.push_back(Json{{"time", entry.time}, {"text", entry.text}});
        }
        root["log"] = std::move(log);
    }
    std::ostringstream out;
    writeIndented(out, root, 0);
    out << '\n';
    return out.str();
}

} // namespace velmora
