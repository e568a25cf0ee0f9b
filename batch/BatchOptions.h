#pragma once

#include "lab/Experiment.h"
#include "lab/ExperimentFile.h"
#include "lab/Measures.h"
#include "lab/Sweep.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

using BatchEvent = PanelEvent;

// The command line of velmora2-batch: the experiment, then how it is run and what is written.
// With --sweep it runs many experiments instead of one (see SweepPlan).
struct BatchOptions : ExperimentSettings
{
    std::int32_t ticks = 2000;
    std::uint32_t seed = designedSeed; // the generator's state at the start
    std::string csvPath;               // empty: no time course written
    std::string dumpPath;              // empty: no final state written

    std::vector<SweepAxis> sweeps;    // none, one, or two for a grid
    std::optional<SweepAxis> compare; // the same sweep at each of these values
    std::vector<Measure> measures;    // in the order given; the first is plotted; none: the initial rate
    std::int32_t initialRateShare = defaultInitialRateShare; // initial-rate@P
    std::int32_t initialRateSeconds = 0;                     // initial-rate:SECONDS; 0: over the share
    std::int32_t repeat = 1;
    unsigned jobs = 0;     // 0: one per core
    std::string tablePath; // empty: the table goes to standard output unless a plot is asked for
    std::string plotPath;

    std::optional<ExperimentDocument> scenario; // the experiment file given with --scenario
    std::string reportPath;                     // the student report, PDF
    std::string workbookPath;                   // the course or the sweep table, .xlsx
};

struct BatchCommandLine
{
    BatchOptions options;
    bool helpRequested = false;
    std::string error;                 // one line naming the faulty option; empty when the line is sound
    std::vector<std::string> warnings; // keys of the experiment file that were skipped
};

// The options that an experiment file sets, as --scenario sets them: its panel, menus, timed changes,
// volume (the scene) and seed.
void applyExperimentDocument(const ExperimentDocument& document, BatchOptions& options);

BatchCommandLine parseBatchCommandLine(const std::vector<std::string_view>& arguments);

// The usage text printed by --help.
std::string_view batchUsage();

} // namespace velmora
