#include "lab/Sweep.h"
#include "lab/SweepTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <sstream>

namespace velmora {
namespace {

SweepPlan smallGrid()
{
    SweepPlan plan;
    plan.base.ph = 8;
    plan.x = steppedAxis(SweepParameter::enzyme, 5, 25, 10);
    plan.series = SweepAxis{SweepParameter::other, {0, 40}};
    plan.measures.halfTime = true;
    plan.measures.left = true;
    plan.ticks = 500;
    plan.replicates = 3;
    plan.seed = 7;
    return plan;
}

std::string table(const SweepResult& result)
{
    std::ostringstream out;
    writeSweepTable(out, result);
    return out.str();
}

TEST(Sweep, ResultsDoNotDependOnTheJobs)
{
    const SweepPlan plan = smallGrid();
    const SweepResult oneJob = runSweep(plan, {1, nullptr, nullptr});
    const SweepResult twoJobs = runSweep(plan, {2, nullptr, nullptr});
    const SweepResult manyJobs = runSweep(plan, {7, nullptr, nullptr});
    EXPECT_EQ(table(oneJob), table(twoJobs));
    EXPECT_EQ(table(oneJob), table(manyJobs));
    ASSERT_EQ(oneJob.points.size(), 6u);

    // Each point's statistics are those of the runs that its settings and states give on their
    // own; no run is kept, since no fit needs them.
    for (const SweepPoint& point : twoJobs.points) {
        EXPECT_TRUE(point.runs.empty());
        double sum = 0;
        std::vector<double> values;
        for (std::int32_t r = 0; r < plan.replicates; ++r) {
            const std::optional<RunMeasures> alone =
                measureExperiment(pointSettings(plan, point.seriesValue, point.xValue), plan.measures,
                                  plan.ticks, replicateSeed(7, r));
            values.push_back(*alone->left);
            sum += *alone->left;
        }
        const double mean = sum / plan.replicates;
        double squares = 0;
        for (const double value : values) {
            squares += (value - mean) * (value - mean);
        }
        EXPECT_EQ(point.left.count, plan.replicates);
        EXPECT_EQ(point.left.mean, mean);
        EXPECT_NEAR(point.left.standardDeviation, std::sqrt(squares / (plan.replicates - 1)), 1e-12);
    }

    // A substrate sweep of the initial rate keeps every run, for the fit, in replicate order.
    SweepPlan fitted = plan;
    fitted.x = steppedAxis(SweepParameter::substrate, 0, 100, 50);
    fitted.measures.initialRate = true;
    for (const SweepPoint& point : runSweep(fitted, {3, nullptr, nullptr}).points) {
        ASSERT_EQ(point.runs.size(), 3u);
        for (std::int32_t r = 0; r < fitted.replicates; ++r) {
            const std::optional<RunMeasures> alone =
                measureExperiment(pointSettings(fitted, point.seriesValue, point.xValue), fitted.measures,
                                  fitted.ticks, replicateSeed(7, r));
            const RunMeasures& inSweep = point.runs[static_cast<std::size_t>(r)];
            EXPECT_EQ(inSweep.initialRate, alone->initialRate);
            EXPECT_EQ(inSweep.halfTime, alone->halfTime);
            EXPECT_EQ(inSweep.left, alone->left);
        }
    }
}

TEST(Sweep, TableHasOneRowPerPointAndTheChosenColumns)
{
    SweepPlan plan;
    plan.x = steppedAxis(SweepParameter::substrate, 0, 20, 20);
    plan.measures.halfTime = true;
    plan.ticks = 200;
    std::istringstream lines(table(runSweep(plan)));
    std::string header;
    std::string noSubstrate;
    std::getline(lines, header);
    std::getline(lines, noSubstrate);
    EXPECT_EQ(header,
              "substrate,initial_rate,initial_rate_sd,initial_rate_min,initial_rate_max,"
              "initial_rate_cut_short,half_time,half_time_sd,half_time_min,half_time_max,half_time_reached");
    EXPECT_EQ(noSubstrate, "0,0.000,,0.000,0.000,0,,,,,0")
        << "no substrate: a rate of 0, no half-time, no spread of one run";

    // Over 10 seconds, as before, without the column of the runs cut short.
    plan.measures.initialRateSeconds = 10;
    plan.measures.halfTime = false;
    plan.replicates = 4;
    const SweepResult overSeconds = runSweep(plan);
    std::istringstream again(table(overSeconds));
    std::getline(again, header);
    EXPECT_EQ(header, "substrate,initial_rate,initial_rate_sd,initial_rate_min,initial_rate_max");
    // The range is that of the runs.
    const SweepPoint& twenty = overSeconds.points[1];
    double low = 1e9;
    double high = -1e9;
    for (const RunMeasures& run : twenty.runs) {
        low = std::min(low, *run.initialRate);
        high = std::max(high, *run.initialRate);
    }
    EXPECT_EQ(twenty.initialRate.minimum, low);
    EXPECT_EQ(twenty.initialRate.maximum, high);
    EXPECT_LT(low, high);
}

TEST(Experiment, WindowSettingsGiveBackTheExperimentThatItRuns)
{
    ExperimentSettings settings;
    settings.reaction = Reaction::maltoseHydrolysis;
    settings.temperature = 95;
    settings.ph = 5;
    settings.enzyme = 33;
    settings.substrate = 150;
    settings.other = 12;
    settings.smallSymbols = true;
    settings.scene = {640, 360};
    settings.maxProductsCaption = 400;
    World world;
    Experiment experiment(settings, world);
    const ExperimentSettings back = experimentSettingsFor(world, settings.scene, 95, 5);
    EXPECT_EQ(world.temperature, 80) << "the model lowers 95 to 80; the panel keeps 95";
    EXPECT_EQ(back.reaction, settings.reaction);
    EXPECT_EQ(back.temperature, 95);
    EXPECT_EQ(back.ph, 5);
    EXPECT_EQ(back.enzyme, 33);
    EXPECT_EQ(back.substrate, 150);
    EXPECT_EQ(back.other, 12);
    EXPECT_TRUE(back.smallSymbols);
    EXPECT_EQ(back.scene.width, 640);
    EXPECT_EQ(back.maxProductsCaption, 400);
}

TEST(Sweep, ReplicatesStartFromDistinctStatesBeginningWithTheSeed)
{
    EXPECT_EQ(replicateSeed(designedSeed, 0), designedSeed);
    EXPECT_EQ(replicateSeed(99, 0), 99u);
    std::set<std::uint32_t> states;
    for (std::int32_t r = 0; r < 10000; ++r) {
        states.insert(replicateSeed(0xFFFFFFF0u, r));
    }
    EXPECT_EQ(states.size(), 10000u);
}

TEST(Sweep, ProgressCountsEveryRunAndCancelStops)
{
    SweepPlan plan = smallGrid();
    std::vector<std::size_t> seen;
    SweepControl control;
    control.jobs = 2;
    control.progress = [&](SweepProgress progress) {
        seen.push_back(progress.runsDone);
        EXPECT_EQ(progress.runsTotal, 18u);
    };
    EXPECT_FALSE(runSweep(plan, control).cancelled);
    ASSERT_EQ(seen.size(), 18u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], i + 1);
    }

    std::atomic<bool> cancel{false};
    std::size_t runs = 0;
    control.cancel = &cancel;
    control.progress = [&](SweepProgress) {
        if (++runs == 2) {
            cancel = true;
        }
    };
    const SweepResult stopped = runSweep(plan, control);
    EXPECT_TRUE(stopped.cancelled);
    EXPECT_LT(runs, 18u);
}

} // namespace
} // namespace velmora
