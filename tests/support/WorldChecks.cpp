#include "support/WorldChecks.h"

#include <cstdlib>

namespace velmora::testing {

namespace {

std::string at(const char* what, int a, int b = -1)
{
    return std::string(what) + " at " + std::to_string(a) + (b >= 0 ? "/" + std::to_string(b) : "");
}

std::string brokenLinks(const World& w)
{
    const int enzymes = w.count[Kind::enzyme];
    // Molecule to enzyme.
    for (int k = 0; k < kindCount; ++k) {
        for (int s = 1; s <= w.count[k]; ++s) {
            const int e = w.partnerEnzyme[k][s];
            if (e == 0) {
                continue;
            }
            if (k == Kind::enzyme || e < 0 || e > enzymes) {
                return at("partnerEnzyme names no live enzyme", k, s);
            }
            const bool back = (k == w.substrateKind && w.boundSubstrate[e] == s) ||
                              (k == w.secondKind && w.boundSecond[e] == s) ||
                              (k == w.otherKind && w.boundOther[e] == s);
            if (!back) {
                return at("enzyme does not point back at its molecule", k, s);
            }
        }
    }
    // Enzyme to molecule.
    const auto holds = [&](int kind, int slot, int e) {
        return kind >= 0 && slot >= 1 && slot <= w.count[kind] && w.partnerEnzyme[kind][slot] == e;
    };
    for (int e = 1; e <= enzymes; ++e) {
        if (w.boundSubstrate[e] != 0 && !holds(w.substrateKind, w.boundSubstrate[e], e)) {
            return at("boundSubstrate does not point both ways", e);
        }
        if (w.boundSecond[e] != 0 && !holds(w.secondKind, w.boundSecond[e], e)) {
            return at("boundSecond does not point both ways", e);
        }
        if (w.boundOther[e] != 0 && !holds(w.otherKind, w.boundOther[e], e)) {
            return at("boundOther does not point both ways", e);
        }
        if (w.boundSubstrate[e] != 0 && w.boundOther[e] != 0) {
            return at("enzyme holds a substrate and the other species", e);
        }
    }
    return {};
}

std::string brokenChains(const World& w)
{
    if (w.reactionIndex != Reaction::amyloseHydrolysis) {
        return {};
    }
    const int units = w.count[w.substrateKind];
    for (int a = 1; a <= units; ++a) {
        const int below = w.chainNext[a];
        const int above = w.chainPrev[a];
        if (below != 0 && (below < 1 || below > units || w.chainPrev[below] != a)) {
            return at("chainNext does not point both ways", a);
        }
        if (above != 0 && (above < 1 || above > units || w.chainNext[above] != a)) {
            return at("chainPrev does not point both ways", a);
        }
    }
    return {};
}

std::string brokenRuns(const World& w)
{
    const int enzymes = w.count[Kind::enzyme];
    bool intactSeen = false;
    for (int e = 1; e <= enzymes; ++e) {
        if (!w.denatured[e]) {
            intactSeen = true;
        } else if (intactSeen) {
            return at("denatured is not one run from slot 1", e);
        }
    }
    int sign = 0;
    int previousMagnitude = 2;
    for (int e = 1; e <= enzymes; ++e) {
        const int c = w.charge[e];
        if (c < -2 || c > 2 || std::abs(c) > previousMagnitude) {
            return at("charge is not runs of 2, 1, 0 from slot 1", e);
        }
        if (c != 0) {
            if (sign != 0 && (c > 0) != (sign > 0)) {
                return at("charges of both signs", e);
            }
            sign = c;
        }
        previousMagnitude = std::abs(c);
    }
    return {};
}

} // namespace

std::string brokenInvariant(const World& w)
{
    for (int k = 0; k < kindCount; ++k) {
        if (w.count[k] < 0 || w.count[k] > maxSlot) {
            return at("count outside 0..200", k);
        }
    }
    if (w.tickCounter < 0 || w.tickCounter > 19) {
        return "tickCounter outside 0..19";
    }
    if (w.graphCount < 0 || w.graphCount > graphSeconds) {
        return "graphCount outside 0..100";
    }
    if (std::string broken = brokenRuns(w); !broken.empty()) {
        return broken;
    }
    if (!w.running) {
        return {};
    }
    if (std::string broken = brokenLinks(w); !broken.empty()) {
        return broken;
    }
    return brokenChains(w);
}

} // namespace velmora::testing
