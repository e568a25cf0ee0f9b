#pragma once

#include "model/World.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// What the molecule scene and the graph show, told in a short sentence for a screen reader. The
// facts are read from the World; the sentences are the window's French words for them (a
// translated window can build its own sentences from the same facts).

// A species that runs down during an experiment: its molecules left and at the start.
struct SpeciesLeft
{
    std::int32_t kind = Kind::none;
    std::int32_t count = 0;
    std::int32_t amount = 0;
};

struct SceneFacts
{
    bool running = false;
    bool paused = false; // running, with both timers off
    std::int32_t enzymes = 0;
    std::int32_t occupied = 0;  // holding a substrate or a second reactant
    std::int32_t inhibited = 0; // holding a molecule of the other species (thiolactose)
    std::int32_t denatured = 0;
    std::int32_t charged = 0; // charged and not denatured: what the scene marks
    SpeciesLeft substrate;
    std::optional<SpeciesLeft> second; // UDP-galactose, in the synthesis
    std::int32_t seconds = 0;          // as the graph's time label shows them
};

struct GraphFacts
{
    bool percent = true;                  // the graph counts in per cent, else in arbitrary units (molecules)
    SpeciesLeft substrate;                // count: the page's last sample
    std::int32_t samples = 0;             // seconds drawn on the page
    std::int32_t seconds = 0;             // time of the last sample
    std::optional<std::int32_t> halfTime; // when the curve first reached half, seen on this page
    std::optional<std::int32_t> temperatureChange; // the page's last red mark
    std::optional<std::int32_t> phChange;          // the page's last blue mark
};

SceneFacts sceneFacts(const World& world, bool paused);
GraphFacts graphFacts(const World& world, bool percent);

// "20 enzymes dont 14 occupées et 3 dénaturées ; lactose restant : 62 % ; 35 s".
std::string sceneSentence(const SceneFacts& facts);
// "lactose restant : 62 % à 35 s ; temps de demi-réaction : 21 s ; température changée à 12 s".
std::string graphSentence(const GraphFacts& facts);

// "lactose restant", "unités d’amylose restantes": a species counted down, named as a student
// reads it.
std::string_view speciesLeftName(std::int32_t kind);

// The seconds the graph's time label shows: after the 100th second of a page, the next one is
// shown while the new page is still empty.
std::int32_t shownSeconds(const World& world);

} // namespace velmora
