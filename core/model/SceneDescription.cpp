#include "model/SceneDescription.h"

#include "model/Arithmetic.h"
#include "model/TimeCourse.h"

#include <algorithm>
#include <vector>

namespace velmora {

namespace {

// "14 occupées", "1 occupée", "aucune occupée".
std::string counted(std::int32_t n, const SentenceWords::Counted& words)
{
    if (n == 0) {
        return words.none;
    }
    return fillPattern(n == 1 ? words.one : words.many, {std::to_string(n)});
}

// "a", "a et b", "a, b et c".
std::string listed(const std::vector<std::string>& parts, const SentenceWords& words)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) {
            text += i + 1 == parts.size() ? words.listAnd : words.listComma;
        }
        text += parts[i];
    }
    return text;
}

std::string per(const SpeciesLeft& species, bool percent, const SentenceWords& words)
{
    if (!percent) {
        return fillPattern(words.arbitraryUnits, {std::to_string(species.count)});
    }
    if (species.amount <= 0) {
        return fillPattern(species.count <= 1 ? words.oneMolecule : words.manyMolecules,
                           {std::to_string(species.count)});
    }
    const std::int32_t rounded = (species.count * 200 + species.amount) / (2 * species.amount);
    return fillPattern(words.percent, {std::to_string(rounded)});
}

std::string seconds(std::int32_t s, const SentenceWords& words)
{
    return fillPattern(words.seconds, {std::to_string(s)});
}

std::string left(const SpeciesLeft& species, bool percent, const SentenceWords& words)
{
    return fillPattern(words.speciesLeft,
                       {speciesLeftName(species.kind, words), per(species, percent, words)});
}

// The last mark drawn on the page: seconds 1 to the page's last (a change made at second 0, before
// the curve begins, draws none).
std::optional<std::int32_t> lastMark(const World& world, std::int32_t colour)
{
    for (std::int32_t i = std::min(world.graphCount, graphSeconds); i >= 1; --i) {
        if (world.graphMarks[i] == colour) {
            return wrapAdd(world.graphTimeOffset, i);
        }
    }
    return std::nullopt;
}

} // namespace

std::vector<std::string*> SentenceWords::all()
{
    std::vector<std::string*> words{&noExperiment, &noEnzyme, &oneEnzyme, &manyEnzymes, &enzymesOfWhich};
    for (Counted* state : {&occupied, &inhibited, &denatured, &charged}) {
        words.insert(words.end(), {&state->none, &state->one, &state->many});
    }
    words.insert(words.end(), {&listComma,
                               &listAnd,
                               &separator,
                               &speciesLeft,
                               &lactoseLeft,
                               &glucoseLeft,
                               &galactoseDonorLeft,
                               &maltoseLeft,
                               &amyloseUnitsLeft,
                               &substrateLeft,
                               &percent,
                               &arbitraryUnits,
                               &oneMolecule,
                               &manyMolecules,
                               &seconds,
                               &paused,
                               &noCurve,
                               &emptyCurve,
                               &leftAt,
                               &halfTime,
                               &temperatureChanged,
                               &phChanged});
    return words;
}

const std::string& speciesLeftName(std::int32_t kind, const SentenceWords& words)
{
    switch (kind) {
    case Kind::lactose:
        return words.lactoseLeft;
    case Kind::glucose:
        return words.glucoseLeft;
    case Kind::galactoseDonor:
        return words.galactoseDonorLeft;
    case Kind::maltose:
        return words.maltoseLeft;
    case Kind::amyloseUnit:
        return words.amyloseUnitsLeft;
    default:
        return words.substrateLeft;
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

std::string sceneSentence(const SceneFacts& facts, const SentenceWords& words)
{
    if (!facts.running) {
        return words.noExperiment;
    }
    std::string text;
    if (facts.enzymes == 0) {
        text = words.noEnzyme;
    } else {
        std::vector<std::string> states{counted(facts.occupied, words.occupied)};
        if (facts.inhibited > 0) {
            states.push_back(counted(facts.inhibited, words.inhibited));
        }
        if (facts.denatured > 0) {
            states.push_back(counted(facts.denatured, words.denatured));
        }
        if (facts.charged > 0) {
            states.push_back(counted(facts.charged, words.charged));
        }
        text = fillPattern(words.enzymesOfWhich,
                           {fillPattern(facts.enzymes == 1 ? words.oneEnzyme : words.manyEnzymes,
                                        {std::to_string(facts.enzymes)}),
                            listed(states, words)});
    }
    text += words.separator + left(facts.substrate, true, words);
    if (facts.second) {
        text += words.separator + left(*facts.second, true, words);
    }
    text += words.separator + seconds(facts.seconds, words);
    if (facts.paused) {
        text += words.separator + words.paused;
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

std::string graphSentence(const GraphFacts& facts, const SentenceWords& words)
{
    if (facts.substrate.amount <= 0) {
        return words.noCurve;
    }
    if (facts.samples == 0) {
        return words.emptyCurve;
    }
    std::string text = fillPattern(
        words.leftAt, {left(facts.substrate, facts.percent, words), seconds(facts.seconds, words)});
    if (facts.halfTime) {
        text += words.separator + fillPattern(words.halfTime, {seconds(*facts.halfTime, words)});
    }
    if (facts.temperatureChange) {
        text += words.separator +
                fillPattern(words.temperatureChanged, {seconds(*facts.temperatureChange, words)});
    }
    if (facts.phChange) {
        text += words.separator + fillPattern(words.phChanged, {seconds(*facts.phChange, words)});
    }
    return text;
}

} // namespace velmora
