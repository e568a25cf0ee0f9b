// velmora2-batch: one experiment run without a window, for reproducible time courses and states.

#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "app/batch/OutputFiles.h"
#include "app/batch/StateDump.h"

#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int usageError = 2;
constexpr int fileError = 1;

int reportFileError(const std::string& error)
{
    std::cerr << "velmora2-batch: " << error << '\n';
    return fileError;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace velmora;

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

    std::vector<OutputPath> paths;
    if (!options.csvPath.empty()) {
        paths.push_back({"--csv", options.csvPath});
    }
    if (!options.dumpPath.empty()) {
        paths.push_back({"--dump", options.dumpPath});
    }
    if (const std::string error = sameFileError(paths); !error.empty()) {
        std::cerr << "velmora2-batch: " << error << '\n';
        return usageError;
    }

    // Both files are opened before the run, so that a wrong path is told at once; they replace
    // their targets only when everything has been written.
    removeTemporaryFilesOnSignals();
    std::string error;
    std::unique_ptr<OutputFile> csv;
    std::unique_ptr<OutputFile> dump;
    if (!options.csvPath.empty()) {
        csv = std::make_unique<OutputFile>(options.csvPath);
        if (!csv->open(error)) {
            return reportFileError(error);
        }
    }
    if (!options.dumpPath.empty()) {
        dump = std::make_unique<OutputFile>(options.dumpPath);
        if (!dump->open(error)) {
            return reportFileError(error);
        }
    }

    const auto world = std::make_unique<World>();
    const std::int32_t ticksRun = runBatch(options, *world, csv ? &csv->stream() : nullptr);
    if (dump) {
        writeStateDump(dump->stream(), *world, ticksRun);
    }

    for (OutputFile* file : {csv.get(), dump.get()}) {
        if (file && !file->finish(error)) {
            return reportFileError(error);
        }
    }
    for (OutputFile* file : {csv.get(), dump.get()}) {
        if (file && !file->commit(error)) {
            return reportFileError(error);
        }
    }
    return 0;
}
