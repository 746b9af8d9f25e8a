#pragma once

#include <string>
#include <string_view>

// One usage text per command, shown by "gridwright-cli COMMAND --help", by the command when its
// words are wrong, and together by "gridwright-cli --help".
namespace gw::cli {

// "gridwright-cli list COLL.ZP3", its later lines indented; empty for an unknown command (and
// for print and export in a build without them).
std::string_view commandUsage(std::string_view command);

// "usage: " and the command's usage: what a command reports when its words are wrong.
std::string usageLine(std::string_view command);

// "usage:" and every command's usage, one under the other.
std::string programUsage();

} // namespace gw::cli
