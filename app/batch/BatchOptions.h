#pragma once

#include "model/World.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// A change made on the control panel after a number of ticks: "TICK:temperature=T" runs
// "changetemp" with the new temperature, "TICK:ph=P" runs "changeph" with the new pH.
struct BatchEvent
{
    enum class Variable
    {
        temperature,
        ph,
    };
    std::int32_t tick = 0;
    Variable variable = Variable::temperature;
    std::int32_t value = 0;
};

// The command line of velmora2-batch.
struct BatchOptions
{
    std::int32_t reaction = Reaction::lactoseHydrolysis;
    std::int32_t temperature = 37;
    std::int32_t ph = 7;
    std::int32_t enzyme = 20;
    std::int32_t substrate = 100;
    std::int32_t other = 0;
    bool smallSymbols = false;
    SceneSize scene{512, 384};
    std::int32_t maxProductsCaption = 100;
    std::int32_t ticks = 2000;
    std::vector<BatchEvent> events; // in command-line order
    std::string csvPath; // empty: no time course written
    std::string dumpPath; // empty: no final state written
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
