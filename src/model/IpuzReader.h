#pragma once

#include "model/ForeignCrossword.h"
#include "platform/Failure.h"

#include <cstddef>
#include <string_view>

namespace gw::model {

// An ipuz file is read whole; larger ones are refused.
constexpr std::size_t MaxIpuzBytes = 2 * 1024 * 1024;

// An ipuz crossword (version 1 or 2, JSON, optionally wrapped as "ipuz(...)"): its omitted
// squares (null) are outside the shape, its blocks blocks, every other square takes its letter
// from the solution; the numbers are the squares' labels; the clues those across and down.
// Texts are UTF-8 with the format's few HTML tags and entities, and come in as plain
// Windows-1252.  Refused with the reason: not a crossword, diagramless, barred, squares with
// more than one letter or without one, larger than the program's grid.
Result<ForeignCrossword> readIpuz(std::string_view bytes);

} // namespace gw::model
