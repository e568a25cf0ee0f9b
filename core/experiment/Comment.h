#pragma once

#include "model/Translatable.h"
#include "model/WindowUpdate.h"
#include "model/World.h"

#include <string_view>

namespace velmora {

// The comment shown beside the scene. "\r" is one carriage return; "\r\r" an empty line.
namespace CommentText {
inline constexpr std::string_view denaturation = VELMORA_TRANSLATABLE(
    "Comment",
    "Attention : la dénaturation est un phénomène irréversible.\r\rCliquez sur \"Démarrer / recommencer "
    "l'expérience\" pour renouveler l'expérience avec des enzymes intactes.");
inline constexpr std::string_view suspended = VELMORA_TRANSLATABLE(
    "Comment",
    "Vous avez modifié les concentrations initiales, l'expérience est donc suspendue.\rUne fois vos réglages "
    "terminés, cliquez sur \"Démarrer / recommencer l'expérience\".");
inline constexpr std::string_view interrupted = VELMORA_TRANSLATABLE(
    "Comment",
    "Vous avez interrompu l'expérience.\r\rCliquez sur \"Démarrer / recommencer l'expérience\" pour relancer "
    "l'animation.");
inline constexpr std::string_view welcome = VELMORA_TRANSLATABLE(
    "Comment",
    "Bienvenue sur Velmora v2 !\r\rChoisissez la réaction, les concentrations, le pH et la température, puis "
    "cliquez  sur \"Démarrer / recommencer l'expérience\" pour lancer le modèle.");
} // namespace CommentText

// The message the World calls for, by priority: welcome, interrupted, suspended, denaturation,
// else none (empty).
std::string_view chooseComment(const World& world);

// Writes the chosen message into the legend movie; the interrupted message is shown only once.
void rafraichircommentaire1Click(World& world, WindowUpdate& update);

} // namespace velmora
