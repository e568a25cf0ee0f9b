#include "experiment/Lifecycle.h"
#include "model/Tick.h"
#include "support/Scenario.h"
#include "support/WorldChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace velmora {
namespace {

constexpr SceneSize scene{512, 384};
constexpr int twentyMinutes = 20 * 60 * 20; // ticks of 50 ms

class Soak : public ::testing::TestWithParam<std::int32_t>
{
};

// Every reaction at the edges of the panel's ranges, every quantity at 200, for twenty simulated
// minutes, with the invariants checked after every tick.
TEST_P(Soak, TwentyMinutesAtEveryTemperatureAndPhWithEverythingAt200)
{
    const std::int32_t reaction = GetParam();
    const std::int32_t optima[] = {0, 8, 8, 6, 7};
    for (const std::int32_t temperature : {-10, 0, 37, 60, 90}) {
        for (const std::int32_t ph : {0, 2, optima[reaction], 14}) {
            auto world = testing::startedAtFullLoad({reaction, false}, scene, temperature, ph);
            WindowUpdate update;
            for (int tick = 1; tick <= twentyMinutes; ++tick) {
                Timer2Timer(*world, scene, update);
                const std::string broken = testing::brokenInvariant(*world);
                ASSERT_EQ(broken, "") << temperature << " C, pH " << ph << ", tick " << tick;
            }
            // One graph second every twenty ticks; a page takes 101 of them, its last one opening the
            // next page without a sample.
            const int seconds = twentyMinutes / 20;
            EXPECT_EQ(world->graphTimeOffset + world->graphCount, seconds / 101 * 100 + seconds % 101)
                << temperature << " C, pH " << ph;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryReaction, Soak, ::testing::Values(1, 2, 3, 4));

} // namespace
} // namespace velmora
