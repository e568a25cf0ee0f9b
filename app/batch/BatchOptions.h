#pragma once

#include "lab/Experiment.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

using BatchEvent = PanelEvent;

// The command line of velmora2-batch: the experiment, then how it is run and what is written.
struct BatchOptions : ExperimentSettings
{
    std::int32_t ticks = 2000;
    std::uint32_t seed = designedSeed; // the generator's state at the start
    std::string csvPath;               // empty: no time course written
    std::string dumpPath;              // empty: no final state written
};

struct BatchCommandLine
{
    BatchOptions options;
    bool helpRequested = false;
    std::string error; // one line naming the faulty option; empty when the line is sound
};

BatchCommandLine parseBatchCommandLine(const std::vector<std::string_view>& arguments);

// The usage text printed by --help.
std::string_view batchUsage();

} // namespace velmora
