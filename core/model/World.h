#pragma once

#include "model/Random.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

// Species kinds. A kind is also the per-kind sprite number of its symbol; the kinds that no
// reaction populates (1..5, 14, 15) name the charge marks, the denatured enzyme and two frames.
namespace Kind {
inline constexpr std::int32_t enzyme = 0;
inline constexpr std::int32_t glucose = 6;
inline constexpr std::int32_t galactose = 7;
inline constexpr std::int32_t lactose = 8;
inline constexpr std::int32_t complex = 9; // picture drawn over an enzyme holding its substrate
inline constexpr std::int32_t byProduct = 10; // UDP, second product of the synthesis
inline constexpr std::int32_t galactoseDonor = 11; // UDP-galactose, second reactant of the synthesis
inline constexpr std::int32_t maltose = 12;
inline constexpr std::int32_t amyloseUnit = 13;
inline constexpr std::int32_t thiolactose = 16;
inline constexpr std::int32_t none = -1; // a role that names no kind
} // namespace Kind

// The four reactions, numbered as reactionIndex numbers them.
namespace Reaction {
inline constexpr std::int32_t lactoseHydrolysis = 1;
inline constexpr std::int32_t lactoseSynthesis = 2;
inline constexpr std::int32_t maltoseHydrolysis = 3;
inline constexpr std::int32_t amyloseHydrolysis = 4;
} // namespace Reaction

inline constexpr std::int32_t kindCount = 17; // kinds 0..16
inline constexpr std::int32_t slotCount = 201; // slots 1..200; slot 0 never holds a molecule
inline constexpr std::int32_t maxSlot = 200;
inline constexpr std::int32_t graphSeconds = 100; // seconds on one graph page

// Symbol sets: spriteBase 0 draws the small 20-pixel symbols, 20 the large 40-pixel ones.
inline constexpr std::int32_t smallSpriteBase = 0;
inline constexpr std::int32_t largeSpriteBase = 20;

// Side in pixels of sprite item spriteBase + 1, which gives symbolWidth and symbolHeight.
constexpr std::int32_t symbolSide(std::int32_t spriteBase)
{
    return spriteBase == smallSpriteBase ? 20 : 40;
}

// Pixel size of the scene surface, in which the molecules move.
struct SceneSize
{
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// The reaction menu's checked item (1..4) and whether "Petits symboles" is checked.
struct ReactionChoice
{
    std::int32_t checkedReaction = Reaction::lactoseHydrolysis;
    bool smallSymbols = false;
};

using SlotRow = std::array<std::int32_t, slotCount>;
using KindTable = std::array<SlotRow, kindCount>;

// The whole simulation state, plain data read and written in place by the operations of the
// model. Members are declared in the order of their storage. Positions and velocities are in
// tenths of a pixel (per 50 ms tick for velocities); booleans are single bytes.
//
// Invariants kept by every writer:
// - the live molecules of kind k are slots 1..count[k], without holes, 0 <= count[k] <= 200;
// - partnerEnzyme[k][s] = e > 0 exactly when enzyme e refers back to s through boundSubstrate,
//   boundSecond or boundOther;
// - in the amylose reaction chainNext[a] = b > 0 exactly when chainPrev[b] = a, for live units;
// - denatured is one run from slot 1; charge is runs of +-2, +-1, 0 from slot 1, one sign.
struct World
{
    std::string appDir;
    std::int32_t reactionIndex = 0;
    std::int32_t temperature = 0; // degrees C
    std::int32_t ph = 0;
    std::int32_t enzymeAmount = 0;
    std::int32_t substrateAmount = 0;
    std::int32_t otherAmount = 0;
    std::int32_t spriteBase = 0;
    std::int32_t graphCount = 0;
    std::int32_t graphTimeOffset = 0;
    KindTable posX{};
    KindTable posY{};
    KindTable velX{};
    KindTable velY{};
    std::array<std::int32_t, kindCount> count{};
    SlotRow busyTimer{};
    KindTable partnerEnzyme{};
    SlotRow boundSubstrate{};
    SlotRow boundSecond{};
    SlotRow boundOther{};
    std::array<bool, slotCount> denatured{};
    SlotRow charge{};
    std::array<std::int32_t, graphSeconds + 1> graphSamples{};
    std::array<std::int32_t, graphSeconds + 1> graphMarks{};
    SlotRow chainPrev{};
    SlotRow chainNext{};
    std::int32_t productKind1 = 0;
    std::int32_t productKind2 = 0;
    std::int32_t substrateKind = 0;
    std::int32_t secondKind = 0;
    std::int32_t otherKind = 0;
    std::int32_t enzymeSprite = 0;
    std::int32_t siteOffsetX = 0;
    std::int32_t siteOffsetY = 0;
    std::array<std::int32_t, 101> kindSprite{};
    std::int32_t optimumPh = 0;
    std::int32_t tickCounter = 0;
    std::int32_t maxProducts = 0;
    bool running = false;
    bool welcomePending = false;
    bool stoppedByUser = false;
    bool concentrationsChanged = false;
    Random random;
};

// The values that main-window creation gives the World before the settings file is read.
void setWindowCreationDefaults(World& world, std::string appDir);

// A quantity from the panel, the settings file or the batch runner, brought into 0..200 as it
// is stored: the World has room for 200 molecules of a kind.
constexpr std::int32_t clampAmount(std::int32_t amount)
{
    return amount < 0 ? 0 : (amount > maxSlot ? maxSlot : amount);
}

} // namespace velmora
