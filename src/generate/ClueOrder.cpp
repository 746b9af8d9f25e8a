#include "generate/ClueOrder.h"

#include <algorithm>
#include <utility>

namespace gw::generate {

int orderForClues(std::span<ClueOrderItem> items)
{
    const auto first = items.begin();
    const auto last = items.end();
    const int count = static_cast<int>(items.size());
    std::stable_sort(first, last,
        [](const ClueOrderItem &a, const ClueOrderItem &b) { return a.startCell < b.startCell; });
    int number = 0;
    for (int i = 0; i < count; ++i) {
        if (i == 0 || items[i].startCell != items[i - 1].startCell)
            ++number;
        items[i].clueNumber = number;
    }
    // This exchange sort moves a down word one place on past whatever follows it, another down
    // word included, so it is not a stable partition: down words that share a clue number (the
    // same word twice on the same squares) come out in its own order, which the stable sort by
    // number below keeps.  Across words keep their order.
    for (int i = 0; i < count; ++i)
        for (int j = count - 1; j >= i + 1; --j)
            if (!items[j - 1].across)
                std::swap(items[j - 1], items[j]);
    const int acrossCount
        = static_cast<int>(std::count_if(first, last, [](const ClueOrderItem &item) { return item.across; }));
    const auto byNumber
        = [](const ClueOrderItem &a, const ClueOrderItem &b) { return a.clueNumber < b.clueNumber; };
    std::stable_sort(first, first + acrossCount, byNumber);
    std::stable_sort(first + acrossCount, last, byNumber);
    return acrossCount;
}

} // namespace gw::generate
