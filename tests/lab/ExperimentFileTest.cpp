#include "lab/ExperimentFile.h"
#include "model/BoxVolume.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora {
namespace {

// The example that the README gives teachers.
constexpr const char* teacherExample = R"({
  "format": "velmora-experiment", "version": 1,
  "title": "Effet de la température",
  "instructions": "Mesurez le temps de demi-réaction avant et après le chauffage.",
  "reaction": 1, "temperature": 37, "ph": 8,
  "enzyme": 20, "substrate": 100, "inhibitor": 0, "volume": 100,
  "events": [ { "second": 60, "temperature": 60 } ],
  "locked": [ "ph" ]
})";

TEST(ExperimentFile, TeacherExampleMeansWhatItSays)
{
    const ExperimentReading reading = readExperimentFile(teacherExample, "chauffage.velmora");
    ASSERT_TRUE(reading.document) << reading.error->text();
    EXPECT_TRUE(reading.warnings.empty());
    const ExperimentDocument& document = *reading.document;
    EXPECT_EQ(document.settings.reaction, 1);
    EXPECT_EQ(document.settings.temperature, 37);
    EXPECT_EQ(document.settings.ph, 8);
    EXPECT_EQ(document.settings.enzyme, 20);
    EXPECT_EQ(document.settings.substrate, 100);
    EXPECT_EQ(document.settings.other, 0);
    EXPECT_EQ(document.settings.scene.width, 512);
    EXPECT_EQ(document.settings.scene.height, 384);
    ASSERT_EQ(document.settings.events.size(), 1u);
    EXPECT_EQ(document.settings.events[0].tick, 1200);
    EXPECT_EQ(document.settings.events[0].variable, PanelEvent::Variable::temperature);
    EXPECT_EQ(document.settings.events[0].value, 60);
    EXPECT_TRUE(document.scenario.locked.has(PanelControl::ph));
    EXPECT_FALSE(document.scenario.locked.has(PanelControl::temperature));
    EXPECT_EQ(document.scenario.title, "Effet de la température");
}

TEST(ExperimentFile, VolumeGivesTheBoxSize)
{
    const std::pair<std::int32_t, SceneSize> cases[]{
        {25, {256, 192}}, {50, {362, 272}}, {100, {512, 384}}, {200, {724, 543}}, {400, {1024, 768}}};
    for (const auto& [volume, scene] : cases) {
        ASSERT_TRUE(boxForVolume(volume));
        EXPECT_EQ(boxForVolume(volume)->width, scene.width) << volume;
        EXPECT_EQ(boxForVolume(volume)->height, scene.height) << volume;
    }
    EXPECT_FALSE(boxForVolume(75));
}

ExperimentDocument wholeDocument()
{
    ExperimentDocument document;
    document.settings.reaction = 3;
    document.settings.temperature = -5;
    document.settings.ph = 4;
    document.settings.enzyme = 40;
    document.settings.substrate = 150;
    document.settings.other = 7;
    document.settings.smallSymbols = true;
    document.settings.maxProductsCaption = 400;
    document.settings.events = {{1200, PanelEvent::Variable::temperature, 60},
                                {1201, PanelEvent::Variable::ph, 9}};
    document.volume = 200;
    document.settings.scene = *boxForVolume(200);
    document.seed = 4294967295u;
    document.scenario.title = "Titre « avec » des \"guillemets\"";
    document.scenario.instructions = "Ligne 1\nLigne 2\u00a0: fin";
    document.scenario.locked.add(PanelControl::reaction);
    document.scenario.locked.add(PanelControl::products);
    document.scenario.hidden.add(PanelControl::inhibitor);
    document.scenario.hideModelAnswers = true;
    document.scenario.lesson = "experiences";
    document.group = {"Léa et Sam", "1re S2", "12/03/2025"};
    document.answer = "L’activité double.";
    document.log = {{"2025-03-12T10:04:05", "Démarrage"}, {"2025-03-12T10:05:00", "Température : 60 °C"}};
    KeptRun kept;
    kept.settings = document.settings;
    kept.settings.events.clear();
    kept.volume = 50;
    kept.settings.scene = *boxForVolume(50);
    kept.seconds = {{1, 150, 37, 8}, {2, 149, 37, 8}, {101, 10, 60, 8}};
    document.kept = {kept, kept};
    RunSoFar run;
    run.settings = document.settings;
    run.volume = 200;
    run.seed = 12345;
    run.ticks = 2401;
    document.run = run;
    ActivityCurveRecord curve;
    curve.variable = "substrate";
    curve.description = "37 °C, pH 8";
    curve.points = {{0, 0}, {10, 0.5}, {20, 1.25}};
    curve.km = 281.5;
    curve.vmax = 12.25;
    document.curves = {curve};
    return document;
}

void expectSameSettings(const ExperimentSettings& a, const ExperimentSettings& b)
{
    EXPECT_EQ(a.reaction, b.reaction);
    EXPECT_EQ(a.temperature, b.temperature);
    EXPECT_EQ(a.ph, b.ph);
    EXPECT_EQ(a.enzyme, b.enzyme);
    EXPECT_EQ(a.substrate, b.substrate);
    EXPECT_EQ(a.other, b.other);
    EXPECT_EQ(a.smallSymbols, b.smallSymbols);
    EXPECT_EQ(a.maxProductsCaption, b.maxProductsCaption);
    EXPECT_EQ(a.scene.width, b.scene.width);
    EXPECT_EQ(a.scene.height, b.scene.height);
    ASSERT_EQ(a.events.size(), b.events.size());
    for (std::size_t i = 0; i < a.events.size(); ++i) {
        EXPECT_EQ(a.events[i].tick, b.events[i].tick);
        EXPECT_EQ(a.events[i].variable, b.events[i].variable);
        EXPECT_EQ(a.events[i].value, b.events[i].value);
    }
}

TEST(ExperimentFile, WholeExperimentRoundTrips)
{
    const ExperimentDocument original = wholeDocument();
    const std::string bytes = writeExperimentFile(original);
    const ExperimentReading reading = readExperimentFile(bytes, "groupe.velmora");
    ASSERT_TRUE(reading.document) << reading.error->text();
    EXPECT_TRUE(reading.warnings.empty());
    const ExperimentDocument& copy = *reading.document;
    expectSameSettings(copy.settings, original.settings);
    EXPECT_EQ(copy.volume, 200);
    EXPECT_EQ(copy.seed, original.seed);
    EXPECT_EQ(copy.scenario, original.scenario);
    EXPECT_EQ(copy.group, original.group);
    EXPECT_EQ(copy.answer, original.answer);
    EXPECT_EQ(copy.log, original.log);
    ASSERT_EQ(copy.kept.size(), 2u);
    expectSameSettings(copy.kept[1].settings, original.kept[1].settings);
    EXPECT_EQ(copy.kept[1].volume, 50);
    ASSERT_EQ(copy.kept[1].seconds.size(), 3u);
    EXPECT_EQ(copy.kept[1].seconds[2].second, 101);
    EXPECT_EQ(copy.kept[1].seconds[2].substrate, 10);
    EXPECT_EQ(copy.kept[1].seconds[2].temperature, 60);
    ASSERT_TRUE(copy.run);
    expectSameSettings(copy.run->settings, original.run->settings);
    EXPECT_EQ(copy.run->seed, 12345u);
    EXPECT_EQ(copy.run->ticks, 2401);
    ASSERT_EQ(copy.curves.size(), 1u);
    EXPECT_EQ(copy.curves[0].points, original.curves[0].points);
    EXPECT_EQ(copy.curves[0].km, original.curves[0].km);
    // Written again, the same bytes: nothing is lost or reordered.
    EXPECT_EQ(writeExperimentFile(copy), bytes);
    // A course takes one line per second.
    EXPECT_NE(bytes.find("[101, 10, 60, 8]"), std::string::npos);
}

// Each faulty file is refused whole, with a message naming the file, the place and what was expected.
TEST(ExperimentFile, FaultyFilesAreRefusedWithThePlaceAndWhatWasExpected)
{
    const std::string head = R"({"format": "velmora-experiment", "version": 1, )";
    const struct
    {
        std::string bytes;
        std::vector<std::string> said; // pieces of the message
    } cases[]{
        {"{\"format\": \"velmora-experiment\",\n \"version\": 1,\n \"ph\": 8,,}",
         {"ligne 3, colonne 10", "JSON"}},
        {"", {"ligne 1, colonne 1"}},
        {"[1, 2]", {"un objet JSON"}},
        {R"({"version": 1})", {"velmora-experiment"}},
        {R"({"format": "velmora-experiment", "version": 2})", {"vaut 2", "version 1"}},
        {R"({"format": "velmora-experiment"})", {"vaut rien"}},
        {head + R"("temperature": 120})", {"«\u00a0temperature\u00a0»", "de \u221210 à 90", "et non 120"}},
        {head + R"("ph": 7.5})", {"«\u00a0ph\u00a0»", "de 0 à 14"}},
        {head + R"("reaction": 5})", {"«\u00a0reaction\u00a0»", "de 1 à 4"}},
        {head + R"("enzyme": "20"})", {"«\u00a0enzyme\u00a0»", "et non \"20\""}},
        {head + R"("volume": 75})", {"«\u00a0volume\u00a0»", "25, 50, 100, 200 ou 400"}},
        {head + R"("symbols": "tiny"})", {"«\u00a0symbols\u00a0»", "small"}},
        {head + R"("locked": ["ph", "colour"]})",
         {"«\u00a0locked[1]\u00a0»", "un nom de réglage", "\"colour\""}},
        {head + R"("events": [{"second": 60}]})", {"«\u00a0events[0]\u00a0»", "un moment"}},
        {head + R"("events": [{"second": 60, "temperature": 100}]})",
         {"«\u00a0events[0].temperature\u00a0»"}},
        {head + R"("kept": [{"course": [[1, 100, 37, 8], [1, 99, 37, 8]]}]})",
         {"«\u00a0kept[0].course[1][0]\u00a0»", "une seconde après 1"}},
        {head + R"("seed": -1})", {"«\u00a0seed\u00a0»", "de 0 à 4294967295"}},
        {head + R"("lesson": "../etc"})", {"«\u00a0lesson\u00a0»"}},
        {head + R"("title": "\udc00"})", {"JSON"}},
        {"{\"format\": \"velmora-experiment\", \"version\": 1, \"title\": \"\xff\"}", {"UTF-8"}},
        {head + R"("temperature": 1E400})", {"nombre trop grand"}},
    };
    for (const auto& c : cases) {
        const ExperimentReading reading = readExperimentFile(c.bytes, "classe.velmora");
        ASSERT_FALSE(reading.document) << c.bytes;
        ASSERT_TRUE(reading.error) << c.bytes;
        const std::string message = reading.error->text();
        EXPECT_NE(message.find("«\u00a0classe.velmora\u00a0»"), std::string::npos) << message;
        EXPECT_EQ(message.find('%'), std::string::npos) << message;
        for (const std::string& piece : c.said) {
            EXPECT_NE(message.find(piece), std::string::npos) << message << "\n  lacks: " << piece;
        }
    }
}

TEST(ExperimentFile, UnknownKeysAreNamedAndSkipped)
{
    const ExperimentReading reading = readExperimentFile(
        R"({"format": "velmora-experiment", "version": 1, "colour": "red", "ph": 9,
            "group": {"names": "A", "teacher": "B"}, "events": [{"tick": 3, "ph": 5, "note": 1}]})",
        "x.velmora");
    ASSERT_TRUE(reading.document);
    EXPECT_EQ(reading.document->settings.ph, 9);
    EXPECT_EQ(reading.document->group.names, "A");
    ASSERT_EQ(reading.warnings.size(), 3u);
    EXPECT_NE(reading.warnings[0].text().find("«\u00a0colour\u00a0»"), std::string::npos);
    EXPECT_NE(reading.warnings[1].text().find("«\u00a0group.teacher\u00a0»"), std::string::npos);
    EXPECT_NE(reading.warnings[2].text().find("«\u00a0events[0].note\u00a0»"), std::string::npos);
}

TEST(ExperimentFile, FilesOverOneMegabyteAreRefusedUnread)
{
    std::string big = R"({"format": "velmora-experiment", "version": 1, "answer": ")";
    big += std::string(largestExperimentFile, 'a') + "\"}";
    std::istringstream in(big);
    const ExperimentReading reading = readExperimentFile(in, "gros.velmora");
    ASSERT_FALSE(reading.document);
    EXPECT_NE(reading.error->text().find("1\u00a0Mo"), std::string::npos);
    // A byte-order mark is allowed.
    EXPECT_TRUE(
        readExperimentFile("\xEF\xBB\xBF{\"format\": \"velmora-experiment\", \"version\": 1}", "b").document);
}

} // namespace
} // namespace velmora
