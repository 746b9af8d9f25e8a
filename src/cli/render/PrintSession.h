#pragma once

#include "cli/CliArguments.h"
#include "model/Settings.h"
#include "render/PrintJob.h"
#include "report/ReportEngine.h"

#include <QGuiApplication>
#include <memory>
#include <set>
#include <string>

namespace gw::cli {

// What "print" and "export" share: the options of the program's Reports window on the command
// line, and one print job run headless on record N of a collection.

// "--partial-letters LETTERS", "--layout N" and "--library ZPFPAGE.DAT" take values; the rest
// are switches.
std::set<std::string> printOptionNames();
std::set<std::string> printSwitchNames();

// Rendering needs a QGuiApplication; with no display named, the offscreen one serves.
std::unique_ptr<QGuiApplication> startGui();

struct PrintedPuzzle
{
    std::unique_ptr<render::PrintJob> job;
    report::ReportEngine engine;
};

// Reads record positional()[1] of the collection positional()[0], runs the print job with the
// command line's options over the start directory's settings, and writes its warnings to
// standard error.  Nothing, with the message in error, when the record cannot be printed.
std::unique_ptr<PrintedPuzzle> printPuzzle(
    const CliArguments &arguments, const model::Settings &settings, std::string &error);

} // namespace gw::cli
