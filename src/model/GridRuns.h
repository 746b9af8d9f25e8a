#pragma once

#include <functional>
#include <vector>

namespace gw::model {

// A word of a crossword as the exchange formats find it in the grid alone: a run of two or more
// letter squares across or down, from its first square (column and row from 1).
struct GridRun
{
    int number;
    bool across;
    int column;
    int row;
    int length;
};

// Every run of the width x height grid, numbered as the exchange formats number the squares:
// each square that begins a run across or down takes the next number in reading order, and a
// square that begins both gives the across run first.
std::vector<GridRun> numberedRuns(
    int width, int height, const std::function<bool(int column, int row)> &isLetter);

} // namespace gw::model
