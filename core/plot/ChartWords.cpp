#include "plot/ChartWords.h"

#include "plot/FrenchText.h"

namespace velmora {

std::vector<std::string*> ChartWords::all()
{
    std::vector<std::string*> words{&decimalMark,
                                    &listComma,
                                    &temperatureTitle,
                                    &phTitle,
                                    &enzymeTitle,
                                    &substrateTitle,
                                    &thiolactoseTitle,
                                    &otherSpeciesTitle,
                                    &initialRateTitle,
                                    &halfTimeTitle,
                                    &leftTitle,
                                    &temperatureValue,
                                    &phValue,
                                    &noThiolactose,
                                    &vmaxLine,
                                    &kmLine,
                                    &fitImpossible,
                                    &tooFewPoints,
                                    &noReaction,
                                    &notRising,
                                    &noCurvature,
                                    &noConvergence,
                                    &durationNote,
                                    &replicatesNote,
                                    &lineweaverBurkTitle,
                                    &lineweaverBurkX,
                                    &lineweaverBurkY,
                                    &initialRateShareNote};
    for (Counted* counted : {&enzymes, &substrateMolecules, &otherSpeciesMolecules, &thiolactoseMolecules,
                             &initialRateNote, &omittedNote, &cutShortNote, &leftOutNote}) {
        words.insert(words.end(), {&counted->one, &counted->many});
    }
    return words;
}

std::string ChartWords::counted(std::int32_t count, const Counted& words) const
{
    const bool plural = pluralFromTwo ? count >= 2 : count != 1;
    return fillPattern(plural ? words.many : words.one, {french::number(count, 0, decimalMark)});
}

} // namespace velmora
