#include "batch/BatchRun.h"

#include "lab/CourseRecord.h"
#include "lab/Experiment.h"

namespace velmora {

std::int32_t runBatch(const BatchOptions& options, World& world, std::ostream* csv, CourseRecord* record)
{
    if (record) {
        record->start(options);
    }
    if (csv) {
        *csv << timeCourseHeader << '\n';
    }
    Experiment experiment(options, world, options.seed);
    forEachTick(1, options.ticks, [&](std::int32_t) {
        const std::optional<RecordedSecond> recorded = experiment.tick();
        if (csv && recorded) {
            writeTimeCourseCells(*csv, *recorded, world.substrateAmount);
            *csv << '\n';
        }
        if (record && recorded) {
            record->add(*recorded);
        }
    });
    return options.ticks;
}

} // namespace velmora
