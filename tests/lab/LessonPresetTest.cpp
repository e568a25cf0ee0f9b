#include "lab/LessonPreset.h"

#include <gtest/gtest.h>

using namespace velmora;

namespace {

struct Request
{
    const char* text;
    bool accepted;
};

} // namespace

// A lesson's request, as the movie sends it: the accepted ones in any order, every faulty one
// refused whole.
TEST(LessonPreset, ReadsEverySettingAndRefusesFaultyRequestsWhole)
{
    const LessonPresetReading full =
        readLessonPreset("ph=8 reaction=1 temperature=-10  enzyme=20 substrate=200 other=0");
    ASSERT_TRUE(full.preset) << full.error;
    EXPECT_EQ(full.preset->reaction, 1);
    EXPECT_EQ(full.preset->temperature, -10);
    EXPECT_EQ(full.preset->ph, 8);
    EXPECT_EQ(full.preset->enzyme, 20);
    EXPECT_EQ(full.preset->substrate, 200);
    EXPECT_EQ(full.preset->inhibitor, 0);
    EXPECT_FALSE(full.volume);
    EXPECT_EQ(readLessonPreset("volume=400").volume, 400);

    const LessonPresetReading some = readLessonPreset("temperature=90");
    ASSERT_TRUE(some.preset);
    EXPECT_EQ(some.preset->temperature, 90);
    EXPECT_FALSE(some.preset->reaction || some.preset->ph || some.preset->enzyme || some.preset->substrate ||
                 some.preset->inhibitor);

    const Request requests[] = {
        {"reaction=4 ph=14 enzyme=0", true},
        {"", false},
        {"   ", false},
        {"reaction=5", false},
        {"reaction=0", false},
        {"temperature=91", false},
        {"temperature=-11", false},
        {"ph=15", false},
        {"enzyme=201", false},
        {"other=-1", false},
        {"ph=7.5", false},
        {"ph=", false},
        {"ph", false},
        {"=7", false},
        {"volume=25 reaction=1", true},
        {"volume=30", false},
        {"volume=25 volume=25", false},
        {"ph=7 ph=8", false},
        {"ph=0x7", false},
        {"ph=99999999999", false},
        {"temperature=37 ph=8 enzyme=twenty", false},
    };
    for (const Request& request : requests) {
        const LessonPresetReading reading = readLessonPreset(request.text);
        EXPECT_EQ(reading.preset.has_value(), request.accepted) << request.text;
        EXPECT_EQ(reading.error.empty(), request.accepted) << request.text;
    }
}
