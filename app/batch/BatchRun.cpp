#include "app/batch/BatchRun.h"

#include "experiment/Lifecycle.h"
#include "experiment/PanelCommands.h"
#include "experiment/ReactionChoice.h"
#include "model/Tick.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace velmora {

namespace {

// The panel as the batch runner holds it: its temperature and pH change with the events.
struct Panel
{
    std::int32_t temperature;
    std::int32_t ph;

    PanelValues values() const { return {temperature, ph}; }
};

void applyEvent(const BatchEvent& event, Panel& panel, World& world)
{
    WindowUpdate update;
    if (event.variable == BatchEvent::Variable::temperature) {
        panel.temperature = event.value;
        changetemp(world, panel.values(), update);
    } else {
        panel.ph = event.value;
        changeph(world, panel.values(), update);
    }
}

void writeTimeCourseRow(std::ostream& csv, const World& world, std::int32_t second)
{
    const std::int32_t substrate = world.graphSamples[world.graphCount];
    csv << second << ',' << substrate << ',' << substrate * 100 / world.substrateAmount << ','
        << world.temperature << ',' << world.ph << '\n';
}

} // namespace

std::int32_t runBatch(const BatchOptions& options, World& world, std::ostream* csv)
{
    // 1. World defaults as at window creation.
    setWindowCreationDefaults(world, {});
    chooseMaxProducts(world, options.maxProductsCaption);

    // 2. The panel's values, stored as the settings file stores them.
    Panel panel{options.temperature, options.ph};
    world.temperature = options.temperature;
    world.ph = options.ph;
    world.enzymeAmount = clampAmount(options.enzyme);
    world.substrateAmount = clampAmount(options.substrate);
    world.otherAmount = clampAmount(options.other);

    // 3. The menus' choices, then the reaction choice applied.
    const ReactionChoice choice{options.reaction, options.smallSymbols};
    WindowUpdate update;
    changelegende1Click(world, choice, update);

    // Events in tick order, command-line order within a tick.
    std::vector<std::size_t> order(options.events.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return options.events[a].tick < options.events[b].tick;
    });
    std::size_t next = 0;
    const auto applyEventsAt = [&](std::int32_t tick) {
        for (; next < order.size() && options.events[order[next]].tick <= tick; ++next) {
            applyEvent(options.events[order[next]], panel, world);
        }
    };

    // 4. The start, then the events of tick 0.
    if (csv) {
        *csv << timeCourseHeader << '\n';
    }
    recommencer1Click(world, choice, options.scene, panel.values(), update);
    applyEventsAt(0);

    // 5.
    forEachTick(1, options.ticks, [&](std::int32_t tick) {
        WindowUpdate tickUpdate;
        Timer2Timer(world, options.scene, tickUpdate);
        if (csv && tickUpdate.elapsedSeconds && world.graphCount > 0) {
            writeTimeCourseRow(*csv, world, *tickUpdate.elapsedSeconds);
        }
        applyEventsAt(tick);
    });
    return options.ticks;
}

} // namespace velmora
