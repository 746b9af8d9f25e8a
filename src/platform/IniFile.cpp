#include "platform/IniFile.h"

#include "platform/RecordFile.h"

#include <system_error>
#include <unistd.h>

namespace gw {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view stripped(std::string_view text)
{
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    return text;
}

bool isBlankLine(std::string_view content)
{
    return stripped(content).empty();
}

bool isQuote(char c)
{
    return c == '"' || c == '\'';
}

bool isQuoted(std::string_view text)
{
    return text.size() >= 2 && isQuote(text.front()) && text.front() == text.back();
}

// "[name]" gives name: up to the first "]", or to the line end when there is none.
std::optional<std::string_view> sectionNameOf(std::string_view content)
{
    const std::string_view line = stripped(content);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::string_view inside = line.substr(1);
    return stripped(inside.substr(0, inside.find(']')));
}

std::optional<std::string_view> keyOf(std::string_view content)
{
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = stripped(content.substr(0, equals));
    if (key.empty() || key.front() == ';' || key.front() == '[')
        return std::nullopt;
    return key;
}

// The value of a line that keyOf accepted.
std::string_view valueOf(std::string_view content)
{
    std::string_view value = stripped(content.substr(content.find('=') + 1));
    if (isQuoted(value))
        value = value.substr(1, value.size() - 2);
    return value;
}

// CR LF, CR and LF each become one blank: a value must not start a line of its own.
std::string oneLine(std::string_view value)
{
    std::string result;
    result.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
            ++i;
        result += c == '\r' || c == '\n' ? ' ' : c;
    }
    return result;
}

// The text after "=" that valueOf turns back into value.
std::string written(std::string_view value)
{
    const bool changedByReading
        = !value.empty() && (isBlank(value.front()) || isBlank(value.back()) || isQuoted(value));
    return changedByReading ? '"' + std::string(value) + '"' : std::string(value);
}

} // namespace

std::size_t IniFile::CaselessHash::operator()(std::string_view name) const
{
    std::size_t hash = 14695981039346656037ull;
    for (const char c : name)
        hash = (hash ^ upperCaseByte(static_cast<unsigned char>(c))) * 1099511628211ull;
    return hash;
}

IniFile::IniFile(std::string_view text)
{
    m_sections.emplace_back();
    bool styleKnown = false;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            addLine(std::string(text.substr(start)), std::string());
            break;
        }
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n')
            ++next;
        std::string ending(text.substr(end, next - end));
        if (!styleKnown) {
            m_newLine = ending;
            styleKnown = true;
        }
        addLine(std::string(text.substr(start, end - start)), std::move(ending));
        start = next;
    }
}

void IniFile::addLine(std::string content, std::string ending)
{
    if (const auto name = sectionNameOf(content)) {
        m_sectionIndex.emplace(*name, m_sections.size());
        m_sections.emplace_back();
    } else if (m_sections.size() > 1) {
        if (const auto key = keyOf(content))
            m_sections.back().keys.emplace(*key, m_sections.back().lines.size());
    }
    m_sections.back().lines.push_back(Line { std::move(content), std::move(ending) });
}

IniFile IniFile::load(const std::filesystem::path &path)
{
    std::optional<std::string> bytes = readFileBytes(path, ReadLimit + 1);
    if (!bytes) {
        IniFile empty;
        std::error_code error;
        empty.m_complete
            = std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found;
        return empty;
    }
    if (bytes->size() <= ReadLimit)
        return IniFile(*bytes);
    // A line cut at the limit could read as another value ("Attempts=12" for "Attempts=125").
    bytes->resize(ReadLimit);
    const std::size_t lastEnd = bytes->find_last_of("\r\n");
    bytes->resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    IniFile partial(*bytes);
    partial.m_complete = false;
    return partial;
}

const IniFile::Line *IniFile::findKey(std::string_view section, std::string_view key) const
{
    const auto foundSection = m_sectionIndex.find(section);
    if (foundSection == m_sectionIndex.end())
        return nullptr;
    const Section &within = m_sections[foundSection->second];
    const auto foundKey = within.keys.find(key);
    return foundKey == within.keys.end() ? nullptr : &within.lines[foundKey->second];
}

std::optional<std::string_view> IniFile::value(std::string_view section, std::string_view key) const
{
    if (const Line *line = findKey(section, key))
        return valueOf(line->content);
    return std::nullopt;
}

IniFile::Section &IniFile::appendSection(std::string_view name)
{
    std::vector<Line> &lastLines = m_sections.back().lines;
    if (!lastLines.empty()) {
        if (lastLines.back().ending.empty())
            lastLines.back().ending = m_newLine;
        if (!isBlankLine(lastLines.back().content))
            lastLines.push_back(Line { std::string(), m_newLine });
    }
    m_sectionIndex.emplace(name, m_sections.size());
    Section &added = m_sections.emplace_back();
    added.lines.push_back(Line { "[" + std::string(name) + "]", m_newLine });
    return added;
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    // Most values hold no line break: those are taken as they are.
    std::string brokenLines;
    const std::string_view single
        = value.find_first_of("\r\n") == std::string_view::npos ? value : (brokenLines = oneLine(value));
    const auto foundSection = m_sectionIndex.find(section);
    Section &target
        = foundSection != m_sectionIndex.end() ? m_sections[foundSection->second] : appendSection(section);
    const auto line = [&] { return std::string(key) + "=" + written(single); };

    if (const auto foundKey = target.keys.find(key); foundKey != target.keys.end()) {
        Line &old = target.lines[foundKey->second];
        if (valueOf(old.content) == single)
            return;
        old.content = line();
    } else {
        // A reachable section starts with its "[name]" line, so at never reaches 0, and every
        // key line lies before at: no index in keys moves.
        std::size_t at = target.lines.size();
        while (at > 1 && isBlankLine(target.lines[at - 1].content))
            --at;
        if (target.lines[at - 1].ending.empty())
            target.lines[at - 1].ending = m_newLine;
        target.lines.insert(
            target.lines.begin() + static_cast<std::ptrdiff_t>(at), Line { line(), m_newLine });
        target.keys.emplace(key, at);
    }
    m_modified = true;
}

std::string IniFile::text() const
{
    std::string result;
    for (const Section &section : m_sections) {
        for (const Line &line : section.lines)
            result += line.content + line.ending;
    }
    return result;
}

Status IniFile::save(const std::filesystem::path &path) const
{
    const Failure failure { "Disk Error", "Unable to write " + path.filename().string() + "." };
    if (!m_complete)
        return failure;
    // Written whole beside the old file and renamed over it: a failure keeps the old settings.
    if (!writeFileBytes(path, text()))
        return failure;
    return ok();
}

} // namespace gw
