#include "experiment/TemperaturePh.h"

#include "model/Arithmetic.h"

#include <algorithm>

namespace velmora {

namespace {

constexpr std::int32_t denaturationThreshold = 40; // degrees C
constexpr std::int32_t highestTemperature = 80;

// How many of `enzymes` a share in per cent makes.
std::int32_t shareOf(std::int32_t share, std::int32_t enzymes)
{
    return wrapMul(share, enzymes) / 100;
}

} // namespace

std::int32_t denaturedShare(std::int32_t temperature, std::int32_t phDistance)
{
    std::int32_t share = 0;
    if (temperature > denaturationThreshold) {
        share = wrapMul(wrapSub(temperature, denaturationThreshold), 100) / denaturationThreshold;
    }
    if (phDistance > 2) {
        const std::int32_t intact = wrapSub(100, wrapMul(wrapMul(2, phDistance), phDistance));
        share = wrapSub(100, wrapMul(wrapSub(100, share), intact) / 100);
    }
    return share;
}

std::int32_t chargedShare(std::int32_t phDistance)
{
    return phDistance >= 1 ? wrapAdd(wrapMul(wrapMul(5, phDistance), phDistance), 10) : 0;
}

std::int32_t doublyChargedShare(std::int32_t phDistance)
{
    const std::int32_t beyond = wrapSub(phDistance, 2);
    return phDistance > 3 ? wrapMul(wrapMul(5, beyond), beyond) : 0;
}

PanelFault Recalcdenat1Click(World& world, PanelValues panel)
{
    // 1. and 2.
    if (!panel.valeurtemp) {
        return PanelFault::valeurtemp;
    }
    world.temperature = *panel.valeurtemp;
    if (!panel.valeurph) {
        return PanelFault::valeurph;
    }
    world.ph = *panel.valeurph;

    // 3. The World's temperature itself comes down to 80; the panel keeps its own value.
    if (world.temperature > highestTemperature) {
        world.temperature = highestTemperature;
    }
    // 4. and 5.
    const std::int32_t distance = wrapAbs(wrapSub(world.optimumPh, world.ph));
    const std::int32_t enzymes = world.count[Kind::enzyme];
    const std::int32_t n = std::min(shareOf(denaturedShare(world.temperature, distance), enzymes), enzymes);

    // 6. Marks only accumulate.
    for (std::int32_t e = 1; e <= n; ++e) {
        world.denatured[e] = true;
    }
    return PanelFault::none;
}

PanelFault recalccharge1Click(World& world, PanelValues panel)
{
    // 1.
    if (!panel.valeurph) {
        return PanelFault::valeurph;
    }
    const std::int32_t ph = *panel.valeurph;

    // 2. to 4.
    const std::int32_t distance = wrapAbs(wrapSub(world.optimumPh, ph));
    const std::int32_t sign = ph < world.optimumPh ? 1 : (ph > world.optimumPh ? -1 : 0);
    const std::int32_t enzymes = world.count[Kind::enzyme];
    const std::int32_t charged = shareOf(chargedShare(distance), enzymes);
    const std::int32_t doublyCharged = shareOf(doublyChargedShare(distance), enzymes);

    // 5. to 7., never past the live enzymes.
    for (std::int32_t e = 1; e <= std::min(charged, enzymes); ++e) {
        world.charge[e] = sign;
    }
    for (std::int32_t e = 1; e <= std::min(doublyCharged, enzymes); ++e) {
        world.charge[e] = 2 * sign;
    }
    for (std::int32_t e = std::max(charged, 0) + 1; e <= enzymes; ++e) {
        world.charge[e] = 0;
    }
    return PanelFault::none;
}

} // namespace velmora
