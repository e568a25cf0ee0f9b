#pragma once

#include "lab/CourseRecord.h"
#include "lab/ExperimentFile.h"
#include "lab/RunWords.h"
#include "plot/Chart.h"
#include "plot/ChartRenderer.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace velmora {

// The student report: what a group hands in after a practical, in French, on A4 pages. Laid out once
// by one page engine (cairo) for the PDF file and for the printer, so both show the same pages.

struct ReportTable
{
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

struct Report
{
    std::vector<std::pair<std::string, std::string>> identity; // « Groupe », « Classe », « Date »
    std::string title;                                         // the scenario's
    std::string instructions;
    std::vector<std::string> settings; // one line each
    Chart course;                      // the time course with the kept runs
    ReportTable table;                 // the course, one row every few seconds
    std::vector<Chart> curves;         // the activity curves computed during the session
    std::string answer;
    std::vector<std::pair<std::string, std::string>> log; // time, what was done
};

// The report of a group's experiment: `current` is the run under way or last run, `kept` the runs
// kept beside it; the table has one row every `tableStep` seconds.
Report studentReport(const ExperimentDocument& document, const CourseRecord& current,
                     const std::vector<CourseRecord>& kept, std::int32_t tableStep = 5);

// The pages: their number, one page as pixels at `dotsPerInch` (on white), or all as a PDF file.
inline constexpr double reportPageWidth = 595.276; // A4, in points
inline constexpr double reportPageHeight = 841.89;
int reportPageCount(const Report& report);
ChartImage renderReportPage(const Report& report, int page, double dotsPerInch);
bool writeReportPdf(const Report& report, std::ostream& out);

} // namespace velmora
