#pragma once

#include "lab/MichaelisMenten.h"
#include "lab/Sweep.h"
#include "plot/ChartWords.h"

#include <QCoreApplication>
#include <QString>

// The activity window's table for a spreadsheet, in the window's language, tab-separated with the
// language's decimal mark: in long form, one line per point (the series' value, the swept value,
// then the measure's mean, standard deviation, minimum and maximum, and the runs cut short or
// reaching the half-time); in wide form, one line per swept value and one column per curve, the
// means, then the fits' Vmax, Km (and the competitive model's Ki) with their errors.
class ActivityTable
{
    Q_DECLARE_TR_FUNCTIONS(ActivityTable)
public:
    static QString longForm(const velmora::SweepResult& result, velmora::Measure measure);
    static QString wideForm(const velmora::SweepResult& result, velmora::Measure measure,
                            const velmora::SweepFits& fits, const velmora::ChartWords& words);
    // « température (°C) », « substrat (molécules) »…
    static QString heading(velmora::SweepParameter parameter);
};
