#pragma once

#include "cli/CliArguments.h"
#include "layout/LayoutRecord.h"

#include <filesystem>
#include <memory>
#include <string>

namespace gw::cli {

// The layout library the layout commands read: "--library FILE", or ZPFPAGE.DAT in the program
// directory.
std::filesystem::path layoutLibraryOf(const CliArguments &arguments);

// The library record "--layout N" names, or nothing with the message in error when N is not a
// record number or the record cannot be read.  A record is taken as stored; whoever walks its
// objects clamps the count.
std::unique_ptr<layout::LayoutRecord> libraryLayout(
    const CliArguments &arguments, const std::string &number, std::string &error);

} // namespace gw::cli
