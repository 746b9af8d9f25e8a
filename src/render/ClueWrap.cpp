#include "render/ClueWrap.h"

namespace gw::render {

namespace {

std::size_t skipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && text[at] == ' ')
        ++at;
    return at;
}

std::size_t wordEnd(std::string_view text, std::size_t at)
{
    while (at < text.size() && text[at] != ' ')
        ++at;
    return at;
}

} // namespace

std::vector<ClueLine> wrapClue(const report::PageCanvas &canvas, std::string_view clue, double width)
{
    std::vector<ClueLine> lines;
    const auto fits = [&](std::size_t start, std::size_t end) {
        return canvas.textWidth(clue.substr(start, end - start)) < width;
    };
    for (std::size_t start = skipBlanks(clue, 0); start < clue.size(); start = skipBlanks(clue, start)) {
        std::size_t end = wordEnd(clue, start);
        if (fits(start, end)) {
            // Words join the line while it stays narrow enough up to the end of the word.
            for (std::size_t next = skipBlanks(clue, end); next < clue.size(); next = skipBlanks(clue, end)) {
                const std::size_t joined = wordEnd(clue, next);
                if (!fits(start, joined))
                    break;
                end = joined;
            }
        } else {
            const std::size_t word = end;
            end = start + 1;
            while (end < word && fits(start, end + 1))
                ++end;
        }
        lines.push_back({ static_cast<int>(start), static_cast<int>(end - start) });
        start = end;
    }
    return lines;
}

} // namespace gw::render
