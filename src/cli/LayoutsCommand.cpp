#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "cli/LayoutChoice.h"
#include "cli/RunFolders.h"
#include "layout/LayoutLibrary.h"
#include "model/Settings.h"
#include "platform/Windows1252.h"

#include <cstdio>
#include <filesystem>

namespace gw::cli {

// The layout library as the layout chooser lists it: sorted, the default marked, one
// "record<TAB>entry" line each.  The default is the start directory's setting "Default Page".
int runLayouts(const std::vector<std::string> &words)
{
    std::string error;
    const auto arguments = CliArguments::parse(words, { "library" }, {}, error);
    if (!arguments)
        return reportError(error);
    if (!arguments->positional().empty())
        return reportError(usageLine("layouts"));
    const model::Settings settings = runSettings();
    const auto listed = layout::listLayouts(layoutLibraryOf(*arguments), settings.defaultPage);
    if (!listed)
        return reportError(windows1252ToUtf8(listed.error().text));
    for (const layout::LayoutListEntry &entry : *listed) {
        const std::string line = std::to_string(entry.record) + "\t" + windows1252ToUtf8(entry.text);
        std::puts(line.c_str());
    }
    return 0;
}

} // namespace gw::cli
