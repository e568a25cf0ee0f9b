#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// The control panel's temperature and pH as the window read them just before the operation:
// each an integer, or empty when its text was not a decimal integer.
struct PanelValues
{
    std::optional<std::int32_t> valeurtemp;
    std::optional<std::int32_t> valeurph;
};

// The panel variable whose text was not an integer, which ended the operation at that read.
enum class PanelFault
{
    none,
    valeurtemp,
    valeurph,
    valeursub,
    valeurautre,
    valeurenz,
};

// The movie variable's name, "valeurtemp" etc.; empty for none.
std::string_view panelVariableName(PanelFault fault);

} // namespace velmora
