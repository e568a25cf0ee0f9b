// The session and the activity curves for JavaScript: the browser edition loads this module in a
// worker. Values cross as plain JavaScript objects, the scene's sprites as one Int32Array.

#include "lab/ExperimentFile.h"
#include "model/BoxVolume.h"
#include "model/SceneContent.h"
#include "session/ActivityRun.h"
#include "session/GraphView.h"
#include "session/RunText.h"
#include "session/Session.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using emscripten::val;

namespace velmora {

namespace {

// [[context, source, translation], ...] and whether counts take the plural from 2 on.
Translator translatorFrom(const val& words)
{
    Translator translator;
    if (words.isUndefined() || words.isNull()) {
        return translator;
    }
    const val entries = words["texts"];
    const auto count = entries.isUndefined() ? 0u : entries["length"].as<unsigned>();
    for (unsigned i = 0; i < count; ++i) {
        const val entry = entries[i];
        translator.add(entry[0].as<std::string>(), entry[1].as<std::string>(), entry[2].as<std::string>());
    }
    if (!words["pluralFromTwo"].isUndefined()) {
        translator.pluralFromTwo = words["pluralFromTwo"].as<bool>();
    }
    return translator;
}

std::int32_t integerOr(const val& object, const char* name, std::int32_t fallback)
{
    const val value = object[name];
    return value.isNumber() ? value.as<std::int32_t>() : fallback;
}

// The settings of an experiment as the page passes them; what it leaves out keeps its default.
ExperimentSettings settingsFrom(const val& object)
{
    ExperimentSettings settings;
    settings.reaction = integerOr(object, "reaction", settings.reaction);
    settings.temperature = integerOr(object, "temperature", settings.temperature);
    settings.ph = integerOr(object, "ph", settings.ph);
    settings.enzyme = integerOr(object, "enzyme", settings.enzyme);
    settings.substrate = integerOr(object, "substrate", settings.substrate);
    settings.other = integerOr(object, "other", settings.other);
    settings.smallSymbols = object["smallSymbols"].isTrue();
    settings.maxProductsCaption = integerOr(object, "maxProducts", settings.maxProductsCaption);
    // "Volume de la boîte" gives the box (model/BoxVolume.h); a volume not in the list keeps the usual
    // one.
    return settingsWithVolume(settings, integerOr(object, "volume", defaultVolume));
}

val settingsObject(const ExperimentSettings& settings)
{
    val object = val::object();
    object.set("reaction", settings.reaction);
    object.set("temperature", settings.temperature);
    object.set("ph", settings.ph);
    object.set("enzyme", settings.enzyme);
    object.set("substrate", settings.substrate);
    object.set("other", settings.other);
    object.set("smallSymbols", settings.smallSymbols);
    object.set("maxProducts", settings.maxProductsCaption);
    object.set("volume", volumeOfBox(settings.scene).value_or(defaultVolume));
    return object;
}

val stringArray(const std::vector<std::string>& texts)
{
    val array = val::array();
    for (const std::string& text : texts) {
        array.call<void>("push", text);
    }
    return array;
}

val chartObject(const Chart& chart)
{
    val object = val::object();
    object.set("title", chart.title);
    object.set("subtitle", chart.subtitle);
    object.set("xTitle", chart.xTitle);
    object.set("yTitle", chart.yTitle);
    val series = val::array();
    for (const ChartSeries& one : chart.series) {
        val entry = val::object();
        entry.set("label", one.label);
        val points = val::array();
        for (const ChartPoint& point : one.points) {
            val p = val::array();
            p.call<void>("push", point.x, point.y, point.error);
            points.call<void>("push", p);
        }
        entry.set("points", points);
        val line = val::array();
        for (const ChartLinePoint& point : one.line) {
            val p = val::array();
            p.call<void>("push", point.x, point.y);
            line.call<void>("push", p);
        }
        entry.set("line", line);
        entry.set("notes", stringArray(one.notes));
        series.call<void>("push", entry);
    }
    object.set("series", series);
    object.set("footnotes", stringArray(chart.footnotes));
    if (chart.xRange) {
        val range = val::array();
        range.call<void>("push", chart.xRange->first, chart.xRange->second);
        object.set("xRange", range);
    }
    object.set("xIncludesZero", chart.xIncludesZero);
    object.set("yIncludesZero", chart.yIncludesZero);
    if (chart.mark) {
        val mark = val::object();
        mark.set("x", chart.mark->x);
        mark.set("label", chart.mark->label);
        object.set("mark", mark);
    }
    object.set("decimalMark", chart.decimalMark);
    if (chart.inset) {
        object.set("inset", chartObject(*chart.inset));
    }
    return object;
}

std::string faultName(PanelFault fault)
{
    return std::string(panelVariableName(fault));
}

// The session as the page's worker holds it.
class WebSession
{
public:
    WebSession(val settings, val words) : session_(settingsFrom(settings), translatorFrom(words)) {}

    void setPanelValue(const std::string& variable, const std::string& text)
    {
        session_.setPanelValue(variable, text);
    }

    val panelCommand(const std::string& name)
    {
        const CommandOutcome outcome = session_.panelCommand(name);
        val object = val::object();
        object.set("fault", faultName(outcome.fault));
        object.set("advancedFeaturesNotice", outcome.advancedFeaturesNotice);
        object.set("openMenu", outcome.openMenuMovie);
        object.set("quit", outcome.quit);
        return object;
    }

    std::string recommencer() { return faultName(session_.recommencer()); }
    void pause() { session_.pause(); }
    void stop() { session_.stop(); }
    void purge() { session_.purge(); }
    void selectReaction(int reaction) { session_.selectReaction(reaction); }
    void chooseSymbols(bool small) { session_.chooseSymbols(small); }
    bool chooseMaxProducts(int caption) { return session_.chooseMaxProducts(caption); }
    void setPercent(bool percent) { session_.setPercent(percent); }
    bool chooseVolume(int percent) { return session_.chooseVolume(percent); }
    void tick() { session_.tick(); }
    double changes() const { return static_cast<double>(session_.changes()); }

    val screen() const
    {
        const ScreenState& state = session_.screen();
        const World& world = session_.world();
        val object = val::object();
        object.set("sceneTimer", state.sceneTimer);
        object.set("tickTimer", state.tickTimer);
        object.set("sceneBlank", state.sceneBlank);
        object.set("ice", iceBackground(world));
        object.set("comment", state.comment);
        object.set("reaction", world.reactionIndex);
        object.set("reactionName", state.reactionName);
        object.set("thiolactose", state.thiolactose);
        object.set("smallSymbols", state.smallSymbols);
        object.set("enzymeSprite", world.enzymeSprite);
        object.set("spriteBase", world.spriteBase);
        object.set("elapsedSeconds", state.elapsedSeconds);
        object.set("axisTop", state.axis.top);
        object.set("axisBottom", state.axis.bottom);
        object.set("percent", state.percent);
        object.set("maxProducts", state.maxProductsCaption);
        object.set("volume", session_.volume());
        object.set("sceneWidth", session_.scene().width);
        object.set("sceneHeight", session_.scene().height);
        object.set("running", world.running);
        // The substrate left while an experiment runs (its last molecule is told at once), else -1.
        object.set("substrateLeft",
                   world.running && world.substrateKind >= 0 ? world.count[world.substrateKind] : -1);
        val panel = val::object();
        panel.set("valeurtemp", state.panel.valeurtemp);
        panel.set("valeurph", state.panel.valeurph);
        panel.set("valeurenz", state.panel.valeurenz);
        panel.set("valeursub", state.panel.valeursub);
        panel.set("valeurautre", state.panel.valeurautre);
        object.set("panel", panel);
        object.set("recorded", static_cast<int>(session_.record().seconds().size()));
        object.set("kept", static_cast<int>(session_.keptCourses().size()));
        return object;
    }

    // Item, x, y of every picture of the scene, back to front; valid until the next call.
    val sprites()
    {
        sprites_.clear();
        forEachSceneSprite(session_.world(), [this](std::int32_t item, std::int32_t x, std::int32_t y) {
            sprites_.insert(sprites_.end(), {item, x, y});
        });
        return val(emscripten::typed_memory_view(sprites_.size(), sprites_.data()));
    }

    // `scale`: how much the graph's texts grow on a larger screen (1 as designed).
    val graph(int width, int height, int digitWidth, double scale) const
    {
        const double grown = std::clamp(scale, 1.0, 4.0);
        const GraphView view = graphView(session_.world(), session_.keptCourses(), width, height, digitWidth,
                                         static_cast<std::int32_t>(std::lround(graphFontPoints * grown)),
                                         static_cast<std::int32_t>(std::lround(graphStripHeight * grown)));
        const auto line = [](const std::vector<GraphPoint>& points) {
            val array = val::array();
            for (const GraphPoint& point : points) {
                array.call<void>("push", point.x, point.y);
            }
            return array;
        };
        val object = val::object();
        object.set("plotHeight", view.plotHeight);
        object.set("curve", line(view.curve));
        val marks = val::array();
        for (const GraphMarkLine& mark : view.marks) {
            marks.call<void>("push", mark.x, mark.colour);
        }
        object.set("marks", marks);
        val labels = val::array();
        for (const TimeAxisLabel& label : view.labels) {
            val entry = val::object();
            entry.set("x", label.x);
            entry.set("y", label.y);
            entry.set("text", label.text);
            labels.call<void>("push", entry);
        }
        object.set("labels", labels);
        val kept = val::array();
        for (const std::vector<GraphPoint>& points : view.kept) {
            kept.call<void>("push", line(points));
        }
        object.set("kept", kept);
        val keptMarks = val::array();
        for (const std::vector<std::int32_t>& changes : view.keptMarks) {
            val xs = val::array();
            for (const std::int32_t x : changes) {
                xs.call<void>("push", x);
            }
            keptMarks.call<void>("push", xs);
        }
        object.set("keptMarks", keptMarks);
        std::vector<std::string> legend;
        for (std::size_t k = 0; k < session_.keptCourses().size(); ++k) {
            legend.push_back(
                keptLegendLine(k, session_.keptCourses()[k], session_.translator(), view.keptEnded[k]));
        }
        object.set("legend", stringArray(legend));
        return object;
    }

    // Opens an experiment file's text: {error: "" or why it was refused, warnings: [...], locked:
    // [the keys of the controls that its scenario locks or hides], title, instructions}.
    val openExperiment(const std::string& text, const std::string& fileName)
    {
        const ExperimentReading reading = session_.openExperiment(text, fileName);
        val object = val::object();
        object.set("error", reading.error ? session_.problemText(*reading.error) : std::string());
        std::vector<std::string> warnings;
        for (const FileProblem& warning : reading.warnings) {
            warnings.push_back(session_.problemText(warning));
        }
        object.set("warnings", stringArray(warnings));
        std::vector<std::string> locked;
        std::string title;
        std::string instructions;
        if (reading.document) {
            const Scenario& scenario = reading.document->scenario;
            for (const PanelControl control : allPanelControls) {
                if (scenario.locked.has(control) || scenario.hidden.has(control)) {
                    locked.emplace_back(panelControlKey(control));
                }
            }
            title = scenario.title;
            instructions = scenario.instructions;
        }
        object.set("locked", stringArray(locked));
        object.set("title", title);
        object.set("instructions", instructions);
        return object;
    }

    std::string experimentFile() const { return writeExperimentFile(session_.experimentDocument()); }

    std::string sceneSentence() const { return session_.sceneSentence(); }
    std::string graphSentence() const { return session_.graphSentence(); }
    std::string timeCourseCsv() const { return session_.timeCourseCsv(); }
    std::string timeCourseTable() const
    {
        return velmora::timeCourseTable(session_.record(), session_.keptCourses(), session_.translator());
    }

    // "kept", "replaced", "nothing", "full".
    std::string keepCurve()
    {
        switch (session_.keepCurve()) {
        case KeepOutcome::kept:
            return "kept";
        case KeepOutcome::replaced:
            return "replaced";
        case KeepOutcome::nothingToKeep:
            return "nothing";
        case KeepOutcome::full:
            return "full";
        }
        return {};
    }
    void clearKeptCurves() { session_.clearKeptCurves(); }

    val currentSettings() const { return settingsObject(session_.currentSettings()); }

    // The reaction and the settings of the run the graph shows, or, on an empty page, of the next.
    val pictureCaption() const
    {
        CourseRecord shown = session_.record();
        if (session_.world().graphCount == 0 || shown.empty()) {
            shown = CourseRecord();
            shown.start(session_.currentSettings());
        }
        val object = val::object();
        object.set("title", reactionTitle(shown.settings().reaction, session_.translator()));
        object.set("caption", runCaption(shown, session_.translator()));
        return object;
    }

private:
    Session session_;
    std::vector<std::int32_t> sprites_;
};

std::optional<ActivityCurve> curveNamed(const std::string& name)
{
    if (name == "temperature") {
        return ActivityCurve::temperature;
    }
    if (name == "ph") {
        return ActivityCurve::ph;
    }
    if (name == "substrate") {
        return ActivityCurve::substrate;
    }
    if (name == "inhibitor") {
        return ActivityCurve::inhibitor;
    }
    return std::nullopt;
}

// The activity window's choices as the page passes them: measure "initialRate" or "halfTime",
// share, replicates; what it leaves out keeps the core's default.
ActivityChoices choicesFrom(const val& object)
{
    ActivityChoices choices;
    if (object.isUndefined() || object.isNull()) {
        return choices;
    }
    if (object["measure"].isString() && object["measure"].as<std::string>() == "halfTime") {
        choices.measure = Measure::halfTime;
    }
    if (object["share"].isNumber()) {
        choices.share = object["share"].as<std::int32_t>();
    }
    choices.replicates = integerOr(object, "replicates", choices.replicates);
    return choices;
}

// The choices' defaults and limits, for the page's activity window: each curve's own share.
val activityDefaults()
{
    const ActivityChoices choices;
    val object = val::object();
    val shares = val::object();
    for (const char* name : {"temperature", "ph", "substrate", "inhibitor"}) {
        shares.set(name, activityCurvePlan(*curveNamed(name), {}).measures.initialRateShare);
    }
    object.set("shares", shares);
    object.set("largestShare", largestInitialRateShare);
    object.set("replicates", choices.replicates);
    return object;
}

// Computes an activity curve in the calling worker; `progress(done, total)` after each experiment.
val runActivity(const std::string& name, val settings, val words, val progress, val choices)
{
    const std::optional<ActivityCurve> curve = curveNamed(name);
    const ExperimentSettings current = settingsFrom(settings);
    if (!curve || !activityCurveAvailable(*curve, current.reaction)) {
        return val::null();
    }
    const Translator translator = translatorFrom(words);
    const ActivityRun run = runActivityCurve(
        *curve, current,
        [&progress](std::size_t done, std::size_t total) {
            if (progress.typeOf().as<std::string>() == "function") {
                progress(static_cast<double>(done), static_cast<double>(total));
            }
        },
        choicesFrom(choices));
    val object = val::object();
    object.set("chart", chartObject(activityRunChart(run, false, translator)));
    // As in the window: the Lineweaver-Burk view as soon as one series has a point to show.
    const bool anyPoint =
        std::any_of(run.fits.series.begin(), run.fits.series.end(),
                    [](const MichaelisMentenFit& fit) { return !fit.lineweaverBurk.reciprocals.empty(); });
    if (anyPoint) {
        object.set("lineweaverBurk", chartObject(activityRunChart(run, true, translator)));
    }
    object.set("fitLines", stringArray(activityFitLines(run, translator)));
    object.set("tableCsv", activityTableCsv(run));
    object.set("tableText", activityTableText(run, translator));
    object.set("command", activityBatchCommand(run));
    object.set("runs", static_cast<double>(run.result.points.size()) * run.plan.replicates);
    object.set("replicates", run.plan.replicates);
    object.set("share", run.plan.measures.initialRateShare);
    object.set("cutShortNote", activityCutShortNote(run, translator));
    return object;
}

// "Volume de la boîte": the volumes in per cent, in the menu's order.
val boxVolumeList()
{
    val list = val::array();
    for (const BoxVolume& volume : boxVolumes) {
        list.call<void>("push", volume.percent);
    }
    return list;
}

} // namespace

} // namespace velmora

EMSCRIPTEN_BINDINGS(velmora)
{
    using namespace velmora;
    emscripten::class_<WebSession>("Session")
        .constructor<val, val>()
        .function("setPanelValue", &WebSession::setPanelValue)
        .function("panelCommand", &WebSession::panelCommand)
        .function("recommencer", &WebSession::recommencer)
        .function("pause", &WebSession::pause)
        .function("stop", &WebSession::stop)
        .function("purge", &WebSession::purge)
        .function("selectReaction", &WebSession::selectReaction)
        .function("chooseSymbols", &WebSession::chooseSymbols)
        .function("chooseMaxProducts", &WebSession::chooseMaxProducts)
        .function("setPercent", &WebSession::setPercent)
        .function("chooseVolume", &WebSession::chooseVolume)
        .function("tick", &WebSession::tick)
        .function("changes", &WebSession::changes)
        .function("screen", &WebSession::screen)
        .function("sprites", &WebSession::sprites)
        .function("graph", &WebSession::graph)
        .function("sceneSentence", &WebSession::sceneSentence)
        .function("graphSentence", &WebSession::graphSentence)
        .function("timeCourseCsv", &WebSession::timeCourseCsv)
        .function("timeCourseTable", &WebSession::timeCourseTable)
        .function("keepCurve", &WebSession::keepCurve)
        .function("clearKeptCurves", &WebSession::clearKeptCurves)
        .function("currentSettings", &WebSession::currentSettings)
        .function("openExperiment", &WebSession::openExperiment)
        .function("experimentFile", &WebSession::experimentFile)
        .function("pictureCaption", &WebSession::pictureCaption);
    emscripten::function("runActivity", &runActivity);
    emscripten::function("boxVolumes", &boxVolumeList);
    emscripten::function("activityDefaults", &activityDefaults);
}
