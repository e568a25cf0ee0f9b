#include "app/batch/BatchOptions.h"

#include "experiment/Lifecycle.h"
#include "settings/IntegerText.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace velmora {

namespace {

constexpr std::int32_t largestSceneSide = 100000; // pixels; keeps the scene's tenths within 32 bits

std::string quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

// Reads one integer option value; on failure leaves an error naming the option.
bool readInteger(std::string_view option, std::string_view text, std::int32_t low, std::int32_t high,
                 std::int32_t& value, std::string& error)
{
    const std::optional<std::int32_t> parsed = parseDecimalInteger(text);
    if (!parsed) {
        error = std::string(option) + ": " + quoted(text) + " is not an integer";
        return false;
    }
    if (*parsed < low || *parsed > high) {
        error = std::string(option) + ": " + quoted(text) + " is not within " + std::to_string(low) + ".." +
                std::to_string(high);
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
        error = "--seed: " + quoted(text) + " is not an integer within 0..4294967295";
        return false;
    }
    return true;
}

bool readScene(std::string_view text, SceneSize& scene, std::string& error)
{
    const std::size_t cross = text.find('x');
    if (cross == std::string_view::npos) {
        error = "--scene: " + quoted(text) + " is not of the form WIDTHxHEIGHT";
        return false;
    }
    return readInteger("--scene", text.substr(0, cross), 1, largestSceneSide, scene.width, error) &&
           readInteger("--scene", text.substr(cross + 1), 1, largestSceneSide, scene.height, error);
}

bool readEvent(std::string_view text, BatchEvent& event, std::string& error)
{
    const std::size_t colon = text.find(':');
    const std::size_t equals = text.find('=');
    if (colon == std::string_view::npos || equals == std::string_view::npos || equals < colon) {
        error = "--event: " + quoted(text) + " is not of the form TICK:temperature=T or TICK:ph=P";
        return false;
    }
    const std::string_view variable = text.substr(colon + 1, equals - colon - 1);
    if (variable == "temperature") {
        event.variable = BatchEvent::Variable::temperature;
    } else if (variable == "ph") {
        event.variable = BatchEvent::Variable::ph;
    } else {
        error = "--event: " + quoted(variable) + " is neither temperature nor ph";
        return false;
    }
    return readInteger("--event", text.substr(0, colon), 0, anyHigh, event.tick, error) &&
           readInteger("--event", text.substr(equals + 1), anyLow, anyHigh, event.value, error);
}

} // namespace

BatchCommandLine parseBatchCommandLine(const std::vector<std::string_view>& arguments)
{
    BatchCommandLine line;
    BatchOptions& options = line.options;
    std::string& error = line.error;

    for (std::size_t i = 0; i < arguments.size() && error.empty(); ++i) {
        const std::string_view option = arguments[i];
        if (option == "--help" || option == "-h") {
            line.helpRequested = true;
            continue;
        }
        static constexpr std::array<std::string_view, 14> known{
            "--reaction", "--temperature",  "--ph",    "--enzyme", "--substrate", "--other", "--symbols",
            "--scene",    "--max-products", "--ticks", "--event",  "--csv",       "--dump",  "--seed"};
        if (std::find(known.begin(), known.end(), option) == known.end()) {
            error = "unknown option " + quoted(option);
            break;
        }
        if (i + 1 >= arguments.size()) {
            error = std::string(option) + ": a value is missing";
            break;
        }
        const std::string_view value = arguments[++i];
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
                error = "--symbols: " + quoted(value) + " is neither small nor large";
            }
        } else if (option == "--scene") {
            readScene(value, options.scene, error);
        } else if (option == "--max-products") {
            if (readInteger(option, value, anyLow, anyHigh, number, error)) {
                if (maxProductsForCaption(number)) {
                    options.maxProductsCaption = number;
                } else {
                    error = "--max-products: " + quoted(value) + " is not 10, 20, 50, 100, 200 or 400";
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
        } else if (value.empty()) {
            error = std::string(option) + ": the file name is empty";
        } else {
            (option == "--csv" ? options.csvPath : options.dumpPath) = std::string(value);
        }
    }
    return line;
}

std::string_view batchUsage()
{
    return "usage: velmora2-batch [options]\n"
           "Runs one experiment without a window and writes its time course and final state.\n"
           "  --reaction N        1 lactose hydrolysis, 2 lactose synthesis, 3 maltose hydrolysis,\n"
           "                      4 amylose hydrolysis (default 1)\n"
           "  --temperature T     panel temperature, degrees C (default 37)\n"
           "  --ph P              panel pH (default 7)\n"
           "  --enzyme N          enzyme quantity, 0..200 (default 20)\n"
           "  --substrate N       substrate quantity, 0..200 (default 100)\n"
           "  --other N           thiolactose quantity, 0..200 (default 0)\n"
           "  --symbols S         small or large (default large)\n"
           "  --scene WxH         scene size in pixels (default 512x384)\n"
           "  --max-products N    10, 20, 50, 100, 200 or 400 (default 100)\n"
           "  --ticks N           ticks of 50 ms to run after the start (default 2000)\n"
           "  --seed S            the random generator's state at the start, 0..4294967295\n"
           "                      (default 0, the state of every start in the window)\n"
           "  --event TICK:temperature=T | TICK:ph=P\n"
           "                      after TICK ticks, change the temperature or the pH (repeatable)\n"
           "  --csv FILE          per-second time course\n"
           "  --dump FILE         final state\n";
}

} // namespace velmora
