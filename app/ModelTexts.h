#pragma once

#include "model/SceneDescription.h"

#include <QString>

#include <string_view>

// The model's French texts (the comments, the reactions' names, the words of the screen-reader
// sentences) in the window's language, from the translator under the context the model marks them
// with. Without a translation they stay French.
QString translatedModelText(const char* context, std::string_view text);
velmora::SentenceWords translatedSentenceWords();
