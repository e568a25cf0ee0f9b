#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Numbers and units as French readers write them, in UTF-8.
namespace french {

inline constexpr const char* noBreakSpace = "\u00A0";       // between a number and its unit, inside « »
inline constexpr const char* narrowNoBreakSpace = "\u202F"; // before : ; ! ?, between thousands
inline constexpr const char* minusSign = "\u2212";

// `value` with `decimals` decimals: a decimal comma (or `decimalMark`), the minus sign, thousands
// grouped from 10 000 on ("−1,5", "12 000", "0,25"); never "−0".
std::string number(double value, int decimals, std::string_view decimalMark = ",");

// "<number> <unit>" with a no-break space: "37 °C", "4,8 molécules/s".
std::string withUnit(double value, int decimals, const std::string& unit);

// « text », with no-break spaces inside the marks.
std::string quoted(const std::string& text);

// The decimals that show `value` to two significant digits of its uncertainty `error`: 1,2 ± 0,34
// gives 2; from 0 to 3.
int decimalsForError(double error);

} // namespace french

} // namespace velmora
