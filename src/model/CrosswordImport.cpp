#include "model/CrosswordImport.h"

#include "generate/ManualEdits.h"
#include "model/CollectionFile.h"
#include "model/IpuzReader.h"
#include "model/PuzReader.h"
#include "model/PuzzleTransfer.h"
#include "platform/RecordFile.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"

#include <cstring>
#include <map>
#include <set>

namespace gw::model {

namespace {

std::string clueName(const ForeignCrossword::Clue &clue)
{
    return "clue " + std::to_string(clue.number) + (clue.across ? " across" : " down");
}

class RecordBuilder
{
public:
    RecordBuilder(const ForeignCrossword &crossword, PuzzleRecord &record)
        : m_crossword(crossword)
        , m_record(record)
    { }

    std::optional<Failure> build()
    {
        const ForeignCrossword &in = m_crossword;
        m_record.width = static_cast<std::int16_t>(in.width);
        m_record.height = static_cast<std::int16_t>(in.height);
        std::memset(m_record.grid, OutsideCell, sizeof m_record.grid);
        for (int r = 1; r <= in.height; ++r) {
            for (int c = 1; c <= in.width; ++c) {
                const std::size_t i = in.index(c, r);
                m_record.grid[shapes::cellIndex(c, r) - 1] = in.squares[i];
                if (in.numbers[i] != 0
                    && !m_numberedSquare.emplace(in.numbers[i], shapes::cellIndex(c, r)).second)
                    return refusal("the number " + std::to_string(in.numbers[i]) + " stands in two squares");
            }
        }
        for (const ForeignCrossword::Clue &clue : in.clues) {
            if (auto problem = addWord(clue))
                return problem;
        }
        m_record.wordCount = static_cast<std::int16_t>(m_fileNumbers.size());
        generate::putInClueOrder(m_record);
        for (int i = 0; i < m_record.wordCount; ++i) {
            // Packed record fields are read by value: a reference to one may be misaligned.
            const int start = m_record.startCell[i];
            const int number = m_record.clueNumber[i];
            if (m_fileNumbers.at({ start, m_record.direction[i] == 1 }) != number)
                return refusal("its clue numbers do not follow the reading order of their squares");
        }
        return std::nullopt;
    }

private:
    const ForeignCrossword &m_crossword;
    PuzzleRecord &m_record;
    std::map<int, int> m_numberedSquare; // number -> cell index
    std::map<std::pair<int, bool>, int> m_fileNumbers; // (start cell, across) -> number

    bool isLetter(int c, int r) const
    {
        const std::uint8_t cell = c >= 1 && r >= 1 && c <= m_crossword.width && r <= m_crossword.height
            ? m_record.cell(shapes::cellIndex(c, r))
            : OutsideCell;
        return cell != OutsideCell && cell != BlankCell;
    }

    std::optional<Failure> addWord(const ForeignCrossword::Clue &clue)
    {
        const auto square = m_numberedSquare.find(clue.number);
        if (square == m_numberedSquare.end())
            return refusal(clueName(clue) + " has no square numbered " + std::to_string(clue.number));
        const int start = square->second;
        const int c = shapes::columnOf(start);
        const int r = shapes::rowOf(start);
        const int dc = clue.across ? 1 : 0;
        const int dr = clue.across ? 0 : 1;
        if (!isLetter(c, r) || isLetter(c - dc, r - dr) || !isLetter(c + dc, r + dr))
            return refusal(clueName(clue) + " has no word of two or more letters starting in its square");
        if (!m_fileNumbers.emplace(std::pair(start, clue.across), clue.number).second)
            return refusal(clueName(clue) + " is given twice");
        if (m_fileNumbers.size() > static_cast<std::size_t>(MaxWords))
            return refusal("it has more than " + std::to_string(MaxWords) + " words");
        std::string letters;
        for (int k = 0; isLetter(c + k * dc, r + k * dr); ++k)
            letters += static_cast<char>(m_record.cell(shapes::cellIndex(c + k * dc, r + k * dr)));
        const int i = static_cast<int>(m_fileNumbers.size()) - 1;
        m_record.words[i].assign(storedText(letters, WordCapacity));
        m_record.clues[i].assign(storedText(clue.text, ClueCapacity));
        m_record.startCell[i] = static_cast<std::uint16_t>(start);
        m_record.letterCount[i] = static_cast<std::uint16_t>(letters.size());
        m_record.direction[i] = clue.across ? 1 : 0;
        return std::nullopt;
    }
};

} // namespace

Result<std::unique_ptr<PuzzleRecord>> puzzleFromCrossword(const ForeignCrossword &crossword,
    std::string_view category, std::string_view fallbackTitle, const layout::LayoutRecord &pageLayout)
{
    if (crossword.width < 1 || crossword.height < 1
        || crossword.squares.size() != static_cast<std::size_t>(crossword.width * crossword.height)
        || crossword.numbers.size() != crossword.squares.size())
        return refusal("its grid has no squares");
    if (crossword.width > MaxImportSide || crossword.height > MaxImportSide)
        return tooLargeToImport();
    auto record = std::make_unique<PuzzleRecord>();
    std::memset(record.get(), 0, sizeof *record);
    resetToNew(*record, pageLayout);
    record->category.assign(storedText(category, CategoryCapacity));
    const std::string_view title = trimmed(crossword.title).empty() ? fallbackTitle : crossword.title;
    record->title.assign(storedText(title, TitleCapacity));
    if (auto problem = RecordBuilder(crossword, *record).build())
        return *problem;
    std::uint8_t placed[MaxWords] = {};
    std::fill_n(placed, record->safeWordCount(), std::uint8_t { 1 });
    stampForSaving(*record, placed);
    return record;
}

Failure crosswordNotImported(const std::filesystem::path &file, const std::string &reason)
{
    return { "Error",
        "The puzzle in \"" + utf8ToWindows1252(file.filename().string()) + "\" cannot be imported: " + reason
            + "." };
}

Result<std::unique_ptr<PuzzleRecord>> readCrosswordFile(
    const std::filesystem::path &file, std::string_view category, const layout::LayoutRecord &pageLayout)
{
    const ImportKind kind = importKind(file);
    if (kind != ImportKind::Ipuz && kind != ImportKind::Puz)
        return crosswordNotImported(file, "it is neither an .ipuz nor a .puz file");
    const std::size_t limit = kind == ImportKind::Ipuz ? MaxIpuzBytes : MaxPuzBytes;
    const auto bytes = readFileBytes(file, limit + 1);
    if (!bytes)
        return crosswordNotImported(file, "the file cannot be read");
    const auto crossword = kind == ImportKind::Ipuz ? readIpuz(*bytes) : readPuz(*bytes);
    if (!crossword)
        return crosswordNotImported(file, crossword.error().text);
    auto record
        = puzzleFromCrossword(*crossword, category, utf8ToWindows1252(file.stem().string()), pageLayout);
    if (!record)
        return crosswordNotImported(file, record.error().text);
    return record;
}

Result<ImportedPuzzle> importCrosswordFile(const std::filesystem::path &file,
    const std::filesystem::path &collection, std::string_view category,
    const layout::LayoutRecord &pageLayout)
{
    const auto record = readCrosswordFile(file, category, pageLayout);
    if (!record)
        return record.error();
    const Result<int> saved = savePuzzle(collection, **record, true, 0, 0);
    if (!saved)
        return saved.error();
    return ImportedPuzzle { *saved, (*record)->category.str(), (*record)->title.str() };
}

} // namespace gw::model
