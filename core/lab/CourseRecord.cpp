#include "lab/CourseRecord.h"

#include "model/BoxVolume.h"

#include <algorithm>
#include <limits>

namespace velmora {

std::optional<RecordedSecond> recordedSecond(const World& world, const WindowUpdate& update)
{
    if (!update.elapsedSeconds || world.graphCount <= 0) {
        return std::nullopt;
    }
    return RecordedSecond{*update.elapsedSeconds, world.graphSamples[world.graphCount], world.temperature,
                          world.ph};
}

void CourseRecord::start(const ExperimentSettings& settings)
{
    settings_ = settings;
    settings_.events.clear();
    seconds_.clear(); // the storage stays, for the next run
    ++run_;
}

KeepOutcome KeptCourses::keep(const CourseRecord& record)
{
    if (record.empty()) {
        return KeepOutcome::nothingToKeep;
    }
    const auto same = std::find_if(courses_.begin(), courses_.end(),
                                   [&](const CourseRecord& kept) { return kept.run() == record.run(); });
    if (same != courses_.end()) {
        *same = record;
        return KeepOutcome::replaced;
    }
    if (courses_.size() >= mostKeptCourses) {
        return KeepOutcome::full;
    }
    courses_.push_back(record);
    return KeepOutcome::kept;
}

void KeptCourses::restore(const std::vector<CourseRecord>& courses)
{
    courses_.assign(courses.begin(),
                    courses.begin() + static_cast<std::ptrdiff_t>(std::min(courses.size(), mostKeptCourses)));
    // Numbers that no run of the session reaches.
    for (std::size_t k = 0; k < courses_.size(); ++k) {
        courses_[k].run_ = std::numeric_limits<std::uint64_t>::max() - k;
    }
}

void forEachCourseRow(const CourseRecord& record, const std::vector<CourseRecord>& kept,
                      const std::function<void(const CourseRow&)>& visit)
{
    // Each course is in increasing order of seconds: the rows merge them.
    std::vector<const std::vector<RecordedSecond>*> courses{&record.seconds()};
    for (const CourseRecord& run : kept) {
        courses.push_back(&run.seconds());
    }
    std::vector<std::size_t> next(courses.size(), 0);
    CourseRow row;
    row.kept.resize(kept.size());
    for (;;) {
        std::int64_t second = std::numeric_limits<std::int64_t>::max();
        for (std::size_t c = 0; c < courses.size(); ++c) {
            if (next[c] < courses[c]->size()) {
                second = std::min<std::int64_t>(second, (*courses[c])[next[c]].second);
            }
        }
        if (second == std::numeric_limits<std::int64_t>::max()) {
            return;
        }
        row.second = static_cast<std::int32_t>(second);
        for (std::size_t c = 0; c < courses.size(); ++c) {
            const RecordedSecond* here = nullptr;
            // A second recorded twice (never by the graph) gives its rows one by one.
            if (next[c] < courses[c]->size() && (*courses[c])[next[c]].second == second) {
                here = &(*courses[c])[next[c]++];
            }
            (c == 0 ? row.current : row.kept[c - 1]) = here;
        }
        visit(row);
    }
}

void writeTimeCourseCells(std::ostream& out, const RecordedSecond& second, std::int32_t substrateAmount)
{
    out << second.second << ',' << second.substrate << ','
        << substratePercent(second.substrate, substrateAmount) << ',' << second.temperature << ','
        << second.ph;
}

namespace {

// "37", or "37→60" when the run's value changed.
std::string startAndEnd(std::int32_t start, const CourseRecord& run, std::int32_t RecordedSecond::*value)
{
    std::string text = std::to_string(start);
    const std::vector<RecordedSecond>& seconds = run.seconds();
    if (!seconds.empty() && seconds.front().*value != seconds.back().*value) {
        text += "\u2192" + std::to_string(seconds.back().*value);
    }
    return text;
}

} // namespace

std::string runSettingsTag(const CourseRecord& run)
{
    const ExperimentSettings& settings = run.settings();
    std::string tag;
    switch (settings.reaction) {
    case Reaction::lactoseSynthesis:
        tag = "synthèse ";
        break;
    case Reaction::maltoseHydrolysis:
        tag = "maltose ";
        break;
    case Reaction::amyloseHydrolysis:
        tag = "amylose ";
        break;
    default:
        break;
    }
    tag += startAndEnd(settings.temperature, run, &RecordedSecond::temperature) + " °C pH " +
           startAndEnd(settings.ph, run, &RecordedSecond::ph) + " E" +
           std::to_string(clampAmount(settings.enzyme)) + " S" +
           std::to_string(clampAmount(settings.substrate));
    if (settings.reaction == Reaction::lactoseHydrolysis && clampAmount(settings.other) > 0) {
        tag += " I" + std::to_string(clampAmount(settings.other));
    }
    if (const std::optional<std::int32_t> volume = volumeOfBox(settings.scene); !volume) {
        tag += " " + std::to_string(settings.scene.width) + "x" + std::to_string(settings.scene.height);
    } else if (*volume != defaultVolume) {
        tag += " V" + std::to_string(*volume) + " %";
    }
    return tag;
}

std::string keptColumnHeader(std::size_t index, const CourseRecord& run)
{
    return "kept" + std::to_string(index + 1) + " (" + runSettingsTag(run) + ")";
}

void writeTimeCourseCsv(std::ostream& out, const CourseRecord& record, const std::vector<CourseRecord>& kept)
{
    out << timeCourseHeader;
    for (std::size_t k = 0; k < kept.size(); ++k) {
        out << ',' << keptColumnHeader(k, kept[k]);
    }
    out << '\n';
    forEachCourseRow(record, kept, [&](const CourseRow& row) {
        if (row.current) {
            writeTimeCourseCells(out, *row.current, record.substrateAmount());
        } else {
            out << row.second << ",,,,";
        }
        for (std::size_t k = 0; k < kept.size(); ++k) {
            out << ',';
            if (row.kept[k]) {
                out << substratePercent(row.kept[k]->substrate, kept[k].substrateAmount());
            }
        }
        out << '\n';
    });
}

} // namespace velmora
