#include "plot/ChartWords.h"

#include "plot/FrenchText.h"

namespace velmora {

std::vector<std::string*> ChartWords::all()
{
    std::vector<std::string*> words{
        &decimalMark,     &listComma,        &temperatureTitle,  &phTitle,          &enzymeTitle,
        &substrateTitle,  &thiolactoseTitle, &otherSpeciesTitle, &initialRateTitle, &halfTimeTitle,
        &leftTitle,       &temperatureValue, &phValue,           &noThiolactose,    &vmaxLine,
        &kmLine,          &fitImpossible,    &tooFewPoints,      &noReaction,       &notRising,
        &noCurvature,     &noConvergence,    &durationNote,      &replicatesNote,   &lineweaverBurkTitle,
        &lineweaverBurkX, &lineweaverBurkY};
    for (Counted* counted : {&enzymes, &substrateMolecules, &otherSpeciesMolecules, &thiolactoseMolecules,
                             &initialRateNote, &omittedNote}) {
        words.insert(words.end(), {&counted->one, &counted->many});
    }
    return words;
}

std::string ChartWords::counted(std::int32_t count, const Counted& words) const
{
    const bool plural = pluralFromTwo ? count >= 2 : count != 1;
    return fillPattern(plural ? words.many : words.one, {french::number(count, 0, decimalMark)});
}

std::string fillPattern(const std::string& pattern, std::initializer_list<std::string> values)
{
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && index < values.size()) {
            text += values.begin()[index];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace velmora
