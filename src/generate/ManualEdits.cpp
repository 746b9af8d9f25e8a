#include "generate/ManualEdits.h"

#include "generate/ClueOrder.h"
#include "platform/Text.h"

#include <algorithm>
#include <memory>
#include <span>

namespace gw::generate {

namespace {

constexpr int Side = shapes::GridSide;
using shapes::cellIndex;
using shapes::columnOf;
using shapes::rowOf;

bool validCell(int cell)
{
    return cell >= 1 && cell <= shapes::GridCells;
}

Failure tooManyStarts()
{
    return { "Warning",
        "The grid holds more than " + std::to_string(MaxWordStarts)
            + " word starts.  Only the words of the first " + std::to_string(MaxWordStarts)
            + " were looked at." };
}

Failure tooManyWords()
{
    return { "Warning",
        "A puzzle holds at most " + std::to_string(model::MaxWords)
            + " words.  The new words after that were not added." };
}

bool isExistingWord(const model::PuzzleRecord &record, int placedCount, WordStart start)
{
    for (int i = 0; i < placedCount; ++i) {
        if (record.startCell[i] == start.cell && (record.direction[i] == 1) == start.across)
            return true;
    }
    return false;
}

// The last entry holding a word, or placedCount when none after it does: entries up to it are
// kept, the left-out words among them.
int lastUsedEntry(const model::PuzzleRecord &record, int placedCount)
{
    for (int entry = model::MaxWords; entry > placedCount; --entry) {
        if (!record.words[entry - 1].empty())
            return entry;
    }
    return placedCount;
}

// Moves entries from..last (1-based) on by shift places; every parallel array moves.
void shiftEntries(model::PuzzleRecord &record, int from, int last, int shift)
{
    for (int entry = last; entry >= from; --entry) {
        const int i = entry - 1;
        const int to = i + shift;
        record.words[to] = record.words[i];
        record.clues[to] = record.clues[i];
        record.startCell[to] = record.startCell[i];
        record.letterCount[to] = record.letterCount[i];
        record.clueNumber[to] = record.clueNumber[i];
        record.direction[to] = record.direction[i];
        record.placed[to] = record.placed[i];
    }
}

struct NewWord
{
    WordStart start;
    std::string word;
    std::string clue;
    int letters;
};

} // namespace

int placedWordCount(const model::PuzzleRecord &record)
{
    const int across = std::clamp<int>(record.acrossCount, 0, model::MaxWords);
    const int down = std::clamp<int>(record.downCount, 0, model::MaxWords);
    return std::min(across + down, record.safeWordCount());
}

std::optional<Failure> gridEditingRefusal(const model::PuzzleRecord &record)
{
    if (record.generated == 1)
        return std::nullopt;
    return Failure { "Warning",
        "A grid has never been generated for this puzzle.  Create the puzzle first, then add words "
        "to its grid." };
}

EditableSquares::EditableSquares(const model::PuzzleRecord &record)
    : m_width(record.safeWidth())
    , m_height(record.safeHeight())
{
    std::copy(std::begin(record.grid), std::end(record.grid), m_gridAtOpening.begin());
    const auto protect = [this](int cell) { m_protected[static_cast<std::size_t>(cell - 1)] = true; };
    for (int i = 0; i < placedWordCount(record); ++i) {
        const int start = record.startCell[i];
        if (!validCell(start))
            continue;
        const int length = record.letterCount[i];
        const int c = columnOf(start);
        const int r = rowOf(start);
        if (record.direction[i] == 1) {
            if (c > 1)
                protect(start - 1);
            if (c + length <= m_width)
                protect(start + length);
        } else {
            if (r > 1)
                protect(start - Side);
            if (r + length <= m_height)
                protect(start + Side * length);
        }
    }
}

bool EditableSquares::InProtected(int cell) const
{
    return validCell(cell) && m_protected[static_cast<std::size_t>(cell - 1)];
}

bool EditableSquares::editable(int cell) const
{
    return validCell(cell) && columnOf(cell) <= m_width && rowOf(cell) <= m_height
        && m_gridAtOpening[static_cast<std::size_t>(cell - 1)] == model::BlankCell && !InProtected(cell);
}

int CalcBlock(int x, int y, int cell, int width, int height)
{
    if (cell <= 0 || x < 0 || y < 0)
        return -1;
    const int column = x / cell + 1;
    const int row = y / cell + 1;
    if (column > std::min(width, Side) || row > std::min(height, Side))
        return -1;
    return cellIndex(column, row);
}

std::optional<std::uint8_t> letterFromBox(std::string_view typed)
{
    const std::string_view text = trimmed(typed);
    if (text.empty())
        return model::BlankCell;
    if (text.size() != 1)
        return std::nullopt;
    char letter = text.front();
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        return std::nullopt;
    return static_cast<std::uint8_t>(letter);
}

bool holdsLetter(const model::PuzzleRecord &record, int column, int row)
{
    if (column < 1 || row < 1 || column > record.safeWidth() || row > record.safeHeight())
        return false;
    const std::uint8_t byte = record.cell(cellIndex(column, row));
    return byte != model::OutsideCell && byte != model::BlankCell;
}

WordStarts findWordStarts(const model::PuzzleRecord &record)
{
    WordStarts found;
    const auto add = [&found](int cell, bool across) {
        if (found.count == MaxWordStarts) {
            found.truncated = true;
            return;
        }
        found.starts[static_cast<std::size_t>(found.count++)] = { cell, across };
    };
    for (int r = 1; r <= record.safeHeight(); ++r) {
        for (int c = 1; c <= record.safeWidth(); ++c) {
            if (!holdsLetter(record, c, r))
                continue;
            if (!holdsLetter(record, c - 1, r) && holdsLetter(record, c + 1, r))
                add(cellIndex(c, r), true);
            if (!holdsLetter(record, c, r - 1) && holdsLetter(record, c, r + 1))
                add(cellIndex(c, r), false);
        }
    }
    return found;
}

std::string collectLetters(const model::PuzzleRecord &record, WordStart start)
{
    std::string letters;
    int c = columnOf(start.cell);
    int r = rowOf(start.cell);
    while (validCell(start.cell) && holdsLetter(record, c, r)) {
        letters += static_cast<char>(record.cell(cellIndex(c, r)));
        (start.across ? c : r) += 1;
    }
    return letters;
}

std::string wordInCase(std::string_view letters, int caseSensitivity)
{
    const auto raised = [](char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 32) : ch; };
    const auto lowered = [](char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + 32) : ch; };
    std::string word(letters);
    if (caseSensitivity == 1) {
        std::ranges::transform(word, word.begin(), raised);
        return word;
    }
    std::ranges::transform(word, word.begin(), lowered);
    if (caseSensitivity != 2 && !word.empty())
        word.front() = raised(word.front());
    return word;
}

AddedWords addNewWords(model::PuzzleRecord &record, const AskClue &askClue)
{
    AddedWords outcome;
    const WordStarts found = findWordStarts(record);
    if (found.truncated)
        outcome.limits.push_back(tooManyStarts());
    const int placedCount = placedWordCount(record);
    const int lastEntry = lastUsedEntry(record, placedCount);
    const int room = model::MaxWords - lastEntry;

    std::vector<NewWord> words;
    for (int n = 0; n < found.count; ++n) {
        const WordStart start = found.starts[static_cast<std::size_t>(n)];
        if (isExistingWord(record, placedCount, start))
            continue;
        if (static_cast<int>(words.size()) == room) {
            outcome.limits.push_back(tooManyWords());
            break;
        }
        const std::string letters = collectLetters(record, start);
        const ClueAnswer answer = askClue(letters);
        words.push_back({ start, wordInCase(letters, answer.caseSensitivity), answer.clue,
            static_cast<int>(letters.size()) });
    }
    if (words.empty())
        return outcome;

    // The left-out words move on to make room: none is lost.
    const int added = static_cast<int>(words.size());
    shiftEntries(record, placedCount + 1, lastEntry, added);
    for (int k = 0; k < added; ++k) {
        const NewWord &word = words[static_cast<std::size_t>(k)];
        const int i = placedCount + k;
        record.words[i].assign(storedText(word.word, model::WordCapacity));
        record.clues[i].assign(storedText(word.clue, model::ClueCapacity));
        record.startCell[i] = static_cast<std::uint16_t>(word.start.cell);
        record.letterCount[i] = static_cast<std::uint16_t>(word.letters);
        record.direction[i] = word.start.across ? 1 : 0;
        record.clueNumber[i] = 0;
        record.placed[i] = 1;
    }
    record.wordCount = static_cast<std::int16_t>(placedCount + added);
    putInClueOrder(record);
    outcome.added = added;
    return outcome;
}

void putInClueOrder(model::PuzzleRecord &record)
{
    const int count = record.safeWordCount();
    ClueOrderItem items[model::MaxWords];
    for (int i = 0; i < count; ++i)
        items[i] = { i, record.startCell[i], record.direction[i] == 1, 0 };
    const int acrossCount = orderForClues(std::span(items, count));

    const auto before = std::make_unique<model::PuzzleRecord>(record);
    for (int i = 0; i < count; ++i) {
        const int from = items[i].source;
        record.words[i] = before->words[from];
        record.clues[i] = before->clues[from];
        record.startCell[i] = before->startCell[from];
        record.letterCount[i] = before->letterCount[from];
        record.direction[i] = before->direction[from];
        record.clueNumber[i] = static_cast<std::uint16_t>(items[i].clueNumber);
    }
    record.acrossCount = static_cast<std::int16_t>(acrossCount);
    record.downCount = static_cast<std::int16_t>(count - acrossCount);
}

} // namespace gw::generate
