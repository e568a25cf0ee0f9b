#include "batch/BatchPlot.h"

#include "plot/ActivityChart.h"
#include "plot/ChartRenderer.h"

namespace velmora {

const bool batchDrawsPictures = true;

bool writeBatchPlot(const SweepResult& result, Measure measure, const std::vector<MichaelisMentenFit>& fits,
                    const std::string& path, std::ostream& out)
{
    const std::optional<ChartFormat> format = chartFormatFor(path);
    return format && writeChart(activityChart(result, measure, fits), *format, out);
}

} // namespace velmora
