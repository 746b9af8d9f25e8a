#include "model/PreviousVersion.h"

#include "model/CollectionFile.h"
#include "model/RecordAppend.h"
#include "platform/RecordFile.h"
#include "shapes/ShapeRecord.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace gw::model {

namespace {

constexpr std::string_view ZpkMark = "ZPK";
// The mark, the version length byte and the longest version text before the record.
constexpr std::size_t ZpkLongestHeader = ZpkMark.size() + 1 + 255;

} // namespace

void convertOldPuzzle(const OldPuzzleRecord &old, const layout::LayoutRecord &pageLayout, PuzzleRecord &into)
{
    into.layout = pageLayout;
    into.version.assign(CurrentVersion);
    into.title.assign(old.title.view());
    into.bonusQuestion.clear();
    into.category.assign(ConvertedCategory);

    const auto side = static_cast<std::int16_t>(std::clamp<int>(old.size, 0, shapes::GridSide));
    into.width = side;
    into.height = side;
    const int words = std::clamp<int>(old.wordCount, 0, MaxWords);
    const int across = std::clamp<int>(old.acrossCount, 0, words);
    into.wordCount = static_cast<std::int16_t>(words);
    into.acrossCount = static_cast<std::int16_t>(across);
    into.downCount = static_cast<std::int16_t>(std::clamp<int>(old.downCount, 0, words - across));
    std::memcpy(into.grid, old.grid, sizeof into.grid);

    for (int i = 0; i < MaxWords; ++i) {
        const bool inUse = i < words;
        if (inUse) {
            into.words[i].assign(old.words[i].view());
            into.clues[i].assign(old.clues[i].view());
        } else {
            into.words[i].clear();
            into.clues[i].clear();
        }
        into.startCell[i] = old.startCell[i];
        into.letterCount[i] = old.letterCount[i];
        into.clueNumber[i] = old.clueNumber[i];
        into.direction[i] = old.direction[i];
        into.placed[i] = inUse ? 1 : 0;
    }
    into.generated = 1;
}

Result<OldPuzzleRecord> readZpkFile(const std::filesystem::path &file)
{
    const auto bytes = readFileBytes(file, ZpkLongestHeader + sizeof(OldPuzzleRecord));
    if (!bytes)
        return zpkCannotOpen();
    const std::string_view data = *bytes;
    if (data.size() < ZpkMark.size() + 1 || !data.starts_with(ZpkMark))
        return zpkCorrupt();
    const std::size_t versionLength = static_cast<unsigned char>(data[ZpkMark.size()]);
    const std::size_t recordStart = ZpkMark.size() + 1 + versionLength;
    if (data.size() < recordStart + sizeof(OldPuzzleRecord))
        return zpkCorrupt();
    OldPuzzleRecord record;
    std::memcpy(&record, data.data() + recordStart, sizeof record);
    return record;
}

Result<Notice> convertOldPuzzleFile(const std::filesystem::path &oldFile,
    const std::filesystem::path &collection, const layout::LayoutRecord &pageLayout)
{
    const auto old = RecordFile::openForReading(oldFile, sizeof(OldPuzzleRecord));
    if (!old)
        return Failure { "Error", "Puzzles could not be imported." };
    const auto oldRecord = std::make_unique<OldPuzzleRecord>();
    const AppendOutcome outcome = appendAll<PuzzleRecord>(
        collection, static_cast<std::size_t>(old->recordCount()),
        [&](std::size_t i, PuzzleRecord &converted) {
            if (!old->read(static_cast<std::int64_t>(i), oldRecord.get()))
                return false;
            std::memset(&converted, 0, sizeof converted);
            convertOldPuzzle(*oldRecord, pageLayout, converted);
            return true;
        },
        MaxCollectionPuzzles);
    if (outcome == AppendOutcome::CannotRead)
        return Failure { "Error", "Puzzles could not be imported." };
    if (outcome == AppendOutcome::Busy)
        return fileBusy(collection);
    if (outcome != AppendOutcome::Appended)
        return Failure { "Error", "Unable to save puzzles." };
    std::error_code ignored;
    std::filesystem::remove(oldFile, ignored);
    return Notice { "Ok",
        "A new puzzle group named \"" + std::string(ConvertedCollectionName) + "\" has been created." };
}

Result<Notice> convertOldShapeFile(const std::filesystem::path &oldFile, const std::filesystem::path &library)
{
    const auto old = RecordFile::openForReading(oldFile, sizeof(shapes::ShapeRecord));
    if (!old)
        return Failure { "Error", "Puzzles could not be imported." };
    const AppendOutcome outcome = appendAll<shapes::ShapeRecord>(library,
        static_cast<std::size_t>(old->recordCount()), [&](std::size_t i, shapes::ShapeRecord &shape) {
            return old->read(static_cast<std::int64_t>(i), &shape);
        });
    if (outcome == AppendOutcome::CannotRead)
        return Failure { "Error", "Puzzles could not be imported." };
    if (outcome == AppendOutcome::Busy)
        return fileBusy(library);
    if (outcome != AppendOutcome::Appended)
        return Failure { "Error", "Unable to add shapes." };
    std::error_code ignored;
    std::filesystem::remove(oldFile, ignored);
    return Notice { "Ok", "Puzzle shapes have been added." };
}

} // namespace gw::model
