#pragma once

#include <string>
#include <vector>

namespace gw::cli {

// Each command takes the words after its name and returns the process exit status; it writes
// its results to standard output and its errors to standard error.
int runGenerate(const std::vector<std::string> &words);
int runList(const std::vector<std::string> &words);
int runShow(const std::vector<std::string> &words);
// Moving puzzles between files: records between collections, a puzzle's words and clues into
// a text file, a 16-bit puzzle into a collection.
int runCopy(const std::vector<std::string> &words);
int runDelete(const std::vector<std::string> &words);
int runWords(const std::vector<std::string> &words);
int runConvert(const std::vector<std::string> &words);
// Crosswords of other programs (.ipuz, .puz) into a collection.
int runImport(const std::vector<std::string> &words);
// The spelling and thesaurus engines on a stored puzzle and on one word.
int runSpell(const std::vector<std::string> &words);
int runThesaurus(const std::vector<std::string> &words);
// The layout library as the layout chooser lists it.
int runLayouts(const std::vector<std::string> &words);
// Only in builds with the rendering layer (GW_HAVE_PRINT).
int runPrint(const std::vector<std::string> &words);
int runExport(const std::vector<std::string> &words);

// "gridwright-cli: <message>" on standard error; the exit status for a refused command.
int reportError(const std::string &message);

} // namespace gw::cli
