#include "settings/IntegerText.h"

#include <charconv>

namespace velmora {

std::optional<std::int32_t> parseDecimalInteger(std::string_view text)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value, 10);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string notAnIntegerMessage(std::string_view text)
{
    std::string message = "'";
    message.append(text);
    message.append("' is not a valid integer value");
    return message;
}

} // namespace velmora
