#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace gw {

// A length-prefixed string of a fixed capacity, as stored in the records: one length byte,
// then Capacity single-byte characters.  Bytes after the length are kept as they are.
// The length byte of a record read from a file is untrusted, so every read clamps it.
#pragma pack(push, 1)
template <std::size_t Capacity> struct PString
{
    static_assert(Capacity <= 255);
    static constexpr std::size_t capacity = Capacity;

    std::uint8_t length;
    char text[Capacity];

    std::size_t size() const { return std::min<std::size_t>(length, Capacity); }
    bool empty() const { return size() == 0; }
    std::string_view view() const { return std::string_view(text, size()); }
    std::string str() const { return std::string(view()); }

    // Stores the text cut to the capacity; the bytes after it are left as they were.
    void assign(std::string_view value)
    {
        const std::size_t n = std::min(value.size(), Capacity);
        if (n > 0)
            std::memcpy(text, value.data(), n);
        length = static_cast<std::uint8_t>(n);
    }
    void clear() { length = 0; }

    bool operator==(std::string_view other) const { return view() == other; }
};
#pragma pack(pop)

} // namespace gw
