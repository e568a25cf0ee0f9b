#pragma once

#include "model/Translatable.h"
#include "model/World.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace velmora {

// One reaction of the catalogue: the kinds that play each role, the enzyme's symbol and optimum
// pH, the active site's offset in per cent of the symbol side, and the first frame of its legend.
struct ReactionEntry
{
    std::string_view name; // menu caption, also written into the panel as "nomreac"
    std::int32_t substrateKind;
    std::int32_t secondKind;
    std::int32_t productKind1;
    std::int32_t productKind2;
    std::int32_t otherKind;
    std::int32_t enzymeSprite;
    std::int32_t optimumPh;
    std::int32_t siteOffsetXPercent;
    std::int32_t siteOffsetYPercent;
    std::int32_t legendFrameBase;
};

// Indexed by reactionIndex 1..4; entry 0 is unused.
inline constexpr std::array<ReactionEntry, 5> reactionCatalogue{{
    {"", 0, 0, 0, 0, Kind::none, 0, 0, 0, 0, 0},
    {VELMORA_TRANSLATABLE("Catalogue", "Hydrolyse du lactose"), Kind::lactose, Kind::complex, Kind::glucose,
     Kind::galactose, Kind::thiolactose, 41, 8, 0, 0, 1},
    {VELMORA_TRANSLATABLE("Catalogue", "Synthèse du lactose"), Kind::glucose, Kind::galactoseDonor,
     Kind::lactose, Kind::byProduct, Kind::none, 42, 8, 0, 0, 11},
    {VELMORA_TRANSLATABLE("Catalogue", "Hydrolyse du maltose"), Kind::maltose, Kind::complex, Kind::glucose,
     Kind::glucose, Kind::none, 40, 6, 0, 0, 21},
    {VELMORA_TRANSLATABLE("Catalogue", "Hydrolyse de l'amylose"), Kind::amyloseUnit, Kind::complex,
     Kind::maltose, Kind::none, Kind::none, 43, 7, 0, 50, 31},
}};

constexpr bool isReaction(std::int32_t reaction)
{
    return reaction >= Reaction::lactoseHydrolysis && reaction <= Reaction::amyloseHydrolysis;
}

// reactionNames: the name of reaction 1..4, empty for any other number.
constexpr std::string_view reactionName(std::int32_t reaction)
{
    return isReaction(reaction) ? reactionCatalogue[reaction].name : std::string_view{};
}

// Frame of the control-panel movie: 5 shows the third species' controls, 1 hides them.
constexpr std::int32_t panelFrameFor(std::int32_t otherKind)
{
    return otherKind == Kind::none ? 1 : 5;
}

} // namespace velmora
