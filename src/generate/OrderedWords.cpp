#include "generate/OrderedWords.h"

#include "platform/Text.h"

#include <algorithm>
#include <numeric>

namespace gw::generate {

OrderedWords::OrderedWords(const model::PuzzleRecord &record)
    : m_count(std::clamp<int>(record.wordCount, 1, model::MaxWords))
{
    // Stable, longest first by the stored text, blanks inside a phrase included.
    std::iota(m_entry, m_entry + m_count, 0);
    std::stable_sort(m_entry, m_entry + m_count,
        [&](int a, int b) { return record.words[a].size() > record.words[b].size(); });

    for (int position = 0; position < m_count; ++position) {
        const std::string_view word = record.words[m_entry[position]].view();
        int length = 0;
        bool hasNul = false;
        for (const char c : word) {
            if (c == ' ')
                continue;
            hasNul = hasNul || c == '\0';
            m_letters[position][length++] = upperCaseByte(static_cast<unsigned char>(c));
        }
        m_length[position] = static_cast<std::uint8_t>(length);
        m_placeable[position] = length > 0 && !hasNul;
    }
}

} // namespace gw::generate
