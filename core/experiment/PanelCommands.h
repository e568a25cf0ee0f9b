#pragma once

#include "experiment/PanelValues.h"
#include "model/WindowUpdate.h"
#include "model/World.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

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

// "Volume de la boîte" changed (the window keeps the volume, for the next start): the running
// experiment is suspended as for a quantity, its concentrations being changed too.
void changeVolume(World& world, WindowUpdate& update);

// The twenty commands that the control panel and the legend send.
enum class PanelCommand
{
    petits,
    grands,
    modelevelmora,
    modeleamylase,
    modeleglucose,
    modelegalactose,
    modeleamylose,
    modelelactose,
    modelemaltose,
    reacprev,
    reacsuiv,
    changetemp,
    changesub,
    changeautre,
    changeenz,
    changeph,
    quitter,
    ensavoirplus,
    recommencer,
    pause,
};

// The command named exactly (case-sensitive) `name`, or none: an unknown command does nothing.
std::optional<PanelCommand> panelCommandFor(std::string_view name);

// The panel's value variables as text, as GetVariable gives them.
struct PanelTexts
{
    std::string valeurtemp;
    std::string valeurph;
    std::string valeurenz;
    std::string valeursub;
    std::string valeurautre;
};

// What the window itself must do after a command, besides carrying out the WindowUpdate.
struct CommandOutcome
{
    PanelFault fault = PanelFault::none; // a value that was no integer: report it
    std::optional<ReactionChoice> menuChecks; // the reaction and symbol size to show checked
    bool advancedFeaturesNotice = false;
    bool quit = false;
    bool openMenuMovie = false; // "En savoir plus"
};

// Handles one command of the panel or the legend against the World. `menu` is what the menus
// show checked; `sceneTimerOn` whether the scene timer runs.
CommandOutcome handlePanelCommand(World& world, PanelCommand command, const PanelTexts& panel, ReactionChoice menu,
                                  SceneSize scene, bool sceneTimerOn, WindowUpdate& update);

} // namespace velmora
