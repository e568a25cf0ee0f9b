#pragma once

#include "experiment/PanelValues.h"
#include "model/WindowUpdate.h"
#include "model/World.h"

#include <cstdint>
#include <optional>

namespace velmora {

// What the control panel's value commands do to the World once the window has read the panel.
// Each ends at the first panel value that is not an integer and names it; what was stored before
// that read stays stored.

// "changetemp": the new temperature, a red mark at the current second, denaturation, comment.
PanelFault changetemp(World& world, PanelValues panel, WindowUpdate& update);

// "changeph": the new pH, a blue mark, denaturation, then charges, comment.
PanelFault changeph(World& world, PanelValues panel, WindowUpdate& update);

// "changesub", "changeautre", "changeenz": the quantity (brought into 0..200) for the next start;
// the running experiment is suspended.
PanelFault changesub(World& world, std::optional<std::int32_t> valeursub, WindowUpdate& update);
PanelFault changeautre(World& world, std::optional<std::int32_t> valeurautre, WindowUpdate& update);
PanelFault changeenz(World& world, std::optional<std::int32_t> valeurenz, WindowUpdate& update);

} // namespace velmora
