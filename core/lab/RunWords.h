#pragma once

#include "lab/CourseRecord.h"
#include "lab/ExperimentFile.h"

#include <string>
#include <vector>

namespace velmora {

// The settings of a run in words, in French, one line per subject: « Réaction : Hydrolyse du
// lactose », « Température : 37 °C, puis 60 °C à 60 s »...
std::vector<std::string> settingsLines(const ExperimentSettings& settings, std::int32_t volume);

// A run in a few words, for a legend or a column: « 37 → 60 °C, pH 8, E 20, S 100 ».
std::string shortSettings(const CourseRecord& run);

// A kept run of a file as the window keeps it.
CourseRecord courseRecordOf(const KeptRun& run);

} // namespace velmora
