// The panel's commands, the menus' actions and ticks in any order, with any panel values: integers
// of every size, signs, empty texts, words, long strings. The World's invariants hold after each
// step.

#include "experiment/Comment.h"
#include "experiment/Lifecycle.h"
#include "experiment/PanelCommands.h"
#include "experiment/ReactionChoice.h"
#include "experiment/TemperaturePh.h"
#include "model/Tick.h"
#include "model/TimeCourse.h"
#include "settings/IntegerText.h"
#include "support/WorldChecks.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

using namespace velmora;

constexpr std::array<const char*, 20> commandNames{
    "petits",   "grands",   "modelevelmora", "modeleamylase", "modeleglucose", "modelegalactose", "modeleamylose",
    "modelelactose", "modelemaltose", "reacprev", "reacsuiv", "changetemp", "changesub", "changeautre",
    "changeenz", "changeph", "quitter", "ensavoirplus", "recommencer", "pause"};

// What a student, or a broken movie, might leave in a panel variable.
std::string panelText(FuzzedDataProvider& in)
{
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0:
        return std::to_string(in.ConsumeIntegralInRange(-20, 220));
    case 1:
        return std::to_string(in.ConsumeIntegral<std::int32_t>());
    case 2:
        return std::to_string(in.ConsumeIntegral<std::int64_t>());
    case 3:
        return {};
    case 4:
        return std::string(in.ConsumeIntegralInRange<std::size_t>(1, 5000), '9');
    case 5:
        return (in.ConsumeBool() ? "+" : " ") + std::to_string(in.ConsumeIntegralInRange(-5, 15));
    default:
        return in.ConsumeRandomLengthString(300);
    }
}

// The window: its timers and menu checks follow what the model asks.
struct Window
{
    bool sceneTimer = false;
    bool tickTimer = false;
    ReactionChoice menu{Reaction::lactoseHydrolysis, false};

    void carryOut(const WindowUpdate& update)
    {
        sceneTimer = update.sceneTimer.value_or(sceneTimer);
        tickTimer = update.tickTimer.value_or(tickTimer);
    }
};

void require(const World& world, int step)
{
    const std::string broken = testing::brokenInvariant(world);
    if (!broken.empty()) {
        std::fprintf(stderr, "broken invariant after step %d: %s\n", step, broken.c_str());
        std::abort();
    }
}

void menuAction(FuzzedDataProvider& in, World& world, Window& window, SceneSize scene, const PanelTexts& panel)
{
    WindowUpdate update;
    const PanelValues values{parseDecimalInteger(panel.valeurtemp), parseDecimalInteger(panel.valeurph)};
    switch (in.ConsumeIntegralInRange(0, 11)) {
    case 0:
        window.menu.checkedReaction = in.ConsumeIntegralInRange(1, 4);
        selectReaction(world, window.menu, update);
        break;
    case 1:
        window.menu.smallSymbols = in.ConsumeBool();
        changelegende1Click(world, window.menu, update);
        break;
    case 2:
        purger1Click(world);
        break;
    case 3:
        chooseMaxProducts(world, in.ConsumeBool() ? 10 << in.ConsumeIntegralInRange(0, 5) : in.ConsumeIntegral<int>());
        break;
    case 4:
        Arrter1Click(world, update);
        break;
    case 5:
        suspendrexp1Click(world, update);
        break;
    case 6:
        Recalcdenat1Click(world, values);
        break;
    case 7:
        recalccharge1Click(world, values);
        break;
    case 8:
        effacerecran1Click(world, update);
        break;
    case 9:
        avancedansgraphe1Click(world, update);
        break;
    case 10:
        rafraichircommentaire1Click(world, update);
        break;
    default:
        recommencer1Click(world, window.menu, scene, values, update);
        break;
    }
    window.carryOut(update);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    Window window;
    const SceneSize scene{in.ConsumeIntegralInRange(1, 1200), in.ConsumeIntegralInRange(1, 900)};
    PanelTexts panel{"37", "7", "20", "100", "0"};

    for (int step = 0; step < 80 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 4)) {
        case 0: {
            std::string* variables[] = {&panel.valeurtemp, &panel.valeurph, &panel.valeurenz, &panel.valeursub,
                                        &panel.valeurautre};
            *variables[in.ConsumeIntegralInRange(0, 4)] = panelText(in);
            break;
        }
        case 1: {
            const std::string name = in.ConsumeBool() ? commandNames[in.ConsumeIntegralInRange<std::size_t>(0, 19)]
                                                      : in.ConsumeRandomLengthString(20);
            if (const std::optional<PanelCommand> command = panelCommandFor(name)) {
                WindowUpdate update;
                const CommandOutcome outcome =
                    handlePanelCommand(*world, *command, panel, window.menu, scene, window.sceneTimer, update);
                window.menu = outcome.menuChecks.value_or(window.menu);
                window.carryOut(update);
            }
            break;
        }
        case 2:
            menuAction(in, *world, window, scene, panel);
            break;
        default: {
            // Ticks run only while the tick timer does, as in the window.
            const int ticks = in.ConsumeIntegralInRange(1, 60);
            for (int t = 0; t < ticks && window.tickTimer; ++t) {
                WindowUpdate update;
                Timer2Timer(*world, scene, update);
                window.carryOut(update);
                require(*world, step);
            }
            break;
        }
        }
        require(*world, step);
    }
    return 0;
}
