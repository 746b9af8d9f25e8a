#include "support/ReferenceGenerator.h"

#include "platform/Text.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace gw::generate::reference {

namespace {

constexpr unsigned char Blank = 32;
constexpr int Side = 50;
constexpr int Cells = 2500;

class Run
{
public:
    Run(const model::PuzzleRecord &working, const shapes::ShapeRecord &shape, const BuildOptions &options,
        std::uint32_t seed, BestFitSlots &slots, BuildObserver *observer)
        : m_snapshot(working)
        , m_work(working)
        , m_shape(shape)
        , m_options(options)
        , m_seed(seed)
        , m_slots(slots)
        , m_observer(observer)
    { }

    BuildOutcome run()
    {
        const int requested = std::clamp(m_options.attempts, 1, MaxAttempts);
        m_n = std::clamp<int>(m_snapshot.wordCount, 1, model::MaxWords);
        for (int n = 1; n <= 4; ++n)
            slot(n).wordsPlaced = 0;
        int counter = 0;
        bool aborted = false;
        while (!(counter == requested || aborted)) {
            counter = counter + 1;
            if (requested > 1 && m_observer) {
                m_observer->attemptStarting(counter);
                m_observer->processEvents();
            }
            m_work = m_snapshot;
            m_work.width = static_cast<std::int16_t>(std::clamp<int>(m_work.width, 1, Side));
            m_work.height = static_cast<std::int16_t>(std::clamp<int>(m_work.height, 1, Side));
            orderWords();
            for (int i = 1; i <= Cells; ++i)
                cell(i) = Blank;
            placeWords();
            finishAttempt();
            rankAttempt();
            if (slot(4).wordsPlaced == m_n)
                counter = requested;
            if (requested > 1 && m_observer) {
                m_observer->processEvents();
                if (m_observer->abortRequested())
                    aborted = true;
                m_observer->processEvents();
            }
        }
        return BuildOutcome { counter, aborted };
    }

private:
    BestFitSlot &slot(int n) { return m_slots.slots[n - 1]; }
    unsigned char &cell(int i) { return m_work.grid[i - 1]; }
    bool usable(int i) const { return m_shape.cells[i - 1] != 0; }
    int width() const { return m_work.width; }
    int height() const { return m_work.height; }
    int wordLength(int i) const { return static_cast<int>(m_work.words[i - 1].size()); }

    std::uint32_t random(std::uint32_t n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * m_seed) >> 32);
    }

    void exchangeWordAndClue(int a, int b)
    {
        std::swap(m_work.words[a - 1], m_work.words[b - 1]);
        std::swap(m_work.clues[a - 1], m_work.clues[b - 1]);
    }

    void exchangeEntries(int a, int b)
    {
        exchangeWordAndClue(a, b);
        // The record is packed: its fields are moved by value, never through references.
        const std::uint16_t start = m_work.startCell[a - 1];
        m_work.startCell[a - 1] = m_work.startCell[b - 1];
        m_work.startCell[b - 1] = start;
        const std::uint16_t letters = m_work.letterCount[a - 1];
        m_work.letterCount[a - 1] = m_work.letterCount[b - 1];
        m_work.letterCount[b - 1] = letters;
        const std::uint16_t number = m_work.clueNumber[a - 1];
        m_work.clueNumber[a - 1] = m_work.clueNumber[b - 1];
        m_work.clueNumber[b - 1] = number;
        std::swap(m_work.direction[a - 1], m_work.direction[b - 1]);
        std::swap(m_flags[a], m_flags[b]);
    }

    void orderWords()
    {
        for (int i = 1; i <= m_n; ++i)
            for (int j = m_n; j >= i + 1; --j)
                if (wordLength(j - 1) < wordLength(j))
                    exchangeWordAndClue(j - 1, j);
    }

    void placeWords()
    {
        for (int i = 1; i <= model::MaxWords; ++i)
            m_flags[i] = 0;
        m_firstWord = true;
        m_firstAcross = true;
        int previousCount = 0;
        for (int pass = 1;; ++pass) {
            for (int i = 1; i <= m_n; ++i)
                if (pass == 1 || m_flags[i] == 0)
                    processWord(i);
            if (m_options.quickBuild && pass == 2)
                break;
            int count = 0;
            for (int i = 1; i <= m_n; ++i)
                if (m_flags[i] == 1)
                    count = count + 1;
            if (count == previousCount)
                break;
            previousCount = count;
        }
    }

    void processWord(int i)
    {
        m_flags[i] = 1;
        m_minCrossings = 2;
        m_taken = false;
        int tries = 0;
        int d = static_cast<int>(random(2)) + 1;
        bool givenUp = false;
        while (true) {
            if (d == 1)
                placeAcross(i);
            else
                placeDown(i);
            d = d == 1 ? 2 : 1;
            tries = tries + 1;
            if (!m_taken && tries == 2) {
                if ((m_firstWord && m_minCrossings > 0) || (!m_firstWord && m_minCrossings > 1)) {
                    m_minCrossings = m_minCrossings - 1;
                    tries = 0;
                } else {
                    m_flags[i] = 0;
                    givenUp = true;
                }
            }
            if (m_taken || givenUp)
                break;
        }
        m_firstWord = false;
    }

    // The letters of word i: its characters without blanks, upper-cased.  A word without a
    // letter, or with a NUL (which the grid would read as a square outside the shape), fits
    // nowhere.
    void buildLetters(int i)
    {
        const auto &word = m_work.words[i - 1];
        m_length = 0;
        m_fitsAnywhere = true;
        for (std::size_t k = 0; k < word.size(); ++k) {
            const auto c = static_cast<unsigned char>(word.text[k]);
            if (c == ' ')
                continue;
            if (c == 0)
                m_fitsAnywhere = false;
            m_length = m_length + 1;
            m_letters[m_length] = upperCaseByte(c);
        }
        if (m_length == 0)
            m_fitsAnywhere = false;
    }

    void placeAcross(int i)
    {
        buildLetters(i);
        if (m_firstWord) {
            const int r = static_cast<int>(random(static_cast<std::uint32_t>(height()))) + 1;
            scanAcross(r, height());
            if (!m_taken)
                scanAcross(1, r - 1);
        } else {
            scanAcross(1, height());
        }
        if (m_taken) {
            for (int k = 1; k <= m_length; ++k)
                cell(m_start + (k - 1)) = m_letters[k];
            m_work.startCell[i - 1] = static_cast<std::uint16_t>(m_start);
            m_work.letterCount[i - 1] = static_cast<std::uint16_t>(m_length);
            m_work.direction[i - 1] = 1;
            if (m_firstWord)
                m_firstAcross = true;
        }
    }

    void placeDown(int i)
    {
        buildLetters(i);
        if (m_firstWord) {
            const int c = static_cast<int>(random(static_cast<std::uint32_t>(width()))) + 1;
            scanDown(c, width());
            if (!m_taken)
                scanDown(1, c - 1);
        } else {
            scanDown(1, width());
        }
        if (m_taken) {
            for (int k = 1; k <= m_length; ++k)
                cell(m_start + Side * (k - 1)) = m_letters[k];
            m_work.startCell[i - 1] = static_cast<std::uint16_t>(m_start);
            m_work.letterCount[i - 1] = static_cast<std::uint16_t>(m_length);
            m_work.direction[i - 1] = 0;
            if (m_firstWord)
                m_firstAcross = false;
        }
    }

    void scanAcross(int r1, int r2)
    {
        for (int r = r1; r <= r2; ++r)
            for (int c = 1; c <= width() - m_length + 1; ++c) {
                if (m_taken)
                    return;
                const int s = (r - 1) * Side + c;
                if (fits(s, true)) {
                    m_taken = true;
                    m_start = s;
                }
            }
    }

    void scanDown(int c1, int c2)
    {
        for (int r = 1; r <= height() - m_length + 1; ++r)
            for (int c = c1; c <= c2; ++c) {
                if (m_taken)
                    return;
                const int s = (r - 1) * Side + c;
                if (fits(s, false)) {
                    m_taken = true;
                    m_start = s;
                }
            }
    }

    bool fits(int s, bool across)
    {
        if (!m_fitsAnywhere)
            return false;
        int crossings = 0;
        for (int k = 1; k <= m_length; ++k) {
            const int p = across ? s + (k - 1) : s + Side * (k - 1);
            const bool firstColumn = p % Side == 1;
            const bool lastColumn = p % Side == 0;
            const bool firstRow = p <= Side;
            const bool lastRow = p >= Cells - Side + 1;
            if (cell(p) != Blank)
                crossings = crossings + 1;
            if (k == 1) {
                if (across && !firstColumn && cell(p - 1) != Blank)
                    return false;
                if (!across && !firstRow && cell(p - Side) != Blank)
                    return false;
            }
            if (k == m_length) {
                if (across && !lastColumn && cell(p + 1) != Blank)
                    return false;
                if (!across && !lastRow && cell(p + Side) != Blank)
                    return false;
            }
            if (cell(p) == Blank) {
                if (across) {
                    if (!firstRow && cell(p - Side) != Blank)
                        return false;
                    if (!lastRow && cell(p + Side) != Blank)
                        return false;
                } else {
                    if (!firstColumn && cell(p - 1) != Blank)
                        return false;
                    if (!lastColumn && cell(p + 1) != Blank)
                        return false;
                }
            }
            if (cell(p) != Blank && cell(p) != m_letters[k])
                return false;
            if (!usable(p))
                return false;
            // Two letters in a row already in the grid would lay this word over one running
            // the same way.
            const int previous = across ? p - 1 : p - Side;
            if (k > 1 && cell(p) != Blank && cell(previous) != Blank)
                return false;
        }
        // A word lying wholly on letters already in the grid adds nothing to it.
        return crossings >= m_minCrossings && crossings < m_length;
    }

    bool rowHasLetter(int r)
    {
        for (int c = 1; c <= width(); ++c)
            if (cell((r - 1) * Side + c) != Blank)
                return true;
        return false;
    }

    bool columnHasLetter(int c)
    {
        for (int r = 1; r <= Side; ++r)
            if (cell((r - 1) * Side + c) != Blank)
                return true;
        return false;
    }

    int countEmptyTopRows()
    {
        if (!m_options.shrink)
            return 0;
        for (int r = 1; r <= Side; ++r)
            for (int c = 1; c <= Side; ++c) {
                const unsigned char v = cell((r - 1) * Side + c);
                if (v != Blank && v != 0)
                    return r - 1;
            }
        return 0;
    }

    int countEmptyLeftColumns()
    {
        if (!m_options.shrink)
            return 0;
        for (int c = 1; c <= Side; ++c)
            for (int r = 1; r <= Side; ++r) {
                const unsigned char v = cell((r - 1) * Side + c);
                if (v != Blank && v != 0)
                    return c - 1;
            }
        return 0;
    }

    void finishAttempt()
    {
        if (m_options.shrink) {
            for (int r = height(); r >= 2; --r) {
                if (rowHasLetter(r))
                    break;
                m_work.height = static_cast<std::int16_t>(m_work.height - 1);
            }
            for (int c = width(); c >= 2; --c) {
                if (columnHasLetter(c))
                    break;
                m_work.width = static_cast<std::int16_t>(m_work.width - 1);
            }
        }
        for (int i = 1; i <= Cells; ++i) {
            if (!usable(i))
                cell(i) = 0;
            else if (cell(i) != Blank)
                cell(i) = upperCaseByte(cell(i));
        }
        for (int i = 1; i <= m_n; ++i)
            for (int j = m_n; j >= i + 1; --j)
                if (m_flags[j - 1] == 0 && m_flags[j] == 1)
                    exchangeEntries(j - 1, j);
        int placed = 0;
        for (int i = 1; i <= m_n; ++i)
            if (m_flags[i] == 1)
                placed = placed + 1;
        m_work.wordCount = static_cast<std::int16_t>(placed);
        const int count = placed;
        for (int i = 1; i <= count; ++i)
            for (int j = count; j >= i + 1; --j)
                if (m_work.startCell[j - 2] > m_work.startCell[j - 1])
                    exchangeEntries(j - 1, j);
        int n = 0;
        for (int i = 1; i <= count; ++i) {
            if (i == 1 || m_work.startCell[i - 1] != m_work.startCell[i - 2])
                n = n + 1;
            m_work.clueNumber[i - 1] = static_cast<std::uint16_t>(n);
        }
        for (int i = 1; i <= count; ++i)
            for (int j = count; j >= i + 1; --j)
                if (m_work.direction[j - 2] == 0)
                    exchangeEntries(j - 1, j);
        int across = 0;
        int down = 0;
        for (int i = 1; i <= count; ++i) {
            if (m_work.direction[i - 1] == 1)
                across = across + 1;
            else
                down = down + 1;
        }
        m_work.acrossCount = static_cast<std::int16_t>(across);
        m_work.downCount = static_cast<std::int16_t>(down);
        sortByClueNumber(1, across);
        sortByClueNumber(across + 1, count);
        if (m_firstAcross) {
            const int k = countEmptyTopRows();
            if (k > 0) {
                for (int i = 1; i <= Cells - Side * k; ++i)
                    cell(i) = cell(i + Side * k);
                m_work.height = static_cast<std::int16_t>(m_work.height - k);
                for (int i = 1; i <= count; ++i)
                    m_work.startCell[i - 1] = static_cast<std::uint16_t>(m_work.startCell[i - 1] - Side * k);
            }
        } else {
            const int k = countEmptyLeftColumns();
            if (k > 0) {
                for (int i = 1; i <= Cells - k; ++i)
                    cell(i) = cell(i + k);
                m_work.width = static_cast<std::int16_t>(m_work.width - k);
                for (int i = 1; i <= count; ++i)
                    m_work.startCell[i - 1] = static_cast<std::uint16_t>(m_work.startCell[i - 1] - k);
            }
        }
        // The placement arrays of the words left out carry nothing: cleared.
        for (int i = count + 1; i <= model::MaxWords; ++i) {
            m_work.startCell[i - 1] = 0;
            m_work.letterCount[i - 1] = 0;
            m_work.clueNumber[i - 1] = 0;
            m_work.direction[i - 1] = 0;
        }
    }

    void sortByClueNumber(int first, int last)
    {
        for (int i = first; i <= last; ++i)
            for (int j = last; j >= i + 1; --j)
                if (m_work.clueNumber[j - 2] > m_work.clueNumber[j - 1])
                    exchangeEntries(j - 1, j);
    }

    void take(int n, int score)
    {
        slot(n).wordsPlaced = score;
        slot(n).record = m_work;
        for (int i = 1; i <= model::MaxWords; ++i)
            slot(n).placedFlags[i - 1] = m_flags[i];
    }

    void rankAttempt()
    {
        const int score = m_work.wordCount;
        if (score > slot(1).wordsPlaced) {
            slot(4) = slot(3);
            slot(3) = slot(2);
            slot(2) = slot(1);
            take(1, score);
        } else if (score > slot(2).wordsPlaced) {
            slot(4) = slot(3);
            slot(3) = slot(2);
            take(2, score);
        } else if (score > slot(3).wordsPlaced) {
            slot(4) = slot(3);
            take(3, score);
        } else if (score > slot(4).wordsPlaced) {
            take(4, score);
        }
    }

    model::PuzzleRecord m_snapshot;
    model::PuzzleRecord m_work;
    const shapes::ShapeRecord &m_shape;
    const BuildOptions m_options;
    std::uint32_t m_seed;
    BestFitSlots &m_slots;
    BuildObserver *m_observer;

    int m_n = 0;
    std::uint8_t m_flags[model::MaxWords + 1] = {}; // 1-based
    int m_minCrossings = 0;
    bool m_firstWord = false;
    bool m_firstAcross = true;
    bool m_taken = false;
    int m_start = 0;
    unsigned char m_letters[model::WordCapacity + 1] = {}; // 1-based
    int m_length = 0;
    bool m_fitsAnywhere = false;
};

} // namespace

BuildOutcome BuildPuzzles(const model::PuzzleRecord &working, const shapes::ShapeRecord &shape,
    const BuildOptions &options, std::uint32_t seed, BestFitSlots &slots, BuildObserver *observer)
{
    auto run = std::make_unique<Run>(working, shape, options, seed, slots, observer);
    return run->run();
}

} // namespace gw::generate::reference
