#include "batch/BatchPlot.h"

namespace velmora {

// The runner built for node has no cairo: its pictures are drawn by the native runner.
const bool batchDrawsPictures = false;

bool writeBatchPlot(const SweepResult&, Measure, const std::vector<MichaelisMentenFit>&, const std::string&,
                    std::ostream&)
{
    return false;
}

} // namespace velmora
