// velmora2-batch: experiments run without a window, for reproducible time courses, states and
// activity curves.

#include "batch/BatchDocuments.h"
#include "batch/BatchOptions.h"
#include "batch/BatchRun.h"
#include "batch/BatchSweep.h"
#include "batch/DescriptorStream.h"
#include "batch/OutputFiles.h"
#include "batch/QuotedText.h"
#include "batch/StateDump.h"
#include "batch/TemporaryFiles.h"
#include "lab/RunWords.h"
#include "lab/SweepTable.h"
#include "process/StandardStreams.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include <unistd.h>

// Before anything opens a file: a closed standard output must not become the first output file.
__attribute__((constructor(101))) static void standardStreamsFirst()
{
    velmora::openClosedStandardStreams();
}

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace {

using namespace velmora;

constexpr int usageError = 2;
constexpr int fileError = 1;

int reportFileError(const std::string& error)
{
    std::cerr << "velmora2-batch: " << oneLine(error) << '\n';
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

// The standard output, written as the files are: a reader that has gone (SIGPIPE is ignored) or a
// full disk fails the run like any output.
class StandardOutput
{
public:
    std::ostream& stream() { return out_; }
    bool finish(std::string& error)
    {
        out_.flush();
        if (out_.buffer().drain() && out_) {
            return true;
        }
        error = "cannot write the standard output: " + writeFailure(out_.buffer().error());
        return false;
    }

private:
    DescriptorStream out_{STDOUT_FILENO};
};

// The workbook's bytes into its output; false, with the reason, when it could not be made.
bool writeWorkbook(OutputFile* file, const Workbook& workbook, std::string& error)
{
    if (!file) {
        return true;
    }
    std::string reason;
    const std::string bytes = batchWorkbookBytes(workbook, reason);
    if (!reason.empty()) {
        error = "cannot write " + quotedValue(file->target()) + ": " + reason;
        return false;
    }
    file->stream().write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return true;
}

int runOne(const BatchOptions& options)
{
    Outputs outputs;
    std::string error;
    OutputFile* csv = outputs.open(options.csvPath, error);
    OutputFile* dump = outputs.open(options.dumpPath, error);
    OutputFile* report = outputs.open(options.reportPath, error);
    OutputFile* workbook = outputs.open(options.workbookPath, error);
    if (!error.empty()) {
        return reportFileError(error);
    }
    const auto world = std::make_unique<World>();
    CourseRecord record;
    const std::int32_t ticksRun = runBatch(options, *world, csv ? &csv->stream() : nullptr, &record);
    if (dump) {
        writeStateDump(dump->stream(), *world, ticksRun);
    }
    if (report) {
        writeBatchReport(report->stream(), options, record);
    }
    if (!writeWorkbook(workbook, timeCourseWorkbook(record, {}), error)) {
        return reportFileError(error);
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
    OutputFile* workbook = outputs.open(options.workbookPath, error);
    if (!error.empty()) {
        return reportFileError(error);
    }

    ProgressBar bar(errorsOnTerminal() ? stderr : nullptr);
    SweepControl control;
    control.jobs = options.jobs;
    control.progress = [&bar](SweepProgress progress) { bar.show(progress); };
    const SweepResult result = runSweep(sweepPlanFor(options), control);
    bar.finish();
    if (result.jobsRun < result.jobsWanted) {
        std::cerr << "velmora2-batch: only " << result.jobsRun << " of " << result.jobsWanted
                  << " jobs could start (the system starts no more threads); the sweep ran on "
                  << result.jobsRun << '\n';
    }
    const SweepFits fits = sweepFits(result);

    StandardOutput out;
    if (table) {
        writeSweepTable(table->stream(), result);
    } else if (!plot) {
        writeSweepTable(out.stream(), result);
    }
    if (plot) {
        if (!writeBatchPlot(result, plottedMeasure(options), fits, options.plotPath, plot->stream())) {
            // The disk may have refused the bytes rather than cairo the drawing.
            if (plot->failed()) {
                return outputs.finishAndCommit(error) ? fileError : reportFileError(error);
            }
            return reportFileError("cannot write " + quotedValue(options.plotPath) +
                                   ": the picture could not be drawn");
        }
    }
    if (!writeWorkbook(workbook, sweepWorkbook(result), error)) {
        return reportFileError(error);
    }
    writeFitReport(out.stream(), result, fits);
    if (!out.finish(error)) {
        return reportFileError(error);
    }
    return outputs.finishAndCommit(error) ? 0 : reportFileError(error);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const BatchCommandLine line = parseBatchCommandLine(arguments);
    if (!line.error.empty()) {
        std::cerr << "velmora2-batch: " << oneLine(line.error) << '\n';
        return usageError;
    }
    if (line.helpRequested) {
        std::cout << batchUsage();
        return 0;
    }
    for (const std::string& warning : line.warnings) {
        std::cerr << "velmora2-batch: " << oneLine(warning) << '\n';
    }
    const BatchOptions& options = line.options;
    if (!batchWritesDocuments) {
        for (const auto& [option, path] : {std::pair{"--plot", options.plotPath},
                                           {"--report", options.reportPath},
                                           {"--xlsx", options.workbookPath}}) {
            if (!path.empty()) {
                std::cerr << "velmora2-batch: " << option
                          << ": this runner writes no pictures, reports or workbooks; the native "
                             "velmora2-batch does\n";
                return usageError;
            }
        }
    }

    const std::vector<OutputPath> paths{{"--csv", options.csvPath},       {"--dump", options.dumpPath},
                                        {"--table", options.tablePath},   {"--plot", options.plotPath},
                                        {"--report", options.reportPath}, {"--xlsx", options.workbookPath}};
    std::vector<OutputPath> named;
    for (const OutputPath& path : paths) {
        if (!path.path.empty()) {
            named.push_back(path);
        }
    }
    if (const std::string error = sameFileError(named); !error.empty()) {
        std::cerr << "velmora2-batch: " << oneLine(error) << '\n';
        return usageError;
    }
    if (!options.sweeps.empty()) {
        if (const std::string error = planSizeError(sweepPlanFor(options), options.jobs); !error.empty()) {
            std::cerr << "velmora2-batch: " << error << '\n';
            return usageError;
        }
    }

    removeTemporaryFilesOnSignals();
    try {
        return options.sweeps.empty() ? runOne(options) : runSweeps(options);
    } catch (const std::bad_alloc&) {
        // The temporary files go as the outputs unwind.
        std::cerr << "velmora2-batch: not enough memory for this run\n";
        return fileError;
    } catch (const std::exception& failure) {
        std::cerr << "velmora2-batch: " << oneLine(failure.what()) << '\n';
        return fileError;
    }
}
