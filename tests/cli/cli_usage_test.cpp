#include "support/ShellRun.h"

#include <gtest/gtest.h>

namespace {

using gw::test::Outcome;
using gw::test::runCli;

TEST(CliUsage, VersionAndHelpAreOutputNotErrors)
{
    const Outcome version = runCli("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "gridwright-cli " GW_VERSION "\n");

    const Outcome help = runCli("--help");
    EXPECT_EQ(help.status, 0);
    // The first and the last command of the list.
    for (const char *command : { "generate", "export" })
        EXPECT_NE(help.out.find(std::string("  gridwright-cli ") + command + " "), std::string::npos)
            << command;

    const Outcome list = runCli("list --help");
    EXPECT_EQ(list.status, 0);
    EXPECT_EQ(list.out, "usage: gridwright-cli list COLL.ZP3\n");
    // Wrong words still give the usage as an error.
    EXPECT_EQ(runCli("list").status, 1);
    EXPECT_EQ(runCli("frobnicate --help").status, 2);
}

// Printing brings up Qt, which remarked on stderr that XDG_RUNTIME_DIR was not set.
TEST(CliUsage, PrintAddsNothingToItsOwnOutput)
{
    const std::string pdf
        = (std::filesystem::temp_directory_path() / ("gw-quiet-" + std::to_string(::getpid()) + ".pdf"))
              .string();
    const Outcome printed = gw::test::shell(
        "env -u XDG_RUNTIME_DIR " GW_CLI_PATH " print " GW_SOURCE_DIR "/data/SAMPLE.ZP3 0 --pdf " + pdf);
    std::filesystem::remove(pdf);
    EXPECT_EQ(printed.status, 0);
    EXPECT_EQ(printed.out, "");
}

} // namespace
