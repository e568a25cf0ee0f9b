#include "model/SceneDescription.h"

#include "model/Arithmetic.h"
#include "model/TimeCourse.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

constexpr std::string_view space = "\u00a0"; // between a number and its unit, before : and ;

// "14 occupées", "1 occupée", "aucune occupée": feminine, as "enzyme" is.
std::string counted(std::int32_t n, std::string_view singular, std::string_view plural)
{
    if (n == 0) {
        return "aucune " + std::string(singular);
    }
    return std::to_string(n) + " " + std::string(n == 1 ? singular : plural);
}

// "a", "a et b", "a, b et c".
std::string listed(const std::vector<std::string>& parts)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += i + 1 == parts.size() ? " et " : ", ";
        }
        text += parts[i];
    }
    return text;
}

std::string per(const SpeciesLeft& species, bool percent)
{
    if (!percent) {
        return std::to_string(species.count) + std::string(space) + "UA";
    }
    if (species.amount <= 0) {
        return std::to_string(species.count) + (species.count <= 1 ? " molécule" : " molécules");
    }
    const std::int32_t rounded = (species.count * 200 + species.amount) / (2 * species.amount);
    return std::to_string(rounded) + std::string(space) + "%";
}

std::string seconds(std::int32_t s)
{
    return std::to_string(s) + std::string(space) + "s";
}

std::string left(const SpeciesLeft& species, bool percent)
{
    return std::string(speciesLeftName(species.kind)) + std::string(space) + ": " + per(species, percent);
}

const std::string separator = std::string(space) + "; ";

std::optional<std::int32_t> lastMark(const World& world, std::int32_t colour)
{
    for (std::int32_t i = std::min(world.graphCount, graphSeconds); i >= 0; --i) {
        if (world.graphMarks[i] == colour) {
            return wrapAdd(world.graphTimeOffset, i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view speciesLeftName(std::int32_t kind)
{
    switch (kind) {
    case Kind::lactose:
        return "lactose restant";
    case Kind::glucose:
        return "glucose restant";
    case Kind::galactoseDonor:
        return "UDP-galactose restant";
    case Kind::maltose:
        return "maltose restant";
    case Kind::amyloseUnit:
        return "unités d’amylose restantes";
    default:
        return "substrat restant";
    }
}

std::int32_t shownSeconds(const World& world)
{
    if (world.graphCount == 0 && world.graphTimeOffset > 0) {
        return wrapAdd(world.graphTimeOffset, 1);
    }
    return wrapAdd(world.graphTimeOffset, world.graphCount);
}

SceneFacts sceneFacts(const World& world, bool paused)
{
    SceneFacts facts;
    facts.running = world.running;
    facts.paused = world.running && paused;
    facts.enzymes = world.count[Kind::enzyme];
    for (std::int32_t e = 1; e <= facts.enzymes; ++e) {
        facts.occupied += world.boundSubstrate[e] > 0 || world.boundSecond[e] > 0 ? 1 : 0;
        facts.inhibited += world.boundOther[e] > 0 ? 1 : 0;
        facts.denatured += world.denatured[e] ? 1 : 0;
        facts.charged += !world.denatured[e] && world.charge[e] != 0 ? 1 : 0;
    }
    if (world.substrateKind >= 0 && world.substrateKind < kindCount) {
        facts.substrate = {world.substrateKind, world.count[world.substrateKind], world.substrateAmount};
    }
    if (world.reactionIndex == Reaction::lactoseSynthesis) {
        facts.second = SpeciesLeft{world.secondKind, world.count[world.secondKind], world.substrateAmount};
    }
    facts.seconds = shownSeconds(world);
    return facts;
}

std::string sceneSentence(const SceneFacts& facts)
{
    if (!facts.running) {
        return "Aucune expérience en cours";
    }
    std::string text;
    if (facts.enzymes == 0) {
        text = "aucune enzyme";
    } else {
        std::vector<std::string> states{counted(facts.occupied, "occupée", "occupées")};
        if (facts.inhibited > 0) {
            states.push_back(counted(facts.inhibited, "bloquée", "bloquées") + " par le thiolactose");
        }
        if (facts.denatured > 0) {
            states.push_back(counted(facts.denatured, "dénaturée", "dénaturées"));
        }
        if (facts.charged > 0) {
            states.push_back(counted(facts.charged, "chargée", "chargées"));
        }
        text = std::to_string(facts.enzymes) + (facts.enzymes == 1 ? " enzyme" : " enzymes") + " dont " +
               listed(states);
    }
    text += separator + left(facts.substrate, true);
    if (facts.second) {
        text += separator + left(*facts.second, true);
    }
    text += separator + seconds(facts.seconds);
    if (facts.paused) {
        text += separator + "en pause";
    }
    return text;
}

GraphFacts graphFacts(const World& world, bool percent)
{
    GraphFacts facts;
    facts.percent = percent;
    facts.substrate.kind = world.substrateKind;
    facts.substrate.amount = world.substrateAmount;
    facts.samples =
        world.graphCount < 0 ? 0 : (world.graphCount > graphSeconds ? graphSeconds : world.graphCount);
    if (facts.samples == 0) {
        return facts;
    }
    facts.substrate.count = world.graphSamples[facts.samples];
    facts.seconds = wrapAdd(world.graphTimeOffset, facts.samples);
    for (std::int32_t i = 1; i <= facts.samples; ++i) {
        if (world.graphSamples[i] * 2 <= world.substrateAmount) {
            // A page that opens below half tells nothing of when half was reached.
            if (i > 1 || world.graphTimeOffset == 0) {
                facts.halfTime = wrapAdd(world.graphTimeOffset, i);
            }
            break;
        }
    }
    facts.temperatureChange = lastMark(world, temperatureMarkColour);
    facts.phChange = lastMark(world, phMarkColour);
    return facts;
}

std::string graphSentence(const GraphFacts& facts)
{
    if (facts.substrate.amount <= 0) {
        return "pas de courbe sans substrat";
    }
    if (facts.samples == 0) {
        return "courbe vide";
    }
    std::string text = left(facts.substrate, facts.percent) + " à " + seconds(facts.seconds);
    if (facts.halfTime) {
        text += separator + "temps de demi-réaction" + std::string(space) + ": " + seconds(*facts.halfTime);
    }
    if (facts.temperatureChange) {
        text += separator + "température changée à " + seconds(*facts.temperatureChange);
    }
    if (facts.phChange) {
        text += separator + "pH changé à " + seconds(*facts.phChange);
    }
    return text;
}

} // namespace velmora
