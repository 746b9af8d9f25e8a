#include "report/AreaOutline.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace gw::report {

namespace {

std::vector<double> edgesOf(std::span<const InchRect> boxes, double InchRect::*low, double InchRect::*high)
{
    std::vector<double> edges;
    for (const InchRect &box : boxes) {
        if (box.width() > 0 && box.height() > 0) {
            edges.push_back(box.*low);
            edges.push_back(box.*high);
        }
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
    return edges;
}

std::size_t indexOf(const std::vector<double> &edges, double value)
{
    return static_cast<std::size_t>(std::lower_bound(edges.begin(), edges.end(), value) - edges.begin());
}

// The boxes cut along every edge of every box into a grid of pieces, each wholly inside the
// union or wholly outside; the outlines run along the sides between the two.
class PieceGrid
{
public:
    explicit PieceGrid(std::span<const InchRect> boxes)
        : m_xs(edgesOf(boxes, &InchRect::left, &InchRect::right))
        , m_ys(edgesOf(boxes, &InchRect::top, &InchRect::bottom))
    {
        if (m_xs.size() < 2 || m_ys.size() < 2)
            return;
        m_columns = m_xs.size() - 1;
        m_rows = m_ys.size() - 1;
        m_inside.assign(m_columns * m_rows, false);
        for (const InchRect &box : boxes) {
            if (!(box.width() > 0 && box.height() > 0))
                continue;
            for (std::size_t r = indexOf(m_ys, box.top); r < indexOf(m_ys, box.bottom); ++r) {
                for (std::size_t c = indexOf(m_xs, box.left); c < indexOf(m_xs, box.right); ++c)
                    m_inside[r * m_columns + c] = true;
            }
        }
    }

    std::vector<Outline> outlines() const
    {
        // Every side between a piece inside and one outside, directed with the inside on its
        // right, from corner to corner; a corner has as many sides leaving as arriving.
        const std::size_t corners = (m_columns + 1) * (m_rows + 1);
        std::vector<std::vector<std::size_t>> leaving(corners);
        for (std::size_t r = 0; r < m_rows; ++r) {
            for (std::size_t c = 0; c < m_columns; ++c) {
                if (!inside(c, r))
                    continue;
                if (!inside(c, r - 1))
                    leaving[corner(c, r)].push_back(corner(c + 1, r));
                if (!inside(c + 1, r))
                    leaving[corner(c + 1, r)].push_back(corner(c + 1, r + 1));
                if (!inside(c, r + 1))
                    leaving[corner(c + 1, r + 1)].push_back(corner(c, r + 1));
                if (!inside(c - 1, r))
                    leaving[corner(c, r + 1)].push_back(corner(c, r));
            }
        }
        std::vector<Outline> found;
        for (std::size_t start = 0; start < corners; ++start) {
            while (!leaving[start].empty()) {
                std::vector<std::size_t> loop { start };
                for (std::size_t at = start, from = start;;) {
                    const std::size_t next = takeSide(leaving[at], from, at);
                    if (next == start)
                        break;
                    loop.push_back(next);
                    from = at;
                    at = next;
                }
                found.push_back(straightened(loop));
            }
        }
        return found;
    }

private:
    // Off the grid is outside; a column or row before the first wraps round to off the grid.
    bool inside(std::size_t c, std::size_t r) const
    {
        return c < m_columns && r < m_rows && m_inside[r * m_columns + c];
    }
    std::size_t corner(std::size_t c, std::size_t r) const { return r * (m_columns + 1) + c; }
    InchPoint point(std::size_t corner) const
    {
        return { m_xs[corner % (m_columns + 1)], m_ys[corner / (m_columns + 1)] };
    }

    // The loop's corners without those in the middle of a straight run.
    Outline straightened(const std::vector<std::size_t> &loop) const
    {
        Outline kept;
        const std::size_t n = loop.size();
        for (std::size_t i = 0; i < n; ++i) {
            const InchPoint before = point(loop[(i + n - 1) % n]);
            const InchPoint here = point(loop[i]);
            const InchPoint after = point(loop[(i + 1) % n]);
            const bool straight
                = (before.x == here.x && here.x == after.x) || (before.y == here.y && here.y == after.y);
            if (!straight)
                kept.push_back(here);
        }
        return kept;
    }

    // The step from a corner to the next along a side: one column or one row, either way.
    std::pair<long, long> step(std::size_t from, std::size_t to) const
    {
        const long difference = static_cast<long>(to) - static_cast<long>(from);
        const long width = static_cast<long>(m_columns) + 1;
        return difference == 1 || difference == -1 ? std::pair(difference, 0L)
                                                   : std::pair(0L, difference / width);
    }

    // Where two areas touch at a corner two sides leave it: the one turning right from the
    // side that arrived keeps to the same area, so that each area gets an outline of its own.
    std::size_t takeSide(std::vector<std::size_t> &sides, std::size_t from, std::size_t at) const
    {
        auto chosen = sides.end() - 1;
        if (from != at) {
            const auto [dx, dy] = step(from, at);
            // Turning right, as the page lies, is going (-dy, dx).
            const auto right = std::find_if(sides.begin(), sides.end(),
                [&](std::size_t side) { return step(at, side) == std::pair(-dy, dx); });
            if (right != sides.end())
                chosen = right;
        }
        const std::size_t next = *chosen;
        sides.erase(chosen);
        return next;
    }

    std::vector<double> m_xs;
    std::vector<double> m_ys;
    std::size_t m_columns = 0;
    std::size_t m_rows = 0;
    std::vector<bool> m_inside;
};

} // namespace

std::vector<Outline> areaOutlines(std::span<const InchRect> boxes)
{
    return PieceGrid(boxes).outlines();
}

} // namespace gw::report
