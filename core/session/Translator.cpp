#include "session/Translator.h"

namespace velmora {

namespace {

std::string key(std::string_view context, std::string_view source)
{
    std::string joined(context);
    joined += '\x04'; // as Qt separates a context from its text
    joined += source;
    return joined;
}

} // namespace

void Translator::add(std::string_view context, std::string_view source, std::string_view translation)
{
    if (!translation.empty()) {
        texts_[key(context, source)] = std::string(translation);
    }
}

std::string Translator::text(std::string_view context, std::string_view source) const
{
    const auto found = texts_.find(key(context, source));
    return found == texts_.end() ? std::string(source) : found->second;
}

} // namespace velmora
