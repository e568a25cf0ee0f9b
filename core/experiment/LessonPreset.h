#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The settings that a lesson's « Essayer dans Velmora » asks the control panel to take, each one
// optional: the words "reaction=1 temperature=37 ph=8 enzyme=20 substrate=100 other=0", in any
// order, separated by spaces.
struct LessonPreset
{
    std::optional<std::int32_t> reaction;    // 1..4
    std::optional<std::int32_t> temperature; // -10..90 °C, as the panel's slider
    std::optional<std::int32_t> ph;          // 0..14
    std::optional<std::int32_t> enzyme;      // 0..200 molecules
    std::optional<std::int32_t> substrate;   // 0..200
    std::optional<std::int32_t> other;       // 0..200, the thiolactose of lactose hydrolysis
};

struct LessonPresetReading
{
    std::optional<LessonPreset> preset; // empty when the text is faulty
    std::string error;                  // then what is wrong, in French
};

// Reads a lesson's request. A movie is code a user may replace: an unknown name, a value that is
// no decimal integer or lies outside its range, a name given twice or an empty request is refused
// whole, and nothing is applied.
LessonPresetReading readLessonPreset(std::string_view text);

} // namespace velmora
