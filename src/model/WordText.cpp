#include "model/WordText.h"

#include "platform/Text.h"
#include "platform/Windows1252.h"

namespace gw::model {

std::vector<std::string> textLines(std::string_view bytes)
{
    std::vector<std::string> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line.substr(0, MaxTextLineLength));
        if (end == std::string_view::npos)
            break;
        bytes.remove_prefix(end + 1);
    }
    return lines;
}

WordAndClue splitPairLine(std::string_view line, char separator)
{
    const std::size_t at = line.find(separator);
    if (at == std::string_view::npos)
        return { std::string(trimmed(line)), {} };
    return { std::string(trimmed(line.substr(0, at))), std::string(trimmed(line.substr(at + 1))) };
}

std::vector<WordAndClue> wordFileRows(std::string_view bytes)
{
    std::vector<WordAndClue> rows;
    for (const std::string &line : textLines(utf8ToWindows1252(bytes))) {
        if (!trimmed(line).empty())
            rows.push_back(splitPairLine(line, ':'));
    }
    return rows;
}

std::string pairLine(std::string_view word, std::string_view clue, char separator)
{
    std::string line(trimmed(word));
    if (line.size() < 31)
        line.resize(31, ' ');
    line += separator;
    line += ' ';
    line += trimmed(clue);
    return line;
}

} // namespace gw::model
