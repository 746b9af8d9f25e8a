#include "cli/CommandUsage.h"

#include <algorithm>
#include <array>

namespace gw::cli {

namespace {

struct Usage
{
    std::string_view command;
    std::string_view text;
};

constexpr std::array Usages {
    Usage { "generate",
        "gridwright-cli generate --words FILE [--shape N | --shape-file X.LAY] [--attempts N] [--shrink] "
        "[--quick]\n"
        "                        [--seed S] --title T --category C --out COLL.ZP3 [--candidates all|K]" },
    Usage { "list", "gridwright-cli list COLL.ZP3" },
    Usage { "show", "gridwright-cli show COLL.ZP3 N" },
    Usage { "copy", "gridwright-cli copy FROM.ZP3 N... --to TO.ZP3" },
    Usage { "delete", "gridwright-cli delete COLL.ZP3 N" },
    Usage { "words", "gridwright-cli words COLL.ZP3 N --out FILE [--sep C]" },
    Usage { "convert", "gridwright-cli convert OLD.ZPK --to COLL.ZP3" },
    Usage { "import", "gridwright-cli import FILE.ipuz|FILE.puz... --to COLL.ZP3 [--category C]" },
    Usage { "spell", "gridwright-cli spell COLL.ZP3 N [--dictionary 1..8]" },
    Usage { "thesaurus", "gridwright-cli thesaurus WORD [--thesaurus 1|2]" },
    Usage { "layouts", "gridwright-cli layouts [--library ZPFPAGE.DAT]" },
#ifdef GW_HAVE_PRINT
    Usage { "print",
        "gridwright-cli print COLL.ZP3 N [--pdf OUT.pdf] [--png OUT.png [--dpi D]] [--answer-key]\n"
        "                     [--partial-letters LETTERS] [--no-title] [--no-clues] [--no-words] "
        "[--no-bonus]\n"
        "                     [--skeleton | --boxes] [--layout N [--library ZPFPAGE.DAT]]" },
    Usage { "export",
        "gridwright-cli export COLL.ZP3 N (--wmf|--emf|--bmp|--jpg|--html|--web-puzzle|--ipuz|--puz) OUT\n"
        "                      [--quality Q] [--depth 8|24] [--dpi D] and the options of print" },
#endif
};

// The usage after lead, its later lines moved right as far, so they stay lined up.
std::string led(std::string_view lead, std::string_view usage)
{
    std::string text;
    for (std::size_t start = 0; start < usage.size();) {
        const std::size_t end = std::min(usage.find('\n', start), usage.size());
        text += (start == 0 ? std::string(lead) : std::string(lead.size(), ' '));
        text += std::string(usage.substr(start, end - start)) + "\n";
        start = end + 1;
    }
    return text;
}

} // namespace

std::string_view commandUsage(std::string_view command)
{
    for (const Usage &usage : Usages)
        if (usage.command == command)
            return usage.text;
    return {};
}

std::string usageLine(std::string_view command)
{
    std::string text = led("usage: ", commandUsage(command));
    text.pop_back();
    return text;
}

std::string programUsage()
{
    std::string text = "usage:\n";
    for (const Usage &usage : Usages)
        text += led("  ", usage.text);
    text += "  gridwright-cli COMMAND --help\n  gridwright-cli --version\n";
    return text;
}

} // namespace gw::cli
