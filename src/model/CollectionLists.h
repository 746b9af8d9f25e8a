#pragma once

#include "model/CollectionLine.h"
#include "platform/RecordFingerprint.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gw::model {

// One entry of the puzzle table: a record's title with its record number and the index of its
// category in the category table, both below MaxCollectionPuzzles, and the fingerprint of the
// whole record as it was read, which a delete checks before it removes the record.
struct CollectionPuzzle
{
    std::string title;
    int recordNumber;
    int categoryIndex;
    RecordFingerprint fingerprint = 0;
};

// The category table and the puzzle table of the open collection, in file order, and the
// lines of the two lists on screen built from them.
class CollectionLists
{
public:
    // Every whole record of the collection, up to MaxCollectionPuzzles; a collection that
    // cannot be opened gives empty tables.
    static CollectionLists load(const std::filesystem::path &collection);

    // Takes the next record: its category is looked up by exact comparison (case and every
    // character count) and appended when new.  False, and nothing taken, once the tables hold
    // MaxCollectionPuzzles puzzles.
    bool add(std::string_view category, std::string_view title, RecordFingerprint fingerprint = 0);

    // The distinct category names in order of first appearance; the position is the index.
    const std::vector<std::string> &categories() const { return m_categories; }
    const std::vector<CollectionPuzzle> &puzzles() const { return m_puzzles; }

    // Each category tagged with its index, sorted alphabetically.
    std::vector<CollectionLine> categoryLines() const;
    // The titles of one category's puzzles tagged with their record numbers, sorted
    // alphabetically; none for an index that is not in the table.
    std::vector<CollectionLine> puzzleLines(int categoryIndex) const;

private:
    std::vector<std::string> m_categories;
    std::unordered_map<std::string, int> m_categoryIndexes;
    std::vector<CollectionPuzzle> m_puzzles;
};

} // namespace gw::model
