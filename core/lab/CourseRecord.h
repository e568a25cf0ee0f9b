#pragma once

#include "lab/Experiment.h"
#include "model/WindowUpdate.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <vector>

namespace velmora {

// The whole time course of a run, one row per graph second from the start, where the graph itself
// keeps only its page of 100 seconds. The window and velmora2-batch record and write it the same
// way, so that the window's saved data and velmora2-batch's --csv of the same run are the same
// bytes.

// The second that the graph recorded in the tick that asked for `update`, read from the World that
// the tick left: none when the tick recorded nothing (not a twentieth tick, no experiment running,
// or the 101st second, which opens a page and stores no sample).
std::optional<RecordedSecond> recordedSecond(const World& world, const WindowUpdate& update);

// One run's record.
class CourseRecord
{
public:
    // Forgets the previous run: a new one starts with these settings, whose substrate quantity is
    // the 100 % of its course.
    void start(const ExperimentSettings& settings);
    // The storage grows by doubling: a tick does not allocate, but for one in a growing power of two.
    void add(const RecordedSecond& second) { seconds_.push_back(second); }

    const ExperimentSettings& settings() const { return settings_; }
    const std::vector<RecordedSecond>& seconds() const { return seconds_; }
    bool empty() const { return seconds_.empty(); }
    std::int32_t substrateAmount() const { return clampAmount(settings_.substrate); }
    // The runs started since the record was made, this one included: 0 before the first start.
    std::uint64_t run() const { return run_; }

private:
    friend class KeptCourses;
    ExperimentSettings settings_;
    std::vector<RecordedSecond> seconds_;
    std::uint64_t run_ = 0;
};

// The substrate left in per cent of the starting quantity, truncated as the graph truncates it.
// Call only with a quantity above 0 (nothing is recorded without substrate).
constexpr std::int32_t substratePercent(std::int32_t substrate, std::int32_t substrateAmount)
{
    return substrate * 100 / substrateAmount;
}

// Runs kept to compare with later ones, at most five, in the order kept.
inline constexpr std::size_t mostKeptCourses = 5;

enum class KeepOutcome
{
    kept,
    replaced,      // the same run was kept already: its course is brought up to date
    nothingToKeep, // no second recorded yet
    full,          // five runs are kept already: nothing changes
};

class KeptCourses
{
public:
    KeepOutcome keep(const CourseRecord& record);
    void clear() { courses_.clear(); }
    // Puts back runs kept earlier (from a file), the first five; they are never taken for a run of
    // this session.
    void restore(const std::vector<CourseRecord>& courses);
    const std::vector<CourseRecord>& courses() const { return courses_; }

private:
    std::vector<CourseRecord> courses_;
};

// The rows of a record and the kept runs side by side, by second in increasing order: one row for
// every second that any of them recorded. `current` is null where the record has no such second,
// and kept[i] where kept run i has none.
struct CourseRow
{
    std::int32_t second = 0;
    const RecordedSecond* current = nullptr;
    std::vector<const RecordedSecond*> kept;
};
void forEachCourseRow(const CourseRecord& record, const std::vector<CourseRecord>& kept,
                      const std::function<void(const CourseRow&)>& visit);

// The settings of a run in a few characters, for a column's header: "37 °C pH 8 E20 S100", then
// " I50" with thiolactose, " V25 %" in a box of another volume, the reaction first when it is not
// lactose hydrolysis ("maltose 37 °C…"), and "37→60 °C" when the run's temperature (or pH) changed.
std::string runSettingsTag(const CourseRecord& run);

// The settings of the kept runs, kept1 ... in the CSV's header: "kept1 (37 °C pH 8 E20 S100)".
std::string keptColumnHeader(std::size_t index, const CourseRecord& run); // index from 0

// Header of the time course as CSV.
inline constexpr const char* timeCourseHeader = "second,substrate,percent,temperature,ph";

// One recorded second as CSV cells, "second,substrate,percent,temperature,ph", with no line end.
void writeTimeCourseCells(std::ostream& out, const RecordedSecond& second, std::int32_t substrateAmount);

// The whole course as velmora2-batch's --csv writes it: the header, then one line per second. Each
// kept run adds a column, "kept1 (<its settings>)", ...: its substrate left in per cent of its own
// starting quantity. Cells stay empty where a run has no such second (the second itself is always
// given).
void writeTimeCourseCsv(std::ostream& out, const CourseRecord& record,
                        const std::vector<CourseRecord>& kept = {});

} // namespace velmora
