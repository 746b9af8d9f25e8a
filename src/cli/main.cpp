#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Command
{
    std::string_view name;
    int (*run)(const std::vector<std::string> &words);
};

constexpr std::array Commands {
    Command { "generate", gw::cli::runGenerate },
    Command { "list", gw::cli::runList },
    Command { "show", gw::cli::runShow },
    Command { "copy", gw::cli::runCopy },
    Command { "delete", gw::cli::runDelete },
    Command { "words", gw::cli::runWords },
    Command { "convert", gw::cli::runConvert },
    Command { "import", gw::cli::runImport },
    Command { "spell", gw::cli::runSpell },
    Command { "thesaurus", gw::cli::runThesaurus },
    Command { "layouts", gw::cli::runLayouts },
#ifdef GW_HAVE_PRINT
    Command { "print", gw::cli::runPrint },
    Command { "export", gw::cli::runExport },
#endif
};

// Asked for, the usage is the output; given for wrong words, it is the error.
int usage(std::FILE *to, int status)
{
    std::fputs(gw::cli::programUsage().c_str(), to);
    return status;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return usage(stderr, 2);
    const std::string command = argv[1];
    if (command == "--help" || command == "-h")
        return usage(stdout, 0);
    if (command == "--version") {
        std::puts("gridwright-cli " GW_VERSION);
        return 0;
    }
    const std::vector<std::string> words(argv + 2, argv + argc);
    for (const Command &known : Commands) {
        if (known.name != command)
            continue;
        // Only right after the command: elsewhere "--help" may be a title or a file name.
        if (!words.empty() && (words.front() == "--help" || words.front() == "-h")) {
            std::puts(gw::cli::usageLine(command).c_str());
            return 0;
        }
        return known.run(words);
    }
    return usage(stderr, 2);
}
