#include "model/Random.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace velmora {
namespace {

TEST(Random, DrawsTheSameSequenceFromStateZero)
{
    struct Draw
    {
        std::int32_t bound;
        std::uint32_t state;
        std::int32_t value;
    };
    // The state after each call and the value it gives, from a generator that starts at 0.
    const Draw expected[] = {
        {1000000, 1u, 0},          {1000000, 134775814u, 31379}, {1000000, 3698175007u, 861048},
        {5120, 870078620u, 1037},  {3840, 1172187917u, 1048},    {51, 2884733762u, 34},
        {7, 1368768587u, 2},
    };
    Random random;
    for (const Draw& draw : expected) {
        EXPECT_EQ(random.randomBelow(draw.bound), draw.value);
        EXPECT_EQ(random.state, draw.state);
    }
}

TEST(Random, BoundOfZeroOrLessGivesZeroButStillAdvances)
{
    for (const std::int32_t bound : {0, -1, -2147483647 - 1}) {
        Random random;
        random.state = 12345u;
        EXPECT_EQ(random.randomBelow(bound), 0);
        EXPECT_EQ(random.state, 12345u * 134775813u + 1u);
    }
}

TEST(Random, StaysBelowItsBound)
{
    Random random;
    for (int i = 0; i < 10000; ++i) {
        const std::int32_t value = random.randomBelow(7);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 7);
    }
    EXPECT_LT(random.randomBelow(2147483647), 2147483647);
}

} // namespace
} // namespace velmora
