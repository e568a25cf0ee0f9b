#pragma once

#include "model/World.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
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

// One of the panel's value variables and the text it shows.
struct PanelVariable
{
    std::string_view name;
    std::string text;
};

// The five value variables holding the World's temperature, pH and quantities, as decimal text:
// what the panel shows before the settings are read, so that a value the settings file does not
// set shows the one the model uses.
std::array<PanelVariable, 5> panelVariablesOf(const World& world);

} // namespace velmora
