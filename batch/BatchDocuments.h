#pragma once

#include "batch/BatchOptions.h"
#include "lab/CourseRecord.h"
#include "lab/Measures.h"
#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"
#include "lab/Workbook.h"

#include <ostream>
#include <string>

namespace velmora {

// Whether this build of the runner writes pictures (--plot, cairo), reports (--report, cairo) and
// workbooks (--xlsx, libxlsxwriter). The runner built for node has neither library: it writes none
// of them and says so.
extern const bool batchWritesDocuments;

// Draws the activity curve of `measure` into `out`, in the format that `path` ends with. False when
// the picture could not be drawn.
bool writeBatchPlot(const SweepResult& result, Measure measure, const SweepFits& fits,
                    const std::string& path, std::ostream& out);

// The student report of a run, PDF: the experiment file's group, scenario, kept runs, curves,
// answer and log around the course just run.
void writeBatchReport(std::ostream& out, const BatchOptions& options, const CourseRecord& record);

// The workbook's bytes; empty, with the reason in `error`, when it could not be made.
std::string batchWorkbookBytes(const Workbook& workbook, std::string& error);

} // namespace velmora
