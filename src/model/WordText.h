#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gw::model {

constexpr std::size_t MaxTextLineLength = 255;

// The lines of a text file: split at line feeds, a carriage return before it dropped, each
// line cut to 255 characters.
std::vector<std::string> textLines(std::string_view bytes);

struct WordAndClue
{
    std::string word;
    std::string clue;
};

// A pair line split at the first separator, both parts trimmed; without the separator the
// whole line is the word and the clue is empty.
WordAndClue splitPairLine(std::string_view line, char separator);

// The "word: clue" lines of a word file (UTF-8, or Windows-1252 where it is not valid UTF-8)
// in file order, converted to Windows-1252; lines of blanks are skipped.
std::vector<WordAndClue> wordFileRows(std::string_view bytes);

// The pair line export writes: the trimmed word padded with blanks to 31 characters (a longer
// word is not cut), the separator, one blank and the trimmed clue.
std::string pairLine(std::string_view word, std::string_view clue, char separator);

} // namespace gw::model
