#include "lab/BatchCommand.h"
#include "batch/BatchOptions.h"
#include "batch/BatchSweep.h"
#include "lab/ActivityCurves.h"
#include "model/BoxVolume.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

// The command that the window shows for an activity curve runs that very sweep.
TEST(BatchCommand, RunsTheWindowsActivityCurves)
{
    ExperimentSettings loaded;
    loaded.temperature = -5;
    loaded.ph = 9;
    loaded.enzyme = 150;
    loaded.substrate = 30;
    loaded.other = 80;
    loaded.smallSymbols = true;
    loaded.scene = {960, 540};
    loaded.maxProductsCaption = 400;
    ExperimentSettings maltose;
    maltose.reaction = Reaction::maltoseHydrolysis;
    maltose.other = 80; // no thiolactose in this reaction: no comparison
    ExperimentSettings quarterVolume;
    quarterVolume.scene = *boxForVolume(25); // written as --volume 25
    for (const ExperimentSettings& settings : {ExperimentSettings{}, loaded, maltose, quarterVolume}) {
        for (const ActivityCurve curve : {ActivityCurve::temperature, ActivityCurve::ph,
                                          ActivityCurve::substrate, ActivityCurve::inhibitor}) {
            SCOPED_TRACE(static_cast<int>(curve));
            SweepPlan plan = activityCurvePlan(curve, settings);
            plan.seed = settings.scene.width == 960 ? 12345u : designedSeed;
            // Each way of taking the initial rate.
            plan.measures.initialRateShare = settings.smallSymbols ? 25 : defaultInitialRateShare;
            plan.measures.initialRateSeconds = settings.reaction == Reaction::maltoseHydrolysis ? 10 : 0;
            const std::vector<std::string> arguments = sweepArguments(plan);
            const BatchCommandLine line =
                parseBatchCommandLine(std::vector<std::string_view>(arguments.begin(), arguments.end()));
            ASSERT_EQ(line.error, "") << batchCommand(arguments);
            const SweepPlan parsed = sweepPlanFor(line.options);
            const ExperimentSettings& a = parsed.base;
            const ExperimentSettings& b = plan.base;
            EXPECT_EQ(std::tie(a.reaction, a.temperature, a.ph, a.enzyme, a.substrate, a.other,
                               a.smallSymbols, a.scene.width, a.scene.height, a.maxProductsCaption),
                      std::tie(b.reaction, b.temperature, b.ph, b.enzyme, b.substrate, b.other,
                               b.smallSymbols, b.scene.width, b.scene.height, b.maxProductsCaption));
            EXPECT_EQ(parsed.x.parameter, plan.x.parameter);
            EXPECT_EQ(parsed.x.values, plan.x.values);
            ASSERT_EQ(parsed.series.has_value(), plan.series.has_value());
            if (plan.series) {
                EXPECT_EQ(parsed.series->parameter, plan.series->parameter);
                EXPECT_EQ(parsed.series->values, plan.series->values);
            }
            EXPECT_EQ(parsed.measures.initialRate, plan.measures.initialRate);
            EXPECT_EQ(parsed.measures.initialRateSeconds, plan.measures.initialRateSeconds);
            EXPECT_EQ(parsed.measures.initialRateShare, plan.measures.initialRateShare);
            EXPECT_EQ(std::tie(parsed.replicates, parsed.seed, parsed.ticks),
                      std::tie(plan.replicates, plan.seed, plan.ticks));
        }
    }
}

} // namespace
} // namespace velmora
