#pragma once

#include <cstddef>
#include <cstdint>

namespace gw {

// Tells whether a record still holds what a window read earlier: before a record is overwritten
// or deleted by its number, the record at that number must be the one the user was shown, since
// another program may have moved the records meanwhile.
using RecordFingerprint = std::uint64_t;

// FNV-1a over every byte of the record.
inline RecordFingerprint fingerprintOf(const void *bytes, std::size_t size)
{
    RecordFingerprint hash = 14695981039346656037ULL;
    const auto *byte = static_cast<const unsigned char *>(bytes);
    for (std::size_t i = 0; i < size; ++i)
        hash = (hash ^ byte[i]) * 1099511628211ULL;
    return hash;
}

template <typename Record> RecordFingerprint fingerprintOf(const Record &record)
{
    return fingerprintOf(&record, sizeof record);
}

} // namespace gw
