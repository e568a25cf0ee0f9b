#include "batch/BatchRun.h"
#include "batch/StateDump.h"
#include "support/WorldChecks.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace velmora {
namespace {

struct Outcome
{
    std::unique_ptr<World> world = std::make_unique<World>();
    std::string csv;
    std::string dump;
};

Outcome run(const BatchOptions& options)
{
    Outcome result;
    std::ostringstream csv;
    const std::int32_t ticks = runBatch(options, *result.world, &csv);
    std::ostringstream dump;
    writeStateDump(dump, *result.world, ticks);
    result.csv = csv.str();
    result.dump = dump.str();
    return result;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

TEST(BatchRun, SameOptionsGiveTheSameDump)
{
    BatchOptions options;
    options.reaction = 4;
    options.ticks = 600;
    options.events.push_back({100, BatchEvent::Variable::temperature, 55});
    const Outcome first = run(options);
    const Outcome second = run(options);
    EXPECT_EQ(first.dump, second.dump);
    EXPECT_EQ(first.csv, second.csv);
}

TEST(BatchRun, DumpHasEveryRecordInOrder)
{
    BatchOptions options;
    options.ticks = 0;
    const Outcome r = run(options);
    const std::vector<std::string> l = lines(r.dump);
    ASSERT_EQ(l.size(), 9u + 17u * 200u + 20u + 200u);
    EXPECT_EQ(l[0], "velmora-dump 1");
    EXPECT_EQ(l[1], "tick 0");
    EXPECT_EQ(l[2], "random " + std::to_string(r.world->random.state));
    EXPECT_EQ(l[3], "settings 1 37 7 20 100 0 20 50");
    EXPECT_EQ(l[4], "roles 8 9 6 7 16 41 8 0 0");
    EXPECT_EQ(l[5], "graph 0 0 0");
    EXPECT_EQ(l[6], "samples");
    EXPECT_EQ(l[7], "marks");
    EXPECT_EQ(l[8], "count 20 0 0 0 0 0 0 0 100 0 0 0 0 0 0 0 0");
    EXPECT_EQ(l[9].rfind("mol 0 1 ", 0), 0u);
    EXPECT_EQ(l[9 + 17 * 200 - 1].rfind("mol 16 200 ", 0), 0u);
    EXPECT_EQ(l[9 + 17 * 200], "enz 1 0 0 0 0 0 1") << "pH 7 is one below the optimum: charged +1";
    EXPECT_EQ(l[9 + 17 * 200 + 20].rfind("chain 1 0 2", 0), 0u);
    EXPECT_EQ(l.back(), "chain 200 199 0");
    EXPECT_EQ(r.dump.back(), '\n');
}

TEST(BatchRun, DumpListsTheSamplesAndMarksOfThePage)
{
    BatchOptions options;
    options.ticks = 60;
    options.events.push_back({45, BatchEvent::Variable::ph, 5});
    const Outcome r = run(options);
    const std::vector<std::string> l = lines(r.dump);
    EXPECT_EQ(l[5], "graph 3 0 0");
    EXPECT_EQ(l[6].rfind("samples ", 0), 0u);
    EXPECT_EQ(l[7], "marks -1 16711680 -1");
}

TEST(BatchRun, TimeCourseHasOneRowPerRecordedSecond)
{
    BatchOptions options;
    options.ticks = 2420; // 121 seconds: a page roll-over included
    const Outcome r = run(options);
    const std::vector<std::string> l = lines(r.csv);
    ASSERT_EQ(l.size(), 1u + 120u) << "the 101st second opens a new page without a sample";
    EXPECT_EQ(l[0], "second,substrate,percent,temperature,ph");
    EXPECT_EQ(l[1].rfind("1,", 0), 0u);
    EXPECT_EQ(l[100].rfind("100,", 0), 0u);
    EXPECT_EQ(l[101].rfind("101,", 0), 0u);
    EXPECT_EQ(l[120].rfind("120,", 0), 0u);
    EXPECT_NE(l[1].find(",37,7"), std::string::npos);
}

TEST(BatchRun, EventsActAfterTheirTick)
{
    BatchOptions options;
    options.ticks = 10;
    options.events.push_back({10, BatchEvent::Variable::temperature, 90});
    options.events.push_back({0, BatchEvent::Variable::ph, 8});
    const Outcome r = run(options);
    EXPECT_EQ(r.world->temperature, 80);
    EXPECT_EQ(r.world->ph, 8);
    for (std::int32_t e = 1; e <= 20; ++e) {
        EXPECT_TRUE(r.world->denatured[e]);
    }
    EXPECT_EQ(testing::brokenInvariant(*r.world), "");
}

// FNV-1a, 64 bits: a fingerprint of a run's outputs.
std::uint64_t fingerprint(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    return hash;
}

TEST(BatchRun, DefaultSeedKeepsEveryDumpAsBefore)
{
    // Fingerprints of dumps and time courses written before runs could start from other states.
    BatchOptions classroom;
    classroom.ticks = 400;
    BatchOptions amylose;
    amylose.reaction = Reaction::amyloseHydrolysis;
    amylose.smallSymbols = true;
    amylose.ticks = 600;
    amylose.events = {{100, BatchEvent::Variable::temperature, 55}, {300, BatchEvent::Variable::ph, 4}};
    BatchOptions acidSynthesis;
    acidSynthesis.reaction = Reaction::lactoseSynthesis;
    acidSynthesis.temperature = 50;
    acidSynthesis.ph = 2;
    acidSynthesis.ticks = 300;
    struct Case
    {
        const BatchOptions& options;
        std::uint64_t dump;
        std::uint64_t csv;
    };
    const Case cases[] = {{classroom, 3346762956676471551u, 15245552505586802111u},
                          {amylose, 17081481179122227106u, 12027363254818471250u},
                          {acidSynthesis, 16247601837738476390u, 17655805142133173734u}};
    for (const Case& c : cases) {
        const Outcome r = run(c.options);
        EXPECT_EQ(fingerprint(r.dump), c.dump) << "reaction " << c.options.reaction;
        EXPECT_EQ(fingerprint(r.csv), c.csv) << "reaction " << c.options.reaction;
    }
    BatchOptions seeded = classroom;
    seeded.seed = 1;
    EXPECT_NE(fingerprint(run(seeded).dump), cases[0].dump) << "another seed, another run";
}

TEST(BatchRun, TickLoopEndsAtEveryCount)
{
    struct Case
    {
        std::int32_t first;
        std::int32_t last;
        std::int64_t calls;
    };
    const Case cases[] = {
        {1, 0, 0}, {1, 1, 1}, {1, 3, 3}, {INT32_MAX - 2, INT32_MAX, 3}, {INT32_MAX, INT32_MAX, 1}};
    for (const Case& c : cases) {
        std::int64_t calls = 0;
        std::int32_t lastSeen = 0;
        forEachTick(c.first, c.last, [&](std::int32_t tick) {
            ++calls;
            lastSeen = tick;
            if (calls > c.calls) {
                throw std::runtime_error("the loop passes its last tick");
            }
        });
        EXPECT_EQ(calls, c.calls) << c.first << ".." << c.last;
        if (c.calls > 0) {
            EXPECT_EQ(lastSeen, c.last);
        }
    }
}

TEST(BatchRun, NoSubstrateRecordsNoSecond)
{
    BatchOptions options;
    options.substrate = 0;
    options.ticks = 100;
    const Outcome r = run(options);
    EXPECT_EQ(lines(r.csv).size(), 1u);
    EXPECT_EQ(r.world->graphCount, 0);
}

} // namespace
} // namespace velmora
