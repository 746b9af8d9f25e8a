#pragma once

#include "platform/RecordFile.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <memory>
#include <system_error>

namespace gw::model {

enum class AppendOutcome { Appended, CannotOpen, Busy, CannotRead, CannotWrite, TooMany };

// Appends `count` records to a record file, opening it or creating it when missing; produce(i,
// record) fills record i and tells whether it could.  The file stays locked throughout.  All or nothing: when
// one record cannot be produced or written, the file is cut back to the records it held before, and a file
// this call created is removed again.  The file must stay within maxRecords records.
template <typename Record, typename Produce> AppendOutcome appendAll(const std::filesystem::path &target,
    std::size_t count, Produce produce, std::int64_t maxRecords = std::numeric_limits<std::int32_t>::max())
{
    std::error_code error;
    // When it cannot be told, the file counts as existing: a file this call did not create is
    // never removed.
    const bool existed = std::filesystem::exists(target, error) || error;
    LockOutcome lock;
    auto file = RecordFile::openOrCreate(target, sizeof(Record), &lock);
    if (!file)
        return lock == LockOutcome::Busy ? AppendOutcome::Busy : AppendOutcome::CannotOpen;
    const std::int64_t before = file->recordCount();
    AppendOutcome outcome = AppendOutcome::Appended;
    if (before + static_cast<std::int64_t>(count) > maxRecords)
        outcome = AppendOutcome::TooMany;
    const auto record = std::make_unique<Record>();
    for (std::size_t i = 0; i < count && outcome == AppendOutcome::Appended; ++i) {
        if (!produce(i, *record))
            outcome = AppendOutcome::CannotRead;
        else if (!file->append(record.get()))
            outcome = AppendOutcome::CannotWrite;
    }
    if (outcome == AppendOutcome::Appended)
        return outcome;
    // Still under the lock, so no other writer's records are cut away.
    if (!existed)
        std::filesystem::remove(target, error);
    else
        file->truncate(before);
    return outcome;
}

} // namespace gw::model
