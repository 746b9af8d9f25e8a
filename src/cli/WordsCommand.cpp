#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/WordTextTransfer.h"
#include "platform/Windows1252.h"

#include <cstdio>

namespace gw::cli {

// words COLL.ZP3 N --out FILE [--sep C]: every word and clue of a stored puzzle as the word
// list editor's Export writes them in the mode Words And Clues, all lines, in list order.
int runWords(const std::vector<std::string> &words)
{
    std::string error;
    const auto arguments = CliArguments::parse(words, { "out", "sep" }, {}, error);
    if (!arguments)
        return reportError(error);
    const std::vector<std::string> &positional = arguments->positional();
    const auto out = arguments->option("out");
    if (positional.size() != 2 || !out)
        return reportError(usageLine("words"));
    const std::string separator = utf8ToWindows1252(arguments->option("sep").value_or(":"));
    if (separator.size() != 1 || separator == " ")
        return reportError("--sep takes one character other than a blank");
    const std::optional<int> number = recordNumber(positional[1]);
    if (!number)
        return reportError(notARecordNumber(positional[1]));
    const auto record = model::readPuzzle(positional[0], *number, model::unableToLoadPuzzle());
    if (!record)
        return reportError(record.error().text + " (" + positional[0] + ", record " + positional[1] + ")");

    std::vector<model::TableRow> rows;
    for (int i = 0; i < model::MaxWords; ++i)
        rows.push_back({ record->words[i].str(), record->clues[i].str(), record->placed[i] == 1 });
    std::vector<std::string> lines;
    for (const model::ExportLine &line :
        model::exportListLines(rows, model::TextMode::WordsAndClues, separator[0]))
        lines.push_back(line.text);
    if (const Status written = model::writeWordFile(*out, lines); !written)
        return reportError(written.error().text + " (" + *out + ")");
    std::printf("wrote %zu line%s to %s\n", lines.size(), lines.size() == 1 ? "" : "s", out->c_str());
    return 0;
}

} // namespace gw::cli
