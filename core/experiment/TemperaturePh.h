#pragma once

#include "experiment/PanelValues.h"
#include "model/World.h"

#include <cstdint>

namespace velmora {

// Denaturation step: reads the panel's temperature (stored, lowered to 80 above 80) and pH
// (stored), then marks the first enzymes as denatured, a share growing with the temperature above
// 40 degrees C and with the distance from the optimum pH. Marks are never taken back before the
// next start. Ends at the first panel value that is not an integer and names it.
PanelFault Recalcdenat1Click(World& world, PanelValues panel);

// Charge step: from the distance between the panel's pH and the optimum, the first enzymes carry
// +-2, the next +-1 and the rest 0; the sign says on which side of the optimum the pH lies.
// The World's ph is not written here.
PanelFault recalccharge1Click(World& world, PanelValues panel);

// Denatured share in per cent for a temperature (already at most 80) and a pH distance; may exceed
// 100 far from the optimum.
std::int32_t denaturedShare(std::int32_t temperature, std::int32_t phDistance);

// Shares in per cent of the enzymes charged (+-1 or +-2) and doubly charged, for a pH distance.
std::int32_t chargedShare(std::int32_t phDistance);
std::int32_t doublyChargedShare(std::int32_t phDistance);

} // namespace velmora
