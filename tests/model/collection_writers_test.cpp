#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "platform/RecordFile.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace gw::model {
namespace {

constexpr std::size_t RecordSize = sizeof(PuzzleRecord);

// Every record of these tests is made from its title alone, so a record that is not whole, or
// mixes two writes, is seen at once.
std::unique_ptr<PuzzleRecord> titled(const std::string &title)
{
    return test::markedPuzzle("Writers", title, static_cast<char>(title.size() * 7 + title.back()));
}

class CollectionWriters : public test::ScratchFolderTest
{
protected:
    // Runs `work` in `count` processes at once; each writes the lines of what it did to its own
    // file, which this returns, one line a success.
    std::vector<std::string> inProcesses(int count, const std::function<void(int, std::ostream &)> &work)
    {
        std::vector<pid_t> children;
        for (int child = 0; child < count; ++child) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                std::ofstream out(path("done-" + std::to_string(child)));
                work(child, out);
                out.close();
                ::_exit(0);
            }
            children.push_back(pid);
        }
        for (const pid_t pid : children) {
            int status = 0;
            ::waitpid(pid, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        std::vector<std::string> done;
        for (int child = 0; child < count; ++child) {
            std::ifstream in(path("done-" + std::to_string(child)));
            for (std::string line; std::getline(in, line);)
                done.push_back(line);
        }
        return done;
    }
};

// Appends, overwrites and deletes from many processes at once: every write reported as done is in
// the file, no record is lost twice or half written, and a record changed by one writer is never
// overwritten or deleted by another that loaded it earlier.
TEST_F(CollectionWriters, MixedWritersLoseNothingTheyReported)
{
    const std::filesystem::path collection = path("SHARED.ZP3");
    constexpr int Seeds = 12;
    for (int seed = 0; seed < Seeds; ++seed)
        ASSERT_TRUE(savePuzzle(collection, *titled("seed-" + std::to_string(seed)), true, 0, 0));

    const std::vector<std::string> done = inProcesses(12, [&](int child, std::ostream &out) {
        const int role = child % 3;
        for (int step = 0; step < Seeds; ++step) {
            if (role == 0) {
                const std::string title = "append-" + std::to_string(child) + "-" + std::to_string(step);
                if (savePuzzle(collection, *titled(title), true, 0, 0))
                    out << "appended " << title << "\n";
                continue;
            }
            // Overwriters and deleters pick seeds as the lists show them, which may be stale.
            const std::string seed = "seed-" + std::to_string((step + child) % Seeds);
            const CollectionLists lists = CollectionLists::load(collection);
            for (const CollectionPuzzle &puzzle : lists.puzzles()) {
                if (puzzle.title != seed)
                    continue;
                if (role == 1) {
                    const std::string title = "over-" + seed;
                    if (savePuzzle(
                            collection, *titled(title), false, puzzle.recordNumber, puzzle.fingerprint))
                        out << "overwrote " << seed << "\n";
                } else if (deletePuzzle(collection, puzzle.recordNumber, puzzle.fingerprint)) {
                    out << "deleted " << seed << "\n";
                }
                break;
            }
        }
    });

    std::map<std::string, int> present;
    const auto records = readAllRecords<PuzzleRecord>(collection).value();
    EXPECT_EQ(std::filesystem::file_size(collection), records.size() * RecordSize);
    for (const PuzzleRecord &record : records) {
        const std::string title = record.title.str();
        EXPECT_EQ(std::memcmp(&record, titled(title).get(), RecordSize), 0) << title;
        ++present[title];
    }
    int appended = 0, changed = 0;
    for (const std::string &line : done) {
        const std::string what = line.substr(0, line.find(' ')), title = line.substr(line.find(' ') + 1);
        if (what == "appended") {
            EXPECT_EQ(present[title], 1) << line;
            ++appended;
        } else if (what == "overwrote") {
            EXPECT_EQ(present["over-" + title], 1) << line;
            EXPECT_EQ(present[title], 0) << line;
            ++changed;
        } else {
            EXPECT_EQ(present[title] + present["over-" + title], 0) << line;
            ++changed;
        }
    }
    // Each seed was overwritten or deleted at most once, or is still there.
    for (int seed = 0; seed < Seeds; ++seed) {
        const std::string title = "seed-" + std::to_string(seed);
        EXPECT_LE(present[title] + present["over-" + title], 1) << title;
    }
    EXPECT_EQ(records.size(),
        std::size_t(Seeds + appended) - std::count_if(done.begin(), done.end(), [](auto &line) {
            return line.starts_with("deleted");
        }));
    EXPECT_GT(appended, 0);
    EXPECT_GT(changed, 0);
    std::printf("writers: %d appends, %d overwrites and deletes reported; %zu records checked\n", appended,
        changed, records.size());
}

// 20 copies of the command-line tool appending four puzzles each to one collection at once: all
// 80 records arrive, each byte for byte its source.  Before the writers' lock, ten were lost while
// every command reported success.
TEST_F(CollectionWriters, ConcurrentCopiesKeepEveryPuzzle)
{
    const std::string source = std::string(GW_SOURCE_DIR) + "/data/SAMPLE.ZP3";
    std::string commands;
    for (int i = 0; i < 20; ++i)
        commands += "(" + std::string(GW_CLI_PATH) + " copy " + source + " 0 1 2 3 --to " + path("ONE.ZP3")
            + " >/dev/null || echo failed) & ";
    EXPECT_EQ(test::shell(commands + "wait").out, "");
    const auto copied = readAllRecords<PuzzleRecord>(path("ONE.ZP3")).value();
    const auto originals = readAllRecords<PuzzleRecord>(source).value();
    ASSERT_EQ(copied.size(), 80u);
    for (std::size_t i = 0; i < copied.size(); ++i)
        EXPECT_EQ(std::memcmp(&copied[i], &originals[i % 4], RecordSize), 0) << "record " << i;
}

} // namespace
} // namespace gw::model
