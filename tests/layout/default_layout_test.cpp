#include "layout/DefaultLayout.h"

#include <array>
#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace gw::layout {
namespace {

// The expected record, written from file offsets alone rather than through the record's struct.
std::string expectedBytes()
{
    std::string bytes(28868, '\0');
    const auto put
        = [&](std::size_t offset, auto value) { std::memcpy(&bytes[offset], &value, sizeof value); };
    const auto putText = [&](std::size_t offset, std::string_view text) {
        bytes[offset] = static_cast<char>(text.size());
        bytes.replace(offset + 1, text.size(), text);
    };
    putText(0, "New Page");
    putText(21, "Letter");
    put(42, 8.5);
    put(50, 11.0);
    put(58, std::int16_t { 408 });
    put(60, std::int16_t { 528 });
    put(62, std::uint8_t { 1 });
    put(63, std::int16_t { 6 });
    put(65, std::uint8_t { 1 });
    struct Slot
    {
        std::int16_t kind;
        std::string_view name;
        std::array<std::int32_t, 4> rect;
    };
    const Slot slots[] = { { 1, "Title", { 48, 48, 360, 72 } }, { 2, "Puzzle", { 96, 76, 312, 292 } },
        { 4, "Across Header", { 48, 297, 192, 312 } }, { 3, "Down Header", { 216, 297, 360, 312 } },
        { 6, "Across Clues", { 48, 316, 192, 484 } }, { 5, "Down Clues", { 216, 316, 360, 484 } } };
    for (std::size_t i = 0; i < std::size(slots); ++i) {
        const std::size_t at = 88 + i * 1439;
        const Slot &slot = slots[i];
        put(at, slot.kind);
        putText(at + 2, slot.name);
        put(at + 18, slot.rect);
        putText(at + 34, "Arial");
        put(at + 65, std::int16_t { 12 });
        put(at + 129, std::int16_t { 2 });
        put(at + 1132, std::uint8_t { 1 });
        put(at + 1136, std::uint8_t { 1 });
        put(at + 1138, std::uint32_t { slot.kind == 2 ? 0x000000u : 0xFFFFFFu });
        put(at + 1147, std::int16_t { 1 });
        if (slot.kind == 2) {
            putText(at + 75, "Arial");
            put(at + 106, std::int16_t { 5 });
            put(at + 116, std::uint32_t { 0xFFFFFF });
            put(at + 124, std::uint8_t { 1 });
            put(at + 125, std::int32_t { 1 });
        }
        if (slot.kind == 5 || slot.kind == 6)
            put(at + 1133, std::int16_t { 1 });
    }
    return bytes;
}

// New puzzles print with this record when there is no library, so every byte of it matters.
TEST(DefaultLayout, MatchesTheBuiltInRecordByteForByte)
{
    const LayoutRecord layout = defaultLayout();
    const std::string actual(reinterpret_cast<const char *>(&layout), sizeof layout);
    const std::string expected = expectedBytes();
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "at offset " << i;
}

} // namespace
} // namespace gw::layout
