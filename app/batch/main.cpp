// velmora2-batch: one experiment run without a window, for reproducible time courses and states.

#include "app/batch/BatchOptions.h"
#include "app/batch/BatchRun.h"
#include "app/batch/OutputFiles.h"
#include "app/batch/StateDump.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int usageError = 2;
constexpr int fileError = 1;

int reportFileError(const std::string& path)
{
    std::cerr << "velmora2-batch: cannot write '" << path << "': " << std::strerror(errno) << '\n';
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

    // Both files are opened before the run, so that a wrong path is told at once.
    std::ofstream csv;
    std::ofstream dump;
    if (!options.csvPath.empty()) {
        csv.open(options.csvPath, std::ios::out | std::ios::trunc);
        if (!csv) {
            return reportFileError(options.csvPath);
        }
    }
    if (!options.dumpPath.empty()) {
        dump.open(options.dumpPath, std::ios::out | std::ios::trunc);
        if (!dump) {
            return reportFileError(options.dumpPath);
        }
    }

    const auto world = std::make_unique<World>();
    const std::int32_t ticksRun = runBatch(options, *world, csv.is_open() ? &csv : nullptr);

    if (csv.is_open()) {
        csv.close();
        if (!csv) {
            return reportFileError(options.csvPath);
        }
    }
    if (dump.is_open()) {
        writeStateDump(dump, *world, ticksRun);
        dump.close();
        if (!dump) {
            return reportFileError(options.dumpPath);
        }
    }
    return 0;
}
