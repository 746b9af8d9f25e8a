#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "model/SelectionMemory.h"
#include "platform/RecordFile.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace gw::model {
namespace {

constexpr std::size_t RecordSize = sizeof(PuzzleRecord);
using Lines = std::vector<CollectionLine>;

PuzzleRecord puzzle(std::string_view category, std::string_view title, char fill = 'f')
{
    PuzzleRecord record;
    std::memset(&record, fill, sizeof record);
    record.category.assign(category);
    record.title.assign(title);
    return record;
}

std::string bytesOf(const PuzzleRecord &record)
{
    return std::string(reinterpret_cast<const char *>(&record), RecordSize);
}

// Writes beyond `bytes` fail as on a full disk while the object lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
        : m_handler(std::signal(SIGXFSZ, SIG_IGN))
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    void (*m_handler)(int);
    rlimit m_saved {};
};

class CollectionFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::remove_all(m_directory);
        std::filesystem::create_directories(m_directory);
    }
    void TearDown() override { std::filesystem::remove_all(m_directory); }

    void writeCollection(const std::vector<PuzzleRecord> &records, const std::string &tail = {})
    {
        std::string bytes;
        for (const PuzzleRecord &record : records)
            bytes += bytesOf(record);
        ASSERT_TRUE(writeFileBytes(m_path, bytes + tail));
    }
    std::string fileBytes() const { return readFileBytes(m_path, 10 * RecordSize).value_or("missing"); }

    const std::filesystem::path m_directory = std::filesystem::temp_directory_path()
        / ("gw_collection_" + std::to_string(::getpid()) + "_"
            + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    const std::filesystem::path m_path = m_directory / "puzzles.zp3";
};

// The tables follow file order, compare categories exactly, cut hostile length bytes to their
// fields and ignore a trailing partial record.
TEST_F(CollectionFileTest, LoadsTablesInFileOrder)
{
    PuzzleRecord hostile = puzzle("", "", 'q');
    hostile.category.length = 255;
    hostile.title.length = 200;
    writeCollection(
        { puzzle("Animals", "Cats"), puzzle("animals", "Dogs"), puzzle("Animals", "Birds"), hostile },
        std::string(RecordSize - 1, 'x'));
    const CollectionLists lists = CollectionLists::load(m_path);
    EXPECT_EQ(lists.categories(), (std::vector<std::string> { "Animals", "animals", std::string(20, 'q') }));
    ASSERT_EQ(lists.puzzles().size(), 4u);
    EXPECT_EQ(lists.puzzles()[3].title, std::string(35, 'q'));
    EXPECT_EQ(lists.puzzleLines(0), (Lines { { "Birds", 2 }, { "Cats", 0 } }));
    EXPECT_EQ(lists.puzzleLines(1), (Lines { { "Dogs", 1 } }));
    EXPECT_TRUE(CollectionLists::load(m_directory / "missing.zp3").puzzles().empty());
}

// A new puzzle adds exactly one record at the end, a modified one is written in its own place,
// and a record that has gone or a collection that cannot be written changes nothing.
TEST_F(CollectionFileTest, SaveAppendsOrOverwritesOneRecord)
{
    const PuzzleRecord one = puzzle("A", "One", '1'), two = puzzle("A", "Two", '2'),
                       six = puzzle("B", "Six", '6');
    EXPECT_EQ(savePuzzle(m_path, one, true, 7, 0).value(), 0);
    EXPECT_EQ(savePuzzle(m_path, two, true, 0, 0).value(), 1);
    EXPECT_EQ(savePuzzle(m_path, six, false, 0, fingerprintOf(one)).value(), 0);
    EXPECT_EQ(fileBytes(), bytesOf(six) + bytesOf(two));
    EXPECT_EQ(bytesOf(readPuzzle(m_path, 1, unableToAccessWordList()).value()), bytesOf(two));

    EXPECT_EQ(savePuzzle(m_path, one, false, 3, fingerprintOf(one)).error(), puzzleChangedElsewhere("saved"));
    EXPECT_EQ(fileBytes(), bytesOf(six) + bytesOf(two));
    const std::filesystem::path nowhere = m_directory / "no" / "such.zp3";
    EXPECT_EQ(savePuzzle(nowhere, one, true, 0, 0).error(), unableToSavePuzzle());
    EXPECT_EQ(readPuzzle(nowhere, 0, unableToLoadPuzzle()).error(), unableToLoadPuzzle());
    EXPECT_EQ(readPuzzle(m_path, 2, unableToAccessWordList()).error(), unableToAccessWordList());
}

// A full disk leaves neither half a record nor half an overwrite nor a new empty collection.
TEST_F(CollectionFileTest, FailedWritesLeaveTheFileAsItWas)
{
    writeCollection({ puzzle("A", "One", '1'), puzzle("A", "Two", '2') });
    const std::string before = fileBytes();
    const std::filesystem::path fresh = m_directory / "fresh.zp3";
    // Each write gets 1000 bytes onto the disk before it fails.
    for (const std::size_t limit : { 2 * RecordSize + 1000, RecordSize + 1000, std::size_t(1000) }) {
        const FileSizeLimit full(limit);
        const bool isNew = limit != RecordSize + 1000;
        EXPECT_FALSE(savePuzzle(
            limit == 1000 ? fresh : m_path, puzzle("B", "New", 'n'), isNew, 1, fingerprintOf(puzzle("A", "Two", '2'))));
    }
    EXPECT_EQ(fileBytes(), before);
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

// Record numbers must fit 16 bits: the append that would make record 65536 is refused.
TEST_F(CollectionFileTest, RefusesToGrowBeyondTheLargestRecordNumber)
{
    const std::uintmax_t fullSize = std::uintmax_t(MaxCollectionPuzzles) * RecordSize;
    writeCollection({});
    std::filesystem::resize_file(m_path, fullSize - RecordSize); // sparse
    EXPECT_EQ(savePuzzle(m_path, puzzle("A", "Last"), true, 0, 0).value(), MaxCollectionPuzzles - 1);
    EXPECT_EQ(savePuzzle(m_path, puzzle("A", "More"), true, 0, 0).error(), collectionFull());
    EXPECT_EQ(std::filesystem::file_size(m_path), fullSize);
}

// Deleting record 0 of three closes the gap in order; a bad delete changes and creates nothing.
TEST_F(CollectionFileTest, DeleteShiftsLaterRecordsDown)
{
    const PuzzleRecord one = puzzle("A", "One", '1'), two = puzzle("A", "Two", '2'),
                       six = puzzle("B", "Six", '6');
    writeCollection({ one, two, six });
    ASSERT_TRUE(deletePuzzle(m_path, 0, fingerprintOf(one)));
    EXPECT_EQ(fileBytes(), bytesOf(two) + bytesOf(six));
    EXPECT_EQ(deletePuzzle(m_path, 2, fingerprintOf(six)).error(), puzzleChangedElsewhere("deleted"));
    EXPECT_EQ(fileBytes(), bytesOf(two) + bytesOf(six));
    EXPECT_FALSE(deletePuzzle(m_directory / "missing.zp3", 0, 0));
    EXPECT_FALSE(std::filesystem::exists(m_directory / "missing.zp3"));
}

// After a delete and reload: the only puzzle's category is gone, and deleting a first line
// selects nothing unless another puzzle has the same title.
TEST_F(CollectionFileTest, ReselectsAfterDeletingAFirstLine)
{
    const struct
    {
        std::vector<PuzzleRecord> records;
        Lines categories;
        std::optional<std::size_t> category, title;
    } cases[] = {
        { { puzzle("Birds", "Owls"), puzzle("Quiz", "Alpha") }, { { "Birds", 0 } }, std::nullopt,
            std::nullopt },
        { { puzzle("Quiz", "Alpha"), puzzle("Quiz", "Beta") }, { { "Quiz", 0 } }, 0u, std::nullopt },
        { { puzzle("Quiz", "Alpha"), puzzle("Quiz", "ALPHA"), puzzle("Quiz", "Beta") }, { { "Quiz", 0 } }, 0u,
            0u },
    };
    for (const auto &c : cases) {
        writeCollection(c.records);
        const CollectionLists before = CollectionLists::load(m_path);
        const Lines shown = before.puzzleLines(before.categories().size() - 1);
        SelectionMemory memory;
        memory.rememberAfterDelete("quiz", shown, 0);
        ASSERT_TRUE(deletePuzzle(m_path, shown[0].tag, before.puzzles()[shown[0].tag].fingerprint));

        const CollectionLists after = CollectionLists::load(m_path);
        EXPECT_EQ(after.categoryLines(), c.categories);
        EXPECT_EQ(memory.categoryLine(after.categoryLines()), c.category);
        EXPECT_EQ(memory.takePuzzleLine(after.puzzleLines(c.categories[0].tag)), c.title);
    }
}

// Creating over an existing file empties it; a place that cannot hold a file is reported.
TEST_F(CollectionFileTest, CreateEmptiesAnExistingFile)
{
    writeCollection({ puzzle("A", "One") });
    ASSERT_TRUE(createCollection(m_path));
    EXPECT_EQ(std::filesystem::file_size(m_path), 0u);
    EXPECT_EQ(createCollection(m_directory / "no" / "such.zp3").error(), unableToCreateCollection());
}

// Only the name's extension decides whether a chosen file is opened.
// Another program deleted record 0 after the lists were read: the record numbers the window holds
// now name other puzzles, and neither a save nor a delete by those numbers touches them.
TEST_F(CollectionFileTest, StaleRecordNumbersWriteNothing)
{
    const PuzzleRecord one = puzzle("A", "One", '1'), two = puzzle("A", "Two", '2'),
                       six = puzzle("B", "Six", '6');
    writeCollection({ one, two, six });
    const CollectionLists shown = CollectionLists::load(m_path);
    ASSERT_TRUE(deletePuzzle(m_path, 0, shown.puzzles()[0].fingerprint));
    const std::string after = fileBytes();
    EXPECT_EQ(savePuzzle(m_path, puzzle("A", "Two edited"), false, 1, shown.puzzles()[1].fingerprint).error(),
        puzzleChangedElsewhere("saved"));
    EXPECT_EQ(deletePuzzle(m_path, 1, shown.puzzles()[1].fingerprint).error(), puzzleChangedElsewhere("deleted"));
    EXPECT_EQ(fileBytes(), after);
}

// A writer waits for the one holding the collection, and gives up as busy when it does not let go
// in time; the collection replaced by a delete meanwhile is the one locked, not the old file.
TEST_F(CollectionFileTest, WritersTakeTurnsOnTheFileThePathNames)
{
    const PuzzleRecord one = puzzle("A", "One", '1'), two = puzzle("A", "Two", '2');
    writeCollection({ one, two });
    auto holder = RecordFile::openExisting(m_path, RecordSize);
    ASSERT_TRUE(holder);
    EXPECT_EQ(openLockedForWriting(m_path, false, std::chrono::milliseconds(30)).outcome, LockOutcome::Busy);
    ASSERT_TRUE(holder->remove(0));
    EXPECT_EQ(openLockedForWriting(m_path, false, std::chrono::milliseconds(30)).outcome, LockOutcome::Busy);
    holder.reset();
    const LockedDescriptor next = openLockedForWriting(m_path, false, std::chrono::milliseconds(30));
    EXPECT_EQ(next.outcome, LockOutcome::Locked);
    ::close(next.descriptor);
    EXPECT_EQ(fileBytes(), bytesOf(two));
    EXPECT_EQ(fileBusy(m_path).text,
        "Another program is writing to \"puzzles.zp3\" at the moment, so nothing was written.  Please try again.");
}

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
