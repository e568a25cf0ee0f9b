#include "batch/QuotedText.h"

#include <cstdio>

namespace velmora {

namespace {

void escapeByte(std::string& out, unsigned char byte)
{
    char escape[5];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    out += escape;
}

// The length of the UTF-8 sequence that starts at `at`, or 0 when none does. Overlong forms,
// surrogates and values past U+10FFFF are no sequence.
std::size_t sequenceLength(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size()) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
        value = (value << 6) | (byte(i) & 0x3Fu);
    }
    const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
    const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
    if (overlong || surrogate || value > 0x10FFFF) {
        return 0;
    }
    return length;
}

std::string escaped(std::string_view text, bool backslashes)
{
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            switch (byte) {
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\\':
                out += backslashes ? "\\\\" : "\\";
                break;
            default:
                if (byte < 0x20 || byte == 0x7F) {
                    escapeByte(out, byte);
                } else {
                    out += static_cast<char>(byte);
                }
            }
            ++at;
            continue;
        }
        const std::size_t length = sequenceLength(text, at);
        // U+0080..U+009F, the C1 controls, are written C2 80..C2 9F.
        const bool control = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
        if (length == 0 || control) {
            for (std::size_t i = 0; i < (length == 0 ? 1 : length); ++i) {
                escapeByte(out, static_cast<unsigned char>(text[at + i]));
            }
            at += length == 0 ? 1 : length;
            continue;
        }
        out.append(text.substr(at, length));
        at += length;
    }
    return out;
}

} // namespace

std::string quotedValue(std::string_view text)
{
    return "'" + escaped(text, true) + "'";
}

std::string oneLine(std::string_view text)
{
    return escaped(text, false);
}

} // namespace velmora
