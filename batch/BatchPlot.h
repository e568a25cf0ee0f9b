#pragma once

#include "lab/Measures.h"
#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"

#include <ostream>
#include <string>
#include <vector>

namespace velmora {

// Whether this build of the runner draws pictures (--plot). The runner built for node, without
// cairo, draws none and says so.
extern const bool batchDrawsPictures;

// Draws the activity curve of `measure` into `out`, in the format that `path` ends with. False when
// the picture could not be drawn.
bool writeBatchPlot(const SweepResult& result, Measure measure, const std::vector<MichaelisMentenFit>& fits,
                    const std::string& path, std::ostream& out);

} // namespace velmora
