#include "generate/AttemptPlacer.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace gw::generate {

namespace {

constexpr std::uint8_t Blank = model::BlankCell;

constexpr std::uint64_t bit(int n)
{
    return std::uint64_t { 1 } << n;
}

// Starts from which `length` squares in a row are all set in the mask.
std::uint64_t runsOf(std::uint64_t mask, int length)
{
    std::uint64_t starts = mask;
    for (int k = 1; k < length; ++k)
        starts &= mask >> k;
    return starts;
}

} // namespace

AttemptPlacer::AttemptPlacer(
    const OrderedWords &words, const shapes::ShapeRecord &shape, int width, int height)
    : m_words(words)
    , m_width(width)
    , m_height(height)
{
    indexLetters();
    measureUsableRows(shape);
    findFirstWordStarts();
}

void AttemptPlacer::indexLetters()
{
    bool seen[Letters] = {};
    for (int position = 0; position < m_words.count(); ++position) {
        for (int k = 0; k < m_words.length(position); ++k) {
            const std::uint8_t letter = m_words.letters(position)[k];
            if (!seen[letter]) {
                seen[letter] = true;
                m_letterIndexOf[letter] = static_cast<std::uint8_t>(m_letterCount++);
            }
            m_indexes[position][k] = m_letterIndexOf[letter];
        }
    }
}

void AttemptPlacer::measureUsableRows(const shapes::ShapeRecord &shape)
{
    for (int row = 1; row <= m_height; ++row)
        for (int column = 1; column <= m_width; ++column)
            if (shape.usable(shapes::cellIndex(column, row)))
                m_usable[row] |= bit(column);
}

// On the empty grid every neighbour is blank and nothing can be crossed, so the first word
// fits wherever its squares are usable, and only with no crossing required.
void AttemptPlacer::findFirstWordStarts()
{
    const int length = m_words.length(0);
    std::fill(std::begin(m_firstAcrossFromRow), std::end(m_firstAcrossFromRow), NoStart);
    std::fill(std::begin(m_firstDownFromColumn), std::end(m_firstDownFromColumn), NoStart);
    if (!m_words.placeable(0))
        return;
    for (int row = m_height; row >= 1; --row) {
        const std::uint64_t starts = runsOf(m_usable[row], length);
        m_firstAcrossFromRow[row]
            = starts ? row * Stride + std::countr_zero(starts) : m_firstAcrossFromRow[row + 1];
    }
    std::uint64_t usableInColumn[Stride] = {};
    for (int row = 1; row <= m_height; ++row)
        for (int column = 1; column <= m_width; ++column)
            if (m_usable[row] & bit(column))
                usableInColumn[column] |= bit(row);
    for (int column = m_width; column >= 1; --column) {
        const std::uint64_t starts = runsOf(usableInColumn[column], length);
        m_firstDownFromColumn[column] = m_firstDownFromColumn[column + 1];
        if (starts)
            m_firstDownFromColumn[column]
                = std::min(m_firstDownFromColumn[column], std::countr_zero(starts) * Stride + column);
    }
}

void AttemptPlacer::reset()
{
    std::fill(std::begin(m_letters), std::end(m_letters), 0);
    std::fill(std::begin(m_writtenAt), std::end(m_writtenAt), 0);
    std::memset(m_holding, 0, sizeof m_holding[0] * static_cast<std::size_t>(m_letterCount));
    std::copy(std::begin(m_usable), std::end(m_usable), m_openAcross);
    std::copy(std::begin(m_usable), std::end(m_usable), m_openDown);
    std::memset(m_grid, Blank, sizeof m_grid);
    m_written = 0;
    std::fill(std::begin(m_placed), std::end(m_placed), false);
    std::fill(std::begin(m_testedUpTo), std::end(m_testedUpTo), 0);
    m_placedCount = 0;
    m_firstRanAcross = true;
    m_firstRow = m_lastRow = m_firstColumn = m_lastColumn = 0;
}

int AttemptPlacer::place(RandomSequence &random, bool quickBuild)
{
    reset();
    int previousCount = 0;
    for (int pass = 1;; ++pass) {
        for (int position = 0; position < m_words.count(); ++position) {
            if (pass == 1 && position == 0)
                processFirstWord(random);
            else if (pass == 1 || !m_placed[position])
                processWord(position, random);
        }
        if (quickBuild && pass == 2)
            break;
        if (m_placedCount == previousCount)
            break;
        previousCount = m_placedCount;
    }
    return m_placedCount;
}

// The first word is tried in the order (d, 2), (other, 2), (d, 1), (other, 1), (d, 0),
// (other, 0) of direction and least crossings, and each try draws its start row (across) or
// column (down) whether or not it can succeed.  Only the tries needing no crossing can.
void AttemptPlacer::processFirstWord(RandomSequence &random)
{
    const bool startAcross = random.next(2) == 0;
    for (int impossibleTry = 0; impossibleTry < 4; ++impossibleTry) {
        const bool across = (impossibleTry % 2 == 0) == startAcross;
        random.next(static_cast<std::uint32_t>(across ? m_height : m_width));
    }
    for (const bool across : { startAcross, !startAcross }) {
        const int start = firstWordStart(random, across);
        if (start != NoStart) {
            take(0, start, across);
            m_firstRanAcross = across;
            return;
        }
    }
}

// The scan starts at a random row (across) or column (down) and wraps round to the first one.
int AttemptPlacer::firstWordStart(RandomSequence &random, bool across)
{
    if (across) {
        const int row = static_cast<int>(random.next(static_cast<std::uint32_t>(m_height))) + 1;
        return m_firstAcrossFromRow[row] != NoStart ? m_firstAcrossFromRow[row] : m_firstAcrossFromRow[1];
    }
    const int column = static_cast<int>(random.next(static_cast<std::uint32_t>(m_width))) + 1;
    return m_firstDownFromColumn[column] != NoStart ? m_firstDownFromColumn[column]
                                                    : m_firstDownFromColumn[1];
}

// Tried in the order (d, 2), (other, 2), (d, 1), (other, 1); the grid does not change between
// the tries, so each direction is searched once for both crossing counts.
//
// A word must also put at least one letter of its own into the grid.  A longer word lying
// wholly on letters would cross twice in a row, which the fit test refuses; a word of one letter
// can only cross by lying on a letter already there, where it would add nothing but a clue
// number, so it has no place after the first word.
void AttemptPlacer::processWord(int position, RandomSequence &random)
{
    const bool startAcross = random.next(2) == 0;
    if (m_words.placeable(position) && m_words.length(position) > 1) {
        const Best first = bestStarts(position, startAcross);
        if (first.two != NoStart)
            return take(position, first.two, startAcross);
        const Best other = bestStarts(position, !startAcross);
        if (other.two != NoStart)
            return take(position, other.two, !startAcross);
        if (first.one != NoStart)
            return take(position, first.one, startAcross);
        if (other.one != NoStart)
            return take(position, other.one, !startAcross);
    }
    m_testedUpTo[position] = m_written;
}

// Bit c of a row's result is set when the word fits with its first letter in column c of that
// row: each of its squares is open or holds the word's letter (a crossing), no two crossings
// follow each other (that would lay the word over one running the same way), and the squares
// before and after it hold no letter.  Rows come in reading order, so the first row with a
// start holds the first start.
AttemptPlacer::Best AttemptPlacer::bestStarts(int position, bool across) const
{
    const int length = m_words.length(position);
    const std::uint8_t *letters = m_indexes[position];
    const int since = m_testedUpTo[position];
    Best best;
    const auto keep = [&](int row, std::uint64_t once, std::uint64_t twice) {
        if (once)
            best.one = std::min(best.one, row * Stride + std::countr_zero(once));
        if (twice)
            best.two = std::min(best.two, row * Stride + std::countr_zero(twice));
        return best.two != NoStart;
    };
    if (across) {
        for (int row = 1; row <= m_height; ++row) {
            if (m_writtenAt[row] <= since)
                continue;
            const std::uint64_t held = m_letters[row];
            std::uint64_t fits = ~(held << 1) & ~(held >> length);
            std::uint64_t once = 0;
            std::uint64_t twice = 0;
            std::uint64_t previous = 0;
            for (int k = 0; k < length; ++k) {
                const std::uint64_t crossed = m_holding[letters[k]][row] >> k;
                fits &= ((m_openAcross[row] >> k) | crossed) & ~(previous & crossed);
                twice |= once & crossed;
                once |= crossed;
                previous = crossed;
                if (!fits)
                    break;
            }
            if (keep(row, fits & once, fits & twice))
                break;
        }
        return best;
    }
    // A start row is worth testing when one of the rows the word spans was written since.
    int lastWritten = 0;
    for (int row = 1; row < length && row <= m_height; ++row)
        if (m_writtenAt[row] > since)
            lastWritten = row;
    for (int row = 1; row + length - 1 <= m_height; ++row) {
        if (m_writtenAt[row + length - 1] > since)
            lastWritten = row + length - 1;
        if (lastWritten < row)
            continue;
        std::uint64_t fits = ~m_letters[row - 1] & ~m_letters[row + length];
        std::uint64_t once = 0;
        std::uint64_t twice = 0;
        std::uint64_t previous = 0;
        for (int k = 0; k < length; ++k) {
            const std::uint64_t crossed = m_holding[letters[k]][row + k];
            fits &= (m_openDown[row + k] | crossed) & ~(previous & crossed);
            twice |= once & crossed;
            once |= crossed;
            previous = crossed;
            if (!fits)
                break;
        }
        if (keep(row, fits & once, fits & twice))
            break;
    }
    return best;
}

void AttemptPlacer::take(int position, int start, bool across)
{
    const int length = m_words.length(position);
    const int row = start / Stride;
    const int column = start % Stride;
    for (int k = 0; k < length; ++k) {
        const int r = across ? row : row + k;
        const int c = across ? column + k : column;
        std::uint8_t &square = m_grid[shapes::cellIndex(c, r) - 1];
        if (square != Blank)
            continue;
        square = m_words.letters(position)[k];
        ++m_written;
        m_letters[r] |= bit(c);
        m_holding[m_indexes[position][k]][r] |= bit(c);
        m_writtenAt[r] = m_written;
        m_firstRow = m_firstRow == 0 ? r : std::min(m_firstRow, r);
        m_lastRow = std::max(m_lastRow, r);
        m_firstColumn = m_firstColumn == 0 ? c : std::min(m_firstColumn, c);
        m_lastColumn = std::max(m_lastColumn, c);
    }
    const int lastRow = across ? row : row + length - 1;
    for (int r = std::max(row - 1, 1); r <= std::min(lastRow + 1, shapes::GridSide); ++r)
        updateOpenSquares(r);
    m_placed[position] = true;
    m_start[position] = static_cast<std::uint16_t>(start);
    m_acrossAt[position] = across;
    ++m_placedCount;
}

void AttemptPlacer::updateOpenSquares(int row)
{
    const std::uint64_t held = m_letters[row];
    m_openAcross[row] = m_usable[row] & ~(m_letters[row - 1] | held | m_letters[row + 1]);
    m_openDown[row] = m_usable[row] & ~(held | held << 1 | held >> 1);
}

} // namespace gw::generate
