#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velmora {

// What an operation of the model asks of the main window once it returns: timer switches,
// drawing requests and the texts and frames to write into the two panel movies. The model
// never touches the window itself; the window carries these out after each call. An empty
// field asks for nothing. When an operation sets a field twice, the later request stands.
struct WindowUpdate
{
    // Timer1 draws the scene, Timer2 runs the tick.
    std::optional<bool> sceneTimer;
    std::optional<bool> tickTimer;
    bool blankScene = false; // fill the scene with white and present it
    bool redrawGraph = false;
    bool refreshAxisLabels = false; // set the graph's axis labels from the "pourcentage" box
    std::optional<std::int32_t> elapsedSeconds; // time label of the graph header, "<n> s"

    // Legend movie: comment text "texte", clip "legende" frame, boxes "cadre1"/"cadre2".
    std::optional<std::string_view> comment;
    std::optional<std::int32_t> legendFrame;
    std::optional<bool> smallSymbolBoxes; // true: "cadre1" shown and "cadre2" hidden

    // Control-panel movie: main timeline frame and variable "nomreac".
    std::optional<std::int32_t> panelFrame;
    std::optional<std::string_view> reactionName;
};

} // namespace velmora
