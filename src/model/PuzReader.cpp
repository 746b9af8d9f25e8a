#include "model/PuzReader.h"

#include "model/GridRuns.h"
#include "model/PuzFile.h"
#include "model/PuzzleRecord.h"

#include <algorithm>

namespace gw::model {

namespace {

// Diagramless files mark this bit in the puzzle type, and their blocks ':' in the solution.
constexpr std::uint16_t DiagramlessType = 0x0400;
constexpr char DiagramlessBlock = ':';

Failure damaged()
{
    return refusal("the file is damaged or cut short");
}

Failure badChecksum()
{
    return refusal("its checksums do not match its contents, so the file is damaged");
}

// The optional sections after the strings.  A rebus shows as a GRBS board that marks squares
// (or a table of rebus answers, RTBL); each section carries a checksum of its data.
std::optional<Failure> checkSections(const PuzParts &parts)
{
    std::string_view rest = parts.sections;
    constexpr std::size_t SectionHead = 8;
    while (rest.size() >= SectionHead) {
        const std::string_view name = rest.substr(0, 4);
        const auto byte
            = [&](std::size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(rest[i])); };
        const std::size_t length = byte(4) | byte(5) << 8;
        const auto checksum = static_cast<std::uint16_t>(byte(6) | byte(7) << 8);
        if (rest.size() - SectionHead < length + 1 || rest[SectionHead + length] != '\0')
            return damaged();
        const std::string_view data = rest.substr(SectionHead, length);
        if (puzChecksum(data) != checksum)
            return badChecksum();
        if (name == "RTBL" && !data.empty())
            return refusal("it has squares with more than one letter");
        if (name == "GRBS") {
            const auto marked = std::find_if(data.begin(), data.end(), [](char c) { return c != '\0'; });
            if (marked != data.end()) {
                const auto square = static_cast<int>(marked - data.begin());
                if (parts.width > 0 && square < parts.width * parts.height)
                    return rebusSquare(square % parts.width + 1, square / parts.width + 1);
                return damaged();
            }
        }
        rest.remove_prefix(SectionHead + length + 1);
    }
    return std::nullopt;
}

} // namespace

Result<ForeignCrossword> readPuz(std::string_view bytes)
{
    if (bytes.size() > MaxPuzBytes)
        return refusal("it is larger than a .puz crossword can be");
    const auto parts = splitPuz(bytes);
    if (!parts)
        return bytes.find(puz::Magic) == std::string_view::npos ? refusal("it is not a .puz crossword file")
                                                                : damaged();
    const PuzChecksums stored = storedPuzChecksums(*parts);
    if (stored != expectedPuzChecksums(*parts, true) && stored != expectedPuzChecksums(*parts, false))
        return badChecksum();
    if (parts->word(puz::ScrambledAt) != 0)
        return refusal("it is scrambled (locked), so its answers cannot be read");
    if ((parts->word(puz::PuzzleTypeAt) & DiagramlessType) != 0
        || parts->solution.find(DiagramlessBlock) != std::string_view::npos)
        return diagramlessPuzzle();
    if (parts->width < 1 || parts->height < 1)
        return refusal("its grid has no squares");
    if (parts->width > MaxImportSide || parts->height > MaxImportSide)
        return tooLargeToImport();
    if (auto problem = checkSections(*parts))
        return *problem;

    ForeignCrossword crossword;
    crossword.width = parts->width;
    crossword.height = parts->height;
    crossword.squares.assign(parts->solution.size(), BlankCell);
    crossword.numbers.assign(parts->solution.size(), 0);
    for (int r = 1; r <= crossword.height; ++r) {
        for (int c = 1; c <= crossword.width; ++c) {
            const std::size_t i = crossword.index(c, r);
            if (parts->solution[i] == puz::Block)
                continue;
            const auto letter = squareLetter(static_cast<unsigned char>(parts->solution[i]));
            if (!letter)
                return refusal("the square in " + squareName(c, r) + " holds no letter");
            crossword.squares[i] = *letter;
        }
    }
    const auto isLetter = [&](int c, int r) { return crossword.squares[crossword.index(c, r)] != BlankCell; };
    const std::vector<GridRun> runs = numberedRuns(crossword.width, crossword.height, isLetter);
    if (runs.size() != parts->clues.size())
        return refusal("it has " + std::to_string(parts->clues.size()) + " clues for "
            + std::to_string(runs.size()) + " words");
    for (std::size_t k = 0; k < runs.size(); ++k) {
        crossword.numbers[crossword.index(runs[k].column, runs[k].row)] = runs[k].number;
        crossword.clues.push_back({ runs[k].number, runs[k].across, showableText(parts->clues[k]) });
    }
    crossword.title = showableText(parts->title);
    return crossword;
}

} // namespace gw::model
