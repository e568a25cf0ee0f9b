// velmora2-batch: experiments run without a window, for reproducible time courses, states and
// activity curves.

#include "batch/BatchOptions.h"
#include "batch/BatchPlot.h"
#include "batch/BatchRun.h"
#include "batch/BatchSweep.h"
#include "batch/OutputFiles.h"
#include "batch/StateDump.h"
#include "lab/SweepTable.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

using namespace velmora;

constexpr int usageError = 2;
constexpr int fileError = 1;

int reportFileError(const std::string& error)
{
    std::cerr << "velmora2-batch: " << error << '\n';
    return fileError;
}

// The outputs named on the command line, opened before the run so that a wrong path is told at
// once; they replace their targets only when everything has been written.
class Outputs
{
public:
    // Opens the file for a non-empty path; null for an empty one, or with `error` set.
    OutputFile* open(const std::string& path, std::string& error)
    {
        if (path.empty() || !error.empty()) {
            return nullptr;
        }
        files_.push_back(std::make_unique<OutputFile>(path));
        if (!files_.back()->open(error)) {
            return nullptr;
        }
        return files_.back().get();
    }

    bool finishAndCommit(std::string& error)
    {
        for (const auto& file : files_) {
            if (!file->finish(error)) {
                return false;
            }
        }
        for (const auto& file : files_) {
            if (!file->commit(error)) {
                return false;
            }
        }
        return true;
    }

private:
    std::vector<std::unique_ptr<OutputFile>> files_;
};

int runOne(const BatchOptions& options)
{
    Outputs outputs;
    std::string error;
    OutputFile* csv = outputs.open(options.csvPath, error);
    OutputFile* dump = outputs.open(options.dumpPath, error);
    if (!error.empty()) {
        return reportFileError(error);
    }
    const auto world = std::make_unique<World>();
    const std::int32_t ticksRun = runBatch(options, *world, csv ? &csv->stream() : nullptr);
    if (dump) {
        writeStateDump(dump->stream(), *world, ticksRun);
    }
    return outputs.finishAndCommit(error) ? 0 : reportFileError(error);
}

// Whether standard error is a terminal, where a progress bar shows.
bool errorsOnTerminal()
{
#ifdef __EMSCRIPTEN__
    // Run by node, every standard stream looks like a terminal to the program: node knows better.
    return EM_ASM_INT({ return require('tty').isatty(2) ? 1 : 0; }) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

int runSweeps(const BatchOptions& options)
{
    Outputs outputs;
    std::string error;
    OutputFile* table = outputs.open(options.tablePath, error);
    OutputFile* plot = outputs.open(options.plotPath, error);
    if (!error.empty()) {
        return reportFileError(error);
    }

    ProgressBar bar(errorsOnTerminal() ? stderr : nullptr);
    SweepControl control;
    control.jobs = options.jobs;
    control.progress = [&bar](SweepProgress progress) { bar.show(progress); };
    const SweepResult result = runSweep(sweepPlanFor(options), control);
    bar.finish();
    const std::vector<MichaelisMentenFit> fits = fitSweep(result);

    if (table) {
        writeSweepTable(table->stream(), result);
    } else if (!plot) {
        writeSweepTable(std::cout, result);
    }
    if (plot) {
        if (!writeBatchPlot(result, plottedMeasure(options), fits, options.plotPath, plot->stream())) {
            return reportFileError("cannot write '" + options.plotPath + "': the picture could not be drawn");
        }
    }
    writeFitReport(std::cout, result, fits);
    std::cout.flush();
    return outputs.finishAndCommit(error) ? 0 : reportFileError(error);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const BatchCommandLine line = parseBatchCommandLine(arguments);
    if (!line.error.empty()) {
        std::cerr << "velmora2-batch: " << line.error << '\n';
        return usageError;
    }
    if (line.helpRequested) {
        std::cout << batchUsage();
        return 0;
    }
    const BatchOptions& options = line.options;
    if (!options.plotPath.empty() && !batchDrawsPictures) {
        std::cerr
            << "velmora2-batch: --plot: this runner draws no pictures; the native velmora2-batch does\n";
        return usageError;
    }

    const std::vector<OutputPath> paths{{"--csv", options.csvPath},
                                        {"--dump", options.dumpPath},
                                        {"--table", options.tablePath},
                                        {"--plot", options.plotPath}};
    std::vector<OutputPath> named;
    for (const OutputPath& path : paths) {
        if (!path.path.empty()) {
            named.push_back(path);
        }
    }
    if (const std::string error = sameFileError(named); !error.empty()) {
        std::cerr << "velmora2-batch: " << error << '\n';
        return usageError;
    }

    removeTemporaryFilesOnSignals();
    try {
        return options.sweeps.empty() ? runOne(options) : runSweeps(options);
    } catch (const std::exception& failure) {
        // Out of memory or threads: the temporary files go as the outputs unwind.
        std::cerr << "velmora2-batch: " << failure.what() << '\n';
        return fileError;
    }
}
