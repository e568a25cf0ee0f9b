#include "experiment/PanelCommands.h"

#include "experiment/Comment.h"
#include "experiment/Lifecycle.h"
#include "experiment/ReactionChoice.h"
#include "experiment/TemperaturePh.h"
#include "model/TimeCourse.h"
#include "settings/IntegerText.h"

#include <array>
#include <utility>

namespace velmora {

namespace {

PanelFault changeQuantity(World& world, std::int32_t World::*amount, std::optional<std::int32_t> value,
                          PanelFault fault, WindowUpdate& update)
{
    if (!value) {
        return fault;
    }
    world.*amount = clampAmount(*value);
    world.concentrationsChanged = true;
    suspendrexp1Click(world, update);
    return PanelFault::none;
}

} // namespace

PanelFault changetemp(World& world, PanelValues panel, WindowUpdate& update)
{
    if (!panel.valeurtemp) {
        return PanelFault::valeurtemp;
    }
    world.temperature = *panel.valeurtemp;
    recordGraphMark(world, temperatureMarkColour);
    if (const PanelFault fault = Recalcdenat1Click(world, panel); fault != PanelFault::none) {
        return fault;
    }
    rafraichircommentaire1Click(world, update);
    return PanelFault::none;
}

PanelFault changeph(World& world, PanelValues panel, WindowUpdate& update)
{
    if (!panel.valeurph) {
        return PanelFault::valeurph;
    }
    world.ph = *panel.valeurph;
    recordGraphMark(world, phMarkColour);
    if (const PanelFault fault = Recalcdenat1Click(world, panel); fault != PanelFault::none) {
        return fault;
    }
    if (const PanelFault fault = recalccharge1Click(world, panel); fault != PanelFault::none) {
        return fault;
    }
    rafraichircommentaire1Click(world, update);
    return PanelFault::none;
}

PanelFault changesub(World& world, std::optional<std::int32_t> valeursub, WindowUpdate& update)
{
    return changeQuantity(world, &World::substrateAmount, valeursub, PanelFault::valeursub, update);
}

PanelFault changeautre(World& world, std::optional<std::int32_t> valeurautre, WindowUpdate& update)
{
    return changeQuantity(world, &World::otherAmount, valeurautre, PanelFault::valeurautre, update);
}

PanelFault changeenz(World& world, std::optional<std::int32_t> valeurenz, WindowUpdate& update)
{
    return changeQuantity(world, &World::enzymeAmount, valeurenz, PanelFault::valeurenz, update);
}

void changeVolume(World& world, WindowUpdate& update)
{
    world.concentrationsChanged = true;
    suspendrexp1Click(world, update);
}

std::optional<PanelCommand> panelCommandFor(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, PanelCommand>, 20> commands{{
        {"petits", PanelCommand::petits},
        {"grands", PanelCommand::grands},
        {"modelevelmora", PanelCommand::modelevelmora},
        {"modeleamylase", PanelCommand::modeleamylase},
        {"modeleglucose", PanelCommand::modeleglucose},
        {"modelegalactose", PanelCommand::modelegalactose},
        {"modeleamylose", PanelCommand::modeleamylose},
        {"modelelactose", PanelCommand::modelelactose},
        {"modelemaltose", PanelCommand::modelemaltose},
        {"reacprev", PanelCommand::reacprev},
        {"reacsuiv", PanelCommand::reacsuiv},
        {"changetemp", PanelCommand::changetemp},
        {"changesub", PanelCommand::changesub},
        {"changeautre", PanelCommand::changeautre},
        {"changeenz", PanelCommand::changeenz},
        {"changeph", PanelCommand::changeph},
        {"quitter", PanelCommand::quitter},
        {"ensavoirplus", PanelCommand::ensavoirplus},
        {"recommencer", PanelCommand::recommencer},
        {"pause", PanelCommand::pause},
    }};
    for (const auto& [text, command] : commands) {
        if (text == name) {
            return command;
        }
    }
    return std::nullopt;
}

CommandOutcome handlePanelCommand(World& world, PanelCommand command, const PanelTexts& panel, ReactionChoice menu,
                                  SceneSize scene, bool sceneTimerOn, WindowUpdate& update)
{
    const PanelValues values{parseDecimalInteger(panel.valeurtemp), parseDecimalInteger(panel.valeurph)};
    CommandOutcome outcome;
    switch (command) {
    case PanelCommand::petits:
    case PanelCommand::grands:
        menu.smallSymbols = command == PanelCommand::petits;
        outcome.menuChecks = menu;
        changelegende1Click(world, menu, update);
        break;
    case PanelCommand::modelevelmora:
    case PanelCommand::modeleamylase:
    case PanelCommand::modeleglucose:
    case PanelCommand::modelegalactose:
    case PanelCommand::modeleamylose:
    case PanelCommand::modelelactose:
    case PanelCommand::modelemaltose:
        outcome.advancedFeaturesNotice = true;
        break;
    case PanelCommand::reacprev:
    case PanelCommand::reacsuiv:
        menu.checkedReaction =
            stepReaction(world, command == PanelCommand::reacprev ? -1 : +1, menu.smallSymbols, update);
        outcome.menuChecks = menu;
        break;
    case PanelCommand::changetemp:
        outcome.fault = changetemp(world, values, update);
        break;
    case PanelCommand::changeph:
        outcome.fault = changeph(world, values, update);
        break;
    case PanelCommand::changesub:
        outcome.fault = changesub(world, parseDecimalInteger(panel.valeursub), update);
        break;
    case PanelCommand::changeautre:
        outcome.fault = changeautre(world, parseDecimalInteger(panel.valeurautre), update);
        break;
    case PanelCommand::changeenz:
        outcome.fault = changeenz(world, parseDecimalInteger(panel.valeurenz), update);
        break;
    case PanelCommand::quitter:
        outcome.quit = true;
        break;
    case PanelCommand::ensavoirplus:
        outcome.openMenuMovie = true;
        break;
    case PanelCommand::recommencer:
        outcome.fault = recommencer1Click(world, menu, scene, values, update);
        break;
    case PanelCommand::pause:
        Pause1Click(world, sceneTimerOn, update);
        break;
    }
    return outcome;
}

} // namespace velmora
