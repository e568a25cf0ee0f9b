#include "lab/Experiment.h"

#include "experiment/Lifecycle.h"
#include "experiment/PanelCommands.h"
#include "experiment/ReactionChoice.h"
#include "lab/CourseRecord.h"
#include "model/Tick.h"

#include <algorithm>
#include <numeric>

namespace velmora {

ExperimentSettings experimentSettingsFor(const World& world, SceneSize scene, std::int32_t panelTemperature,
                                         std::int32_t panelPh)
{
    ExperimentSettings settings;
    settings.reaction = world.reactionIndex;
    settings.temperature = panelTemperature;
    settings.ph = panelPh;
    settings.enzyme = world.enzymeAmount;
    settings.substrate = world.substrateAmount;
    settings.other = world.otherAmount;
    settings.smallSymbols = world.spriteBase == smallSpriteBase;
    settings.scene = scene;
    settings.maxProductsCaption = 2 * world.maxProducts; // the menu's items are twice maxProducts
    return settings;
}

Experiment::Experiment(const ExperimentSettings& settings, World& world, std::uint32_t seed)
    : settings_(settings), world_(world), panelTemperature_(settings.temperature), panelPh_(settings.ph)
{
    // 1. World defaults as at window creation; nothing draws from the generator before the start.
    setWindowCreationDefaults(world, {});
    chooseMaxProducts(world, settings.maxProductsCaption);
    world.random.state = seed;

    // 2. The panel's values, stored as the settings file stores them.
    world.temperature = settings.temperature;
    world.ph = settings.ph;
    world.enzymeAmount = clampAmount(settings.enzyme);
    world.substrateAmount = clampAmount(settings.substrate);
    world.otherAmount = clampAmount(settings.other);

    // 3. The menus' choices, then the reaction choice applied.
    const ReactionChoice choice{settings.reaction, settings.smallSymbols};
    WindowUpdate update;
    changelegende1Click(world, choice, update);

    eventOrder_.resize(settings.events.size());
    std::iota(eventOrder_.begin(), eventOrder_.end(), std::size_t{0});
    std::stable_sort(eventOrder_.begin(), eventOrder_.end(), [&](std::size_t a, std::size_t b) {
        return settings.events[a].tick < settings.events[b].tick;
    });

    // 4. The start, then the changes of tick 0.
    recommencer1Click(world, choice, settings.scene, {panelTemperature_, panelPh_}, update);
    applyEventsThrough(0);
}

std::optional<RecordedSecond> Experiment::tick()
{
    WindowUpdate update;
    Timer2Timer(world_, settings_.scene, update);
    ++ticksRun_;
    const std::optional<RecordedSecond> recorded = recordedSecond(world_, update);
    applyEventsThrough(ticksRun_);
    return recorded;
}

void Experiment::applyEventsThrough(std::int64_t tick)
{
    for (; nextEvent_ < eventOrder_.size() && settings_.events[eventOrder_[nextEvent_]].tick <= tick;
         ++nextEvent_) {
        const PanelEvent& event = settings_.events[eventOrder_[nextEvent_]];
        WindowUpdate update;
        if (event.variable == PanelEvent::Variable::temperature) {
            panelTemperature_ = event.value;
            changetemp(world_, {panelTemperature_, panelPh_}, update);
        } else {
            panelPh_ = event.value;
            changeph(world_, {panelTemperature_, panelPh_}, update);
        }
    }
}

} // namespace velmora
