#include "batch/BatchDocuments.h"

#include "plot/ActivityChart.h"
#include "plot/ChartFormat.h"
#include "plot/ChartRenderer.h"
#include "plot/Report.h"

#include <vector>

namespace velmora {

const bool batchWritesDocuments = true;

bool writeBatchPlot(const SweepResult& result, Measure measure, const SweepFits& fits,
                    const std::string& path, std::ostream& out)
{
    const std::optional<ChartFormat> format = chartFormatFor(path);
    return format && writeChart(activityChart(result, measure, fits), *format, out);
}

void writeBatchReport(std::ostream& out, const BatchOptions& options, const CourseRecord& record)
{
    ExperimentDocument document = options.scenario.value_or(ExperimentDocument{});
    document.settings = options;
    std::vector<CourseRecord> kept;
    for (const KeptRun& run : document.kept) {
        kept.push_back(courseRecordOf(run));
    }
    writeReportPdf(studentReport(document, record, kept), out);
}

std::string batchWorkbookBytes(const Workbook& workbook, std::string& error)
{
    return workbookBytes(workbook, error);
}

} // namespace velmora
