#include "batch/StateDump.h"

namespace velmora {

namespace {

// "<word> <values[1]> ... <values[n]>", or the word alone when n is 0.
template <typename Values>
void writeRecord(std::ostream& out, const char* word, const Values& values, std::int32_t n)
{
    out << word;
    for (std::int32_t i = 1; i <= n; ++i) {
        out << ' ' << values[i];
    }
    out << '\n';
}

} // namespace

void writeStateDump(std::ostream& out, const World& w, std::int32_t ticksRun)
{
    out << "velmora-dump 1\n";
    out << "tick " << ticksRun << '\n';
    out << "random " << w.random.state << '\n';
    out << "settings " << w.reactionIndex << ' ' << w.temperature << ' ' << w.ph << ' ' << w.enzymeAmount << ' '
        << w.substrateAmount << ' ' << w.otherAmount << ' ' << w.spriteBase << ' ' << w.maxProducts << '\n';
    out << "roles " << w.substrateKind << ' ' << w.secondKind << ' ' << w.productKind1 << ' ' << w.productKind2
        << ' ' << w.otherKind << ' ' << w.enzymeSprite << ' ' << w.optimumPh << ' ' << w.siteOffsetX << ' '
        << w.siteOffsetY << '\n';
    out << "graph " << w.graphCount << ' ' << w.graphTimeOffset << ' ' << w.tickCounter << '\n';
    const std::int32_t seconds = w.graphCount < 0 ? 0 : (w.graphCount > graphSeconds ? graphSeconds : w.graphCount);
    writeRecord(out, "samples", w.graphSamples, seconds);
    writeRecord(out, "marks", w.graphMarks, seconds);
    out << "count";
    for (const std::int32_t c : w.count) {
        out << ' ' << c;
    }
    out << '\n';
    for (std::int32_t k = 0; k < kindCount; ++k) {
        for (std::int32_t s = 1; s <= maxSlot; ++s) {
            out << "mol " << k << ' ' << s << ' ' << w.posX[k][s] << ' ' << w.posY[k][s] << ' ' << w.velX[k][s]
                << ' ' << w.velY[k][s] << ' ' << w.partnerEnzyme[k][s] << '\n';
        }
    }
    for (std::int32_t e = 1; e <= w.count[Kind::enzyme]; ++e) {
        out << "enz " << e << ' ' << w.busyTimer[e] << ' ' << w.boundSubstrate[e] << ' ' << w.boundSecond[e] << ' '
            << w.boundOther[e] << ' ' << (w.denatured[e] ? 1 : 0) << ' ' << w.charge[e] << '\n';
    }
    for (std::int32_t s = 1; s <= maxSlot; ++s) {
        out << "chain " << s << ' ' << w.chainPrev[s] << ' ' << w.chainNext[s] << '\n';
    }
}

} // namespace velmora
