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

} // namespace velmora
