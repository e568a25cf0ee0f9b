#pragma once

#include "model/Translatable.h"
#include "model/World.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What the molecule scene and the graph show, told in a short sentence for a screen reader. The
// facts are read from the World; the sentences put them into words, French unless the window
// passes the words of its own language.

// A species that runs down during an experiment: its molecules left and at the start.
struct SpeciesLeft
{
    std::int32_t kind = Kind::none;
    std::int32_t count = 0;
    std::int32_t amount = 0;
};

struct SceneFacts
{
    bool running = false;
    bool paused = false; // running, with both timers off
    std::int32_t enzymes = 0;
    std::int32_t occupied = 0;  // holding a substrate or a second reactant
    std::int32_t inhibited = 0; // holding a molecule of the other species (thiolactose)
    std::int32_t denatured = 0;
    std::int32_t charged = 0; // charged and not denatured: what the scene marks
    SpeciesLeft substrate;
    std::optional<SpeciesLeft> second; // UDP-galactose, in the synthesis
    std::int32_t seconds = 0;          // as the graph's time label shows them
};

struct GraphFacts
{
    bool percent = true;                  // the graph counts in per cent, else in arbitrary units (molecules)
    SpeciesLeft substrate;                // count: the page's last sample
    std::int32_t samples = 0;             // seconds drawn on the page
    std::int32_t seconds = 0;             // time of the last sample
    std::optional<std::int32_t> halfTime; // when the curve first reached half, seen on this page
    std::optional<std::int32_t> temperatureChange; // the page's last red mark
    std::optional<std::int32_t> phChange;          // the page's last blue mark
};

// The words of the sentences; %1 and %2 stand for what is filled in. "\u00a0" is a no-break space.
struct SentenceWords
{
    // A number of enzymes in a state: none, one, several.
    struct Counted
    {
        std::string none;
        std::string one;
        std::string many;
    };

    std::string noExperiment = VELMORA_TRANSLATABLE("SceneDescription", "Aucune expérience en cours");
    std::string noEnzyme = VELMORA_TRANSLATABLE("SceneDescription", "aucune enzyme");
    std::string oneEnzyme = VELMORA_TRANSLATABLE("SceneDescription", "%1 enzyme");
    std::string manyEnzymes = VELMORA_TRANSLATABLE("SceneDescription", "%1 enzymes");
    std::string enzymesOfWhich = VELMORA_TRANSLATABLE("SceneDescription", "%1 dont %2");
    Counted occupied{VELMORA_TRANSLATABLE("SceneDescription", "aucune occupée"),
                     VELMORA_TRANSLATABLE("SceneDescription", "%1 occupée"),
                     VELMORA_TRANSLATABLE("SceneDescription", "%1 occupées")};
    Counted inhibited{VELMORA_TRANSLATABLE("SceneDescription", "aucune bloquée par le thiolactose"),
                      VELMORA_TRANSLATABLE("SceneDescription", "%1 bloquée par le thiolactose"),
                      VELMORA_TRANSLATABLE("SceneDescription", "%1 bloquées par le thiolactose")};
    Counted denatured{VELMORA_TRANSLATABLE("SceneDescription", "aucune dénaturée"),
                      VELMORA_TRANSLATABLE("SceneDescription", "%1 dénaturée"),
                      VELMORA_TRANSLATABLE("SceneDescription", "%1 dénaturées")};
    Counted charged{VELMORA_TRANSLATABLE("SceneDescription", "aucune chargée"),
                    VELMORA_TRANSLATABLE("SceneDescription", "%1 chargée"),
                    VELMORA_TRANSLATABLE("SceneDescription", "%1 chargées")};
    std::string listComma = VELMORA_TRANSLATABLE("SceneDescription", ", ");
    std::string listAnd = VELMORA_TRANSLATABLE("SceneDescription", " et ");
    std::string separator = VELMORA_TRANSLATABLE("SceneDescription", "\u00a0; ");
    std::string speciesLeft = VELMORA_TRANSLATABLE("SceneDescription", "%1\u00a0: %2");
    std::string lactoseLeft = VELMORA_TRANSLATABLE("SceneDescription", "lactose restant");
    std::string glucoseLeft = VELMORA_TRANSLATABLE("SceneDescription", "glucose restant");
    std::string galactoseDonorLeft = VELMORA_TRANSLATABLE("SceneDescription", "UDP-galactose restant");
    std::string maltoseLeft = VELMORA_TRANSLATABLE("SceneDescription", "maltose restant");
    std::string amyloseUnitsLeft = VELMORA_TRANSLATABLE("SceneDescription", "unités d’amylose restantes");
    std::string substrateLeft = VELMORA_TRANSLATABLE("SceneDescription", "substrat restant");
    std::string percent = VELMORA_TRANSLATABLE("SceneDescription", "%1\u00a0%");
    std::string arbitraryUnits = VELMORA_TRANSLATABLE("SceneDescription", "%1\u00a0UA");
    std::string oneMolecule = VELMORA_TRANSLATABLE("SceneDescription", "%1 molécule");
    std::string manyMolecules = VELMORA_TRANSLATABLE("SceneDescription", "%1 molécules");
    std::string seconds = VELMORA_TRANSLATABLE("SceneDescription", "%1\u00a0s");
    std::string paused = VELMORA_TRANSLATABLE("SceneDescription", "en pause");
    std::string noCurve = VELMORA_TRANSLATABLE("SceneDescription", "pas de courbe sans substrat");
    std::string emptyCurve = VELMORA_TRANSLATABLE("SceneDescription", "courbe vide");
    std::string leftAt = VELMORA_TRANSLATABLE("SceneDescription", "%1 à %2");
    std::string halfTime = VELMORA_TRANSLATABLE("SceneDescription", "temps de demi-réaction\u00a0: %1");
    std::string temperatureChanged = VELMORA_TRANSLATABLE("SceneDescription", "température changée à %1");
    std::string phChanged = VELMORA_TRANSLATABLE("SceneDescription", "pH changé à %1");

    // Every word, for a window that translates them one by one.
    std::vector<std::string*> all();
};

SceneFacts sceneFacts(const World& world, bool paused);
GraphFacts graphFacts(const World& world, bool percent);

// "20 enzymes dont 14 occupées et 3 dénaturées ; lactose restant : 62 % ; 35 s".
std::string sceneSentence(const SceneFacts& facts, const SentenceWords& words = {});
// "lactose restant : 62 % à 35 s ; temps de demi-réaction : 21 s ; température changée à 12 s".
std::string graphSentence(const GraphFacts& facts, const SentenceWords& words = {});

// "lactose restant", "unités d’amylose restantes": a species counted down, named as a student
// reads it.
const std::string& speciesLeftName(std::int32_t kind, const SentenceWords& words);

// The seconds the graph's time label shows: after the 100th second of a page, the next one is
// shown while the new page is still empty.
std::int32_t shownSeconds(const World& world);

} // namespace velmora
