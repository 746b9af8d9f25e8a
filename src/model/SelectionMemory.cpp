#include "model/SelectionMemory.h"

#include "platform/Text.h"

namespace gw::model {

namespace {

std::optional<std::size_t> firstLineEqualTo(std::span<const CollectionLine> lines, std::string_view text)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (equalsIgnoringCase(lines[i].text, text))
            return i;
    }
    return std::nullopt;
}

} // namespace

void SelectionMemory::remember(std::string_view category, std::string_view title)
{
    m_set = true;
    m_category = category.substr(0, Capacity);
    m_title = title.substr(0, Capacity);
}

void SelectionMemory::rememberAfterDelete(
    std::string_view category, std::span<const CollectionLine> puzzleLines, std::size_t deletedLine)
{
    std::string_view title;
    if (puzzleLines.size() > 1 && deletedLine < puzzleLines.size())
        title = puzzleLines[deletedLine == 0 ? 0 : deletedLine - 1].text;
    remember(category, title);
}

std::optional<std::size_t> SelectionMemory::categoryLine(std::span<const CollectionLine> lines) const
{
    if (!m_set)
        return std::nullopt;
    return firstLineEqualTo(lines, m_category);
}

std::optional<std::size_t> SelectionMemory::takePuzzleLine(std::span<const CollectionLine> lines)
{
    if (!m_set)
        return std::nullopt;
    m_set = false;
    return firstLineEqualTo(lines, m_title);
}

} // namespace gw::model
