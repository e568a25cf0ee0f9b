#include "lab/LessonPreset.h"

#include "model/BoxVolume.h"
#include "settings/IntegerText.h"

#include <array>

namespace velmora {

namespace {

struct Field
{
    std::string_view name;
    std::optional<std::int32_t> PanelPreset::*member;
    std::int32_t lowest;
    std::int32_t highest;
};

const std::array<Field, 6> fields{{
    {"reaction", &PanelPreset::reaction, 1, 4},
    {"temperature", &PanelPreset::temperature, -10, 90},
    {"ph", &PanelPreset::ph, 0, 14},
    {"enzyme", &PanelPreset::enzyme, 0, 200},
    {"substrate", &PanelPreset::substrate, 0, 200},
    {"other", &PanelPreset::inhibitor, 0, 200},
}};

LessonPresetReading refused(std::string error)
{
    return {std::nullopt, std::nullopt, std::move(error)};
}

} // namespace

LessonPresetReading readLessonPreset(std::string_view text)
{
    PanelPreset preset;
    std::optional<std::int32_t> volume;
    bool any = false;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == ' ') {
            ++at;
            continue;
        }
        const std::size_t end = std::min(text.find(' ', at), text.size());
        const std::string_view word = text.substr(at, end - at);
        at = end;
        const std::size_t equals = word.find('=');
        const std::string_view name = word.substr(0, equals);
        if (equals != std::string_view::npos && name == "volume") {
            if (volume) {
                return refused("réglage donné deux fois\u00a0: volume");
            }
            volume = parseDecimalInteger(word.substr(equals + 1));
            if (!volume || !boxForVolume(*volume)) {
                return refused("volume de la boîte non permis\u00a0: «\u00a0" +
                               std::string(word.substr(equals + 1)) + "\u00a0» (25, 50, 100, 200 ou 400)");
            }
            any = true;
            continue;
        }
        const Field* field = nullptr;
        for (const Field& f : fields) {
            if (f.name == name) {
                field = &f;
            }
        }
        if (equals == std::string_view::npos || !field) {
            return refused("réglage inconnu «\u00a0" + std::string(word) + "\u00a0»");
        }
        if ((preset.*(field->member)).has_value()) {
            return refused("réglage donné deux fois\u00a0: " + std::string(name));
        }
        const std::optional<std::int32_t> value = parseDecimalInteger(word.substr(equals + 1));
        if (!value || *value < field->lowest || *value > field->highest) {
            return refused("valeur hors limites pour " + std::string(name) + "\u00a0: «\u00a0" +
                           std::string(word.substr(equals + 1)) + "\u00a0» (de " +
                           std::to_string(field->lowest) + " à " + std::to_string(field->highest) + ")");
        }
        preset.*(field->member) = value;
        any = true;
    }
    if (!any) {
        return refused("aucun réglage demandé");
    }
    return {preset, volume, {}};
}

} // namespace velmora
