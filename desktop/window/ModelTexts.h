#pragma once

#include "model/SceneDescription.h"
#include "plot/ChartWords.h"

#include <QString>

#include <string_view>

// The model's French texts (the comments, the reactions' names, the words of the screen-reader
// sentences and of the activity charts) in the window's language, from the translator under the
// context the model marks them with. Without a translation they stay French.
QString translatedModelText(const char* context, std::string_view text);
velmora::SentenceWords translatedSentenceWords();
// The activity charts' words, reactions' names and decimal mark in the window's language, counted
// as it counts: French gives the plural from 2 on, the other languages to every count but 1.
velmora::ChartWords translatedChartWords();
