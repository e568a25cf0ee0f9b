#include "batch/BatchOptions.h"

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

TEST(BatchOptions, AVolumeIsTheBoxOfThatVolume)
{
    struct Case
    {
        std::string_view volume;
        std::int32_t width;
        std::int32_t height;
    };
    for (const Case& c : {Case{"25", 256, 192}, Case{"50", 362, 272}, Case{"100", 512, 384},
                          Case{"200", 724, 543}, Case{"400", 1024, 768}}) {
        const BatchCommandLine line = parse({"--volume", c.volume});
        ASSERT_EQ(line.error, "") << c.volume;
        EXPECT_EQ(line.options.scene.width, c.width) << c.volume;
        EXPECT_EQ(line.options.scene.height, c.height) << c.volume;
    }
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
        {{"--volume", "30"}, "--volume"},
        {{"--volume", "0"}, "--volume"},
        {{"--volume", "abc"}, "--volume"},
        {{"--volume", "100", "--scene", "512x384"}, "--volume"},
        {{"--ticks", "1\nvelmora2-batch: all experiments done"}, "'1\\nvelmora2-batch"},
        {{"--symbols", "\x1b[2J\r\t\x7f\xc2\x9b\xff"}, "'\\x1B[2J\\r\\t\\x7F\\xC2\\x9B\\xFF'"},
        {{"--symbols", "é\\x"}, "'é\\\\x'"},
        {{"--ticks", "3", "--ticks", "4"}, "--ticks: given twice"},
        {{"--csv", "a.csv", "--csv", "b.csv"}, "--csv: given twice"},
        {{"--seed", "1", "--reaction", "2", "--seed", "1"}, "--seed: given twice"},
    };
    for (const Case& c : cases) {
        const BatchCommandLine line = parse(c.arguments);
        EXPECT_NE(line.error.find(c.named), std::string::npos) << "error '" << line.error << "'";
        EXPECT_EQ(line.error.find('\n'), std::string::npos) << "one line";
    }
}

TEST(BatchOptions, SweepOptionsAreRead)
{
    const BatchCommandLine line =
        parse({"--sweep", "substrate=0:200:25", "--compare", "other=0,50", "--measure", "initial-rate:20",
               "--measure", "left", "--repeat", "5", "--jobs", "3", "--table", "t.csv", "--plot", "p.SVG"});
    ASSERT_EQ(line.error, "");
    const BatchOptions& o = line.options;
    ASSERT_EQ(o.sweeps.size(), 1u);
    EXPECT_EQ(o.sweeps[0].parameter, SweepParameter::substrate);
    EXPECT_EQ(o.sweeps[0].values, (std::vector<std::int32_t>{0, 25, 50, 75, 100, 125, 150, 175, 200}));
    ASSERT_TRUE(o.compare.has_value());
    EXPECT_EQ(o.compare->parameter, SweepParameter::other);
    EXPECT_EQ(o.compare->values, (std::vector<std::int32_t>{0, 50}));
    EXPECT_EQ(o.measures, (std::vector<Measure>{Measure::initialRate, Measure::left}));
    EXPECT_EQ(o.initialRateSeconds, 20);
    const BatchCommandLine share = parse({"--sweep", "ph=0:14:1", "--measure", "initial-rate@25"});
    ASSERT_EQ(share.error, "");
    EXPECT_EQ(share.options.initialRateShare, 25);
    EXPECT_EQ(share.options.initialRateSeconds, 0);
    const BatchCommandLine plain = parse({"--sweep", "ph=0:14:1", "--measure", "initial-rate"});
    EXPECT_EQ(plain.options.initialRateShare, 10);
    EXPECT_EQ(plain.options.initialRateSeconds, 0);
    EXPECT_EQ(o.repeat, 5);
    EXPECT_EQ(o.jobs, 3u);
    EXPECT_EQ(o.tablePath, "t.csv");
    EXPECT_EQ(o.plotPath, "p.SVG");

    const BatchCommandLine grid = parse({"--sweep", "temperature=-10:90:7", "--sweep", "ph=0:14:7"});
    ASSERT_EQ(grid.error, "");
    EXPECT_EQ(grid.options.sweeps[0].values.back(), 88) << "the last value that the step reaches";
    EXPECT_EQ(grid.options.sweeps[1].values, (std::vector<std::int32_t>{0, 7, 14}));
}

TEST(BatchOptions, FaultySweepsAreRefusedNamingTheOption)
{
    struct Case
    {
        std::vector<std::string_view> arguments;
        const char* named;
    };
    const Case cases[] = {
        {{"--sweep", "temperature"}, "--sweep"},
        {{"--sweep", "speed=1:2:1"}, "--sweep"},
        {{"--sweep", "temperature=0:50"}, "--sweep"},
        {{"--sweep", "temperature=-20:50:5"}, "--sweep"},
        {{"--sweep", "ph=0:15:1"}, "--sweep"},
        {{"--sweep", "enzyme=0:201:1"}, "--sweep"},
        {{"--sweep", "substrate=0:100:0"}, "--sweep"},
        {{"--sweep", "substrate=100:0:10"}, "--sweep"},
        {{"--sweep", "substrate=0:1x:10"}, "--sweep"},
        {{"--sweep", "ph=0:14:1", "--sweep", "ph=0:14:2"}, "--sweep"},
        {{"--sweep", "ph=0:14:1", "--sweep", "enzyme=0:14:2", "--sweep", "other=0:1:1"}, "--sweep"},
        {{"--sweep", "ph=0:14:1", "--measure", "speed"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "initial-rate:0"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "initial-rate:101"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "left", "--measure", "left"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "initial-rate:10", "--ticks", "100"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--ticks", "0"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "initial-rate@0"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "initial-rate@51"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "initial-rate@ten"}, "--measure"},
        {{"--sweep", "ph=0:14:1", "--measure", "initial-rate@10", "--measure", "initial-rate:10"},
         "--measure"},
        {{"--sweep", "ph=0:14:1", "--repeat", "0"}, "--repeat"},
        {{"--sweep", "ph=0:14:1", "--jobs", "0"}, "--jobs"},
        {{"--sweep", "ph=0:14:1", "--plot", "curve.jpg"}, "--plot"},
        {{"--sweep", "ph=0:14:1", "--table", ""}, "--table"},
        {{"--sweep", "ph=0:14:1", "--compare", "other"}, "--compare"},
        {{"--sweep", "ph=0:14:1", "--compare", "other=0,,50"}, "--compare"},
        {{"--sweep", "ph=0:14:1", "--compare", "other=0,250"}, "--compare"},
        {{"--sweep", "ph=0:14:1", "--compare", "ph=4,8"}, "--compare"},
        {{"--sweep", "ph=0:14:1", "--compare", "other=0", "--compare", "other=5"}, "--compare: given twice"},
        {{"--sweep", "ph=0:14:1", "--repeat", "2", "--repeat", "2"}, "--repeat: given twice"},
        {{"--sweep", "ph=0:14:1", "--sweep", "other=0:10:5", "--compare", "enzyme=5,10"}, "--compare"},
        {{"--sweep", "ph=0:14:1", "--sweep", "other=0:90:10", "--plot", "a.png"}, "--plot"},
        {{"--sweep", "ph=0:14:1", "--csv", "a.csv"}, "--csv"},
        {{"--table", "a.csv"}, "--table"},
        {{"--compare", "other=0,50"}, "--compare"},
        {{"--measure", "left"}, "--measure"},
    };
    for (const Case& c : cases) {
        const BatchCommandLine line = parse(c.arguments);
        EXPECT_EQ(line.error.rfind(c.named, 0), 0u)
            << "error '" << line.error << "' for " << c.arguments.back();
        EXPECT_EQ(line.error.find('\n'), std::string::npos) << "one line";
    }
}

TEST(BatchOptions, HelpIsRecognised)
{
    EXPECT_TRUE(parse({"--help"}).helpRequested);
    EXPECT_NE(batchUsage().find("--event"), std::string_view::npos);
    EXPECT_NE(batchUsage().find("--sweep"), std::string_view::npos);
}

} // namespace
} // namespace velmora
