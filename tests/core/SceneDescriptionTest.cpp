#include "model/SceneDescription.h"
#include "model/TimeCourse.h"
#include "support/Scenario.h"

#include <gtest/gtest.h>

#include <functional>

namespace velmora {
namespace {

struct Case
{
    const char* name;
    std::int32_t reaction;
    std::function<void(World&)> setUp;
    bool option;          // paused for the scene, in per cent for the graph
    const char* sentence; // "~" stands for a no-break space
};

std::string withNoBreakSpaces(std::string text)
{
    for (std::size_t at = text.find('~'); at != std::string::npos; at = text.find('~', at)) {
        text.replace(at, 1, "\u00a0");
    }
    return text;
}

TEST(SceneDescription, SaysWhatTheSceneShows)
{
    const Case cases[] = {
        {"enzymes at work and denatured", Reaction::lactoseHydrolysis,
         [](World& w) {
             w.count[Kind::enzyme] = 20;
             for (std::int32_t e = 1; e <= 14; ++e) {
                 w.boundSubstrate[e] = e;
             }
             for (std::int32_t e = 1; e <= 3; ++e) {
                 w.denatured[e] = true;
             }
             w.count[Kind::lactose] = 62;
             w.graphCount = 35;
         },
         false, "20 enzymes dont 14 occupées et 3 dénaturées~; lactose restant~: 62~%~; 35~s"},
        {"both substrates of the synthesis", Reaction::lactoseSynthesis,
         [](World& w) {
             w.substrateAmount = 80;
             w.count[Kind::enzyme] = 1;
             w.boundSecond[1] = 4; // holding its UDP-galactose only
             w.count[Kind::glucose] = 40;
             w.count[Kind::galactoseDonor] = 41;
             w.graphCount = 7;
         },
         false, "1 enzyme dont 1 occupée~; glucose restant~: 50~%~; UDP-galactose restant~: 51~%~; 7~s"},
        {"paused in the empty second of a new page", Reaction::amyloseHydrolysis,
         [](World& w) {
             w.count[Kind::amyloseUnit] = 100;
             w.graphTimeOffset = 100;
         },
         true, "aucune enzyme~; unités d’amylose restantes~: 100~%~; 101~s~; en pause"},
        {"inhibited, denatured and charged", Reaction::lactoseHydrolysis,
         [](World& w) {
             w.count[Kind::enzyme] = 5;
             w.boundOther[1] = 1;
             w.boundOther[2] = 2;
             w.denatured[3] = true;
             w.charge[3] = 1; // drawn denatured: not counted as charged
             w.charge[4] = -2;
             w.count[Kind::lactose] = 100;
         },
         false,
         "5 enzymes dont aucune occupée, 2 bloquées par le thiolactose, 1 dénaturée et 1 chargée~; "
         "lactose restant~: 100~%~; 0~s"},
        {"no substrate", Reaction::maltoseHydrolysis,
         [](World& w) {
             w.substrateAmount = 0;
             w.count[Kind::enzyme] = 2;
         },
         false, "2 enzymes dont aucune occupée~; maltose restant~: 0 molécule~; 0~s"},
        {"stopped", Reaction::lactoseHydrolysis, [](World& w) { w.running = false; }, true,
         "Aucune expérience en cours"},
    };
    for (const Case& c : cases) {
        auto world = testing::scenario(c.reaction);
        c.setUp(*world);
        EXPECT_EQ(sceneSentence(sceneFacts(*world, c.option)), withNoBreakSpaces(c.sentence)) << c.name;
    }
}

TEST(SceneDescription, SaysWhatTheGraphShows)
{
    const auto page = [](World& w, std::initializer_list<std::int32_t> samples) {
        WindowUpdate update;
        effacerecran1Click(w, update);
        for (const std::int32_t sample : samples) {
            w.graphSamples[++w.graphCount] = sample;
        }
    };
    const Case cases[] = {
        {"half-time and the last marks", Reaction::lactoseHydrolysis,
         [&](World& w) {
             page(w, {100, 90, 70, 55, 48, 40});
             w.graphMarks[2] = temperatureMarkColour;
             w.graphMarks[3] = temperatureMarkColour;
             w.graphMarks[6] = phMarkColour;
         },
         true,
         "lactose restant~: 40~% à 6~s~; temps de demi-réaction~: 5~s~; température changée à 3~s~; pH "
         "changé à 6~s"},
        {"a later page, in arbitrary units", Reaction::maltoseHydrolysis,
         [&](World& w) {
             page(w, {30, 29});
             w.graphTimeOffset = 100;
         },
         false, "maltose restant~: 29~UA à 102~s"},
        {"a change before the first second draws no mark", Reaction::lactoseHydrolysis,
         [&](World& w) {
             page(w, {});
             recordGraphMark(w, temperatureMarkColour); // before the start: second 0
             page(w, {100, 95});
         },
         true, "lactose restant~: 95~% à 2~s"},
        {"an empty page", Reaction::lactoseHydrolysis, [&](World& w) { page(w, {}); }, true, "courbe vide"},
        {"no substrate", Reaction::lactoseHydrolysis, [&](World& w) { w.substrateAmount = 0; }, true,
         "pas de courbe sans substrat"},
    };
    for (const Case& c : cases) {
        auto world = testing::scenario(c.reaction);
        c.setUp(*world);
        EXPECT_EQ(graphSentence(graphFacts(*world, c.option)), withNoBreakSpaces(c.sentence)) << c.name;
    }
}

} // namespace
} // namespace velmora
