// The settings of runs in words, in French, for reports, workbooks and legends.

#include "lab/RunWords.h"

#include "model/Catalogue.h"

#include <algorithm>

namespace velmora {

namespace {

const std::string nbsp = "\u00a0";
const std::string colon = nbsp + ":";
const std::string arrow = nbsp + "\u2192 ";

// Ticks as seconds: « 60 », « 60,05 ».
std::string secondsText(std::int32_t tick)
{
    std::string text = std::to_string(tick / 20);
    if (tick % 20 != 0) {
        const int hundredths = (tick % 20) * 5;
        text += (hundredths < 10 ? ",0" : ",") + std::to_string(hundredths);
    }
    return text;
}

std::string integer(std::int64_t value)
{
    return value < 0 ? "\u2212" + std::to_string(-value) : std::to_string(value);
}

std::string molecules(std::int32_t count, const char* one, const char* many)
{
    return std::to_string(count) + nbsp + (count >= 2 ? many : one);
}

std::string substrateName(std::int32_t reaction)
{
    switch (reaction) {
    case Reaction::lactoseSynthesis:
        return "glucose";
    case Reaction::maltoseHydrolysis:
        return "maltose";
    case Reaction::amyloseHydrolysis:
        return "unités d’amylose";
    default:
        return "lactose";
    }
}

// « 37 °C », with the timed changes: « 37 °C, puis 60 °C à 60 s ».
std::string withChanges(const ExperimentSettings& settings, PanelEvent::Variable variable, std::int32_t start,
                        const std::string& unit, bool unitFirst)
{
    const auto shown = [&](std::int32_t value) {
        return unitFirst ? unit + nbsp + integer(value) : integer(value) + nbsp + unit;
    };
    std::string text = shown(start);
    std::vector<PanelEvent> events = settings.events;
    std::stable_sort(events.begin(), events.end(),
                     [](const PanelEvent& a, const PanelEvent& b) { return a.tick < b.tick; });
    for (const PanelEvent& event : events) {
        if (event.variable == variable) {
            text += ", puis " + shown(event.value) + " à " + secondsText(event.tick) + nbsp + "s";
        }
    }
    return text;
}

} // namespace

std::vector<std::string> settingsLines(const ExperimentSettings& settings, std::int32_t volume)
{
    std::vector<std::string> lines;
    lines.push_back("Réaction" + colon + " " + std::string(reactionName(settings.reaction)));
    lines.push_back(
        "Température" + colon + " " +
        withChanges(settings, PanelEvent::Variable::temperature, settings.temperature, "°C", false));
    lines.push_back("pH" + colon + " " +
                    withChanges(settings, PanelEvent::Variable::ph, settings.ph, "", false));
    // « pH : 8 » rather than « 8 »: the unit is empty, so drop the space it left.
    std::string& ph = lines.back();
    for (std::size_t at; (at = ph.find(nbsp + nbsp)) != std::string::npos;) {
        ph.erase(at, nbsp.size());
    }
    while (ph.size() >= nbsp.size() && ph.compare(ph.size() - nbsp.size(), nbsp.size(), nbsp) == 0) {
        ph.erase(ph.size() - nbsp.size());
    }
    std::string quantities = "Enzyme" + colon + " " +
                             molecules(clampAmount(settings.enzyme), "molécule", "molécules") +
                             " ; substrat (" + substrateName(settings.reaction) + ")" + colon + " " +
                             molecules(clampAmount(settings.substrate), "molécule", "molécules");
    if (settings.reaction == Reaction::lactoseHydrolysis) {
        quantities += " ; thiolactose (inhibiteur)" + colon + " " +
                      molecules(clampAmount(settings.other), "molécule", "molécules");
    }
    for (std::size_t at; (at = quantities.find(" ;")) != std::string::npos;) {
        quantities.replace(at, 2, nbsp + ";");
    }
    lines.push_back(quantities);
    lines.push_back("Volume de la boîte" + colon + " " + std::to_string(volume) + nbsp + "% (" +
                    std::to_string(settings.scene.width) + nbsp + "×" + nbsp +
                    std::to_string(settings.scene.height) + nbsp + "pixels)");
    return lines;
}

std::string shortSettings(const CourseRecord& run)
{
    const ExperimentSettings& settings = run.settings();
    const auto startAndEnd = [&](std::int32_t start, std::int32_t RecordedSecond::*value) {
        std::string text = integer(start);
        if (!run.empty() && run.seconds().front().*value != run.seconds().back().*value) {
            text += arrow + integer(run.seconds().back().*value);
        }
        return text;
    };
    std::string text = startAndEnd(settings.temperature, &RecordedSecond::temperature) + nbsp + "°C, pH" +
                       nbsp + startAndEnd(settings.ph, &RecordedSecond::ph) + ", E" + nbsp +
                       std::to_string(clampAmount(settings.enzyme)) + ", S" + nbsp +
                       std::to_string(clampAmount(settings.substrate));
    if (settings.reaction == Reaction::lactoseHydrolysis && clampAmount(settings.other) > 0) {
        text += ", I" + nbsp + std::to_string(clampAmount(settings.other));
    }
    return text;
}

CourseRecord courseRecordOf(const KeptRun& run)
{
    CourseRecord record;
    record.start(run.settings);
    for (const RecordedSecond& second : run.seconds) {
        record.add(second);
    }
    return record;
}

} // namespace velmora
