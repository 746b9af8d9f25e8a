#pragma once

#include <string>
#include <vector>

namespace gw::cli {

// Each command takes the words after its name and returns the process exit status; it writes
// its results to standard output and its errors to standard error.
int runGenerate(const std::vector<std::string> &words);
int runList(const std::vector<std::string> &words);
int runShow(const std::vector<std::string> &words);
// Only in builds with the rendering layer (GW_HAVE_PRINT).
int runPrint(const std::vector<std::string> &words);

// "gridwright-cli: <message>" on standard error; the exit status for a refused command.
int reportError(const std::string &message);

} // namespace gw::cli
