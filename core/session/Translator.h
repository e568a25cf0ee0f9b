#pragma once

#include <map>
#include <string>
#include <string_view>

namespace velmora {

// The translations of the French texts that a front end without Qt shows: each text is looked up
// by its context and its French source, as Qt's translator looks up the window's. A text without a
// translation stays French.
class Translator
{
public:
    void add(std::string_view context, std::string_view source, std::string_view translation);
    // The translation, or `source` itself.
    std::string text(std::string_view context, std::string_view source) const;
    bool empty() const { return texts_.empty(); }

    // French counts take the plural from 2 on; most languages from any count but 1.
    bool pluralFromTwo = true;

private:
    std::map<std::string, std::string, std::less<>> texts_;
};

} // namespace velmora
