#include "export/CrosswordFiles.h"

#include "export/ExportFile.h"
#include "model/GridRuns.h"
#include "model/PuzFile.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <tuple>

namespace gw::exports {

namespace {

using Square = CrosswordGrid::Square;

// A JSON string of Windows-1252 text.
std::string jsonString(std::string_view windows1252)
{
    std::string out = "\"";
    for (const char ch : windows1252ToUtf8(windows1252)) {
        const auto byte = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\') {
            out += '\\';
            out += ch;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += ch;
        }
    }
    return out + "\"";
}

std::string jsonClues(const std::vector<CrosswordGrid::Clue> &clues)
{
    std::string out = "[";
    for (std::size_t i = 0; i < clues.size(); ++i) {
        out += i ? ",\n    " : "\n    ";
        out += "[" + std::to_string(clues[i].number) + ", " + jsonString(clues[i].text) + "]";
    }
    return out + (clues.empty() ? "]" : "\n  ]");
}

// One row of the puzzle or solution array.
template <typename Cell> std::string jsonRow(const CrosswordGrid &grid, int row, Cell cell)
{
    std::string out = "[";
    for (int c = 1; c <= grid.width; ++c) {
        if (c > 1)
            out += ", ";
        switch (grid.square(c, row)) {
        case Square::Outside:
            out += "null";
            break;
        case Square::Block:
            out += "\"#\"";
            break;
        case Square::Letter:
            out += cell(c, row);
            break;
        }
    }
    return out + "]";
}

template <typename Cell> std::string jsonRows(const CrosswordGrid &grid, Cell cell)
{
    std::string out = "[";
    for (int r = 1; r <= grid.height; ++r)
        out += (r > 1 ? ",\n    " : "\n    ") + jsonRow(grid, r, cell);
    return out + (grid.height ? "\n  ]" : "]");
}

void put16(std::string &out, std::size_t offset, std::uint16_t value)
{
    out[offset] = static_cast<char>(value & 0xFF);
    out[offset + 1] = static_cast<char>(value >> 8);
}

} // namespace

std::string ipuzText(const CrosswordGrid &grid)
{
    const auto puzzleCell = [&](int c, int r) { return std::to_string(grid.number(c, r)); };
    const auto solutionCell
        = [&](int c, int r) { return jsonString(std::string(1, static_cast<char>(grid.letter(c, r)))); };
    std::string out = "{\n";
    out += "  \"version\": \"http://ipuz.org/v2\",\n";
    out += "  \"kind\": [\"http://ipuz.org/crossword#1\"],\n";
    out += "  \"title\": " + jsonString(grid.title) + ",\n";
    out += "  \"dimensions\": {\"width\": " + std::to_string(grid.width)
        + ", \"height\": " + std::to_string(grid.height) + "},\n";
    out += "  \"block\": \"#\",\n";
    out += "  \"empty\": 0,\n";
    out += "  \"puzzle\": " + jsonRows(grid, puzzleCell) + ",\n";
    out += "  \"solution\": " + jsonRows(grid, solutionCell) + ",\n";
    out += "  \"clues\": {\n  \"Across\": " + jsonClues(grid.across)
        + ",\n  \"Down\": " + jsonClues(grid.down) + "\n  }\n";
    return out + "}\n";
}

Result<std::vector<std::uint8_t>> puzBytes(const CrosswordGrid &grid)
{
    // The format's order of clues: by number, across before down; it must find our words.
    std::vector<std::tuple<int, bool, int, int, int>> ours;
    for (const auto &[clues, across] : { std::pair(&grid.across, true), std::pair(&grid.down, false) }) {
        for (const CrosswordGrid::Clue &clue : *clues)
            ours.emplace_back(clue.number, !across, clue.column, clue.row, clue.length);
    }
    std::sort(ours.begin(), ours.end());
    std::vector<std::tuple<int, bool, int, int, int>> theirs;
    const auto isLetter = [&](int c, int r) { return grid.square(c, r) == Square::Letter; };
    for (const model::GridRun &run : model::numberedRuns(grid.width, grid.height, isLetter))
        theirs.emplace_back(run.number, !run.across, run.column, run.row, run.length);
    std::sort(theirs.begin(), theirs.end());
    if (ours != theirs || grid.width < 1 || grid.height < 1)
        return notPuzNumbering();

    std::vector<const CrosswordGrid::Clue *> clues;
    {
        std::size_t a = 0;
        std::size_t d = 0;
        while (a < grid.across.size() || d < grid.down.size()) {
            if (d == grid.down.size()
                || (a < grid.across.size() && grid.across[a].number <= grid.down[d].number))
                clues.push_back(&grid.across[a++]);
            else
                clues.push_back(&grid.down[d++]);
        }
    }

    std::string solution;
    std::string fill;
    for (int r = 1; r <= grid.height; ++r) {
        for (int c = 1; c <= grid.width; ++c) {
            const bool letter = grid.square(c, r) == Square::Letter;
            solution += letter ? static_cast<char>(grid.letter(c, r)) : '.';
            fill += letter ? '-' : '.';
        }
    }

    std::string file(model::puz::HeaderSize, '\0');
    file.replace(model::puz::MagicAt, model::puz::Magic.size(), model::puz::Magic);
    file.replace(model::puz::VersionAt, 4, std::string("1.3\0", 4));
    file[model::puz::WidthAt] = static_cast<char>(grid.width);
    file[model::puz::HeightAt] = static_cast<char>(grid.height);
    put16(file, model::puz::ClueCountAt, static_cast<std::uint16_t>(clues.size()));
    put16(file, model::puz::PuzzleTypeAt, 1);
    put16(file, model::puz::ScrambledAt, 0);

    std::string strings = grid.title + '\0' + '\0' + '\0'; // title, author, copyright
    for (const CrosswordGrid::Clue *clue : clues)
        strings += clue->text + '\0';
    strings += '\0'; // notes
    file += solution + fill + strings;
    model::sealPuz(file);
    return std::vector<std::uint8_t>(file.begin(), file.end());
}

Status writeIpuz(const CrosswordGrid &grid, const std::filesystem::path &file)
{
    return writeWholeFile(file, ipuzText(grid), unableToWrite(file));
}

Status writePuz(const CrosswordGrid &grid, const std::filesystem::path &file)
{
    const auto bytes = puzBytes(grid);
    if (!bytes)
        return bytes.error();
    return writeWholeFile(file, *bytes, unableToWrite(file));
}

} // namespace gw::exports
