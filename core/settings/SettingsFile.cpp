#include "settings/SettingsFile.h"

#include "model/BoxVolume.h"
#include "settings/IntegerText.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora {

namespace {

// Longer lines are cut there: no section line or sensible value is that long.
constexpr std::size_t longestLine = 64 * 1024;
// No settings file is larger: a larger one (a huge or sparse file) is refused as a device is,
// rather than read for seconds before the window shows.
constexpr off_t largestFile = 64 * 1024;

struct LineRead
{
    bool atEnd = false; // nothing was left to read
    int error = 0; // errno of a failed read
};

// Reads one line without its line feed and without a carriage return before it.
LineRead readLine(std::FILE* file, std::string& line)
{
    line.clear();
    int c = std::fgetc(file);
    if (c == EOF) {
        return {true, std::ferror(file) ? (errno != 0 ? errno : EIO) : 0};
    }
    for (; c != EOF && c != '\n'; c = std::fgetc(file)) {
        if (line.size() < longestLine) {
            line.push_back(static_cast<char>(c));
        }
    }
    if (c == EOF && std::ferror(file)) {
        return {false, errno != 0 ? errno : EIO};
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return {};
}

std::string ioError(int code)
{
    return "I/O error " + std::to_string(code);
}

// The panel shows what the model uses: where the World stores another value than the text read (a
// quantity brought into 0..200, a "+" sign, leading zeros), the panel is given the stored value.
void showStoredValue(SettingsTarget& target, std::string_view variable, std::string_view text,
                     std::int32_t stored)
{
    if (const std::string shown = std::to_string(stored); shown != text) {
        target.setPanelVariable(variable, shown);
    }
}

std::string openError(int code)
{
    switch (code) {
    case ENOENT:
        return "File not found";
    case EACCES:
    case EPERM:
    case EISDIR:
        return "File access denied";
    case ENAMETOOLONG:
    case EINVAL:
        return "Invalid filename";
    default:
        return ioError(code);
    }
}

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::string SettingsTarget::volumeNotAllowed(std::string_view text)
{
    return "Volume de la boîte non permis\u00a0: «\u00a0" + std::string(text) +
           "\u00a0» (25, 50, 100, 200 ou 400\u00a0%)";
}

std::string applySettings(std::FILE* file, World& world, SettingsTarget& target)
{
    std::string line;
    std::string value;
    for (bool first = true;; first = false) {
        const LineRead read = readLine(file, line);
        if (read.error != 0) {
            return ioError(read.error);
        }
        if (read.atEnd) {
            return {};
        }
        if (first && line.starts_with(utf8ByteOrderMark)) {
            line.erase(0, utf8ByteOrderMark.size());
        }
        const bool section = line == "[temperature]" || line == "[substrat]" || line == "[autre]" ||
                             line == "[enzyme]" || line == "[ph]" || line == "[taille]" ||
                             line == "[volume]" || line == "[reaction]";
        if (!section) {
            continue;
        }
        // A section line at the very end reads an empty value.
        if (const LineRead valueRead = readLine(file, value); valueRead.error != 0) {
            return ioError(valueRead.error);
        }
        const std::optional<std::int32_t> number = parseDecimalInteger(value);

        if (line == "[temperature]") {
            if (!number) {
                return notAnIntegerMessage(value);
            }
            world.temperature = *number;
            target.setPanelVariable("valeurtemp", value);
            showStoredValue(target, "valeurtemp", value, world.temperature);
        } else if (line == "[substrat]" || line == "[autre]" || line == "[enzyme]") {
            // The panel receives the text before it is converted, also when the conversion fails.
            const bool substrate = line == "[substrat]";
            const bool other = line == "[autre]";
            const std::string_view variable = substrate ? "valeursub" : other ? "valeurautre" : "valeurenz";
            target.setPanelVariable(variable, value);
            if (!number) {
                return notAnIntegerMessage(value);
            }
            std::int32_t& amount =
                substrate ? world.substrateAmount : (other ? world.otherAmount : world.enzymeAmount);
            amount = clampAmount(*number);
            showStoredValue(target, variable, value, amount);
        } else if (line == "[ph]") {
            if (!number) {
                return notAnIntegerMessage(value);
            }
            world.ph = *number;
            target.setPanelVariable("valeurph", value);
            showStoredValue(target, "valeurph", value, world.ph);
        } else if (line == "[taille]") {
            target.chooseSymbolSize(value == "0");
        } else if (line == "[volume]") {
            if (!number || !boxForVolume(*number)) {
                return target.volumeNotAllowed(value);
            }
            target.chooseVolume(*number);
        }
        // "[reaction]": the value line is read and ignored; the menu keeps its reaction.
    }
}

int openSettingsFile(const std::string& path)
{
    if (path.find('\0') != std::string::npos) {
        return -EINVAL;
    }
    const int file = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    return file >= 0 ? file : -errno;
}

std::string applySettingsFile(int file, World& world, SettingsTarget& target)
{
    if (file < 0) {
        return openError(-file);
    }
    struct stat status;
    if (fstat(file, &status) != 0) {
        const int error = errno;
        close(file);
        return ioError(error);
    }
    if (!S_ISREG(status.st_mode) || status.st_size > largestFile) {
        close(file);
        return "File access denied";
    }
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(fdopen(file, "rb"), &std::fclose);
    if (!stream) {
        const int error = errno;
        close(file);
        return ioError(error);
    }
    return applySettings(stream.get(), world, target);
}

std::string loadSettingsFile(const std::string& path, World& world, SettingsTarget& target)
{
    return applySettingsFile(openSettingsFile(path), world, target);
}

} // namespace velmora
