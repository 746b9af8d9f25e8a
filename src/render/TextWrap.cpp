#include "render/TextWrap.h"

#include "platform/Text.h"

#include <algorithm>

namespace gw::render {

namespace {

std::size_t lineBreakLength(std::string_view text, std::size_t at)
{
    if (at >= text.size())
        return 0;
    if (text.substr(at, 2) == "\r\n")
        return 2;
    return text[at] == '\r' || text[at] == '\n' ? 1 : 0;
}

// A piece of the text: an optional line break, blanks, then characters up to the next blank
// or line break.
struct Token
{
    std::size_t start = 0;
    std::size_t end = 0;
    bool lineBreak = false;
};

Token nextToken(std::string_view text, std::size_t at)
{
    Token token { at, at, false };
    const std::size_t breakLength = lineBreakLength(text, at);
    token.lineBreak = breakLength > 0;
    std::size_t pos = at + breakLength;
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    while (pos < text.size() && text[pos] != ' ' && lineBreakLength(text, pos) == 0)
        ++pos;
    token.end = pos;
    return token;
}

class LineMaker
{
public:
    LineMaker(const report::PageCanvas &canvas, std::string_view text, double width, TextLines &lines)
        : m_canvas(canvas)
        , m_text(text)
        , m_width(width)
        , m_lines(lines)
    { }

    // Adds the token to the line or starts a new line with it; false when the wrap must stop.
    bool add(const Token &token)
    {
        if (m_started && !token.lineBreak && !tooWide(m_lineStart, token.end, m_lineBreak)) {
            return true; // the token joins the line, which now ends at the token's end
        }
        if (m_started && !endLine(token.start))
            return false;
        if (tooWide(token.start, token.end, token.lineBreak))
            return false;
        m_started = true;
        m_lineStart = token.start;
        m_lineBreak = token.lineBreak;
        return true;
    }

    bool finish(std::size_t end) { return !m_started || endLine(end); }

private:
    bool tooWide(std::size_t start, std::size_t end, bool lineBreak) const
    {
        return m_canvas.textWidth(lineText(m_text.substr(start, end - start), lineBreak)) > m_width;
    }

    bool endLine(std::size_t end)
    {
        if (m_lines.count == MaxTextLines)
            return false;
        m_lines.lengths[static_cast<std::size_t>(m_lines.count)] = static_cast<int>(end - m_lineStart);
        m_lines.lineBreak[static_cast<std::size_t>(m_lines.count)] = m_lineBreak;
        ++m_lines.count;
        m_started = false;
        return true;
    }

    const report::PageCanvas &m_canvas;
    std::string_view m_text;
    double m_width;
    TextLines &m_lines;
    bool m_started = false;
    std::size_t m_lineStart = 0;
    bool m_lineBreak = false;
};

} // namespace

bool wrapText(
    const report::PageCanvas &canvas, std::string_view text, double width, int maxLines, TextLines &lines)
{
    lines = {};
    LineMaker maker(canvas, text, width, lines);
    bool complete = true;
    std::size_t at = 0;
    while (at < text.size()) {
        const Token token = nextToken(text, at);
        if (!maker.add(token)) {
            complete = false;
            break;
        }
        at = token.end;
    }
    if (complete)
        complete = maker.finish(text.size());
    const int kept = std::max(maxLines, 0);
    if (lines.count > kept) {
        lines.count = kept;
        return false;
    }
    return complete;
}

std::string_view lineText(std::string_view run, bool lineBreak)
{
    if (lineBreak)
        run.remove_prefix(lineBreakLength(run, 0));
    return trimmed(run);
}

} // namespace gw::render
