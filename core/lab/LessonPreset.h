#pragma once

#include "lab/ExperimentFile.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What a lesson's « Essayer dans Velmora » asks the control panel to take: the words
// "reaction=1 temperature=37 ph=8 enzyme=20 substrate=100 other=0", each optional, in any order,
// separated by spaces: the reaction 1..4, the temperature −10..90 °C (the panel's slider), the pH
// 0..14, the amounts of enzyme, substrate and the other molecule (thiolactose) 0..200, and the
// "volume" of the box, 25, 50, 100, 200 or 400 %.
struct LessonPresetReading
{
    std::optional<PanelPreset> preset;  // empty when the request is faulty
    std::optional<std::int32_t> volume; // when asked for
    std::string error;                  // when faulty, what is wrong, in French
};

// A movie is code a user may replace: an unknown name, a value that is no decimal integer or lies
// outside its range, a name given twice or an empty request is refused whole.
LessonPresetReading readLessonPreset(std::string_view text);

} // namespace velmora
