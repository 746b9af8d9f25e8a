#include "layout/DefaultLayout.h"
#include "layout/LayoutExportFile.h"
#include "layout/LayoutLibrary.h"
#include "model/CollectionFile.h"
#include "model/PreviousVersion.h"
#include "model/PuzzleTransfer.h"
#include "model/WordTextTransfer.h"
#include "platform/IniFile.h"
#include "platform/RecordFile.h"
#include "platform/ReplacementFile.h"
#include "shapes/ShapeLibrary.h"
#include "support/ShellRun.h"
#include "support/TestRecords.h"

#include <cerrno>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <set>
#include <unistd.h>

// Every write, flush and rename of this test program passes through here, so that a test can make
// the k-th of them fail as a full disk does: a write puts half its bytes on the disk and fails.
namespace {

int g_failAt = 0; // 0: no fault
int g_calls = 0;
bool g_fired = false;

bool faultNow()
{
    if (g_failAt == 0 || ++g_calls != g_failAt)
        return false;
    g_fired = true;
    errno = ENOSPC;
    return true;
}

template <typename Function> Function *real(const char *name)
{
    return reinterpret_cast<Function *>(::dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" ssize_t pwrite(int descriptor, const void *data, size_t size, off_t offset)
{
    static auto *next = real<ssize_t(int, const void *, size_t, off_t)>("pwrite");
    if (faultNow()) {
        next(descriptor, data, size / 2, offset);
        errno = ENOSPC;
        return -1;
    }
    return next(descriptor, data, size, offset);
}

extern "C" ssize_t write(int descriptor, const void *data, size_t size)
{
    static auto *next = real<ssize_t(int, const void *, size_t)>("write");
    if (faultNow()) {
        next(descriptor, data, size / 2);
        errno = ENOSPC;
        return -1;
    }
    return next(descriptor, data, size);
}

extern "C" int fsync(int descriptor)
{
    static auto *next = real<int(int)>("fsync");
    return faultNow() ? -1 : next(descriptor);
}

extern "C" int rename(const char *from, const char *to) noexcept
{
    static auto *next = real<int(const char *, const char *)>("rename");
    return faultNow() ? -1 : next(from, to);
}

namespace gw {
namespace {

using Operation = std::function<std::optional<Failure>(const std::filesystem::path &dir)>;

template <typename T> std::optional<Failure> failureOf(const Result<T> &result)
{
    return result ? std::nullopt : std::optional<Failure>(result.error());
}

struct WritePath
{
    const char *name;
    const char *target; // the file whose bytes must be the old or the new ones
    Operation operation;
};

using test::bytesOf;

std::string puzzleBytes(const std::string &title, char fill)
{
    return bytesOf(*test::markedPuzzle("Faults", title, fill));
}

// Every folder starts alike: a collection of three puzzles, another to import from, an old
// export, shape and layout libraries, a word file, a settings file and a previous-version file.
void lay(const std::filesystem::path &dir)
{
    const auto put
        = [&](const char *name, const std::string &bytes) { ASSERT_TRUE(writeFileBytes(dir / name, bytes)); };
    put("ONE.ZP3", puzzleBytes("One", '1') + puzzleBytes("Two", '2') + puzzleBytes("Three", '3'));
    put("OTHER.ZP3", puzzleBytes("Other", 'o') + puzzleBytes("Else", 'e'));
    put("OLD.ZP3", puzzleBytes("Old export", 'x'));
    const shapes::ShapeRecord square = test::filledShape(5, 5, "Square"),
                              wide = test::filledShape(9, 5, "Wide");
    put("ZPFLAY.DAT", bytesOf(square) + bytesOf(wide));
    put("ZPFPAGE.DAT", bytesOf(*std::make_unique<layout::LayoutRecord>(layout::defaultLayout())));
    put("words.txt", "OLD: kept\r\n");
    put("shared.PAG", "an old layout export");
    put("GRIDW3.INI", "[Options]\r\nQuick Build=No\r\n");
    put("ZPFUPUZZ.DAT", std::string(2 * sizeof(model::OldPuzzleRecord), 'a'));
}

std::vector<WritePath> writePaths()
{
    using model::PuzzleRecord;
    using shapes::ShapeRecord;
    const auto puzzle = [](const std::string &title) { return test::markedPuzzle("New", title, 'n'); };
    // The fingerprint of a record as a window that loaded it holds it.
    const auto loaded = [](const std::filesystem::path &file, std::size_t size, int record) {
        const std::string bytes = readFileBytes(file, 1 << 22).value_or("");
        return fingerprintOf(bytes.data() + record * size, size);
    };
    return {
        { "append", "ONE.ZP3",
            [=](auto d) { return failureOf(model::savePuzzle(d / "ONE.ZP3", *puzzle("New"), true, 0, 0)); } },
        { "new collection", "NEW.ZP3",
            [=](auto d) { return failureOf(model::savePuzzle(d / "NEW.ZP3", *puzzle("New"), true, 0, 0)); } },
        { "overwrite", "ONE.ZP3",
            [=](auto d) {
                const auto was = loaded(d / "ONE.ZP3", sizeof(PuzzleRecord), 1);
                return failureOf(model::savePuzzle(d / "ONE.ZP3", *puzzle("Changed"), false, 1, was));
            } },
        { "delete", "ONE.ZP3",
            [=](auto d) {
                return failureOf(
                    model::deletePuzzle(d / "ONE.ZP3", 0, loaded(d / "ONE.ZP3", sizeof(PuzzleRecord), 0)));
            } },
        { "import", "ONE.ZP3",
            [](auto d) {
                return failureOf(model::importPuzzles(d / "OTHER.ZP3", std::vector { 1, 0 }, d / "ONE.ZP3"));
            } },
        { "export", "OLD.ZP3",
            [](auto d) {
                return failureOf(model::exportPuzzles(d / "ONE.ZP3", std::vector { 2, 0 }, d / "OLD.ZP3"));
            } },
        { "conversion", "ONE.ZP3",
            [](auto d) {
                return failureOf(
                    model::convertOldPuzzleFile(d / "ZPFUPUZZ.DAT", d / "ONE.ZP3", layout::defaultLayout()));
            } },
        { "shape replace", "ZPFLAY.DAT",
            [=](auto d) {
                const auto was = loaded(d / "ZPFLAY.DAT", sizeof(ShapeRecord), 1);
                return failureOf(
                    shapes::replaceShape(d / "ZPFLAY.DAT", 1, test::filledShape(7, 7, "Seven"), was));
            } },
        { "shape delete", "ZPFLAY.DAT",
            [=](auto d) {
                return failureOf(shapes::deleteShape(
                    d / "ZPFLAY.DAT", 0, loaded(d / "ZPFLAY.DAT", sizeof(ShapeRecord), 0)));
            } },
        { "layout add", "ZPFPAGE.DAT",
            [](auto d) { return failureOf(layout::addLayout(d / "ZPFPAGE.DAT", layout::defaultLayout())); } },
        { "layout export", "shared.PAG",
            [](auto d) {
                return failureOf(layout::exportLayout(layout::defaultLayout(), d / "shared.PAG"));
            } },
        { "word export", "words.txt",
            [](auto d) {
                return failureOf(model::writeWordFile(
                    d / "words.txt", std::vector<std::string> { "NEW: one", "TWO: two" }));
            } },
        { "settings", "GRIDW3.INI",
            [](auto d) {
                IniFile ini = IniFile::load(d / "GRIDW3.INI");
                ini.setValue("Options", "Quick Build", "Yes");
                return failureOf(ini.save(d / "GRIDW3.INI"));
            } },
    };
}

std::set<std::string> namesIn(const std::filesystem::path &dir)
{
    std::set<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

class WriteFaults : public test::ScratchFolderTest
{
};

// Whichever write, flush or rename fails, every write path leaves its file byte for byte as it
// was, with a failure reported, or wholly as it should be, with success reported, and no
// half-written file lying beside it.
TEST_F(WriteFaults, EveryWritePathLeavesTheOldFileOrTheNewOne)
{
    int faultsInjected = 0;
    for (const WritePath &path : writePaths()) {
        SCOPED_TRACE(path.name);
        const std::filesystem::path clean = dir() / "clean";
        std::filesystem::create_directories(clean);
        lay(clean);
        const std::string before = readFileBytes(clean / path.target, 1 << 22).value_or("missing");
        ASSERT_EQ(path.operation(clean), std::nullopt);
        const std::string after = readFileBytes(clean / path.target, 1 << 22).value();
        ASSERT_NE(before, after);
        const std::set<std::string> namesAfter = namesIn(clean);
        std::filesystem::remove_all(clean);

        for (int k = 1;; ++k) {
            SCOPED_TRACE("failing call " + std::to_string(k));
            const std::filesystem::path run = dir() / ("run" + std::to_string(k));
            std::filesystem::create_directories(run);
            lay(run);
            const std::set<std::string> namesBefore = namesIn(run);
            g_failAt = k;
            g_calls = 0;
            g_fired = false;
            const std::optional<Failure> failure = path.operation(run);
            g_failAt = 0;
            const std::string now = readFileBytes(run / path.target, 1 << 22).value_or("missing");
            if (failure) {
                EXPECT_EQ(now, before);
                EXPECT_FALSE(failure->text.empty());
                EXPECT_EQ(namesIn(run), namesBefore);
            } else {
                EXPECT_EQ(now, after);
                EXPECT_EQ(namesIn(run), namesAfter);
            }
            std::filesystem::remove_all(run);
            if (!g_fired)
                break;
            ++faultsInjected;
        }
    }
    std::printf("write faults injected: %d\n", faultsInjected);
}

// A writer that goes on to commit a replacement whose writing failed must not lose the old file.
TEST_F(WriteFaults, SpoiltReplacementIsNeverCommitted)
{
    ASSERT_TRUE(writeFileBytes(dir() / "kept.txt", "old"));
    {
        ReplacementFile file(dir() / "kept.txt");
        ASSERT_TRUE(file.isOpen());
        g_failAt = 1;
        g_calls = 0;
        EXPECT_FALSE(file.append("new bytes"));
        g_failAt = 0;
        EXPECT_FALSE(file.commit());
    }
    EXPECT_EQ(readFileBytes(dir() / "kept.txt", 100), "old");
}

} // namespace
} // namespace gw
