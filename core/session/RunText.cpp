#include "session/RunText.h"

#include "model/BoxVolume.h"
#include "model/Translatable.h"

#include <cstdio>

namespace velmora {

namespace {

std::string tr(const Translator& translator, std::string_view source)
{
    return translator.text("SettingsText", source);
}

// An integer as French readers write it: the minus sign for negatives.
std::string integer(std::int64_t value)
{
    return value < 0 ? "\u2212" + std::to_string(-value) : std::to_string(value);
}

// The value at the start, and the last one recorded when the run changed it.
std::string startAndEnd(std::int32_t start, const CourseRecord& run, std::int32_t RecordedSecond::*value)
{
    std::string text = integer(start);
    const std::vector<RecordedSecond>& seconds = run.seconds();
    if (!seconds.empty() && seconds.front().*value != seconds.back().*value) {
        text += "\u00a0\u2192 " + integer(seconds.back().*value);
    }
    return text;
}

std::string temperatureText(const CourseRecord& run, const Translator& translator)
{
    return fillPattern(tr(translator, "%1\u00a0°C"),
                       {startAndEnd(run.settings().temperature, run, &RecordedSecond::temperature)});
}

std::string phText(const CourseRecord& run, const Translator& translator)
{
    return fillPattern(tr(translator, "pH\u00a0%1"),
                       {startAndEnd(run.settings().ph, run, &RecordedSecond::ph)});
}

std::string counted(std::int32_t count, std::string_view one, std::string_view many,
                    const Translator& translator)
{
    return fillPattern(tr(translator, count >= 2 ? many : one), {std::to_string(count)});
}

// The box's volume when it is not the usual one.
std::optional<std::int32_t> otherVolume(const CourseRecord& run)
{
    const std::optional<std::int32_t> volume = volumeOfBox(run.settings().scene);
    return volume && *volume != defaultVolume ? volume : std::nullopt;
}

std::string percentCell(const RecordedSecond* second, const CourseRecord& run, const std::string& mark)
{
    if (!second || run.substrateAmount() == 0) {
        return {};
    }
    char number[32];
    std::snprintf(number, sizeof number, "%.1f", 100.0 * second->substrate / run.substrateAmount());
    std::string text(number);
    if (const auto point = text.find('.'); point != std::string::npos) {
        text.replace(point, 1, mark);
    }
    return text;
}

} // namespace

std::string reactionTitle(std::int32_t reaction, const Translator& translator)
{
    switch (reaction) {
    case Reaction::lactoseHydrolysis:
        return tr(translator, "Hydrolyse du lactose");
    case Reaction::lactoseSynthesis:
        return tr(translator, "Synthèse du lactose");
    case Reaction::maltoseHydrolysis:
        return tr(translator, "Hydrolyse du maltose");
    case Reaction::amyloseHydrolysis:
        return tr(translator, "Hydrolyse de l’amylose");
    }
    return {};
}

std::string runCaption(const CourseRecord& run, const Translator& translator)
{
    const ExperimentSettings& settings = run.settings();
    const std::int32_t enzyme = clampAmount(settings.enzyme);
    const std::int32_t substrate = clampAmount(settings.substrate);
    const std::int32_t other = clampAmount(settings.other);
    std::string inhibitor;
    if (settings.reaction != Reaction::lactoseHydrolysis) {
        inhibitor = tr(translator, "sans inhibiteur");
    } else if (other == 0) {
        inhibitor = tr(translator, "sans thiolactose (inhibiteur)");
    } else {
        inhibitor = counted(other, "%1\u00a0molécule de thiolactose (inhibiteur)",
                            "%1\u00a0molécules de thiolactose (inhibiteur)", translator);
    }
    std::string text = fillPattern(
        tr(translator, "%1, %2, %3, %4, %5"),
        {temperatureText(run, translator), phText(run, translator),
         counted(enzyme, "%1\u00a0enzyme", "%1\u00a0enzymes", translator),
         counted(substrate, "%1\u00a0molécule de substrat", "%1\u00a0molécules de substrat", translator),
         inhibitor});
    if (const std::optional<std::int32_t> volume = otherVolume(run)) {
        text += fillPattern(tr(translator, ", volume de la boîte %1\u00a0%"), {std::to_string(*volume)});
    }
    return text;
}

std::string keptLegendLine(std::size_t index, const CourseRecord& run, const Translator& translator,
                           std::int64_t endedAt)
{
    const ExperimentSettings& settings = run.settings();
    std::string reaction;
    switch (settings.reaction) {
    case Reaction::lactoseHydrolysis:
        reaction = tr(translator, "hydr. lactose");
        break;
    case Reaction::lactoseSynthesis:
        reaction = tr(translator, "synth. lactose");
        break;
    case Reaction::maltoseHydrolysis:
        reaction = tr(translator, "hydr. maltose");
        break;
    case Reaction::amyloseHydrolysis:
        reaction = tr(translator, "hydr. amylose");
        break;
    }
    std::string line = fillPattern(tr(translator, "%1 · %2 · %3 · %4 · E\u00a0%5 · S\u00a0%6"),
                                   {std::to_string(index + 1), reaction, temperatureText(run, translator),
                                    phText(run, translator), std::to_string(clampAmount(settings.enzyme)),
                                    std::to_string(clampAmount(settings.substrate))});
    if (settings.reaction == Reaction::lactoseHydrolysis && clampAmount(settings.other) > 0) {
        line += fillPattern(tr(translator, " · I\u00a0%1"), {std::to_string(clampAmount(settings.other))});
    }
    if (const std::optional<std::int32_t> volume = otherVolume(run)) {
        line += fillPattern(tr(translator, " · V\u00a0%1\u00a0%"), {std::to_string(*volume)});
    }
    if (endedAt >= 0) {
        line +=
            ' ' + fillPattern(translator.text("GraphMenu", "(fin à %1\u00a0s)"), {std::to_string(endedAt)});
    }
    return line;
}

std::string timeCourseTable(const CourseRecord& run, const std::vector<CourseRecord>& kept,
                            const Translator& translator)
{
    const auto word = [&translator](std::string_view source) {
        return translator.text("GraphExport", source);
    };
    const std::string mark = word(",");
    std::string table = word("seconde") + '\t' + word("substrat (molécules)") + '\t' + word("substrat (%)") +
                        '\t' + word("température (°C)") + '\t' + word("pH");
    for (std::size_t k = 0; k < kept.size(); ++k) {
        table += '\t' + fillPattern(word("courbe gardée %1, %2 (%)"),
                                    {std::to_string(k + 1), runSettingsTag(kept[k])});
    }
    table += '\n';
    forEachCourseRow(run, kept, [&](const CourseRow& row) {
        table += std::to_string(row.second);
        if (row.current) {
            table += '\t' + std::to_string(row.current->substrate) + '\t' +
                     percentCell(row.current, run, mark) + '\t' + std::to_string(row.current->temperature) +
                     '\t' + std::to_string(row.current->ph);
        } else {
            table += "\t\t\t\t";
        }
        for (std::size_t k = 0; k < kept.size(); ++k) {
            table += '\t' + percentCell(row.kept[k], kept[k], mark);
        }
        table += '\n';
    });
    return table;
}

} // namespace velmora
