#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "model/PuzzleRecord.h"
#include "model/PuzzleTransfer.h"
#include "platform/RecordFile.h"

#include <cstdio>
#include <filesystem>
#include <limits>

namespace gw::cli {

// copy FROM.ZP3 N... --to TO.ZP3: the records numbered, in the order given, appended unchanged
// to TO.ZP3, which is created when missing.  All or nothing.
int runCopy(const std::vector<std::string> &words)
{
    std::string error;
    const auto arguments = CliArguments::parse(words, { "to" }, {}, error);
    if (!arguments)
        return reportError(error);
    const std::vector<std::string> &positional = arguments->positional();
    const auto to = arguments->option("to");
    if (positional.size() < 2 || !to)
        return reportError(usageLine("copy"));
    const std::filesystem::path from = positional[0];
    if (model::sameFile(from, *to))
        return reportError("the puzzles cannot be copied into the file they come from: " + *to);
    const auto source = RecordFile::openForReading(from, sizeof(model::PuzzleRecord));
    if (!source)
        return reportError("cannot open " + from.string());
    std::vector<int> records;
    for (std::size_t i = 1; i < positional.size(); ++i) {
        const auto number = wholeNumber(positional[i]);
        if (!number || *number < 0 || *number >= source->recordCount()
            || *number > std::numeric_limits<int>::max())
            return reportError("there is no record " + positional[i] + " in " + from.string());
        records.push_back(static_cast<int>(*number));
    }
    if (const Status copied = model::importPuzzles(from, records, *to); !copied)
        return reportError(copied.error().text + " (" + *to + ")");
    std::printf("copied %zu puzzle%s to %s\n", records.size(), records.size() == 1 ? "" : "s", to->c_str());
    return 0;
}

} // namespace gw::cli
