#include "export/CrosswordFiles.h"

#include "export/ExportFile.h"
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

// The checksum of the format: rotate right by one bit, then add the byte.
std::uint16_t checksum(std::string_view bytes, std::uint16_t sum)
{
    for (const char ch : bytes) {
        sum = static_cast<std::uint16_t>((sum & 1) ? (sum >> 1) + 0x8000 : sum >> 1);
        sum = static_cast<std::uint16_t>(sum + static_cast<unsigned char>(ch));
    }
    return sum;
}

bool white(const CrosswordGrid &grid, int column, int row)
{
    return column >= 1 && row >= 1 && column <= grid.width && row <= grid.height
        && grid.square(column, row) == Square::Letter;
}

// The words as the format finds them: every run of two or more letter squares, numbered in
// reading order; (number, across, column, row, length).
std::vector<std::tuple<int, bool, int, int, int>> formatWords(const CrosswordGrid &grid)
{
    std::vector<std::tuple<int, bool, int, int, int>> words;
    int number = 0;
    for (int r = 1; r <= grid.height; ++r) {
        for (int c = 1; c <= grid.width; ++c) {
            if (!white(grid, c, r))
                continue;
            const bool across = !white(grid, c - 1, r) && white(grid, c + 1, r);
            const bool down = !white(grid, c, r - 1) && white(grid, c, r + 1);
            if (!across && !down)
                continue;
            ++number;
            if (across) {
                int length = 0;
                while (white(grid, c + length, r))
                    ++length;
                words.emplace_back(number, true, c, r, length);
            }
            if (down) {
                int length = 0;
                while (white(grid, c, r + length))
                    ++length;
                words.emplace_back(number, false, c, r, length);
            }
        }
    }
    return words;
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
    std::vector<std::tuple<int, bool, int, int, int>> theirs = formatWords(grid);
    for (auto &word : theirs)
        std::get<1>(word) = !std::get<1>(word); // across sorts first
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

    constexpr std::size_t HeaderSize = 0x34;
    std::string file(HeaderSize, '\0');
    file.replace(0x02, 12, std::string("ACROSS&DOWN\0", 12));
    file.replace(0x18, 4, std::string("1.3\0", 4));
    file[0x2C] = static_cast<char>(grid.width);
    file[0x2D] = static_cast<char>(grid.height);
    put16(file, 0x2E, static_cast<std::uint16_t>(clues.size()));
    put16(file, 0x30, 1);
    put16(file, 0x32, 0); // not scrambled

    const std::string &title = grid.title;
    std::string strings = title + '\0' + '\0' + '\0'; // title, author, copyright
    for (const CrosswordGrid::Clue *clue : clues)
        strings += clue->text + '\0';
    strings += '\0'; // notes
    file += solution + fill + strings;

    // Checksums: of the 8 header bytes from the width on, of the solution, of the fill, and of
    // the texts (title with its NUL when not empty, each clue without one).
    const std::uint16_t header = checksum(std::string_view(file).substr(0x2C, 8), 0);
    const std::uint16_t solutionSum = checksum(solution, 0);
    const std::uint16_t fillSum = checksum(fill, 0);
    const auto textSum = [&](std::uint16_t sum) {
        if (!title.empty())
            sum = checksum(title + '\0', sum);
        for (const CrosswordGrid::Clue *clue : clues)
            sum = checksum(clue->text, sum);
        return sum;
    };
    const std::uint16_t whole = textSum(checksum(fill, checksum(solution, header)));
    const std::uint16_t texts = textSum(0);
    put16(file, 0x00, whole);
    put16(file, 0x0E, header);
    const std::uint16_t parts[4] = { header, solutionSum, fillSum, texts };
    const char low[4] = { 'I', 'C', 'H', 'E' };
    const char high[4] = { 'A', 'T', 'E', 'D' };
    for (int i = 0; i < 4; ++i) {
        file[static_cast<std::size_t>(0x10 + i)] = static_cast<char>(low[i] ^ (parts[i] & 0xFF));
        file[static_cast<std::size_t>(0x14 + i)] = static_cast<char>(high[i] ^ (parts[i] >> 8));
    }
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
