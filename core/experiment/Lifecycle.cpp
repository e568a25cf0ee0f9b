#include "experiment/Lifecycle.h"

#include "experiment/Comment.h"
#include "experiment/ReactionChoice.h"
#include "experiment/Seeding.h"
#include "experiment/TemperaturePh.h"
#include "model/TimeCourse.h"

namespace velmora {

PanelFault recommencer1Click(World& world, ReactionChoice choice, SceneSize scene, PanelValues panel,
                             WindowUpdate& update)
{
    // 1. With the amylose reaction this stops the running experiment first.
    changelegende1Click(world, choice, update);

    // 2. to 4.
    world.welcomePending = false;
    world.graphTimeOffset = 0;
    world.concentrationsChanged = false;
    world.count.fill(0);
    for (std::int32_t s = 1; s <= maxSlot; ++s) {
        world.busyTimer[s] = 0;
        world.denatured[s] = false;
        world.charge[s] = 0;
        world.boundSubstrate[s] = 0;
        world.boundSecond[s] = 0;
        world.boundOther[s] = 0;
        world.chainPrev[s] = 0;
        world.chainNext[s] = 0;
    }

    // 5.
    world.count[world.substrateKind] = world.substrateAmount;
    if (choice.checkedReaction == Reaction::lactoseSynthesis) {
        world.count[world.secondKind] = world.substrateAmount;
    }
    world.count[Kind::enzyme] = world.enzymeAmount;
    if (world.otherKind != Kind::none) {
        world.count[world.otherKind] = world.otherAmount;
    }

    // 6. and 7.
    seedMolecules(world, scene);
    for (auto& partners : world.partnerEnzyme) {
        for (std::int32_t s = 1; s <= maxSlot; ++s) {
            partners[s] = 0;
        }
    }

    // 8.
    update.refreshAxisLabels = true;

    // 9.
    if (const PanelFault fault = Recalcdenat1Click(world, panel); fault != PanelFault::none) {
        return fault;
    }
    if (const PanelFault fault = recalccharge1Click(world, panel); fault != PanelFault::none) {
        return fault;
    }

    // 10. to 12.
    effacerecran1Click(world, update);
    rafraichircommentaire1Click(world, update);
    world.running = true;
    update.sceneTimer = true;
    update.tickTimer = true;
    return PanelFault::none;
}

void suspendrexp1Click(World& world, WindowUpdate& update)
{
    world.running = false;
    update.tickTimer = false;
    effacerecran1Click(world, update);
    // Before the first start the scene timer and the scene are left as they are.
    if (!world.welcomePending) {
        update.sceneTimer = false;
        update.blankScene = true;
    }
    rafraichircommentaire1Click(world, update);
}

void Arrter1Click(World& world, WindowUpdate& update)
{
    world.stoppedByUser = true;
    suspendrexp1Click(world, update);
}

void Pause1Click(World& world, bool sceneTimerOn, WindowUpdate& update)
{
    if (!world.running) {
        return;
    }
    update.sceneTimer = !sceneTimerOn;
    update.tickTimer = !sceneTimerOn;
}

void purger1Click(World& world)
{
    if (world.productKind1 >= 0) {
        world.count[world.productKind1] = 0;
    }
    if (world.productKind2 >= 0) {
        world.count[world.productKind2] = 0;
    }
}

std::optional<std::int32_t> maxProductsForCaption(std::int32_t caption)
{
    switch (caption) {
    case 10:
    case 20:
    case 50:
    case 100:
    case 200:
    case 400:
        return caption / 2;
    default:
        return std::nullopt;
    }
}

bool chooseMaxProducts(World& world, std::int32_t caption)
{
    const std::optional<std::int32_t> maxProducts = maxProductsForCaption(caption);
    if (maxProducts) {
        world.maxProducts = *maxProducts;
    }
    return maxProducts.has_value();
}

} // namespace velmora
