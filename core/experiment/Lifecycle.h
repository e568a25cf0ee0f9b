#pragma once

#include "experiment/PanelValues.h"
#include "model/WindowUpdate.h"
#include "model/World.h"

#include <cstdint>
#include <optional>

namespace velmora {

// Start or restart ("Démarrer / recommencer"): applies the reaction choice, resets and reseeds
// every kind, marks enzymes from the panel's temperature and pH, clears the graph, refreshes the
// comment and starts both timers. When a panel value is not an integer the start ends there,
// with the World seeded, and the fault is returned.
PanelFault recommencer1Click(World& world, ReactionChoice choice, SceneSize scene, PanelValues panel,
                             WindowUpdate& update);

// Suspend: stops the tick and clears the graph; unless the welcome is pending, also stops the
// scene timer and blanks the scene. Then refreshes the comment.
void suspendrexp1Click(World& world, WindowUpdate& update);

// Stop ("Arrêter"): a suspend whose comment says the student interrupted the experiment.
void Arrter1Click(World& world, WindowUpdate& update);

// Pause or resume, only while an experiment runs: the scene timer toggles and the tick timer
// follows it.
void Pause1Click(World& world, bool sceneTimerOn, WindowUpdate& update);

// "Purger les produits": the products vanish at once.
void purger1Click(World& world);

// "Nombre maximal de produits à l'écran": the items 10, 20, 50, 100, 200 and 400 give maxProducts,
// half of the caption; any other caption gives nothing.
std::optional<std::int32_t> maxProductsForCaption(std::int32_t caption);

// The menu item captioned `caption` sets maxProducts; false, changing nothing, for no such item.
bool chooseMaxProducts(World& world, std::int32_t caption);

} // namespace velmora
