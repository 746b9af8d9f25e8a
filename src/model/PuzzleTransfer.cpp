#include "model/PuzzleTransfer.h"

#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "model/PreviousVersion.h"
#include "model/RecordAppend.h"
#include "platform/RecordFile.h"
#include "platform/Text.h"

#include <memory>
#include <string>
#include <system_error>
#include <unistd.h>

namespace gw::model {

namespace {

constexpr std::size_t RecordSize = sizeof(PuzzleRecord);

std::filesystem::path normalPath(const std::filesystem::path &path)
{
    std::error_code error;
    std::filesystem::path normal = std::filesystem::weakly_canonical(path, error);
    if (error)
        normal = std::filesystem::absolute(path, error).lexically_normal();
    return normal;
}

// The new export file is written beside its final place and only then renamed over it, so a
// failure never leaves a half-written collection and never costs the file it was to replace.
std::filesystem::path partFileFor(const std::filesystem::path &to)
{
    return to.parent_path() / ("." + to.filename().string() + ".part" + std::to_string(::getpid()));
}

} // namespace

ImportKind importKind(const std::filesystem::path &chosen)
{
    const std::string name = upperCased(chosen.string());
    if (name.ends_with(".ZP3"))
        return ImportKind::Collection;
    if (name.ends_with(".ZPK"))
        return ImportKind::SixteenBit;
    if (name.ends_with(".IPUZ"))
        return ImportKind::Ipuz;
    if (name.ends_with(".PUZ"))
        return ImportKind::Puz;
    return ImportKind::Unknown;
}

bool sameFile(const std::filesystem::path &a, const std::filesystem::path &b)
{
    std::error_code error;
    if (std::filesystem::equivalent(a, b, error))
        return true;
    return normalPath(a) == normalPath(b);
}

std::vector<CollectionLine> puzzleTitleLines(const std::filesystem::path &collection)
{
    const CollectionLists lists = CollectionLists::load(collection);
    std::vector<CollectionLine> lines;
    lines.reserve(lists.puzzles().size());
    for (const CollectionPuzzle &puzzle : lists.puzzles())
        lines.push_back({ puzzle.title, puzzle.recordNumber });
    sortAlphabetically(lines);
    return lines;
}

Status importPuzzles(const std::filesystem::path &from, std::span<const int> recordNumbers,
    const std::filesystem::path &collection)
{
    if (sameFile(from, collection))
        return importIsOpenCollection();
    const auto source = RecordFile::openForReading(from, RecordSize);
    if (!source)
        return unableToImportPuzzles();
    const AppendOutcome outcome = appendAll<PuzzleRecord>(
        collection, recordNumbers.size(),
        [&](std::size_t i, PuzzleRecord &record) { return source->read(recordNumbers[i], &record); },
        MaxCollectionPuzzles);
    if (outcome == AppendOutcome::TooMany)
        return collectionFull();
    if (outcome == AppendOutcome::Busy)
        return fileBusy(collection);
    if (outcome != AppendOutcome::Appended)
        return unableToImportPuzzles();
    return ok();
}

Status exportPuzzles(const std::filesystem::path &collection, std::span<const int> recordNumbers,
    const std::filesystem::path &to)
{
    if (sameFile(collection, to))
        return exportIsOpenCollection();
    const auto source = RecordFile::openForReading(collection, RecordSize);
    if (!source)
        return unableToExportPuzzles();
    const std::filesystem::path part = partFileFor(to);
    std::error_code error;
    std::filesystem::remove(part, error);
    const AppendOutcome outcome = appendAll<PuzzleRecord>(part, recordNumbers.size(),
        [&](std::size_t i, PuzzleRecord &record) { return source->read(recordNumbers[i], &record); });
    if (outcome == AppendOutcome::Appended) {
        // A collection replaced by the export is locked like any other write to it.
        LockOutcome lock;
        const auto replaced = RecordFile::openOrCreate(to, RecordSize, &lock);
        if (!replaced) {
            std::filesystem::remove(part, error);
            return lock == LockOutcome::Busy ? fileBusy(to) : unableToExportPuzzles();
        }
        std::filesystem::rename(part, to, error);
        if (!error)
            return ok();
    }
    std::filesystem::remove(part, error);
    return unableToExportPuzzles();
}

Result<int> importSixteenBitPuzzle(const std::filesystem::path &zpk, const std::filesystem::path &collection,
    const layout::LayoutRecord &pageLayout, PuzzleRecord &working)
{
    const auto old = readZpkFile(zpk);
    if (!old)
        return old.error();
    const auto converted = std::make_unique<PuzzleRecord>(working);
    convertOldPuzzle(*old, pageLayout, *converted);
    const Result<int> saved = savePuzzle(collection, *converted, true, 0, 0);
    if (saved)
        working = *converted;
    return saved;
}

} // namespace gw::model
