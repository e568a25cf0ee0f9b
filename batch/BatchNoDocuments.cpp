#include "batch/BatchDocuments.h"

namespace velmora {

// The runner built for node has neither cairo nor libxlsxwriter: its pictures, reports and
// workbooks are written by the native runner. The options that ask for them are refused before
// anything runs, so these are never called.
const bool batchWritesDocuments = false;

bool writeBatchPlot(const SweepResult&, Measure, const SweepFits&, const std::string&, std::ostream&)
{
    return false;
}

void writeBatchReport(std::ostream&, const BatchOptions&, const CourseRecord&) {}

std::string batchWorkbookBytes(const Workbook&, std::string& error)
{
    error = "this runner writes no workbook";
    return {};
}

} // namespace velmora
