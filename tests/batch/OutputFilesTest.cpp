#include "batch/OutputFiles.h"
#include "batch/BatchSweep.h"
#include "batch/TemporaryFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace velmora {
namespace {

namespace fs = std::filesystem;

TEST(OutputFiles, TemporaryNamesFitTheFileSystemsLimit)
{
    const struct
    {
        std::string name;
        long longest;
        std::string expected;
    } cases[] = {
        {"t.csv", 255, ".t.csv.XXXXXX"},
        {std::string(247, 'a'), 255, "." + std::string(247, 'a') + ".XXXXXX"},
        {std::string(250, 'a') + ".csv", 255, "." + std::string(247, 'a') + ".XXXXXX"},
        // Not cut inside a character: "é" is two bytes.
        {std::string(246, 'a') + "éé.csv", 255, "." + std::string(246, 'a') + ".XXXXXX"},
        {"t.csv", -1, ".t.csv.XXXXXX"}, // no limit known
    };
    for (const auto& c : cases) {
        const std::string made = temporaryNameBeside(c.name, c.longest);
        EXPECT_EQ(made, c.expected) << c.name;
        EXPECT_LE(made.size(), 255u);
    }
}

TEST(OutputFiles, OutputsAreComparedAsFilesNotNames)
{
    const fs::path folder = fs::temp_directory_path() / ("velmora-outputs-" + std::to_string(getpid()));
    fs::create_directories(folder / "real");
    fs::create_directory_symlink(folder / "real", folder / "alias");
    std::ofstream(folder / "real" / "kept.txt") << "x";
    fs::create_hard_link(folder / "real" / "kept.txt", folder / "hard.txt");
    const auto at = [&](const char* name) { return (folder / name).string(); };

    const struct
    {
        std::string first;
        std::string second;
        bool same;
    } cases[] = {
        {at("real/new.csv"), at("alias/new.csv"), true}, // not yet made, through a linked folder
        {at("real/new.csv"), at("real/./new.csv"), true},
        {at("real/kept.txt"), at("hard.txt"), true}, // a hard link
        {at("real/new.csv"), at("real/other.csv"), false},
        {at("real/kept.txt"), at("alias/new.csv"), false},
        {"/dev/null", "/dev/null", false}, // a device takes several outputs
    };
    for (const auto& c : cases) {
        const std::string error = sameFileError({{"--csv", c.first}, {"--dump", c.second}});
        EXPECT_EQ(!error.empty(), c.same) << c.first << " and " << c.second << ": " << error;
    }
    fs::remove_all(folder);
}

TEST(OutputFiles, PlansWithinTheLimitAreAcceptedAndLargerOnesToldWithTheirTime)
{
    SweepPlan plan;
    plan.x = steppedAxis(SweepParameter::temperature, -10, 90, 1);
    plan.replicates = 9900;
    EXPECT_EQ(planSizeError(plan, 1), "") << "101 x 9900 experiments are within the limit";
    plan.series = steppedAxis(SweepParameter::substrate, 0, 200, 1);
    plan.replicates = 10000;
    const std::string error = planSizeError(plan, 4);
    EXPECT_EQ(error.rfind("203010000 experiments (201 x 101 points x 10000 repeats)", 0), 0u) << error;
    EXPECT_NE(error.find("they would take about "), std::string::npos) << error;
    EXPECT_NE(error.find(" on 4 jobs"), std::string::npos) << error;
}

} // namespace
} // namespace velmora
