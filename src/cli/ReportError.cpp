#include "cli/CliCommands.h"

#include <cstdio>

namespace gw::cli {

int reportError(const std::string &message)
{
    std::fprintf(stderr, "gridwright-cli: %s\n", message.c_str());
    return 1;
}

} // namespace gw::cli
