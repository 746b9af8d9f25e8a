#include "export/WebPuzzle.h"

#include "export/ExportFile.h"
#include "export/WebPuzzleAssets.h"
#include "platform/RecordFingerprint.h"
#include "platform/Windows1252.h"

#include <QByteArray>
#include <cstdio>

namespace gw::exports {

namespace {

using Square = CrosswordGrid::Square;

// The heading of a puzzle without a title, as the web page settings name one.
constexpr std::string_view UntitledPuzzle = "Crossword Puzzle";

std::string htmlText(std::string_view windows1252)
{
    std::string out;
    for (const char ch : windows1252ToUtf8(windows1252)) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += static_cast<unsigned char>(ch) < 0x20 ? ' ' : ch;
        }
    }
    return out;
}

// The letters of the squares in reading order, one character each.
std::string solutionOf(const CrosswordGrid &grid)
{
    std::string letters;
    for (std::size_t i = 0; i < grid.squares.size(); ++i) {
        if (grid.squares[i] == Square::Letter)
            letters += static_cast<char>(grid.letters[i]);
    }
    return letters;
}

// xorshift32; the page's script runs the same steps to unscramble the answers.
class KeyStream
{
public:
    explicit KeyStream(std::uint32_t seed)
        : m_state(seed ? seed : 0x9E3779B9u)
    { }
    std::uint8_t next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return static_cast<std::uint8_t>(m_state & 0xFF);
    }

private:
    std::uint32_t m_state;
};

// The answers as UTF-8, XOR the key stream, in base64: enough that the page's source does not
// show them to a student reading it, no more.
std::string scrambled(const std::string &solution, std::uint32_t seed)
{
    const std::string utf8 = windows1252ToUtf8(solution);
    QByteArray bytes(utf8.data(), static_cast<qsizetype>(utf8.size()));
    KeyStream key(seed);
    for (char &byte : bytes)
        byte = static_cast<char>(static_cast<std::uint8_t>(byte) ^ key.next());
    return bytes.toBase64().toStdString();
}

std::string attribute(const char *name, int value)
{
    return std::string(" ") + name + "=\"" + std::to_string(value) + "\"";
}

std::string squaresMarkup(const CrosswordGrid &grid)
{
    std::string out;
    for (int r = 1; r <= grid.height; ++r) {
        for (int c = 1; c <= grid.width; ++c) {
            const std::string area
                = " style=\"grid-area:" + std::to_string(r) + "/" + std::to_string(c) + "\"";
            switch (grid.square(c, r)) {
            case Square::Outside:
                break;
            case Square::Block:
                out += "<div class=\"bk\"" + area + "></div>";
                break;
            case Square::Letter: {
                out += "<div class=\"sq\"" + attribute("data-i", static_cast<int>(grid.index(c, r))) + area
                    + ">";
                if (const int number = grid.number(c, r))
                    out += "<span class=\"n\">" + std::to_string(number) + "</span>";
                out += "<span class=\"l\"></span></div>";
                break;
            }
            }
        }
        out += "\n";
    }
    return out;
}

std::string clueList(
    const char *heading, const char *direction, const std::vector<CrosswordGrid::Clue> &clues)
{
    std::string out = "<section class=\"clues\"><h2>" + std::string(heading) + "</h2>\n<ol>\n";
    for (const CrosswordGrid::Clue &clue : clues) {
        out += "<li data-dir=\"" + std::string(direction) + "\"" + attribute("data-c", clue.column)
            + attribute("data-r", clue.row) + attribute("data-len", clue.length) + "><span class=\"num\">"
            + std::to_string(clue.number) + "</span><span class=\"text\">" + htmlText(clue.text)
            + "</span></li>\n";
    }
    return out + "</ol></section>\n";
}

} // namespace

std::string webPuzzlePage(const CrosswordGrid &grid)
{
    const std::string solution = solutionOf(grid);
    // One puzzle's letters are kept apart from another's in the browser's storage, and a new
    // export of the same puzzle finds the letters typed into the last one.
    std::string identity = grid.title + '\0' + std::to_string(grid.width) + 'x' + std::to_string(grid.height);
    for (std::size_t i = 0; i < grid.squares.size(); ++i)
        identity += grid.squares[i] == Square::Letter ? static_cast<char>(grid.letters[i])
                                                      : static_cast<char>(grid.squares[i]);
    const RecordFingerprint fingerprint = fingerprintOf(identity.data(), identity.size());
    char storageKey[40];
    std::snprintf(storageKey, sizeof storageKey, "gridwright-puzzle-%016llx",
        static_cast<unsigned long long>(fingerprint));
    const auto seed = static_cast<std::uint32_t>(fingerprint ^ (fingerprint >> 32));

    const std::string title = htmlText(grid.title.empty() ? UntitledPuzzle : std::string_view(grid.title));
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<meta name=\"generator\" content=\"Gridwright\">\n<title>"
        + title + "</title>\n<style>\n" + std::string(WebPuzzleStyle) + "</style>\n</head>\n<body>\n";
    page += "<main id=\"puzzle\"" + attribute("data-width", grid.width)
        + attribute("data-height", grid.height) + " data-key=\"" + storageKey + "\"" + " data-seed=\""
        + std::to_string(seed) + "\" data-answers=\"" + scrambled(solution, seed) + "\">\n";
    page += "<h1>" + title + "</h1>\n" + std::string(WebPuzzleTools);
    page += "<div class=\"board\">\n<div class=\"play\" style=\"--w:" + std::to_string(grid.width)
        + ";--h:" + std::to_string(grid.height)
        + "\">\n<div class=\"clue-bar\" id=\"clue-bar\" aria-hidden=\"true\"></div>\n"
          "<div class=\"grid\" id=\"grid\">\n"
        + squaresMarkup(grid) + "</div>\n" + std::string(WebPuzzleTyping) + "</div>\n<div class=\"lists\">\n";
    page += clueList("Across", "across", grid.across) + clueList("Down", "down", grid.down);
    page += "</div>\n</div>\n</main>\n<script>\n" + std::string(WebPuzzleScript)
        + "</script>\n</body>\n</html>\n";
    return page;
}

Status writeWebPuzzle(const CrosswordGrid &grid, const std::filesystem::path &file)
{
    return writeWholeFile(file, webPuzzlePage(grid), unableToWrite(file));
}

} // namespace gw::exports
