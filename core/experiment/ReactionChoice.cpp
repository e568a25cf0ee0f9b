#include "experiment/ReactionChoice.h"

#include "experiment/Lifecycle.h"
#include "model/Catalogue.h"

namespace velmora {

void changelegende1Click(World& world, ReactionChoice choice, WindowUpdate& update)
{
    // 1. to 3.
    world.otherKind = Kind::none;
    update.smallSymbolBoxes = choice.smallSymbols;
    world.spriteBase = choice.smallSymbols ? smallSpriteBase : largeSpriteBase;

    // 4. The checked reaction's roles.
    if (isReaction(choice.checkedReaction)) {
        const ReactionEntry& entry = reactionCatalogue[choice.checkedReaction];
        update.legendFrame = world.spriteBase / 4 + entry.legendFrameBase;
        world.optimumPh = entry.optimumPh;
        world.enzymeSprite = entry.enzymeSprite;
        world.substrateKind = entry.substrateKind;
        world.secondKind = entry.secondKind;
        world.productKind1 = entry.productKind1;
        world.productKind2 = entry.productKind2;
        world.otherKind = entry.otherKind;
        world.siteOffsetX = entry.siteOffsetXPercent;
        world.siteOffsetY = entry.siteOffsetYPercent;
        world.reactionIndex = choice.checkedReaction;
        if (choice.checkedReaction == Reaction::amyloseHydrolysis) {
            Arrter1Click(world, update);
        }
    }

    // 5.
    update.panelFrame = panelFrameFor(world.otherKind);

    // 6. Per cent of the symbol side into tenths of a pixel.
    const std::int32_t side = symbolSide(world.spriteBase);
    world.siteOffsetX = side * world.siteOffsetX / 10;
    world.siteOffsetY = side * world.siteOffsetY / 10;

    // 7.
    update.reactionName = reactionName(world.reactionIndex);
}

void selectReaction(World& world, ReactionChoice choice, WindowUpdate& update)
{
    Arrter1Click(world, update);
    changelegende1Click(world, choice, update);
}

std::int32_t stepReaction(World& world, std::int32_t step, bool smallSymbols, WindowUpdate& update)
{
    Arrter1Click(world, update);
    std::int32_t reaction = world.reactionIndex + step;
    if (reaction < Reaction::lactoseHydrolysis) {
        reaction = Reaction::amyloseHydrolysis;
    }
    if (reaction > Reaction::amyloseHydrolysis) {
        reaction = Reaction::lactoseHydrolysis;
    }
    world.reactionIndex = reaction;
    changelegende1Click(world, {reaction, smallSymbols}, update);
    return reaction;
}

} // namespace velmora
