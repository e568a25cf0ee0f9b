#include "app/batch/BatchOptions.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

BatchCommandLine parse(std::vector<std::string_view> arguments)
{
    return parseBatchCommandLine(arguments);
}

TEST(BatchOptions, DefaultsDescribeAClassroomExperiment)
{
    const BatchCommandLine line = parse({});
    ASSERT_EQ(line.error, "");
    const BatchOptions& o = line.options;
    EXPECT_EQ(o.reaction, 1);
    EXPECT_EQ(o.temperature, 37);
    EXPECT_EQ(o.ph, 7);
    EXPECT_EQ(o.enzyme, 20);
    EXPECT_EQ(o.substrate, 100);
    EXPECT_EQ(o.other, 0);
    EXPECT_FALSE(o.smallSymbols);
    EXPECT_EQ(o.scene.width, 512);
    EXPECT_EQ(o.scene.height, 384);
    EXPECT_EQ(o.maxProductsCaption, 100);
    EXPECT_EQ(o.ticks, 2000);
    EXPECT_TRUE(o.events.empty());
    EXPECT_EQ(o.csvPath, "");
    EXPECT_EQ(o.dumpPath, "");
    EXPECT_EQ(o.seed, 0u);
}

TEST(BatchOptions, EveryOptionIsRead)
{
    const BatchCommandLine line = parse({"--reaction",     "4",
                                         "--temperature",  "-10",
                                         "--ph",           "+3",
                                         "--enzyme",       "250",
                                         "--substrate",    "-7",
                                         "--other",        "12",
                                         "--symbols",      "small",
                                         "--scene",        "960x540",
                                         "--max-products", "400",
                                         "--ticks",        "0",
                                         "--event",        "20:temperature=60",
                                         "--event",        "0:ph=2",
                                         "--csv",          "a.csv",
                                         "--dump",         "b.txt",
                                         "--seed",         "4294967295"});
    ASSERT_EQ(line.error, "");
    const BatchOptions& o = line.options;
    EXPECT_EQ(o.reaction, 4);
    EXPECT_EQ(o.temperature, -10);
    EXPECT_EQ(o.ph, 3);
    EXPECT_EQ(o.enzyme, 200) << "quantities are brought into 0..200";
    EXPECT_EQ(o.substrate, 0);
    EXPECT_EQ(o.other, 12);
    EXPECT_TRUE(o.smallSymbols);
    EXPECT_EQ(o.scene.width, 960);
    EXPECT_EQ(o.scene.height, 540);
    EXPECT_EQ(o.maxProductsCaption, 400);
    EXPECT_EQ(o.ticks, 0);
    ASSERT_EQ(o.events.size(), 2u);
    EXPECT_EQ(o.events[0].tick, 20);
    EXPECT_EQ(o.events[0].variable, BatchEvent::Variable::temperature);
    EXPECT_EQ(o.events[0].value, 60);
    EXPECT_EQ(o.events[1].tick, 0);
    EXPECT_EQ(o.events[1].variable, BatchEvent::Variable::ph);
    EXPECT_EQ(o.events[1].value, 2);
    EXPECT_EQ(o.csvPath, "a.csv");
    EXPECT_EQ(o.dumpPath, "b.txt");
    EXPECT_EQ(o.seed, 4294967295u);
}

TEST(BatchOptions, FaultyLinesAreRefusedNamingTheOption)
{
    struct Case
    {
        std::vector<std::string_view> arguments;
        const char* named;
    };
    const Case cases[] = {
        {{"--speed", "3"}, "--speed"},
        {{"reaction"}, "reaction"},
        {{""}, "''"},
        {{"--reaction"}, "--reaction"},
        {{"--reaction", "5"}, "--reaction"},
        {{"--reaction", "0"}, "--reaction"},
        {{"--temperature", "37.5"}, "--temperature"},
        {{"--temperature", "99999999999"}, "--temperature"},
        {{"--ph", ""}, "--ph"},
        {{"--enzyme", "abc"}, "--enzyme"},
        {{"--symbols", "medium"}, "--symbols"},
        {{"--scene", "960"}, "--scene"},
        {{"--scene", "960x"}, "--scene"},
        {{"--scene", "0x540"}, "--scene"},
        {{"--scene", "-960x540"}, "--scene"},
        {{"--scene", "200000x540"}, "--scene"},
        {{"--max-products", "30"}, "--max-products"},
        {{"--ticks", "-1"}, "--ticks"},
        {{"--event", "20"}, "--event"},
        {{"--event", "20:speed=4"}, "--event"},
        {{"--event", "-1:ph=4"}, "--event"},
        {{"--event", "x:ph=4"}, "--event"},
        {{"--event", "3:ph="}, "--event"},
        {{"--event", "ph=4:3"}, "--event"},
        {{"--csv", ""}, "--csv"},
        {{"--dump"}, "--dump"},
        {{"--seed", "-1"}, "--seed"},
        {{"--seed", "4294967296"}, "--seed"},
        {{"--seed", "12a"}, "--seed"},
    };
    for (const Case& c : cases) {
        const BatchCommandLine line = parse(c.arguments);
        EXPECT_NE(line.error.find(c.named), std::string::npos) << "error '" << line.error << "'";
        EXPECT_EQ(line.error.find('\n'), std::string::npos) << "one line";
    }
}

TEST(BatchOptions, HelpIsRecognised)
{
    EXPECT_TRUE(parse({"--help"}).helpRequested);
    EXPECT_NE(batchUsage().find("--event"), std::string_view::npos);
}

} // namespace
} // namespace velmora
