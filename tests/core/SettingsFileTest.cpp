#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace velmora {
namespace {

// Remembers what the settings asked of the window, in order.
struct RecordingTarget : SettingsTarget
{
    std::vector<std::string> requests;
    void setPanelVariable(std::string_view name, std::string_view text) override
    {
        requests.push_back(std::string(name) + "=" + std::string(text));
    }
    void chooseSymbolSize(bool small) override { requests.push_back(small ? "petits" : "grands"); }
    void chooseVolume(std::int32_t percent) override
    {
        requests.push_back("volume=" + std::to_string(percent));
    }
};

struct Applied
{
    std::unique_ptr<World> world = std::make_unique<World>();
    RecordingTarget target;
    std::string error;
};

Applied apply(const std::string& text)
{
    Applied result;
    std::FILE* file = fmemopen(const_cast<char*>(text.data()), text.size(), "rb");
    if (text.empty()) {
        file = std::tmpfile();
    }
    result.error = applySettings(file, *result.world, result.target);
    std::fclose(file);
    return result;
}

using Requests = std::vector<std::string>;

TEST(SettingsFile, EverySectionAppliesInFileOrder)
{
    const Applied a = apply("; velmora\r\n[temperature]\r\n25\r\n[substrat]\r\n80\r\n[autre]\r\n10\r\n[enzyme]\r\n"
                            "30\r\n[ph]\r\n-3\r\n[taille]\r\n0\r\n[reaction]\r\n2\r\n");
    EXPECT_EQ(a.error, "");
    EXPECT_EQ(a.world->temperature, 25);
    EXPECT_EQ(a.world->substrateAmount, 80);
    EXPECT_EQ(a.world->otherAmount, 10);
    EXPECT_EQ(a.world->enzymeAmount, 30);
    EXPECT_EQ(a.world->ph, -3);
    EXPECT_EQ(a.target.requests, (Requests{"valeurtemp=25", "valeursub=80", "valeurautre=10", "valeurenz=30",
                                           "valeurph=-3", "petits"}));
    EXPECT_EQ(a.world->reactionIndex, 0) << "[reaction] changes nothing";
}

TEST(SettingsFile, SectionLinesAreExact)
{
    struct Case
    {
        const char* text;
        Requests requests;
    };
    const Case cases[] = {
        {"", {}},
        {"[temperature]\n20\n[temperature]\n30\n", {"valeurtemp=20", "valeurtemp=30"}},
        {"[Temperature]\n20\n", {}},
        {" [ph]\n4\n", {}},
        {"[ph] \n4\n", {}},
        {"[PH]\n4\n[ph]\n5", {"valeurph=5"}},             // no final line feed
        {"[reaction]\n[ph]\n4\n", {}},                     // "[ph]" is the reaction's value line
        {"[taille]\n1\n[taille]\nabc\n[taille]\n", {"grands", "grands", "grands"}}, // an empty value too
        {"[taille]\n0\r\n", {"petits"}},
        {"[taille]\n 0\n", {"grands"}},
        // The panel then shows what the World stores.
        {"[enzyme]\n500\n[substrat]\n-4\n",
         {"valeurenz=500", "valeurenz=200", "valeursub=-4", "valeursub=0"}},
        {"[temperature]\n+25\n[ph]\n007\n",
         {"valeurtemp=+25", "valeurtemp=25", "valeurph=007", "valeurph=7"}},
        // A UTF-8 byte-order mark is skipped at the start of the file, and only there.
        {"\xEF\xBB\xBF[temperature]\n20\n", {"valeurtemp=20"}},
        {"\xEF\xBB\xBF\n[ph]\n4\n\xEF\xBB\xBF[ph]\n5\n", {"valeurph=4"}},
    };
    for (const Case& c : cases) {
        const Applied a = apply(c.text);
        EXPECT_EQ(a.error, "") << c.text;
        EXPECT_EQ(a.target.requests, c.requests) << c.text;
    }
    EXPECT_EQ(apply("[enzyme]\n500\n").world->enzymeAmount, 200) << "quantities are brought into 0..200";
    EXPECT_EQ(apply("[substrat]\n-4\n").world->substrateAmount, 0);
}

TEST(SettingsFile, ABadNumberEndsTheReadAndKeepsWhatCameBefore)
{
    struct Case
    {
        const char* text;
        const char* error;
        Requests requests;
    };
    const Case cases[] = {
        {"[temperature]\n25\n[ph]\nabc\n[enzyme]\n50\n", "'abc' is not a valid integer value", {"valeurtemp=25"}},
        // The quantities reach the panel before they are converted.
        {"[ph]\n6\n[substrat]\nbeaucoup\n", "'beaucoup' is not a valid integer value", {"valeurph=6", "valeursub=beaucoup"}},
        {"[autre]\n1.5\n", "'1.5' is not a valid integer value", {"valeurautre=1.5"}},
        {"[temperature]\n", "'' is not a valid integer value", {}},
        {"[temperature]\n99999999999\n", "'99999999999' is not a valid integer value", {}},
        // A volume that the menu does not offer is named, in French.
        {"[volume]\n25\n[volume]\n30\n[ph]\n6\n",
         "Volume de la boîte non permis\u00a0: «\u00a0"
         "30\u00a0» (25, 50, 100, 200 ou 400\u00a0%)",
         {"volume=25"}},
        {"[volume]\n\n",
         "Volume de la boîte non permis\u00a0: «\u00a0\u00a0» (25, 50, 100, 200 ou 400\u00a0%)",
         {}},
    };
    for (const Case& c : cases) {
        const Applied a = apply(c.text);
        EXPECT_EQ(a.error, c.error) << c.text;
        EXPECT_EQ(a.target.requests, c.requests) << c.text;
    }
    const Applied kept = apply("[temperature]\n25\n[ph]\nabc\n[enzyme]\n50\n");
    EXPECT_EQ(kept.world->temperature, 25);
    EXPECT_EQ(kept.world->enzymeAmount, 0);
}

TEST(SettingsFile, AVeryLongLineIsReadWithoutHarm)
{
    const std::string text = "[substrat]\n" + std::string(200000, '7') + "\n[ph]\n5\n";
    const Applied a = apply(text);
    EXPECT_NE(a.error.find("is not a valid integer value"), std::string::npos);
    EXPECT_LT(a.error.size(), 70000u);
}

TEST(SettingsFile, FilesThatCannotBeReadAreTold)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / ("velmora-settings-" +
                                                                                      std::to_string(getpid()));
    std::filesystem::create_directories(folder / "velmora.ini.d");
    World world;
    RecordingTarget target;
    EXPECT_EQ(loadSettingsFile((folder / "missing.ini").string(), world, target), "File not found");
    EXPECT_EQ(loadSettingsFile((folder / "velmora.ini.d").string(), world, target), "File access denied");
    EXPECT_EQ(loadSettingsFile(std::string(5000, 'a'), world, target), "Invalid filename");
    // What never ends is not read, and holds nothing: a pipe no one writes to, a device.
    ASSERT_EQ(mkfifo((folder / "pipe.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("/dev/zero", folder / "zero.ini");
    EXPECT_EQ(loadSettingsFile((folder / "pipe.ini").string(), world, target), "File access denied");
    EXPECT_EQ(loadSettingsFile((folder / "zero.ini").string(), world, target), "File access denied");
    // Nor what is larger than any settings file: a sparse gigabyte would be read for seconds.
    {
        std::ofstream huge(folder / "huge.ini");
        huge << "[temperature]\n12\n";
    }
    std::filesystem::resize_file(folder / "huge.ini", 1024 * 1024 * 1024);
    EXPECT_EQ(loadSettingsFile((folder / "huge.ini").string(), world, target), "File access denied");
    std::filesystem::resize_file(folder / "huge.ini", 64 * 1024);
    EXPECT_EQ(loadSettingsFile((folder / "huge.ini").string(), world, target), "") << "64 KB are read";
    {
        std::ofstream file(folder / "velmora.ini");
        file << "[temperature]\n12\n";
    }
    EXPECT_EQ(loadSettingsFile((folder / "velmora.ini").string(), world, target), "");
    EXPECT_EQ(world.temperature, 12);
    if (geteuid() != 0) { // the superuser reads everything
        std::filesystem::permissions(folder / "velmora.ini", std::filesystem::perms::none);
        EXPECT_EQ(loadSettingsFile((folder / "velmora.ini").string(), world, target), "File access denied");
    }
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace velmora
