#include "cli/CliCommands.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr const char *Usage = R"(usage:
  gridwright-cli generate --words FILE [--shape N | --shape-file X.LAY] [--attempts N] [--shrink] [--quick]
                          [--seed S] --title T --category C --out COLL.ZP3 [--candidates all|K]
  gridwright-cli list COLL.ZP3
  gridwright-cli show COLL.ZP3 N
)";

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    const std::vector<std::string> words(argv + 2, argv + argc);
    if (command == "generate")
        return gw::cli::runGenerate(words);
    if (command == "list")
        return gw::cli::runList(words);
    if (command == "show")
        return gw::cli::runShow(words);
    std::fputs(Usage, stderr);
    return 2;
}
