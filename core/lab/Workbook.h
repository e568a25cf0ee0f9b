#pragma once

#include "lab/CourseRecord.h"
#include "lab/Sweep.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// Spreadsheet workbooks (.xlsx) for a French class: numbers stored as numbers, headers in French
// with their units, and a native chart of the curve, written with libxlsxwriter.

// A chart of some columns against the first one, drawn by the spreadsheet program itself.
struct WorkbookChart
{
    std::string title;
    std::string xTitle;
    std::string yTitle;
    std::size_t xColumn = 0;
    std::vector<std::size_t> yColumns; // one line each, named by its header
    // The rows of each line, first and last (from 0, below the header); empty: every row.
    std::vector<std::pair<std::size_t, std::size_t>> rowRanges;
};

struct WorkbookSheet
{
    std::string name; // at most 31 characters, none of []:*?/\ .
    std::vector<std::string> header;
    std::vector<int> decimals; // shown per column; the stored number keeps every digit
    std::vector<std::vector<std::optional<double>>> rows; // an empty cell where there is no value
    std::optional<WorkbookChart> chart;
};

struct Workbook
{
    std::vector<WorkbookSheet> sheets;
};

// The time course of a run with the kept runs beside it, one row per second: « Temps (s) »,
// « Substrat (molécules) », « Substrat (%) », « Température (°C) », « pH », then one column per
// kept run headed with its settings; a chart of the per cents.
Workbook timeCourseWorkbook(const CourseRecord& current, const std::vector<CourseRecord>& kept);

// A sweep's table, one row per point, with French headers, and its chart (the first measure).
Workbook sweepWorkbook(const SweepResult& result);

// The workbook as the bytes of an .xlsx file; empty with `error` set when it could not be made.
// libxlsxwriter works through a temporary file, made and removed in the temporary folder.
std::string workbookBytes(const Workbook& workbook, std::string& error);

// The workbook as a message and back, to hand it to the process that writes the user's files.
std::string workbookMessage(const Workbook& workbook);
std::optional<Workbook> workbookFromMessage(std::string_view message);

} // namespace velmora
