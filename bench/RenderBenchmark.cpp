// Speed of drawing: one scene frame at the heaviest and at a classroom load, one graph redraw.
// Run: build/bench/render_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true

#include "experiment/ReactionChoice.h"
#include "model/Random.h"
#include "render/DrawingSurface.h"
#include "render/GeneratedPictures.h"
#include "render/GraphRenderer.h"
#include "render/SceneRenderer.h"
#include "render/SpriteSet.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace velmora;

std::unique_ptr<DrawingSurface> shownSurface(int width, int height)
{
    auto surface = std::make_unique<DrawingSurface>();
    surface->resize(width, height);
    surface->show();
    if (!QTest::qWaitForWindowExposed(surface.get())) {
        qWarning("the surface was not shown: frames will draw nothing");
    }
    return surface;
}

// Lactose hydrolysis with large symbols, `perKind` molecules of every kind spread over the scene,
// every other enzyme holding a lactose and a few charged.
std::unique_ptr<World> crowdedWorld(std::int32_t perKind, std::int32_t enzymes, QSize scene, std::int32_t temperature)
{
    auto world = std::make_unique<World>();
    setWindowCreationDefaults(*world, {});
    WindowUpdate update;
    changelegende1Click(*world, {Reaction::lactoseHydrolysis, false}, update);
    world->temperature = temperature;
    Random random;
    for (std::int32_t kind = 0; kind < kindCount; ++kind) {
        world->count[kind] = kind == Kind::enzyme ? enzymes : perKind;
        for (std::int32_t s = 1; s <= maxSlot; ++s) {
            world->posX[kind][s] = random.randomBelow((scene.width() - 40) * 10);
            world->posY[kind][s] = random.randomBelow((scene.height() - 40) * 10);
        }
    }
    for (std::int32_t e = 1; e <= enzymes; ++e) {
        world->boundSubstrate[e] = e % 2 == 0 ? 1 : 0;
        world->charge[e] = e % 7 == 0 ? 1 : 0;
    }
    return world;
}

// A frame of the box drawn on a scene surface of `surfaceSize` pixels, as large as it goes.
void frameAt(benchmark::State& state, const World& world, QSize box, QSize surfaceSize)
{
    const auto surface = shownSurface(surfaceSize.width(), surfaceSize.height());
    const SceneScale scale = sceneScale(surfaceSize, {box.width(), box.height()});
    const SpriteSet sprites(SpriteSet::shared(), scale.numerator, scale.denominator);
    const QImage ice = makeIcePicture();
    for (auto _ : state) {
        drawSceneFrame(*surface, sprites, ice, world, scale);
        benchmark::DoNotOptimize(surface->frontBuffer().constBits());
    }
}

void frameAt(benchmark::State& state, const World& world, QSize scene)
{
    frameAt(state, world, scene, scene);
}

// 17 kinds of 200 molecules: 3,400 large sprites over the ice, in the box of 100 % drawn in the
// scene quarter of a 1024 x 768, a 1920 x 1080 and a 3840 x 2160 screen.
void SceneFrameHeaviestLoad(benchmark::State& state)
{
    const QSize box(512, 384);
    const auto world = crowdedWorld(200, 200, box, 0);
    frameAt(state, *world, box, QSize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
}
BENCHMARK(SceneFrameHeaviestLoad)
    ->Args({512, 384})
    ->Args({960, 540})
    ->Args({1920, 1080})
    ->ArgNames({"sceneWidth", "sceneHeight"})
    ->Unit(benchmark::kMicrosecond);

void SceneFrameClassroomLoad(benchmark::State& state)
{
    const QSize scene(512, 384);
    auto world = crowdedWorld(0, 20, scene, 37);
    world->count[Kind::lactose] = 70;
    world->count[Kind::glucose] = 30;
    world->count[Kind::galactose] = 30;
    frameAt(state, *world, scene);
}
BENCHMARK(SceneFrameClassroomLoad)->Unit(benchmark::kMicrosecond);

void GraphRedrawFullPage(benchmark::State& state)
{
    const auto surface = shownSurface(432, 315);
    auto world = crowdedWorld(0, 0, {512, 384}, 37);
    world->substrateAmount = 200;
    world->graphCount = 100;
    world->graphTimeOffset = 300;
    for (std::int32_t i = 1; i <= 100; ++i) {
        world->graphSamples[i] = 200 - 2 * i;
        world->graphMarks[i] = i % 10 == 0 ? 255 : (i % 15 == 0 ? 16711680 : -1);
    }
    for (auto _ : state) {
        drawGraph(*surface, *world);
        benchmark::DoNotOptimize(surface->frontBuffer().constBits());
    }
}
BENCHMARK(GraphRedrawFullPage)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
