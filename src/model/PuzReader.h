#pragma once

#include "model/ForeignCrossword.h"
#include "platform/Failure.h"

#include <cstddef>
#include <string_view>

namespace gw::model {

// A .puz file is read whole; larger ones are refused.
constexpr std::size_t MaxPuzBytes = 1024 * 1024;

// A .puz crossword: its blocks are blocks (the format knows no squares outside the shape),
// the words and their numbers are the grid's runs numbered as the format numbers them, the
// clues theirs in order.  Texts are Windows-1252 (ISO-8859-1 in older files, which it
// contains).  Refused with the reason: a checksum that does not match, a scrambled (locked) or
// diagramless puzzle, rebus squares, more clues than words or fewer, larger than the
// program's grid.
Result<ForeignCrossword> readPuz(std::string_view bytes);

} // namespace gw::model
