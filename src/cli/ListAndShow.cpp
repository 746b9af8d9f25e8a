#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/CollectionLists.h"
#include "model/PuzzleText.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace gw::cli {

int runList(const std::vector<std::string> &words)
{
    if (words.size() != 1)
        return reportError(usageLine("list"));
    const std::filesystem::path collection = words[0];
    if (!std::filesystem::is_regular_file(collection))
        return reportError("cannot open " + collection.string());
    const model::CollectionLists lists = model::CollectionLists::load(collection);
    for (const model::CollectionPuzzle &puzzle : lists.puzzles()) {
        const std::string line = std::to_string(puzzle.recordNumber) + "\t"
            + windows1252ToUtf8(lists.categories()[static_cast<std::size_t>(puzzle.categoryIndex)]) + "\t"
            + windows1252ToUtf8(puzzle.title);
        std::puts(line.c_str());
    }
    return 0;
}

int runShow(const std::vector<std::string> &words)
{
    if (words.size() != 2)
        return reportError(usageLine("show"));
    const std::optional<int> number = recordNumber(words[1]);
    if (!number)
        return reportError(notARecordNumber(words[1]));
    const auto record = model::readPuzzle(words[0], *number, model::unableToLoadPuzzle());
    if (!record)
        return reportError(record.error().text + " (" + words[0] + ", record " + words[1] + ")");
    std::fputs(windows1252ToUtf8(model::puzzleAsText(*record)).c_str(), stdout);
    return 0;
}

} // namespace gw::cli
