#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace gw::model {
namespace {

using test::bytesOf;
constexpr std::size_t RecordSize = sizeof(PuzzleRecord);
using Lines = std::vector<CollectionLine>;

std::string puzzleBytes(std::string_view category, std::string_view title, char fill = 'f')
{
    return bytesOf(*test::markedPuzzle(category, title, fill));
}

class CollectionFileTest : public test::ScratchFolderTest
{
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        m_path = dir() / "puzzles.zp3";
    }
    void writeCollection(const std::string &bytes) { ASSERT_TRUE(writeFileBytes(m_path, bytes)); }
    std::string fileBytes() const { return readFileBytes(m_path, 10 * RecordSize).value_or("missing"); }

    std::filesystem::path m_path;
    const std::unique_ptr<PuzzleRecord> m_one = test::markedPuzzle("A", "One", '1');
    const std::unique_ptr<PuzzleRecord> m_two = test::markedPuzzle("A", "Two", '2');
    const std::unique_ptr<PuzzleRecord> m_six = test::markedPuzzle("B", "Six", '6');
};

// The tables follow file order, compare categories exactly, cut hostile length bytes to their
// fields and ignore a trailing partial record.
TEST_F(CollectionFileTest, LoadsTablesInFileOrder)
{
    auto hostile = test::markedPuzzle("", "", 'q');
    hostile->category.length = 255;
    hostile->title.length = 200;
    writeCollection(puzzleBytes("Animals", "Cats") + puzzleBytes("animals", "Dogs")
        + puzzleBytes("Animals", "Birds") + bytesOf(*hostile) + std::string(RecordSize - 1, 'x'));
    const CollectionLists lists = CollectionLists::load(m_path);
    EXPECT_EQ(lists.categories(), (std::vector<std::string> { "Animals", "animals", std::string(20, 'q') }));
    ASSERT_EQ(lists.puzzles().size(), 4u);
    EXPECT_EQ(lists.puzzles()[3].title, std::string(35, 'q'));
    EXPECT_EQ(lists.puzzleLines(0), (Lines { { "Birds", 2 }, { "Cats", 0 } }));
    EXPECT_EQ(lists.puzzleLines(1), (Lines { { "Dogs", 1 } }));
    EXPECT_TRUE(CollectionLists::load(dir() / "missing.zp3").puzzles().empty());
}

// A new puzzle adds exactly one record at the end, a modified one is written in its own place,
// and a record that has gone or a collection that cannot be written changes nothing.
TEST_F(CollectionFileTest, SaveAppendsOrOverwritesOneRecord)
{
    EXPECT_EQ(savePuzzle(m_path, *m_one, true, 7, 0).value(), 0);
    EXPECT_EQ(savePuzzle(m_path, *m_two, true, 0, 0).value(), 1);
    EXPECT_EQ(savePuzzle(m_path, *m_six, false, 0, fingerprintOf(*m_one)).value(), 0);
    EXPECT_EQ(fileBytes(), bytesOf(*m_six) + bytesOf(*m_two));
    EXPECT_EQ(bytesOf(readPuzzle(m_path, 1, unableToAccessWordList()).value()), bytesOf(*m_two));

    EXPECT_EQ(
        savePuzzle(m_path, *m_one, false, 3, fingerprintOf(*m_one)).error(), puzzleChangedElsewhere("saved"));
    EXPECT_EQ(fileBytes(), bytesOf(*m_six) + bytesOf(*m_two));
    const std::filesystem::path nowhere = dir() / "no" / "such.zp3";
    EXPECT_EQ(savePuzzle(nowhere, *m_one, true, 0, 0).error(), unableToSavePuzzle());
    EXPECT_EQ(readPuzzle(nowhere, 0, unableToLoadPuzzle()).error(), unableToLoadPuzzle());
    EXPECT_EQ(readPuzzle(m_path, 2, unableToAccessWordList()).error(), unableToAccessWordList());
}

// Record numbers must fit 16 bits: the append that would make record 65536 is refused.
TEST_F(CollectionFileTest, RefusesToGrowBeyondTheLargestRecordNumber)
{
    const std::uintmax_t fullSize = std::uintmax_t(MaxCollectionPuzzles) * RecordSize;
    writeCollection("");
    std::filesystem::resize_file(m_path, fullSize - RecordSize); // sparse
    EXPECT_EQ(savePuzzle(m_path, *m_one, true, 0, 0).value(), MaxCollectionPuzzles - 1);
    EXPECT_EQ(savePuzzle(m_path, *m_two, true, 0, 0).error(), collectionFull());
    EXPECT_EQ(std::filesystem::file_size(m_path), fullSize);
}

// Deleting record 0 of three closes the gap in order; a bad delete changes and creates nothing.
TEST_F(CollectionFileTest, DeleteShiftsLaterRecordsDown)
{
    writeCollection(bytesOf(*m_one) + bytesOf(*m_two) + bytesOf(*m_six));
    ASSERT_TRUE(deletePuzzle(m_path, 0, fingerprintOf(*m_one)));
    EXPECT_EQ(fileBytes(), bytesOf(*m_two) + bytesOf(*m_six));
    EXPECT_EQ(deletePuzzle(m_path, 2, fingerprintOf(*m_six)).error(), puzzleChangedElsewhere("deleted"));
    EXPECT_EQ(fileBytes(), bytesOf(*m_two) + bytesOf(*m_six));
    EXPECT_FALSE(deletePuzzle(dir() / "missing.zp3", 0, 0));
    EXPECT_FALSE(std::filesystem::exists(dir() / "missing.zp3"));
}

// Creating over an existing file empties it; a place that cannot hold a file is reported.
TEST_F(CollectionFileTest, CreateEmptiesAnExistingFile)
{
    writeCollection(bytesOf(*m_one));
    ASSERT_TRUE(createCollection(m_path));
    EXPECT_EQ(std::filesystem::file_size(m_path), 0u);
    EXPECT_EQ(createCollection(dir() / "no" / "such.zp3").error(), unableToCreateCollection());
}

// Another program deleted record 0 after the lists were read: the record numbers the window holds
// now name other puzzles, and neither a save nor a delete by those numbers touches them.
TEST_F(CollectionFileTest, StaleRecordNumbersWriteNothing)
{
    writeCollection(bytesOf(*m_one) + bytesOf(*m_two) + bytesOf(*m_six));
    const CollectionLists shown = CollectionLists::load(m_path);
    ASSERT_TRUE(deletePuzzle(m_path, 0, shown.puzzles()[0].fingerprint));
    const std::string after = fileBytes();
    EXPECT_EQ(savePuzzle(m_path, *m_one, false, 1, shown.puzzles()[1].fingerprint).error(),
        puzzleChangedElsewhere("saved"));
    EXPECT_EQ(
        deletePuzzle(m_path, 1, shown.puzzles()[1].fingerprint).error(), puzzleChangedElsewhere("deleted"));
    EXPECT_EQ(fileBytes(), after);
}

// A writer waits for the one holding the collection, and gives up as busy when it does not let go
// in time; the collection replaced by a delete meanwhile is the one locked, not the old file.
TEST_F(CollectionFileTest, WritersTakeTurnsOnTheFileThePathNames)
{
    writeCollection(bytesOf(*m_one) + bytesOf(*m_two));
    auto holder = RecordFile::openExisting(m_path, RecordSize);
    ASSERT_TRUE(holder);
    EXPECT_EQ(openLockedForWriting(m_path, false, std::chrono::milliseconds(30)).outcome, LockOutcome::Busy);
    ASSERT_TRUE(holder->remove(0));
    EXPECT_EQ(openLockedForWriting(m_path, false, std::chrono::milliseconds(30)).outcome, LockOutcome::Busy);
    holder.reset();
    const LockedDescriptor next = openLockedForWriting(m_path, false, std::chrono::milliseconds(30));
    EXPECT_EQ(next.outcome, LockOutcome::Locked);
    ::close(next.descriptor);
    EXPECT_EQ(fileBytes(), bytesOf(*m_two));
    EXPECT_EQ(fileBusy(m_path).text,
        "Another program is writing to \"puzzles.zp3\" at the moment, so nothing was written.  Please try "
        "again.");
}

// Only the name's extension decides whether a chosen file is opened.
TEST(CollectionName, AcceptsOnlyTheCollectionExtension)
{
    EXPECT_TRUE(checkCollectionName("/home/me/puzzles.zp3"));
    EXPECT_TRUE(checkCollectionName("dir.txt/Puzzles.Zp3"));
    for (const char *refused : { "puzzles.txt", "puzzles", "puzzles.zp3.bak", "dir.zp3/puzzles" })
        EXPECT_EQ(checkCollectionName(refused).error(), notACollectionFile()) << refused;
    EXPECT_EQ(collectionDisplayName("/home/me/Sample.ZP3"), "Sample");
}

} // namespace
} // namespace gw::model
