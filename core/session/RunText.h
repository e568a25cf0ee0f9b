#pragma once

#include "lab/CourseRecord.h"
#include "session/Translator.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

// A run's settings in words, and its course as a table for a spreadsheet, in the words the window
// uses (French, or their translations under the window's contexts "SettingsText" and
// "GraphExport").

// « Hydrolyse du lactose », with the typographic apostrophe.
std::string reactionTitle(std::int32_t reaction, const Translator& translator);
// « 37 °C, pH 8, 20 enzymes, 100 molécules de substrat, sans thiolactose (inhibiteur) »; a
// temperature or pH changed during the run shows as « 37 → 60 °C »; a box of another volume adds
// « , volume de la boîte 25 % ».
std::string runCaption(const CourseRecord& run, const Translator& translator);
// « 2 · hydr. lactose · 37 °C · pH 8 · E 20 · S 100 · I 50 » for kept run `index` (0-based), then
// « · V 25 % » in a box of another volume; a run that ended before the page shown adds « (fin à
// 120 s) », `endedAt` being its last second (none: -1).
std::string keptLegendLine(std::size_t index, const CourseRecord& run, const Translator& translator,
                           std::int64_t endedAt = -1);

// The run and the kept runs as a table that pastes into a spreadsheet: tab-separated, one header
// line (a kept run's column headed with its settings: « courbe gardée 1, 37 °C pH 8 E20 S100 (%) »),
// one line per second, the per cents with one decimal after the language's decimal mark, an empty
// cell where a run has no such second.
std::string timeCourseTable(const CourseRecord& run, const std::vector<CourseRecord>& kept,
                            const Translator& translator);

} // namespace velmora
