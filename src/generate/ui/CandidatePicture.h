#pragma once

#include "model/PuzzleRecord.h"

#include <QImage>
#include <QSize>
#include <functional>

namespace gw::generate {

// Side in pixels of one square of a width x height grid drawn into a picture of the given size:
// the smaller of picture width div width and picture height div height, each minus 1.
int candidateCellSize(QSize picture, int width, int height);

// Draws one candidate grid into the picture.  An empty slot (wordsPlaced <= 0) is a plain
// button-face area.  Otherwise a white area of the shape's size, the record's grid lines, the
// cells outside the shape in button face, black squares, and the letters in the largest Arial
// size from 20 down to 5 points whose "W" is lower than a square (4 points when none is).
// Black squares for which teal(cell index) holds are drawn teal instead: the hand editor's
// squares that must stay empty.
void DrawAPuzzle(QImage &picture, const model::PuzzleRecord &record, int wordsPlaced, QSize shapeSize,
    const std::function<bool(int cell)> &teal = {});

} // namespace gw::generate
