#pragma once

#include "model/World.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora {

// A change made on the control panel after a number of ticks: the temperature ("changetemp") or
// the pH ("changeph") takes a new value.
struct PanelEvent
{
    enum class Variable
    {
        temperature,
        ph,
    };
    std::int32_t tick = 0;
    Variable variable = Variable::temperature;
    std::int32_t value = 0;
};

// One experiment as a student sets it up in the window: the panel's values, the menus' choices,
// and the panel changes made while it runs.
struct ExperimentSettings
{
    std::int32_t reaction = Reaction::lactoseHydrolysis;
    std::int32_t temperature = 37;
    std::int32_t ph = 7;
    std::int32_t enzyme = 20;
    std::int32_t substrate = 100;
    std::int32_t other = 0;
    bool smallSymbols = false;
    SceneSize scene{512, 384};
    std::int32_t maxProductsCaption = 100; // the item of "Nombre maximal de produits à l'écran"
    std::vector<PanelEvent> events;        // in the order given; those of one tick act in that order
};

// The settings of the experiment that the window would start now: its World (amounts, reaction,
// symbols, products menu), the scene's size and the panel's temperature and pH (the World's
// temperature may have been lowered to 80).
ExperimentSettings experimentSettingsFor(const World& world, SceneSize scene, std::int32_t panelTemperature,
                                         std::int32_t panelPh);

// The generator's state at launch: a run from this state is the first experiment that the window
// shows once launched (later starts there go on drawing from the same generator).
inline constexpr std::uint32_t designedSeed = 0;

// What the graph recorded in one second, with the model's temperature and pH at that moment.
struct RecordedSecond
{
    std::int32_t second = 0;    // elapsed time as the graph shows it
    std::int32_t substrate = 0; // substrate molecules left
    std::int32_t temperature = 0;
    std::int32_t ph = 0;
};

// An experiment under way on a fresh World, run tick by tick as the window's timer runs it.
class Experiment
{
public:
    // Sets the World up as the window would with these settings and starts the experiment:
    // creation defaults, the panel's values stored, the reaction choice applied, the start, then
    // the panel changes of tick 0. The generator starts from `seed`.
    Experiment(const ExperimentSettings& settings, World& world, std::uint32_t seed = designedSeed);

    // Runs one tick, then the panel changes due after it. Returns the second that the graph
    // recorded in this tick, as it stood before those changes, if it recorded one.
    std::optional<RecordedSecond> tick();

    std::int64_t ticksRun() const { return ticksRun_; }
    // Whether a panel change is still to come: until then the temperature or the pH may change.
    bool eventsPending() const { return nextEvent_ < eventOrder_.size(); }
    const World& world() const { return world_; }

private:
    void applyEventsThrough(std::int64_t tick);

    ExperimentSettings settings_;
    World& world_;
    std::int32_t panelTemperature_;
    std::int32_t panelPh_;
    std::vector<std::size_t> eventOrder_; // by tick, in the order given within a tick
    std::size_t nextEvent_ = 0;
    std::int64_t ticksRun_ = 0;
};

// Calls runTick(tick) for every tick from `first` to `last` in order, nothing when last < first.
// The counter never passes `last`, so that a run up to the largest 32-bit count ends too.
template <typename RunTick> void forEachTick(std::int32_t first, std::int32_t last, RunTick runTick)
{
    if (last < first) {
        return;
    }
    for (std::int32_t tick = first;; ++tick) {
        runTick(tick);
        if (tick == last) {
            return;
        }
    }
}

} // namespace velmora
