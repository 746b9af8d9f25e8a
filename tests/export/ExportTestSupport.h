#pragma once

#include "platform/RecordFile.h"
#include "render/SamplePage.h"
#include "support/ShellRun.h"

#include <filesystem>
#include <string>

namespace gw::test {

namespace fs = std::filesystem;

inline const fs::path SampleCollection = fs::path(GW_SOURCE_DIR) / "data" / "SAMPLE.ZP3";

// Files the exports write are far smaller.
constexpr std::size_t ExportedBytes = 1 << 24;

inline bool haveProgram(const std::string &name)
{
    return shell("command -v " + name).status == 0;
}

inline std::string quoted(const fs::path &path)
{
    return "'" + path.string() + "'";
}

} // namespace gw::test
