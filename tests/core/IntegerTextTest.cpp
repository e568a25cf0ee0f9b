#include "settings/IntegerText.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(IntegerText, AcceptsOnlyASignAndDecimalDigitsWithin32Bits)
{
    struct Case
    {
        const char* text;
        std::optional<std::int32_t> value;
    };
    const Case cases[] = {
        {"37", 37},
        {"-10", -10},
        {"+7", 7},
        {"0", 0},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"+-3", std::nullopt},
        {"--3", std::nullopt},
        {" 3", std::nullopt},
        {"3 ", std::nullopt},
        {"3\r", std::nullopt},
        {"abc", std::nullopt},
        {"0x10", std::nullopt},
        {"$10", std::nullopt},
        {"1.5", std::nullopt},
        {"1e3", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(parseDecimalInteger(c.text), c.value) << "text '" << c.text << "'";
    }
}

TEST(IntegerText, ErrorQuotesTheTextAsRead)
{
    EXPECT_EQ(notAnIntegerMessage("abc"), "'abc' is not a valid integer value");
    EXPECT_EQ(notAnIntegerMessage(""), "'' is not a valid integer value");
}

} // namespace
} // namespace velmora
