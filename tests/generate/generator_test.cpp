#include "generate/Generator.h"
#include "generate/RandomSequence.h"
#include "support/ReferenceGenerator.h"
#include "support/TestRecords.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace gw::generate {
namespace {

using model::PuzzleRecord;
using shapes::ShapeRecord;

std::unique_ptr<PuzzleRecord> makeRecord(const std::vector<std::string> &words, int width, int height)
{
    auto record = test::zeroedPuzzle();
    record->title.assign("Test");
    for (std::size_t i = 0; i < words.size(); ++i) {
        record->words[i].assign(words[i]);
        record->clues[i].assign("clue " + std::to_string(i + 1));
    }
    record->wordCount = static_cast<std::int16_t>(words.size());
    record->width = static_cast<std::int16_t>(width);
    record->height = static_cast<std::int16_t>(height);
    return record;
}

struct Built
{
    std::unique_ptr<BestFitSlots> slots = std::make_unique<BestFitSlots>();
    BuildOutcome outcome;
};

Built build(const PuzzleRecord &record, const ShapeRecord &shape, BuildOptions options, std::uint32_t seed,
    BuildObserver *observer = nullptr)
{
    Built built;
    built.outcome = BuildPuzzles(record, shape, options, seed, *built.slots, observer);
    return built;
}

class RecordingObserver : public BuildObserver
{
public:
    explicit RecordingObserver(int abortAt = 0)
        : m_abortAt(abortAt)
    { }
    void attemptStarting(int attempt) override
    {
        m_attempt = attempt;
        log += "start " + std::to_string(attempt) + ", ";
    }
    void processEvents() override { log += "events, "; }
    bool abortRequested() override
    {
        log += "abort?, ";
        return m_abortAt > 0 && m_attempt >= m_abortAt;
    }

    std::string log;

private:
    int m_abortAt;
    int m_attempt = 0;
};

// One attempt is run unobserved: there is no progress window.  Once four attempts placed every
// word the run ends, and the counter shows the requested number, not 4.
TEST(BuildPuzzles, OneAttemptRunsUnobservedAndAFullPlacementEndsTheRun)
{
    const auto record = makeRecord({ "CAT", "TOE" }, 15, 15);
    RecordingObserver alone;
    EXPECT_EQ(build(*record, test::filledShape(15, 15), {}, 9, &alone).outcome, (BuildOutcome { 1, false }));
    EXPECT_EQ(alone.log, "");
    RecordingObserver early;
    EXPECT_EQ(build(*record, test::filledShape(15, 15), { 10, false, false }, 9, &early).outcome,
        (BuildOutcome { 10, false }));
    EXPECT_NE(early.log.find("start 4"), std::string::npos);
    EXPECT_EQ(early.log.find("start 5"), std::string::npos);
}

// The progress window counts on exactly these calls: start and events before each attempt,
// events, the abort check and events again after it.  An abort is noticed after the attempt in
// progress, which still counts, and the slots hold the best of the attempts made, as a run of
// that many attempts would have left them.
TEST(BuildPuzzles, AbortDuringAttemptFiveKeepsTheBestOfFive)
{
    const auto record
        = makeRecord({ "CROSSWORD", "WORDS", "ROSE", "DOOR", "SOW", "CODE", "RED", "ODE" }, 9, 9);
    const ShapeRecord shape = test::filledShape(9, 9);
    RecordingObserver observer(5);
    const Built aborted = build(*record, shape, { 100, false, false }, 4242, &observer);
    EXPECT_EQ(aborted.outcome, (BuildOutcome { 5, true }));
    std::string calls;
    for (int attempt = 1; attempt <= 5; ++attempt)
        calls += "start " + std::to_string(attempt) + ", events, events, abort?, events, ";
    EXPECT_EQ(observer.log, calls);
    const Built five = build(*record, shape, { 5, false, false }, 4242);
    for (int n = 0; n < 4; ++n) {
        ASSERT_EQ(aborted.slots->slots[n].wordsPlaced, five.slots->slots[n].wordsPlaced);
        EXPECT_EQ(
            std::memcmp(&aborted.slots->slots[n].record, &five.slots->slots[n].record, sizeof(PuzzleRecord)),
            0);
    }
}

// A word is never laid over one running the same way: not the same word twice, and not a
// short word inside a longer one, which would print a clue number inside another answer.
TEST(BuildPuzzles, NeverLaysAWordOverOneRunningTheSameWay)
{
    for (const auto &words :
        std::vector<std::vector<std::string>> { { "CAT", "CAT" }, { "SCATTER", "CAT" } }) {
        const auto record = makeRecord(words, 15, 15);
        for (std::uint32_t seed = 1; seed <= 40; ++seed) {
            const Built built = build(*record, test::filledShape(15, 15), {}, seed);
            const PuzzleRecord &result = built.slots->slots[0].record;
            ASSERT_EQ(built.slots->slots[0].wordsPlaced, 2);
            EXPECT_NE(result.direction[0], result.direction[1]) << words[0] << " seed " << seed;
        }
    }
}

// A one-letter word was "placed" on a letter of a word already in the grid: it added no square
// and printed its clue number inside the other answer.  Alone it is still the first word.
TEST(BuildPuzzles, NeverPlacesAOneLetterWordOnALetterAlreadyInTheGrid)
{
    const auto record = makeRecord({ "HELLO", "E" }, 15, 15);
    for (std::uint32_t seed = 1; seed <= 5; ++seed) {
        const Built built = build(*record, test::filledShape(15, 15), { 5, false, false }, seed);
        for (const BestFitSlot &slot : built.slots->slots) {
            ASSERT_EQ(slot.wordsPlaced, 1) << "seed " << seed;
            EXPECT_EQ(slot.record.words[1].str(), "E");
            EXPECT_EQ(slot.placedFlags[1], 0);
        }
    }
    const auto alone = makeRecord({ "E" }, 15, 15);
    EXPECT_EQ(build(*alone, test::filledShape(15, 15), {}, 1).slots->slots[0].wordsPlaced, 1);
}

// A word of blanks only, or with a NUL the grid would read as outside the shape, is never
// placed, not even as the first word.
TEST(BuildPuzzles, NeverPlacesAWordWithoutLetters)
{
    for (const std::string &word : { std::string("   "), std::string("A\0B", 3) }) {
        const auto record = makeRecord({ word }, 50, 50);
        const Built built = build(*record, test::filledShape(50, 50), { 2, true, false }, 13);
        EXPECT_EQ(built.slots->slots[0].wordsPlaced, 0);
    }
}

// The seed is the time of day in milliseconds, so it never reaches a full day.  (The draws
// themselves are held to the literal generator's below.)
TEST(RandomSequence, TimeOfDaySeedIsWithinOneDay)
{
    EXPECT_LT(timeOfDaySeed(), 24u * 60 * 60 * 1000);
}

// ---- The production generator against the literal one --------------------------------------

struct RandomCase
{
    std::unique_ptr<PuzzleRecord> record;
    ShapeRecord shape {};
    BuildOptions options;
    std::uint32_t seed = 0;
    std::string description;
};

std::string randomWord(std::mt19937 &rng)
{
    static const std::string common
        = "EEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOIIIIIIINNNNNNNSSSSSSHHHHHHRRRRRRDDDDLLLLCCCUUU"
          "MMWWFFGGYYPPBVKJXQZ";
    const auto roll = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    // One-letter words included: they can cross only by lying on a letter already placed.
    const int length = roll(10) == 0 ? 13 + roll(18) : 1 + roll(11);
    std::string word;
    for (int i = 0; i < length; ++i) {
        char c = common[static_cast<std::size_t>(roll(static_cast<int>(common.size())))];
        const int special = roll(60);
        if (special == 0)
            c = '-';
        else if (special == 1 && i > 0 && i + 1 < length)
            c = ' ';
        else if (special == 2)
            c = static_cast<char>(0xE9); // é
        else if (special == 3)
            c = static_cast<char>(0xC9); // É
        else if (special < 8)
            c = static_cast<char>(c + 32);
        word += c;
    }
    return word;
}

ShapeRecord randomShape(std::mt19937 &rng, int width, int height)
{
    ShapeRecord shape {};
    shape.width = static_cast<std::int16_t>(width);
    shape.height = static_cast<std::int16_t>(height);
    const int kind = static_cast<int>(rng() % 4);
    const double holes = (rng() % 30) / 100.0;
    std::uniform_real_distribution<double> unit(0, 1);
    for (int r = 1; r <= 50; ++r)
        for (int c = 1; c <= 50; ++c) {
            bool usable;
            if (r > height || c > width)
                usable = rng() % 2 == 0; // never offered to the generator
            else if (kind == 1)
                usable
                    = std::abs(2 * r - height - 1) + std::abs(2 * c - width - 1) <= std::max(width, height);
            else if (kind == 2)
                usable
                    = (2 * r - height - 1) * (2 * r - height - 1) + (2 * c - width - 1) * (2 * c - width - 1)
                    <= width * height;
            else
                usable = unit(rng) >= holes;
            shape.cells[(r - 1) * 50 + c - 1] = usable ? 1 : 0;
        }
    return shape;
}

RandomCase randomCase(std::mt19937 &rng)
{
    const auto roll = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    RandomCase test;
    const bool huge = roll(25) == 0;
    const int width = huge ? 50 : 5 + roll(26);
    const int height = huge ? 50 : 5 + roll(26);
    const int count = roll(3) == 0 ? 1 + roll(200) : 1 + roll(40);
    std::vector<std::string> words;
    for (int i = 0; i < count; ++i)
        words.push_back(i > 0 && roll(12) == 0 ? words[static_cast<std::size_t>(roll(i))] : randomWord(rng));
    test.record = makeRecord(words, width, height);
    // Leftovers of an earlier generation must not leak into the candidates either way.
    for (int i = 0; i < model::MaxWords; ++i) {
        test.record->startCell[i] = static_cast<std::uint16_t>(rng());
        test.record->clueNumber[i] = static_cast<std::uint16_t>(rng());
        test.record->placed[i] = static_cast<std::uint8_t>(rng() % 2);
    }
    if (roll(15) == 0) {
        test.record->wordCount = static_cast<std::int16_t>(roll(2) == 0 ? -roll(50) : 200 + roll(300));
        test.record->words[roll(model::MaxWords)].assign(
            roll(2) == 0 ? std::string("  ") : std::string("X\0Y", 3));
        test.record->width = static_cast<std::int16_t>(roll(120) - 10);
    }
    test.shape = randomShape(rng, width, height);
    // The literal generator scans every square for every try: long lists and large grids get
    // fewer attempts so that the whole test stays quick.
    const int attempts = huge || count > 60 ? 1 + roll(6) : 1 + roll(30);
    test.options = { attempts, roll(2) == 0, roll(3) == 0 };
    test.seed = static_cast<std::uint32_t>(rng());
    test.description = std::to_string(count) + " words on " + std::to_string(width) + " x "
        + std::to_string(height) + ", " + std::to_string(test.options.attempts) + " attempts, shrink "
        + std::to_string(test.options.shrink) + ", quick " + std::to_string(test.options.quickBuild)
        + ", seed " + std::to_string(test.seed);
    return test;
}

void expectSameSlots(const BestFitSlots &actual, const BestFitSlots &expected)
{
    for (int n = 0; n < BestFitSlots::Count; ++n) {
        const BestFitSlot &a = actual.slots[n];
        const BestFitSlot &e = expected.slots[n];
        ASSERT_EQ(a.wordsPlaced, e.wordsPlaced) << "slot " << n + 1;
        if (e.wordsPlaced == 0)
            continue;
        const auto *ab = reinterpret_cast<const unsigned char *>(&a.record);
        const auto *eb = reinterpret_cast<const unsigned char *>(&e.record);
        const auto [ad, ed] = std::mismatch(ab, ab + sizeof(PuzzleRecord), eb);
        EXPECT_EQ(ad - ab, static_cast<std::ptrdiff_t>(sizeof(PuzzleRecord)))
            << "slot " << n + 1 << " differs first at record offset " << ad - ab;
        EXPECT_EQ(std::memcmp(a.placedFlags, e.placedFlags, sizeof a.placedFlags), 0) << "slot " << n + 1;
    }
}

// The fast placement (candidate squares, stable sorts, records written once) must produce
// exactly the candidates of the literal reading, byte for byte, draw for draw.
TEST(BuildPuzzlesEquivalence, MatchesTheLiteralGeneratorOnRandomCases)
{
    std::mt19937 rng(20240607);
    for (int i = 0; i < 300; ++i) {
        const RandomCase test = randomCase(rng);
        SCOPED_TRACE("case " + std::to_string(i) + ": " + test.description);
        const auto before = std::make_unique<PuzzleRecord>(*test.record);
        auto fast = std::make_unique<BestFitSlots>();
        auto literal = std::make_unique<BestFitSlots>();
        const BuildOutcome fastOutcome
            = BuildPuzzles(*test.record, test.shape, test.options, test.seed, *fast, nullptr);
        const BuildOutcome literalOutcome
            = reference::BuildPuzzles(*test.record, test.shape, test.options, test.seed, *literal, nullptr);
        EXPECT_EQ(fastOutcome, literalOutcome);
        expectSameSlots(*fast, *literal);
        EXPECT_EQ(std::memcmp(test.record.get(), before.get(), sizeof(PuzzleRecord)), 0);
        if (HasFailure())
            break;
    }
}

} // namespace
} // namespace gw::generate
