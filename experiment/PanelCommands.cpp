#include "experiment/PanelCommands.h"

#include "experiment/Comment.h"
#include "experiment/Lifecycle.h"
#include "experiment/TemperaturePh.h"
#include "model/TimeCourse.h"

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

} // namespace velmora
