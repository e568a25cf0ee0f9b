#include "plot/FrenchText.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace velmora::french {

std::string number(double value, int decimals, std::string_view decimalMark)
{
    decimals = std::clamp(decimals, 0, 6);
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::fabs(value));
    std::string digits(text);
    const bool zero = digits.find_first_not_of("0.") == std::string::npos;

    const std::size_t point = digits.find('.');
    std::string whole = digits.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : digits.substr(point + 1);
    if (whole.size() > 4) {
        std::string grouped;
        for (std::size_t i = 0; i < whole.size(); ++i) {
            if (i > 0 && (whole.size() - i) % 3 == 0) {
                grouped += narrowNoBreakSpace;
            }
            grouped += whole[i];
        }
        whole = grouped;
    }
    std::string result = (value < 0 && !zero) ? std::string(minusSign) : std::string();
    result += whole;
    if (!fraction.empty()) {
        result += decimalMark;
        result += fraction;
    }
    return result;
}

std::string withUnit(double value, int decimals, const std::string& unit)
{
    return number(value, decimals) + noBreakSpace + unit;
}

std::string quoted(const std::string& text)
{
    return std::string("«") + noBreakSpace + text + noBreakSpace + "»";
}

int decimalsForError(double error)
{
    if (!(error > 0.0) || !std::isfinite(error)) {
        return 1;
    }
    return std::clamp(1 - static_cast<int>(std::floor(std::log10(error))), 0, 3);
}

} // namespace velmora::french
