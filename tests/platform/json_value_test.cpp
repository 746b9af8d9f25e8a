#include "platform/JsonValue.h"

#include <gtest/gtest.h>

namespace gw {
namespace {

// The parser is strict: whatever is not JSON is refused, and what is comes in whole.
TEST(JsonValue, AcceptsJsonAndNothingElse)
{
    const std::pair<std::string, bool> cases[] = {
        { R"( {"a": [1, -0.5e2, true, false, null, "x"], "b": {}} )", true },
        { R"("\u00e9\ud83d\ude00\n\/")", true },
        { "[]", true },
        { "", false },
        { "[1,]", false },
        { "{\"a\": 1,}", false },
        { "{\"a\": 1, \"a\": 2}", false }, // a member twice
        { "[01]", false },
        { "[1.]", false },
        { "[1e999]", false },
        { "[\"a\tb\"]", false }, // a raw control character
        { "[\"\\ud800\"]", false }, // a lone surrogate
        { "[\"\\udc00\\ud800\"]", false },
        { "[\"\\x41\"]", false },
        { "[\"\xC3\"]", false }, // not UTF-8
        { "[\"\xC0\xAF\"]", false }, // overlong
        { "[1] [2]", false },
        { "[nul]", false },
    };
    for (const auto &[text, valid] : cases)
        EXPECT_EQ(static_cast<bool>(parseJson(text)), valid) << text;

    const auto parsed = parseJson(R"({"s": "\u00e9\ud83d\ude00", "n": 12, "f": 1.5, "list": [null]})");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed->member("s")->string(), "\xC3\xA9\xF0\x9F\x98\x80");
    EXPECT_EQ(parsed->member("n")->wholeNumber(), 12);
    EXPECT_EQ(parsed->member("f")->wholeNumber(), std::nullopt);
    EXPECT_TRUE(parsed->member("list")->array()->front().isNull());
    EXPECT_EQ(parsed->member("missing"), nullptr);
}

// A hostile document can neither nest deeper than the limit nor be longer, and the refusal
// tells the line.
TEST(JsonValue, RefusesDocumentsBeyondItsLimits)
{
    const JsonLimits limits { 1000, 64 };
    EXPECT_TRUE(parseJson(std::string(64, '[') + std::string(64, ']'), limits));
    EXPECT_FALSE(parseJson(std::string(65, '[') + std::string(65, ']'), limits));
    EXPECT_FALSE(parseJson(std::string(100000, '['), limits));
    EXPECT_FALSE(parseJson("[" + std::string(1000, ' ') + "]", limits));
    EXPECT_EQ(
        parseJson("[1,\n2,\n]").error().text, "the text is not valid JSON (line 3: a value was expected)");
}

} // namespace
} // namespace gw
