#include "lab/Measures.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

// A course whose second i (from 1) holds substrates[i - 1].
RunCourse course(std::int32_t amount, std::vector<std::int32_t> substrates, std::int32_t atEnd)
{
    RunCourse result{amount, {}, atEnd};
    for (std::size_t i = 0; i < substrates.size(); ++i) {
        result.samples.push_back({static_cast<std::int32_t>(i + 1), substrates[i]});
    }
    return result;
}

TEST(Measures, HandCheckedCourses)
{
    MeasureChoice all;
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
        {"no substrate", RunCourse{0, {}, 0}, all, 0.0, std::nullopt, std::nullopt},
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
        RunCourse whole{world->substrateAmount, {}, 0};
        for (std::int32_t t = 0; t < ticks; ++t) {
            if (const auto recorded = experiment.tick()) {
                whole.samples.push_back({recorded->second, recorded->substrate});
            }
        }
        whole.substrateAtEnd = world->count[world->substrateKind];
        MeasureChoice all;
        all.halfTime = true;
        all.left = true;
        const RunMeasures expected = measureCourse(whole, all);
        ASSERT_TRUE(expected.halfTime.has_value());

        MeasureChoice rateOnly;
        MeasureChoice halfTimeOnly;
        halfTimeOnly.initialRate = false;
        halfTimeOnly.halfTime = true;
        EXPECT_EQ(measureExperiment(settings, rateOnly, ticks, seed)->initialRate, expected.initialRate);
        EXPECT_EQ(measureExperiment(settings, halfTimeOnly, ticks, seed)->halfTime, expected.halfTime);
        EXPECT_EQ(measureExperiment(settings, all, ticks, seed)->left, expected.left);
    }
}

} // namespace
} // namespace velmora
