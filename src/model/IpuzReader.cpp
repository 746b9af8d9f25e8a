#include "model/IpuzReader.h"

#include "model/PuzzleRecord.h"
#include "platform/JsonValue.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

namespace gw::model {

namespace {

using Array = JsonValue::Array;

bool startsWithEither(std::string_view text, std::string_view afterScheme)
{
    for (const std::string_view scheme : { "http://", "https://" }) {
        if (text.starts_with(scheme) && text.substr(scheme.size()).starts_with(afterScheme))
            return true;
    }
    return false;
}

std::string_view withoutJsonSpace(std::string_view text)
{
    constexpr std::string_view Space = " \t\r\n";
    const std::size_t first = text.find_first_not_of(Space);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Space) - first + 1);
}

// The format allows the JSON to be wrapped as a script call, ipuz( ... ).
std::string_view unwrapped(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    text = withoutJsonSpace(text);
    if (text.starts_with("ipuz(")) {
        std::string_view inner = text.substr(5);
        if (inner.ends_with(";"))
            inner.remove_suffix(1);
        inner = withoutJsonSpace(inner);
        if (inner.ends_with(")")) {
            inner.remove_suffix(1);
            return inner;
        }
    }
    return text;
}

// A clue or square number: a whole number from 1, also when written as a string of digits.
std::optional<int> numberIn(const JsonValue &value)
{
    if (const auto whole = value.wholeNumber())
        return *whole >= 1 ? whole : std::nullopt;
    const std::string *text = value.string();
    if (!text || text->empty() || text->size() > 6
        || !std::all_of(text->begin(), text->end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    int number = 0;
    std::from_chars(text->data(), text->data() + text->size(), number);
    return number >= 1 ? std::optional<int>(number) : std::nullopt;
}

bool sameValue(const JsonValue &a, const JsonValue &b)
{
    if (a.string() && b.string())
        return *a.string() == *b.string();
    if (a.number() && b.number())
        return *a.number() == *b.number();
    return false;
}

// The text of the format's HTML: the tags it allows are dropped (a line break becomes a blank)
// and its entities become their characters; anything else stays as written.
std::string plainText(std::string_view html)
{
    static constexpr std::array<std::string_view, 11> Tags
        = { "b", "i", "u", "s", "em", "strong", "big", "small", "sup", "sub", "br" };
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> Entities
        = { { { "&amp;", "&" }, { "&lt;", "<" }, { "&gt;", ">" }, { "&quot;", "\"" }, { "&apos;", "'" },
            { "&nbsp;", " " } } };
    std::string out;
    for (std::size_t i = 0; i < html.size();) {
        if (html[i] == '<') {
            const std::size_t close = html.find('>', i);
            if (close != std::string_view::npos) {
                std::string tag(html.substr(i + 1, close - i - 1));
                std::erase(tag, '/');
                std::erase(tag, ' ');
                std::transform(
                    tag.begin(), tag.end(), tag.begin(), [](unsigned char c) { return std::tolower(c); });
                if (std::find(Tags.begin(), Tags.end(), tag) != Tags.end()) {
                    if (tag == "br")
                        out += ' ';
                    i = close + 1;
                    continue;
                }
            }
        } else if (html[i] == '&') {
            const auto entity = std::find_if(Entities.begin(), Entities.end(),
                [&](const auto &known) { return html.substr(i).starts_with(known.first); });
            if (entity != Entities.end()) {
                out += entity->second;
                i += entity->first.size();
                continue;
            }
        }
        out += html[i++];
    }
    return out;
}

// Text of the file as the records hold it.
std::string recordText(const JsonValue *value)
{
    const std::string *text = value ? value->string() : nullptr;
    return text ? showableText(utf8ToWindows1252(plainText(*text))) : std::string();
}

// The rows of the puzzle or the solution, each of the given width; nothing when they are not.
const Array *gridRows(const JsonValue *grid, int width, int height)
{
    const Array *rows = grid ? grid->array() : nullptr;
    if (!rows || static_cast<int>(rows->size()) != height)
        return nullptr;
    for (const JsonValue &row : *rows) {
        if (!row.array() || static_cast<int>(row.array()->size()) != width)
            return nullptr;
    }
    return rows;
}

class IpuzCrossword
{
public:
    explicit IpuzCrossword(const JsonValue &root)
        : m_root(root)
    { }

    Result<ForeignCrossword> read()
    {
        if (auto problem = checkKind())
            return *problem;
        const JsonValue *dimensions = m_root.member("dimensions");
        const auto side = [&](const char *name) {
            const JsonValue *value = dimensions ? dimensions->member(name) : nullptr;
            return value ? value->wholeNumber().value_or(0) : 0;
        };
        const int width = side("width");
        const int height = side("height");
        if (width < 1 || height < 1)
            return refusal("it gives no width and height of its grid");
        if (width > MaxImportSide || height > MaxImportSide)
            return tooLargeToImport();
        m_out.width = width;
        m_out.height = height;
        if (const JsonValue *block = m_root.member("block"))
            m_block = *block;
        if (const JsonValue *empty = m_root.member("empty"))
            m_empty = *empty;
        const Array *puzzle = gridRows(m_root.member("puzzle"), width, height);
        if (!puzzle)
            return refusal("its grid does not have the width and height it gives");
        const JsonValue *solutionValue = m_root.member("solution");
        if (!solutionValue)
            return refusal("it holds no solution");
        const Array *solution = gridRows(solutionValue, width, height);
        if (!solution)
            return refusal("its solution does not have the width and height of its grid");
        m_out.squares.assign(static_cast<std::size_t>(width * height), OutsideCell);
        m_out.numbers.assign(m_out.squares.size(), 0);
        for (int r = 1; r <= height; ++r) {
            for (int c = 1; c <= width; ++c) {
                const auto at = static_cast<std::size_t>(r - 1);
                const auto column = static_cast<std::size_t>(c - 1);
                if (auto problem
                    = readSquare(c, r, (*(*puzzle)[at].array())[column], (*(*solution)[at].array())[column]))
                    return *problem;
            }
        }
        if (auto problem = readClues())
            return *problem;
        m_out.title = recordText(m_root.member("title"));
        return std::move(m_out);
    }

private:
    const JsonValue &m_root;
    JsonValue m_block { std::string("#") };
    JsonValue m_empty { 0.0 };
    ForeignCrossword m_out;

    std::optional<Failure> checkKind() const
    {
        const JsonValue *version = m_root.member("version");
        const std::string *versionText = version ? version->string() : nullptr;
        if (!versionText
            || !(startsWithEither(*versionText, "ipuz.org/v1")
                || startsWithEither(*versionText, "ipuz.org/v2")))
            return refusal("it is not an ipuz file of version 1 or 2");
        const JsonValue *kind = m_root.member("kind");
        bool crossword = false;
        bool diagramless = false;
        for (const JsonValue &each : kind && kind->array() ? *kind->array() : Array {}) {
            const std::string *text = each.string();
            if (text && startsWithEither(*text, "ipuz.org/crossword")) {
                crossword = true;
                diagramless = diagramless || text->find("diagramless") != std::string::npos;
            }
        }
        if (!crossword)
            return refusal("it is an ipuz file, but not of a crossword");
        if (diagramless)
            return diagramlessPuzzle();
        return std::nullopt;
    }

    // Bars instead of blocks end words where the grid shows no block; the records cannot.
    bool barred(const JsonValue &square) const
    {
        const JsonValue *style = square.member("style");
        if (style && style->string()) {
            const JsonValue *styles = m_root.member("styles");
            style = styles ? styles->member(*style->string()) : nullptr;
        }
        return style && style->member("barred");
    }

    std::optional<Failure> readSquare(int c, int r, const JsonValue &square, const JsonValue &answer)
    {
        const std::size_t i = m_out.index(c, r);
        if (barred(square))
            return refusal("the square in " + squareName(c, r) + " has bars, which this program cannot show");
        const JsonValue *cell = square.object() ? square.member("cell") : &square;
        if (square.object() && !cell)
            cell = &m_empty;
        if (cell->isNull())
            return std::nullopt; // omitted: outside the shape
        if (sameValue(*cell, m_block)) {
            m_out.squares[i] = BlankCell;
            return std::nullopt;
        }
        const bool unnumbered = sameValue(*cell, m_empty) || cell->wholeNumber() == 0
            || (cell->string() && *cell->string() == "0");
        if (!unnumbered) {
            const auto number = numberIn(*cell);
            if (!number)
                return refusal(
                    "the square in " + squareName(c, r) + " is marked otherwise than with a number");
            m_out.numbers[i] = *number;
        }
        const JsonValue *letterValue = answer.object() ? answer.member("value") : &answer;
        const std::string *letters = letterValue ? letterValue->string() : nullptr;
        if (!letters || letters->empty() || sameValue(*letterValue, m_block))
            return refusal("the square in " + squareName(c, r) + " has no letter in the solution");
        std::size_t at = 0;
        decodeUtf8(*letters, at);
        if (at != letters->size())
            return rebusSquare(c, r);
        const std::string stored = utf8ToWindows1252(*letters);
        const auto letter = squareLetter(static_cast<unsigned char>(stored[0]));
        if (!letter || (stored == "?" && *letters != "?"))
            return refusal("the square in " + squareName(c, r) + " holds a letter this program cannot store");
        m_out.squares[i] = *letter;
        return std::nullopt;
    }

    std::optional<Failure> readClue(const JsonValue &entry, bool across)
    {
        const JsonValue *number = nullptr;
        const JsonValue *text = nullptr;
        if (const Array *pair = entry.array()) {
            number = pair->empty() ? nullptr : &pair->front();
            text = pair->size() > 1 ? &(*pair)[1] : nullptr;
        } else if (entry.object()) {
            number = entry.member("number");
            text = entry.member("clue");
        } else if (entry.string()) {
            return refusal("the clue \"" + recordText(&entry) + "\" has no number");
        }
        const auto whole = number ? numberIn(*number) : std::nullopt;
        if (!whole)
            return refusal("a clue " + std::string(across ? "across" : "down") + " has no number of its own");
        m_out.clues.push_back({ *whole, across, recordText(text) });
        return std::nullopt;
    }

    std::optional<Failure> readClues()
    {
        const JsonValue *clues = m_root.member("clues");
        if (!clues || !clues->object())
            return refusal("it has no clues");
        for (const auto &[name, list] : *clues->object()) {
            // A direction may carry its heading after a colon: "Across:Horizontal".
            const std::string direction = upperCased(std::string_view(name).substr(0, name.find(':')));
            if (direction != "ACROSS" && direction != "DOWN")
                return refusal("it has clues that run neither across nor down (\""
                    + showableText(utf8ToWindows1252(name)) + "\")");
            if (!list.array())
                return refusal("its clues " + std::string(direction == "ACROSS" ? "across" : "down")
                    + " are not a list");
            for (const JsonValue &entry : *list.array()) {
                if (auto problem = readClue(entry, direction == "ACROSS"))
                    return problem;
            }
        }
        if (m_out.clues.empty())
            return refusal("it has no clues");
        return std::nullopt;
    }
};

} // namespace

Result<ForeignCrossword> readIpuz(std::string_view bytes)
{
    if (bytes.size() > MaxIpuzBytes)
        return refusal("it is larger than an ipuz crossword can be");
    const auto root = parseJson(unwrapped(bytes), { MaxIpuzBytes, 64 });
    if (!root)
        return refusal(root.error().text);
    if (!root->object())
        return refusal("it is not an ipuz file of version 1 or 2");
    return IpuzCrossword(*root).read();
}

} // namespace gw::model
