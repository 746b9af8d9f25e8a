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

#ifdef GW_HAVE_PRINT
constexpr const char *PrintUsage
    = R"(  gridwright-cli print COLL.ZP3 N [--pdf OUT.pdf] [--png OUT.png [--dpi D]] [--answer-key]
                       [--partial-letters LETTERS] [--no-title] [--no-clues] [--no-words] [--no-bonus] [--skeleton]
)";
#endif

int usage()
{
    std::fputs(Usage, stderr);
#ifdef GW_HAVE_PRINT
    std::fputs(PrintUsage, stderr);
#endif
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return usage();
    const std::string command = argv[1];
    const std::vector<std::string> words(argv + 2, argv + argc);
    if (command == "generate")
        return gw::cli::runGenerate(words);
    if (command == "list")
        return gw::cli::runList(words);
    if (command == "show")
        return gw::cli::runShow(words);
#ifdef GW_HAVE_PRINT
    if (command == "print")
        return gw::cli::runPrint(words);
#endif
    return usage();
}
