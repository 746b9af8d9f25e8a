#include "cli/LayoutChoice.h"

#include "cli/RunFolders.h"
#include "layout/LayoutLibrary.h"

#include <limits>

namespace gw::cli {

std::filesystem::path layoutLibraryOf(const CliArguments &arguments)
{
    if (const auto library = arguments.option("library"))
        return *library;
    return libraryFile(layout::LayoutLibraryFileName);
}

std::unique_ptr<layout::LayoutRecord> libraryLayout(
    const CliArguments &arguments, const std::string &number, std::string &error)
{
    const std::optional<long long> record = wholeNumber(number);
    if (!record || *record < 0 || *record > std::numeric_limits<int>::max()) {
        error = "the layout number must be a whole number from 0: " + number;
        return nullptr;
    }
    const std::filesystem::path library = layoutLibraryOf(arguments);
    auto layout = layout::readLayout(library, static_cast<int>(*record));
    if (!layout) {
        error = layout.error().text + " (" + library.string() + ", layout " + number + ")";
        return nullptr;
    }
    return std::make_unique<layout::LayoutRecord>(*layout);
}

} // namespace gw::cli
