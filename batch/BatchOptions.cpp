#include "batch/BatchOptions.h"

#include "batch/QuotedText.h"
#include "experiment/Lifecycle.h"
#include "model/BoxVolume.h"
#include "plot/ChartFormat.h"
#include "settings/IntegerText.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>

namespace velmora {

namespace {

constexpr std::int32_t largestSceneSide = 100000; // pixels; keeps the scene's tenths within 32 bits

// Reads one integer option value; on failure leaves an error naming the option.
bool readInteger(std::string_view option, std::string_view text, std::int32_t low, std::int32_t high,
                 std::int32_t& value, std::string& error)
{
    const std::optional<std::int32_t> parsed = parseDecimalInteger(text);
    if (!parsed) {
        error = std::string(option) + ": " + quotedValue(text) + " is not an integer";
        return false;
    }
    if (*parsed < low || *parsed > high) {
        error = std::string(option) + ": " + quotedValue(text) + " is not within " + std::to_string(low) +
                ".." + std::to_string(high);
        return false;
    }
    value = *parsed;
    return true;
}

constexpr std::int32_t anyLow = INT32_MIN;
constexpr std::int32_t anyHigh = INT32_MAX;

// A generator state: a decimal integer from 0 to 4294967295.
bool readSeed(std::string_view text, std::uint32_t& seed, std::string& error)
{
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, seed);
    if (text.empty() || fault != std::errc{} || stop != end) {
        error = "--seed: " + quotedValue(text) + " is not an integer within 0..4294967295";
        return false;
    }
    return true;
}

bool readScene(std::string_view text, SceneSize& scene, std::string& error)
{
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos) {
        error = "--scene: " + quotedValue(text) + " is not of the form WIDTHxHEIGHT";
        return false;
    }
    return readInteger("--scene", text.substr(0, cross), 1, largestSceneSide, scene.width, error) &&
           readInteger("--scene", text.substr(cross + 1), 1, largestSceneSide, scene.height, error);
}

// --volume PERCENT: the box of that volume.
bool readVolume(std::string_view text, SceneSize& scene, std::string& error)
{
    const std::optional<std::int32_t> percent = parseDecimalInteger(text);
    const std::optional<SceneSize> box = percent ? boxForVolume(*percent) : std::nullopt;
    if (!box) {
        error = "--volume: " + quotedValue(text) + " is not 25, 50, 100, 200 or 400";
        return false;
    }
    scene = *box;
    return true;
}

bool readEvent(std::string_view text, BatchEvent& event, std::string& error)
{
    const std::size_t colon = text.find(':');
    const std::size_t equals = text.find('=');
    if (colon == std::string_view::npos || equals == std::string_view::npos || equals < colon) {
        error = "--event: " + quotedValue(text) + " is not of the form TICK:temperature=T or TICK:ph=P";
        return false;
    }
    const std::string_view variable = text.substr(colon + 1, equals - colon - 1);
    if (variable == "temperature") {
        event.variable = BatchEvent::Variable::temperature;
    } else if (variable == "ph") {
        event.variable = BatchEvent::Variable::ph;
    } else {
        error = "--event: " + quotedValue(variable) + " is neither temperature nor ph";
        return false;
    }
    return readInteger("--event", text.substr(0, colon), 0, anyHigh, event.tick, error) &&
           readInteger("--event", text.substr(equals + 1), anyLow, anyHigh, event.value, error);
}

// "NAME=..." of --sweep and --compare: the parameter, and the text after '='.
bool readParameterName(std::string_view option, std::string_view text, SweepParameter& parameter,
                       std::string_view& rest, std::string& error)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        error = std::string(option) + ": " + quotedValue(text) + " is not of the form " +
                (option == "--sweep" ? "NAME=FROM:TO:STEP" : "NAME=V1,V2,...");
        return false;
    }
    const std::optional<SweepParameter> named = parameterNamed(text.substr(0, equals));
    if (!named) {
        error = std::string(option) + ": " + quotedValue(text.substr(0, equals)) +
                " is not temperature, ph, enzyme, substrate or other";
        return false;
    }
    parameter = *named;
    rest = text.substr(equals + 1);
    return true;
}

bool readParameterValue(std::string_view option, SweepParameter parameter, std::string_view text,
                        std::int32_t& value, std::string& error)
{
    const ParameterRange range = parameterRange(parameter);
    if (!readInteger(option, text, anyLow, anyHigh, value, error)) {
        return false;
    }
    if (value < range.low || value > range.high) {
        error = std::string(option) + ": " + std::string(parameterName(parameter)) + " " + quotedValue(text) +
                " is not within " + std::to_string(range.low) + ".." + std::to_string(range.high);
        return false;
    }
    return true;
}

// --sweep NAME=FROM:TO:STEP
bool readSweep(std::string_view text, SweepAxis& axis, std::string& error)
{
    SweepParameter parameter{};
    std::string_view bounds;
    if (!readParameterName("--sweep", text, parameter, bounds, error)) {
        return false;
    }
    const std::size_t first = bounds.find(':');
    const std::size_t second = first == std::string_view::npos ? first : bounds.find(':', first + 1);
    if (second == std::string_view::npos) {
        error = "--sweep: " + quotedValue(text) + " is not of the form NAME=FROM:TO:STEP";
        return false;
    }
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::int32_t step = 0;
    if (!readParameterValue("--sweep", parameter, bounds.substr(0, first), from, error) ||
        !readParameterValue("--sweep", parameter, bounds.substr(first + 1, second - first - 1), to, error) ||
        !readInteger("--sweep", bounds.substr(second + 1), 1, anyHigh, step, error)) {
        return false;
    }
    if (from > to) {
        error = "--sweep: " + quotedValue(text) + " goes down: FROM must not be above TO";
        return false;
    }
    axis = steppedAxis(parameter, from, to, step);
    return true;
}

// --compare NAME=V1,V2,...
bool readCompare(std::string_view text, SweepAxis& axis, std::string& error)
{
    SweepParameter parameter{};
    std::string_view list;
    if (!readParameterName("--compare", text, parameter, list, error)) {
        return false;
    }
    axis = {parameter, {}};
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(',', start);
        std::int32_t value = 0;
        if (!readParameterValue("--compare", parameter, list.substr(start, comma - start), value, error)) {
            return false;
        }
        axis.values.push_back(value);
        if (comma == std::string_view::npos) {
            return true;
        }
        start = comma + 1;
    }
}

constexpr std::int32_t longestInitialRate = graphSeconds; // seconds: the first graph page

// --measure initial-rate[@PERCENT|:SECONDS] | half-time | left
bool readMeasure(std::string_view text, BatchOptions& options, std::string& error)
{
    Measure measure{};
    const std::string_view name = text.substr(0, text.find_first_of(":@"));
    if (name == "initial-rate") {
        measure = Measure::initialRate;
        if (name.size() < text.size()) {
            const std::string_view value = text.substr(name.size() + 1);
            const bool seconds = text[name.size()] == ':';
            if (!readInteger("--measure", value, 1, seconds ? longestInitialRate : largestInitialRateShare,
                             seconds ? options.initialRateSeconds : options.initialRateShare, error)) {
                return false;
            }
            (seconds ? options.initialRateShare : options.initialRateSeconds) =
                seconds ? defaultInitialRateShare : 0;
        }
    } else if (text == "half-time") {
        measure = Measure::halfTime;
    } else if (text == "left") {
        measure = Measure::left;
    } else {
        error = "--measure: " + quotedValue(text) + " is not initial-rate[@PERCENT|:SECONDS], half-time or left";
        return false;
    }
    if (std::find(options.measures.begin(), options.measures.end(), measure) != options.measures.end()) {
        error = "--measure: " + std::string(name) + " is given twice";
        return false;
    }
    options.measures.push_back(measure);
    return true;
}

// --scenario FILE: the experiment file's settings, which the options after it override.
bool readScenario(std::string_view path, BatchCommandLine& line, std::string& error)
{
    if (line.options.scenario) {
        error = "--scenario: given twice";
        return false;
    }
    const std::string name(path);
    std::ifstream in(name, std::ios::binary);
    const ExperimentReading reading =
        in ? readExperimentFile(in, name)
           : ExperimentReading{
                 std::nullopt, unreadableExperimentFile(name, "il est introuvable ou illisible"), {}};
    if (!reading.document) {
        error = "--scenario: " + reading.error->text();
        return false;
    }
    for (const FileProblem& warning : reading.warnings) {
        line.warnings.push_back(warning.text());
    }
    applyExperimentDocument(*reading.document, line.options);
    line.options.scenario = reading.document;
    return true;
}

constexpr std::size_t mostCurves = 8; // on one plot
constexpr std::int32_t mostRepeats = 10000;
constexpr std::int32_t mostJobs = 1024;

// What the options say together, once each is sound on its own.
std::string contradiction(const BatchCommandLine& line, const std::vector<std::string_view>& given)
{
    const BatchOptions& o = line.options;
    const auto was = [&](std::string_view option) {
        return std::find(given.begin(), given.end(), option) != given.end();
    };
    if (was("--volume") && was("--scene")) {
        return "--volume: --scene gives the box already; give one of them";
    }
    if (o.sweeps.empty()) {
        for (const std::string_view option : {"--measure", "--repeat", "--table", "--plot", "--compare"}) {
            if (was(option)) {
                return std::string(option) + " needs --sweep";
            }
        }
        return {};
    }
    for (const std::string_view option : {"--csv", "--dump", "--report"}) {
        if (was(option)) {
            return std::string(option) + " writes one experiment; it does not go with --sweep";
        }
    }
    if (o.sweeps.size() == 2 && o.sweeps[0].parameter == o.sweeps[1].parameter) {
        return "--sweep: " + std::string(parameterName(o.sweeps[0].parameter)) + " is swept twice";
    }
    if (o.compare && o.sweeps.size() == 2) {
        return "--compare: two sweeps already draw one curve for each value of the second";
    }
    if (o.compare && o.compare->parameter == o.sweeps[0].parameter) {
        return "--compare: " + std::string(parameterName(o.compare->parameter)) + " is already swept";
    }
    const bool initialRate = o.measures.empty() || std::find(o.measures.begin(), o.measures.end(),
                                                             Measure::initialRate) != o.measures.end();
    if (initialRate &&
        static_cast<std::int64_t>(o.ticks) < 20 * static_cast<std::int64_t>(o.initialRateSeconds)) {
        return "--measure: the initial rate over " + std::to_string(o.initialRateSeconds) +
               " s needs --ticks " + std::to_string(20 * o.initialRateSeconds) + " or more";
    }
    if (initialRate && o.ticks < 1) {
        return "--measure: the initial rate needs --ticks 1 or more";
    }
    const std::size_t curves =
        o.sweeps.size() == 2 ? o.sweeps[1].values.size() : (o.compare ? o.compare->values.size() : 1);
    if (!o.plotPath.empty() && curves > mostCurves) {
        return "--plot: at most " + std::to_string(mostCurves) + " curves, not " + std::to_string(curves);
    }
    return {};
}

} // namespace

void applyExperimentDocument(const ExperimentDocument& document, BatchOptions& options)
{
    static_cast<ExperimentSettings&>(options) = document.settings;
    if (document.seed) {
        options.seed = *document.seed;
    }
}

BatchCommandLine parseBatchCommandLine(const std::vector<std::string_view>& arguments)
{
    BatchCommandLine line;
    BatchOptions& options = line.options;
    std::string& error = line.error;
    std::vector<std::string_view> given;

    for (std::size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string_view option = arguments[i];
        if (option == "--help" || option == "-h") {
            line.helpRequested = true;
            continue;
        }
        static constexpr std::string_view known[]{
            "--reaction", "--temperature", "--ph",           "--enzyme",   "--substrate", "--other",
            "--symbols",  "--scene",       "--max-products", "--ticks",    "--event",     "--csv",
            "--dump",     "--seed",        "--sweep",        "--measure",  "--repeat",    "--jobs",
            "--table",    "--plot",        "--compare",      "--volume",   "--scenario",  "--report",
            "--xlsx"};
        if (std::find(std::begin(known), std::end(known), option) == std::end(known)) {
            error = "unknown option " + quotedValue(option);
            break;
        }
        if (i + 1 >= arguments.size()) {
            error = std::string(option) + ": a value is missing";
            break;
        }
        const std::string_view value = arguments[++i];
        // The last of two values would win unseen: only the options that add up may come again.
        const bool repeatable = option == "--event" || option == "--sweep" || option == "--measure";
        if (!repeatable && std::find(given.begin(), given.end(), option) != given.end()) {
            error = std::string(option) + ": given twice";
            break;
        }
        given.push_back(option);
        std::int32_t number = 0;
        if (option == "--reaction") {
            readInteger(option, value, 1, 4, options.reaction, error);
        } else if (option == "--temperature") {
            readInteger(option, value, anyLow, anyHigh, options.temperature, error);
        } else if (option == "--ph") {
            readInteger(option, value, anyLow, anyHigh, options.ph, error);
        } else if (option == "--enzyme" || option == "--substrate" || option == "--other") {
            if (readInteger(option, value, anyLow, anyHigh, number, error)) {
                const std::int32_t amount = clampAmount(number);
                (option == "--enzyme"      ? options.enzyme
                 : option == "--substrate" ? options.substrate
                                           : options.other) = amount;
            }
        } else if (option == "--symbols") {
            if (value == "small" || value == "large") {
                options.smallSymbols = value == "small";
            } else {
                error = "--symbols: " + quotedValue(value) + " is neither small nor large";
            }
        } else if (option == "--scene") {
            readScene(value, options.scene, error);
        } else if (option == "--volume") {
            readVolume(value, options.scene, error);
        } else if (option == "--max-products") {
            if (readInteger(option, value, anyLow, anyHigh, number, error)) {
                if (maxProductsForCaption(number)) {
                    options.maxProductsCaption = number;
                } else {
                    error = "--max-products: " + quotedValue(value) + " is not 10, 20, 50, 100, 200 or 400";
                }
            }
        } else if (option == "--ticks") {
            readInteger(option, value, 0, anyHigh, options.ticks, error);
        } else if (option == "--seed") {
            readSeed(value, options.seed, error);
        } else if (option == "--event") {
            BatchEvent event;
            if (readEvent(value, event, error)) {
                options.events.push_back(event);
            }
        } else if (option == "--sweep") {
            SweepAxis axis;
            if (options.sweeps.size() == 2) {
                error = "--sweep: at most two sweeps";
            } else if (readSweep(value, axis, error)) {
                options.sweeps.push_back(std::move(axis));
            }
        } else if (option == "--compare") {
            SweepAxis axis;
            if (readCompare(value, axis, error)) {
                options.compare = std::move(axis);
            }
        } else if (option == "--measure") {
            readMeasure(value, options, error);
        } else if (option == "--scenario") {
            readScenario(value, line, error);
        } else if (option == "--repeat") {
            readInteger(option, value, 1, mostRepeats, options.repeat, error);
        } else if (option == "--jobs") {
            if (readInteger(option, value, 1, mostJobs, number, error)) {
                options.jobs = static_cast<unsigned>(number);
            }
        } else if (value.empty()) {
            error = std::string(option) + ": the file name is empty";
        } else if (option == "--plot" && !chartFormatFor(value)) {
            error = "--plot: " + quotedValue(value) + " does not end in .png, .svg or .pdf";
        } else {
            (option == "--csv"      ? options.csvPath
             : option == "--dump"   ? options.dumpPath
             : option == "--table"  ? options.tablePath
             : option == "--report" ? options.reportPath
             : option == "--xlsx"   ? options.workbookPath
                                    : options.plotPath) = std::string(value);
        }
    }
    if (error.empty()) {
        error = contradiction(line, given);
    }
    return line;
}

std::string_view batchUsage()
{
    return "usage: velmora2-batch [options]\n"
           "Runs one experiment without a window and writes its time course and final state;\n"
           "with --sweep, runs many and writes their measures as a table and an activity curve.\n"
           "  --reaction N        1 lactose hydrolysis, 2 lactose synthesis, 3 maltose hydrolysis,\n"
           "                      4 amylose hydrolysis (default 1)\n"
           "  --temperature T     panel temperature, degrees C (default 37)\n"
           "  --ph P              panel pH (default 7)\n"
           "  --enzyme N          enzyme quantity, 0..200 (default 20)\n"
           "  --substrate N       substrate quantity, 0..200 (default 100)\n"
           "  --other N           thiolactose quantity, 0..200 (default 0)\n"
           "  --symbols S         small or large (default large)\n"
           "  --volume P          volume of the box, 25, 50, 100, 200 or 400 per cent: the box of\n"
           "                      256x192, 362x272, 512x384, 724x543 or 1024x768 pixels (default 100)\n"
           "  --scene WxH         the box's size in pixels, for another size (default 512x384)\n"
           "  --max-products N    10, 20, 50, 100, 200 or 400 (default 100)\n"
           "  --ticks N           ticks of 50 ms to run after the start (default 2000);\n"
           "                      with --sweep, the longest run\n"
           "  --seed S            the random generator's state at the start, 0..4294967295\n"
           "                      (default 0, its state when the window is launched)\n"
           "  --event TICK:temperature=T | TICK:ph=P\n"
           "                      after TICK ticks, change the temperature or the pH (repeatable)\n"
           "  --scenario FILE     the experiment file (.velmora) to run; the options after it\n"
           "                      override its values\n"
           "  --csv FILE          per-second time course\n"
           "  --dump FILE         final state\n"
           "  --report FILE       the student report of the experiment, PDF\n"
           "  --xlsx FILE         the time course, or with --sweep the table, as a workbook\n"
           "Sweeps:\n"
           "  --sweep NAME=FROM:TO:STEP\n"
           "                      run one experiment for each value of temperature (-10..90),\n"
           "                      ph (0..14), enzyme, substrate or other (0..200); a second\n"
           "                      --sweep makes a grid, one curve per value of the second\n"
           "  --compare NAME=V1,V2,...\n"
           "                      the same sweep again for each value, one curve each\n"
           "  --measure M         initial-rate[@PERCENT] (substrate transformed per second from the\n"
           "                      start to the first tick at which PERCENT of it, 1..50, is\n"
           "                      transformed, default 10), initial-rate:SECONDS (over the first\n"
           "                      SECONDS graph seconds), half-time (first second with half of the\n"
           "                      substrate left) or left (per cent left at the end); repeatable,\n"
           "                      the first is plotted (default initial-rate)\n"
           "  --repeat N          experiments per point, from N generator states (default 1)\n"
           "  --jobs N            experiments run at once (default: one per core)\n"
           "  --table FILE        one CSV row per point (default: standard output, unless --plot)\n"
           "  --plot FILE         the activity curve as .png, .svg or .pdf\n";
}

} // namespace velmora
