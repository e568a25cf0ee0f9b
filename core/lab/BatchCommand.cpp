#include "lab/BatchCommand.h"

#include "model/BoxVolume.h"

namespace velmora {

namespace {

// NAME=FROM:TO:STEP for a stepped axis.
std::string steppedText(const SweepAxis& axis)
{
    const std::vector<std::int32_t>& values = axis.values;
    const std::int32_t from = values.empty() ? 0 : values.front();
    const std::int32_t to = values.empty() ? 0 : values.back();
    const std::int32_t step = values.size() < 2 ? 1 : values[1] - values[0];
    return std::string(parameterName(axis.parameter)) + "=" + std::to_string(from) + ":" +
           std::to_string(to) + ":" + std::to_string(step);
}

std::string listText(const SweepAxis& axis)
{
    std::string text = std::string(parameterName(axis.parameter)) + "=";
    for (std::size_t i = 0; i < axis.values.size(); ++i) {
        text += (i == 0 ? "" : ",") + std::to_string(axis.values[i]);
    }
    return text;
}

} // namespace

std::string initialRateArgument(const MeasureChoice& measures)
{
    if (measures.initialRateOverSeconds()) {
        return "initial-rate:" + std::to_string(measures.initialRateSeconds);
    }
    if (measures.initialRateShare != defaultInitialRateShare) {
        return "initial-rate@" + std::to_string(measures.initialRateShare);
    }
    return "initial-rate";
}

std::vector<std::string> sweepArguments(const SweepPlan& plan)
{
    const ExperimentSettings& base = plan.base;
    std::vector<std::string> arguments{"--reaction",    std::to_string(base.reaction),
                                       "--temperature", std::to_string(base.temperature),
                                       "--ph",          std::to_string(base.ph),
                                       "--enzyme",      std::to_string(clampAmount(base.enzyme)),
                                       "--substrate",   std::to_string(clampAmount(base.substrate)),
                                       "--other",       std::to_string(clampAmount(base.other)),
                                       "--symbols",     base.smallSymbols ? "small" : "large"};
    if (const std::optional<std::int32_t> volume = volumeOfBox(base.scene)) {
        arguments.insert(arguments.end(), {"--volume", std::to_string(*volume)});
    } else {
        arguments.insert(arguments.end(), {"--scene", std::to_string(base.scene.width) + "x" +
                                                          std::to_string(base.scene.height)});
    }
    arguments.insert(arguments.end(), {"--max-products", std::to_string(base.maxProductsCaption), "--sweep",
                                       steppedText(plan.x)});
    if (plan.series) {
        // A series of evenly stepped values could be either: a comparison says it in every case.
        arguments.insert(arguments.end(), {"--compare", listText(*plan.series)});
    }
    const MeasureChoice& measures = plan.measures;
    if (measures.initialRate) {
        arguments.insert(arguments.end(), {"--measure", initialRateArgument(measures)});
    }
    if (measures.halfTime) {
        arguments.insert(arguments.end(), {"--measure", "half-time"});
    }
    if (measures.left) {
        arguments.insert(arguments.end(), {"--measure", "left"});
    }
    arguments.insert(arguments.end(), {"--repeat", std::to_string(plan.replicates)});
    if (plan.seed != designedSeed) {
        arguments.insert(arguments.end(), {"--seed", std::to_string(plan.seed)});
    }
    if (plan.ticks != SweepPlan{}.ticks) {
        arguments.insert(arguments.end(), {"--ticks", std::to_string(plan.ticks)});
    }
    return arguments;
}

std::string batchCommand(const std::vector<std::string>& arguments)
{
    std::string command = "velmora2-batch";
    for (const std::string& argument : arguments) {
        command += ' ' + argument;
    }
    return command;
}

} // namespace velmora
