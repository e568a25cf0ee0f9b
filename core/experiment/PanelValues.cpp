#include "experiment/PanelValues.h"

namespace velmora {

std::string_view panelVariableName(PanelFault fault)
{
    switch (fault) {
    case PanelFault::valeurtemp:
        return "valeurtemp";
    case PanelFault::valeurph:
        return "valeurph";
    case PanelFault::valeursub:
        return "valeursub";
    case PanelFault::valeurautre:
        return "valeurautre";
    case PanelFault::valeurenz:
        return "valeurenz";
    case PanelFault::none:
        break;
    }
    return {};
}

std::array<PanelVariable, 5> panelVariablesOf(const World& world)
{
    return {{{"valeurtemp", std::to_string(world.temperature)},
             {"valeurph", std::to_string(world.ph)},
             {"valeurenz", std::to_string(world.enzymeAmount)},
             {"valeursub", std::to_string(world.substrateAmount)},
             {"valeurautre", std::to_string(world.otherAmount)}}};
}

} // namespace velmora
