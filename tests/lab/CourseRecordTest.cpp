#include "lab/CourseRecord.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

CourseRecord run(std::int32_t substrate, std::int32_t seconds, std::int32_t firstSecond = 1)
{
    ExperimentSettings settings;
    settings.substrate = substrate;
    CourseRecord record;
    record.start(settings);
    for (std::int32_t s = firstSecond; s < firstSecond + seconds; ++s) {
        record.add({s, substrate - s, 37, 7});
    }
    return record;
}

TEST(CourseRecord, KeepsFiveRunsAndBringsAKeptOneUpToDate)
{
    KeptCourses kept;
    CourseRecord record;
    EXPECT_EQ(kept.keep(record), KeepOutcome::nothingToKeep);
    for (int r = 1; r <= 5; ++r) {
        record.start({});
        record.add({1, 90, 37, 7});
        EXPECT_EQ(kept.keep(record), KeepOutcome::kept);
    }
    record.add({2, 80, 37, 7});
    EXPECT_EQ(kept.keep(record), KeepOutcome::replaced);
    EXPECT_EQ(kept.courses().back().seconds().size(), 2u);
    record.start({});
    record.add({1, 95, 37, 7});
    EXPECT_EQ(kept.keep(record), KeepOutcome::full);
    EXPECT_EQ(kept.courses().size(), 5u);
}

TEST(CourseRecord, ARunsSettingsFitInAColumnsHeader)
{
    struct Case
    {
        const char* what;
        ExperimentSettings settings;
        std::vector<RecordedSecond> seconds;
        const char* tag;
    };
    ExperimentSettings inhibited;
    inhibited.ph = 8;
    inhibited.other = 50;
    inhibited.scene = {256, 192};
    ExperimentSettings maltose;
    maltose.reaction = Reaction::maltoseHydrolysis;
    maltose.other = 50; // no inhibitor in this reaction
    maltose.scene = {600, 400};
    const Case cases[] = {
        {"classroom", {}, {{1, 99, 37, 7}}, "37 °C pH 7 E20 S100"},
        {"inhibited, small box", inhibited, {{1, 99, 37, 8}}, "37 °C pH 8 E20 S100 I50 V25 %"},
        {"heated, another reaction and box",
         maltose,
         {{1, 99, 37, 7}, {2, 98, 60, 7}},
         "maltose 37\u219260 °C pH 7 E20 S100 600x400"},
    };
    for (const Case& c : cases) {
        CourseRecord record;
        record.start(c.settings);
        for (const RecordedSecond& second : c.seconds) {
            record.add(second);
        }
        EXPECT_EQ(runSettingsTag(record), c.tag) << c.what;
    }
}

TEST(CourseRecord, KeptRunsAreColumnsBesideTheRunWithEmptyCellsWhereTheyHaveNoSecond)
{
    const CourseRecord current = run(80, 2);
    const std::vector<CourseRecord> kept{run(200, 3), run(50, 1, 2)};
    std::ostringstream csv;
    writeTimeCourseCsv(csv, current, kept);
    EXPECT_EQ(csv.str(), "second,substrate,percent,temperature,ph,kept1 (37 °C pH 7 E20 S200),"
                         "kept2 (37 °C pH 7 E20 S50)\n"
                         "1,79,98,37,7,99,\n"
                         "2,78,97,37,7,99,96\n"
                         "3,,,,,98,\n");
    std::ostringstream alone;
    writeTimeCourseCsv(alone, current);
    EXPECT_EQ(alone.str(), "second,substrate,percent,temperature,ph\n1,79,98,37,7\n2,78,97,37,7\n");
}

} // namespace
} // namespace velmora
