#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// A decimal integer as the settings file and the panel write them: an optional sign, then at
// least one digit, within the 32-bit range. Anything else (spaces, an empty text, hexadecimal, a
// fraction) is not an integer.
std::optional<std::int32_t> parseDecimalInteger(std::string_view text);

// The conversion error: "'<text>' is not a valid integer value".
std::string notAnIntegerMessage(std::string_view text);

} // namespace velmora
