#include "lab/Measures.h"
#include "lab/Sweep.h"
#include "model/Tick.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

// A course whose second i (from 1) holds substrates[i - 1].
RunCourse course(std::int32_t amount, std::vector<std::int32_t> substrates, std::int32_t atEnd)
{
    RunCourse result{amount, {}, atEnd, {}, 0};
    for (std::size_t i = 0; i < substrates.size(); ++i) {
        result.samples.push_back({static_cast<std::int32_t>(i + 1), substrates[i]});
    }
    return result;
}

TEST(Measures, HandCheckedCourses)
{
    MeasureChoice all;
    all.initialRateSeconds = 10;
    all.halfTime = true;
    all.left = true;
    MeasureChoice overFive = all;
    overFive.initialRateSeconds = 5;
    struct Case
    {
        const char* what;
        RunCourse course;
        MeasureChoice choice;
        std::optional<double> rate;
        std::optional<std::int32_t> halfTime;
        std::optional<double> left;
    };
    const std::vector<Case> cases = {
        {"classroom start", course(100, {100, 93, 88, 81, 75, 70, 66, 62, 55, 52, 49}, 0), all, 4.8, 11, 0.0},
        {"rate over 5 s", course(100, {100, 93, 88, 81, 75, 70}, 70), overFive, 5.0, std::nullopt, 70.0},
        // 50 of 99 is more than half: the half-time is the next second.
        {"half counted exactly", course(99, {60, 50, 49, 49, 49, 49, 49, 49, 49, 40}, 40), all, 5.9, 3,
         40.0 * 100 / 99},
        {"half never reached", course(40, {40, 39, 38, 37, 36, 35, 34, 33, 32, 31, 30}, 30), all, 0.9,
         std::nullopt, 75.0},
        {"record shorter than the rate's seconds", course(40, {40, 30, 20}, 20), all, std::nullopt, 3, 50.0},
        {"no substrate", RunCourse{0, {}, 0, {}, 0}, all, 0.0, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        const RunMeasures m = measureCourse(c.course, c.choice);
        ASSERT_EQ(m.initialRate.has_value(), c.rate.has_value()) << c.what;
        if (c.rate) {
            EXPECT_DOUBLE_EQ(*m.initialRate, *c.rate) << c.what;
        }
        EXPECT_EQ(m.halfTime, c.halfTime) << c.what;
        ASSERT_EQ(m.left.has_value(), c.left.has_value()) << c.what;
        if (c.left) {
            EXPECT_DOUBLE_EQ(*m.left, *c.left) << c.what;
        }
    }
}

// The initial rate over a share of the substrate, counted on the ticks.
TEST(Measures, TheInitialRateRunsUntilItsShareIsTransformed)
{
    const auto withShare = [](std::int32_t amount, std::optional<TickSample> reached, std::int32_t atEnd,
                              std::int64_t ticks) {
        RunCourse result{amount, {}, atEnd, {}, 0};
        result.shareReached = reached;
        result.ticksRun = ticks;
        return result;
    };
    MeasureChoice tenPercent;
    struct Case
    {
        const char* what;
        RunCourse course;
        double rate;
        bool cutShort;
    };
    const std::vector<Case> cases = {
        // 10 of 100 transformed at tick 30 (1.5 s): 10 / 1.5 molecules per second.
        {"reached", withShare(100, TickSample{30, 90}, 0, 2000), 10.0 / 1.5, false},
        {"reached with more", withShare(100, TickSample{1, 88}, 0, 2000), 240.0, false},
        // The run ended first: 4 transformed in 2000 ticks, 100 s.
        {"cut short", withShare(100, std::nullopt, 96, 2000), 0.04, true},
        {"nothing moved", withShare(100, std::nullopt, 100, 2000), 0.0, true},
        {"no substrate", withShare(0, std::nullopt, 0, 0), 0.0, false},
    };
    for (const Case& c : cases) {
        const RunMeasures m = measureCourse(c.course, tenPercent);
        ASSERT_TRUE(m.initialRate) << c.what;
        EXPECT_DOUBLE_EQ(*m.initialRate, c.rate) << c.what;
        EXPECT_EQ(m.initialRateCutShort, c.cutShort) << c.what;
    }
    // The share is counted exactly: 10 % of 95 is reached with 10 molecules, not 9.
    EXPECT_FALSE(shareTransformed(86, 95, 10));
    EXPECT_TRUE(shareTransformed(85, 95, 10));
    EXPECT_TRUE(shareTransformed(50, 100, 50));
    EXPECT_FALSE(shareTransformed(51, 100, 50));
}

TEST(Measures, RunsStoppedEarlyMeasureAsTheWholeRun)
{
    ExperimentSettings settings;
    settings.ph = 8;
    settings.substrate = 60;
    constexpr std::int32_t ticks = 1000;
    for (const std::uint32_t seed : {0u, 12345u}) {
        // The whole record, tick by tick.
        const auto world = std::make_unique<World>();
        Experiment experiment(settings, *world, seed);
        RunCourse whole{world->substrateAmount, {}, 0, {}, 0};
        for (std::int32_t t = 1; t <= ticks; ++t) {
            if (const auto recorded = experiment.tick()) {
                whole.samples.push_back({recorded->second, recorded->substrate});
            }
            const std::int32_t left = world->count[world->substrateKind];
            if (!whole.shareReached &&
                shareTransformed(left, whole.substrateAmount, defaultInitialRateShare)) {
                whole.shareReached = TickSample{t, left};
            }
        }
        whole.ticksRun = ticks;
        whole.substrateAtEnd = world->count[world->substrateKind];
        MeasureChoice all;
        all.halfTime = true;
        all.left = true;
        const RunMeasures expected = measureCourse(whole, all);
        ASSERT_TRUE(expected.halfTime.has_value());
        ASSERT_TRUE(whole.shareReached.has_value());
        MeasureChoice overTen = all;
        overTen.initialRateSeconds = 10;
        const RunMeasures expectedOverTen = measureCourse(whole, overTen);

        MeasureChoice rateOnly;
        MeasureChoice rateOverTenOnly;
        rateOverTenOnly.initialRateSeconds = 10;
        MeasureChoice halfTimeOnly;
        halfTimeOnly.initialRate = false;
        halfTimeOnly.halfTime = true;
        EXPECT_EQ(measureExperiment(settings, rateOnly, ticks, seed)->initialRate, expected.initialRate);
        EXPECT_EQ(measureExperiment(settings, rateOverTenOnly, ticks, seed)->initialRate,
                  expectedOverTen.initialRate);
        EXPECT_EQ(measureExperiment(settings, halfTimeOnly, ticks, seed)->halfTime, expected.halfTime);
        EXPECT_EQ(measureExperiment(settings, all, ticks, seed)->left, expected.left);
    }
}

// A run in which nothing can happen any more is stopped early; it measures as if it had run on,
// and the count it stopped on is the count it would have ended with.
TEST(Measures, ASettledRunEndsAsItStands)
{
    struct Case
    {
        const char* what;
        std::int32_t reaction;
        std::int32_t temperature;
        std::int32_t ph;
        bool settles;
    };
    const Case cases[] = {
        {"frozen", Reaction::lactoseHydrolysis, -5, 8, true},
        {"at 0 degrees C", Reaction::maltoseHydrolysis, 0, 6, true},
        {"too hot for any enzyme", Reaction::lactoseHydrolysis, 85, 8, true},
        {"far from the optimum pH", Reaction::lactoseSynthesis, 37, 14, true},
        {"acid goes on without enzyme", Reaction::lactoseHydrolysis, 85, 1, false},
        {"amylose frozen", Reaction::amyloseHydrolysis, -10, 7, true},
        {"warm and working", Reaction::lactoseHydrolysis, 37, 8, false},
    };
    constexpr std::int32_t ticks = 600;
    for (const Case& c : cases) {
        ExperimentSettings settings;
        settings.reaction = c.reaction;
        settings.temperature = c.temperature;
        settings.ph = c.ph;
        settings.enzyme = 60;
        settings.substrate = 47; // amylose: chains of five and a lone unit
        const auto world = std::make_unique<World>();
        Experiment experiment(settings, *world, 3);
        std::vector<std::pair<std::int32_t, std::int32_t>> settledAt; // (tick, count)
        for (std::int32_t t = 1; t <= ticks; ++t) {
            experiment.tick();
            if (substrateSettled(*world, ticks - t)) {
                settledAt.emplace_back(t, world->count[world->substrateKind]);
            }
        }
        const std::int32_t atEnd = world->count[world->substrateKind];
        EXPECT_EQ(!settledAt.empty(), c.settles) << c.what;
        for (const auto& [tick, count] : settledAt) {
            EXPECT_EQ(count, atEnd) << c.what << " at tick " << tick;
        }
        MeasureChoice shareAndLeft;
        shareAndLeft.left = true;
        const RunMeasures stopped = *measureExperiment(settings, shareAndLeft, ticks, 3);
        EXPECT_EQ(stopped.left, 100.0 * atEnd / world->substrateAmount) << c.what;
    }
}

// A run frozen at its start but warmed later by a panel change is not settled: it measures as the
// whole run does (the cold-then-warm control of the lessons).
TEST(Measures, AFrozenRunWarmedLaterIsNotStoppedEarly)
{
    ExperimentSettings settings;
    settings.reaction = Reaction::amyloseHydrolysis;
    settings.temperature = 0;
    settings.ph = 7;
    settings.events.push_back({1200, PanelEvent::Variable::temperature, 37});
    constexpr std::int32_t ticks = 2400;
    const auto world = std::make_unique<World>();
    Experiment experiment(settings, *world, 5);
    for (std::int32_t t = 1; t <= ticks; ++t) {
        experiment.tick();
    }
    MeasureChoice leftOnly;
    leftOnly.initialRate = false;
    leftOnly.left = true;
    const double expected = 100.0 * world->count[world->substrateKind] / world->substrateAmount;
    EXPECT_LT(expected, 50.0); // the warm minute did its work
    EXPECT_EQ(measureExperiment(settings, leftOnly, ticks, 5)->left, expected);
}

// What the initial rate over 10 % of the substrate shows that the rate over 10 seconds did not:
// a rate in the cold, and with 200 enzymes and 200 lactose an optimum of temperature and of pH.
TEST(Measures, TheInitialRateShowsTheColdRateAndTheOptima)
{
    SweepPlan cold;
    cold.base.temperature = 5;
    cold.base.ph = 8;
    cold.x = steppedAxis(SweepParameter::substrate, 100, 100, 1);
    cold.replicates = 10;
    EXPECT_GT(runSweep(cold).points[0].initialRate.mean, 0.1);

    SweepPlan heat;
    heat.base.ph = 8;
    heat.base.enzyme = heat.base.substrate = 200;
    heat.x = steppedAxis(SweepParameter::temperature, 25, 75, 25);
    heat.replicates = 10;
    const SweepResult byTemperature = runSweep(heat);
    const double optimum = byTemperature.points[1].initialRate.mean; // 50 degrees C
    EXPECT_GT(optimum, 1.5 * byTemperature.points[0].initialRate.mean);
    EXPECT_GT(optimum, 1.5 * byTemperature.points[2].initialRate.mean);

    SweepPlan acidity = heat;
    acidity.base.temperature = 37;
    acidity.x = steppedAxis(SweepParameter::ph, 6, 10, 2);
    const SweepResult byPh = runSweep(acidity);
    EXPECT_GT(byPh.points[1].initialRate.mean, byPh.points[0].initialRate.mean + 1.0);
    EXPECT_GT(byPh.points[1].initialRate.mean, byPh.points[2].initialRate.mean + 1.0);
}

} // namespace
} // namespace velmora
