#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a French text that the window shows in the user's language: the window hands it to its
// translator under `context`, and the translation tools find it by this mark. The core itself
// always keeps the French.
#define VELMORA_TRANSLATABLE(context, text) text

namespace velmora {

// `pattern` with %1, %2… replaced by `values` in one pass: "%1 à %2" with {"3", "%1"} is "3 à %1".
// A mark without its value stays as it is.
std::string fillPattern(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace velmora
