#include "model/GridRuns.h"

namespace gw::model {

std::vector<GridRun> numberedRuns(
    int width, int height, const std::function<bool(int column, int row)> &isLetter)
{
    const auto letter
        = [&](int c, int r) { return c >= 1 && r >= 1 && c <= width && r <= height && isLetter(c, r); };
    std::vector<GridRun> runs;
    int number = 0;
    for (int r = 1; r <= height; ++r) {
        for (int c = 1; c <= width; ++c) {
            if (!letter(c, r))
                continue;
            const bool across = !letter(c - 1, r) && letter(c + 1, r);
            const bool down = !letter(c, r - 1) && letter(c, r + 1);
            if (!across && !down)
                continue;
            ++number;
            for (const bool isAcross : { true, false }) {
                if (isAcross ? !across : !down)
                    continue;
                const int dc = isAcross ? 1 : 0;
                const int dr = isAcross ? 0 : 1;
                int length = 0;
                while (letter(c + length * dc, r + length * dr))
                    ++length;
                runs.push_back({ number, isAcross, c, r, length });
            }
        }
    }
    return runs;
}

} // namespace gw::model
