#pragma once

#include "lab/CourseRecord.h"

#include <QCoreApplication>
#include <QString>

#include <cstddef>
#include <cstdint>

// The settings of a run in words, as the saved picture's caption and the kept runs' legend show
// them. A temperature or pH changed during the run shows as "start → end".
class SettingsText
{
    Q_DECLARE_TR_FUNCTIONS(SettingsText)
public:
    // « Hydrolyse du lactose », with the typographic apostrophe.
    static QString reactionTitle(std::int32_t reaction);
    // « 37 °C, pH 8, 20 enzymes, 100 molécules de substrat, sans thiolactose (inhibiteur) »
    static QString caption(const velmora::CourseRecord& run);
    // « 2 · hydr. lactose · 37 °C · pH 8 · E 20 · S 100 · I 50 » for kept run `index` (0-based).
    static QString legendLine(std::size_t index, const velmora::CourseRecord& run);
    // An integer as French readers write it: the minus sign for negatives, no grouping.
    static QString integer(std::int64_t value);
    // « 37 °C », or « 37 → 60 °C » when the run's temperature changed.
    static QString temperature(const velmora::CourseRecord& run);
    // « pH 8 », or « pH 8 → 5 ».
    static QString ph(const velmora::CourseRecord& run);
};
