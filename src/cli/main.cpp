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
  gridwright-cli copy FROM.ZP3 N... --to TO.ZP3
  gridwright-cli delete COLL.ZP3 N
  gridwright-cli words COLL.ZP3 N --out FILE [--sep C]
  gridwright-cli convert OLD.ZPK --to COLL.ZP3
  gridwright-cli import FILE.ipuz|FILE.puz... --to COLL.ZP3 [--category C]
  gridwright-cli spell COLL.ZP3 N [--dictionary 1..8]
  gridwright-cli thesaurus WORD [--thesaurus 1|2]
  gridwright-cli layouts [--library ZPFPAGE.DAT]
)";

#ifdef GW_HAVE_PRINT
constexpr const char *PrintUsage
    = R"(  gridwright-cli print COLL.ZP3 N [--pdf OUT.pdf] [--png OUT.png [--dpi D]] [--answer-key]
                       [--partial-letters LETTERS] [--no-title] [--no-clues] [--no-words] [--no-bonus]
                       [--skeleton | --boxes] [--layout N [--library ZPFPAGE.DAT]]
  gridwright-cli export COLL.ZP3 N (--wmf|--emf|--bmp|--jpg|--html|--web-puzzle|--ipuz|--puz) OUT
                        [--quality Q] [--depth 8|24] [--dpi D] and the options of print
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
    if (command == "copy")
        return gw::cli::runCopy(words);
    if (command == "delete")
        return gw::cli::runDelete(words);
    if (command == "words")
        return gw::cli::runWords(words);
    if (command == "convert")
        return gw::cli::runConvert(words);
    if (command == "import")
        return gw::cli::runImport(words);
    if (command == "spell")
        return gw::cli::runSpell(words);
    if (command == "thesaurus")
        return gw::cli::runThesaurus(words);
    if (command == "layouts")
        return gw::cli::runLayouts(words);
#ifdef GW_HAVE_PRINT
    if (command == "print")
        return gw::cli::runPrint(words);
    if (command == "export")
        return gw::cli::runExport(words);
#endif
    return usage();
}
