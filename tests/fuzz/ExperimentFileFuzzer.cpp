// The experiment file reader on arbitrary bytes: it either refuses them with a message or gives a
// document that writes back to a file read as the same document (what is written is read again
// unchanged), and whose settings start an experiment that keeps the model's invariants.

#include "lab/Experiment.h"
#include "lab/ExperimentFile.h"
#include "support/WorldChecks.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

namespace {

using namespace velmora;

[[noreturn]] void fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ExperimentReading reading = readExperimentFile(bytes, "fuzz.velmora");
    if (!reading.document) {
        if (!reading.error || reading.error->text().empty()) {
            fail("refused without a message", std::string(bytes.substr(0, 200)));
        }
        return 0;
    }
    const std::string written = writeExperimentFile(*reading.document);
    const ExperimentReading again = readExperimentFile(written, "fuzz.velmora");
    if (!again.document) {
        fail("a written file is refused", again.error ? again.error->text() : written);
    }
    if (writeExperimentFile(*again.document) != written) {
        fail("a written file reads differently", written);
    }

    const ExperimentSettings settings = settingsWithVolume(reading.document->settings, reading.document->volume);
    auto world = std::make_unique<World>();
    Experiment experiment(settings, *world, reading.document->seed.value_or(designedSeed));
    for (int tick = 0; tick < 40 && world->running; ++tick) {
        experiment.tick();
        const std::string broken = testing::brokenInvariant(*world);
        if (!broken.empty()) {
            fail("broken invariant", broken);
        }
    }
    return 0;
}
