#pragma once

#include "model/World.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace velmora {

// What applying the settings file asks of the window, in file order.
class SettingsTarget
{
public:
    virtual ~SettingsTarget() = default;
    // SetVariable on the control-panel movie, with the value line exactly as read.
    virtual void setPanelVariable(std::string_view name, std::string_view text) = 0;
    // "Petits symboles" (small) or "Grands symboles" checked, then the reaction choice applied.
    virtual void chooseSymbolSize(bool small) = 0;
    // "Volume de la boîte": one of the box volumes (model/BoxVolume.h), for the next start.
    virtual void chooseVolume(std::int32_t percent) = 0;
    // The error that ends the read at a volume line that names none of them, in the user's
    // language: French unless the window gives its own.
    virtual std::string volumeNotAllowed(std::string_view text);
};

// The settings file "velmora.ini": lines ending with a line feed (a carriage return before it is
// dropped). A line that is exactly one of the section lines "[temperature]", "[substrat]",
// "[autre]", "[enzyme]", "[ph]", "[taille]", "[volume]", "[reaction]" is followed by its value line; every
// other line is skipped. Sections apply in file order, so the last occurrence wins. A UTF-8
// byte-order mark at the start of the file (some editors write one) is skipped.
//
// Applies the settings read from `file` to the World and the panel: the panel gets each value line
// as read, then the value the World stores where that differs. Returns the error that ended
// the read ("'x' is not a valid integer value", "I/O error 5"), or empty text; what was applied
// before an error stays applied.
std::string applySettings(std::FILE* file, World& world, SettingsTarget& target);

// Opens the file at `path`, applies it and closes it, also when applying fails. Returns the error
// text, or empty text: "File not found", "File access denied", "Invalid filename" or
// "I/O error <code>" when the file cannot be opened. The file is opened without blocking and
// only a regular file of at most 64 KB is read: a pipe, a device, a folder or a larger file is a
// file that cannot be read ("File access denied"), so that nothing endless holds the program.
std::string loadSettingsFile(const std::string& path, World& world, SettingsTarget& target);

// The same for a file already opened by the caller (as openSettingsFile does), which it closes:
// `file` is a file descriptor, or -errno when the opening failed.
std::string applySettingsFile(int file, World& world, SettingsTarget& target);

// Opens `path` as the settings file is opened: a file descriptor, or -errno.
int openSettingsFile(const std::string& path);

} // namespace velmora
