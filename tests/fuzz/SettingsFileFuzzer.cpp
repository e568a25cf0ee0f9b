// The settings reader on arbitrary bytes, then an experiment started from what it applied.

#include "experiment/Lifecycle.h"
#include "experiment/ReactionChoice.h"
#include "model/BoxVolume.h"
#include "model/Tick.h"
#include "settings/IntegerText.h"
#include "settings/SettingsFile.h"
#include "support/WorldChecks.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace velmora;

// Keeps the panel's texts and applies the symbol-size choice as the window does.
struct FuzzTarget : SettingsTarget
{
    World& world;
    ReactionChoice menu{Reaction::lactoseHydrolysis, false};
    std::string valeurtemp = "37";
    std::string valeurph = "7";
    SceneSize scene{512, 384};

    explicit FuzzTarget(World& w) : world(w) {}
    void setPanelVariable(std::string_view name, std::string_view text) override
    {
        if (name == "valeurtemp") {
            valeurtemp = text;
        } else if (name == "valeurph") {
            valeurph = text;
        }
    }
    void chooseSymbolSize(bool small) override
    {
        menu.smallSymbols = small;
        WindowUpdate update;
        changelegende1Click(world, menu, update);
    }
    void chooseVolume(std::int32_t percent) override { scene = *boxForVolume(percent); }
};

void require(const World& world)
{
    const std::string broken = testing::brokenInvariant(world);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken invariant: %s\n", broken.c_str());
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    FuzzTarget target(*world);
    std::FILE* file = size > 0 ? fmemopen(const_cast<std::uint8_t*>(data), size, "rb") : std::tmpfile();
    if (!file) {
        return 0;
    }
    applySettings(file, *world, target);
    std::fclose(file);
    for (const std::int32_t amount : {world->enzymeAmount, world->substrateAmount, world->otherAmount}) {
        if (amount < 0 || amount > maxSlot) {
            std::fprintf(stderr, "quantity %d stored outside 0..200\n", amount);
            std::abort();
        }
    }
    require(*world);

    const SceneSize scene = target.scene;
    WindowUpdate update;
    recommencer1Click(*world, target.menu, scene,
                      {parseDecimalInteger(target.valeurtemp), parseDecimalInteger(target.valeurph)}, update);
    require(*world);
    for (int tick = 0; tick < 40 && world->running; ++tick) {
        Timer2Timer(*world, scene, update);
        require(*world);
    }
    return 0;
}
