#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "platform/Windows1252.h"

#include <cstdio>

namespace gw::cli {

// delete COLL.ZP3 N: removes record N; the later records move down one place.
int runDelete(const std::vector<std::string> &words)
{
    if (words.size() != 2)
        return reportError(usageLine("delete"));
    const std::optional<int> number = recordNumber(words[1]);
    if (!number)
        return reportError(notARecordNumber(words[1]));
    const auto record = model::readPuzzle(words[0], *number, model::unableToLoadPuzzle());
    if (!record)
        return reportError(record.error().text + " (" + words[0] + " record " + words[1] + ")");
    if (const Status deleted = model::deletePuzzle(words[0], *number, fingerprintOf(*record)); !deleted)
        return reportError(deleted.error().text + " (" + words[0] + ")");
    std::printf("deleted %s\n", windows1252ToUtf8(record->title.str()).c_str());
    return 0;
}

} // namespace gw::cli
