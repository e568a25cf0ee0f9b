#pragma once

#include "model/World.h"

#include <array>
#include <cstdint>
#include <optional>

namespace velmora {

// "Volume de la boîte": the box in which the molecules move is the same on every screen, 512 x 384
// pixels at 100 %, and its area follows the volume chosen, so that a concentration is a number of
// molecules per volume. Each side grows by the square root of the volume, rounded to the nearest
// pixel. The window draws the box scaled to its scene; velmora2-batch's --volume gives the same box.
struct BoxVolume
{
    std::int32_t percent;
    SceneSize box;
};

inline constexpr std::int32_t defaultVolume = 100;

inline constexpr std::array<BoxVolume, 5> boxVolumes{{
    {25, {256, 192}},
    {50, {362, 272}},
    {100, {512, 384}},
    {200, {724, 543}},
    {400, {1024, 768}},
}};

// The box of a volume in per cent; none for a volume not in the list.
constexpr std::optional<SceneSize> boxForVolume(std::int32_t percent)
{
    for (const BoxVolume& volume : boxVolumes) {
        if (volume.percent == percent) {
            return volume.box;
        }
    }
    return std::nullopt;
}

// The volume whose box this is; none for a box of another size (velmora2-batch's --scene).
constexpr std::optional<std::int32_t> volumeOfBox(SceneSize box)
{
    for (const BoxVolume& volume : boxVolumes) {
        if (volume.box.width == box.width && volume.box.height == box.height) {
            return volume.percent;
        }
    }
    return std::nullopt;
}

} // namespace velmora
