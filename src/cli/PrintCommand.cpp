#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "model/Settings.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"
#include "render/PrintJob.h"
#include "render/PrintMessages.h"
#include "render/PrintOptions.h"
#include "report/PageImage.h"
#include "report/PdfOutput.h"
#include "report/ReportEngine.h"

#include <QGuiApplication>
#include <limits>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

namespace gw::cli {

namespace {

constexpr const char *PrintUsage
    = "usage: gridwright-cli print COLL.ZP3 N [--pdf OUT.pdf] [--png OUT.png [--dpi D]] "
      "[--answer-key] [--partial-letters LETTERS] [--no-title] [--no-clues] "
      "[--no-words] [--no-bonus] [--skeleton]";

constexpr int DefaultImageDotsPerInch = 150;

// Rendering needs a QGuiApplication; with no display named, the offscreen one serves.
std::unique_ptr<QGuiApplication> startGui()
{
    static int argc = 1;
    static char name[] = "gridwright-cli";
    static char *argv[] = { name, nullptr };
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The options the program's Reports window would start from, changed by the command line.
render::PrintOptions printOptions(const CliArguments &arguments, const layout::LayoutRecord &pageLayout)
{
    const std::filesystem::path start = std::filesystem::current_path();
    render::PrintOptions options
        = render::PrintOptions::fromSettings(model::loadSettings(start / "GRIDW3.INI", start));
    options.takeLayout(pageLayout);
    if (arguments.has("answer-key"))
        options.answerKey = true;
    if (const auto letters = arguments.option("partial-letters")) {
        options.partialLetters = true;
        options.letters = storedText(utf8ToWindows1252(*letters), model::SettingsLabelCapacity);
    }
    if (arguments.has("no-title"))
        options.printTitle = false;
    if (arguments.has("no-clues"))
        options.printClues = false;
    if (arguments.has("no-words"))
        options.printWords = false;
    if (arguments.has("no-bonus"))
        options.printBonus = false;
    if (arguments.has("skeleton"))
        options.useBoxes = false;
    return options;
}

void warn(const Failure &warning)
{
    std::fprintf(stderr, "gridwright-cli: warning: %s\n", windows1252ToUtf8(warning.text).c_str());
}

} // namespace

int runPrint(const std::vector<std::string> &words)
{
    std::string error;
    const auto arguments = CliArguments::parse(words, { "pdf", "png", "dpi", "partial-letters" },
        { "answer-key", "no-title", "no-clues", "no-words", "no-bonus", "skeleton" }, error);
    if (!arguments)
        return reportError(error);
    if (arguments->positional().size() != 2)
        return reportError(PrintUsage);
    const auto pdf = arguments->option("pdf");
    const auto png = arguments->option("png");
    if (!pdf && !png)
        return reportError("give --pdf OUT.pdf or --png OUT.png");
    const auto dpiText = arguments->option("dpi");
    if (dpiText && !png)
        return reportError("--dpi belongs to --png");
    const std::optional<long long> dpi = dpiText ? wholeNumber(*dpiText) : DefaultImageDotsPerInch;
    if (!dpi || *dpi < report::SmallestImageDotsPerInch || *dpi > report::LargestImageDotsPerInch)
        return reportError("the resolution must be a whole number from 10 to 1200: " + dpiText.value_or(""));
    const std::string &collection = arguments->positional()[0];
    const std::optional<long long> recordNumber = wholeNumber(arguments->positional()[1]);
    if (!recordNumber || *recordNumber < 0 || *recordNumber > std::numeric_limits<int>::max())
        return reportError("the record number must be a whole number from 0: " + arguments->positional()[1]);

    const auto record = model::readPuzzle(collection, static_cast<int>(*recordNumber), model::unableToLoadPuzzle());
    if (!record)
        return reportError(
            record.error().text + " (" + collection + ", record " + arguments->positional()[1] + ")");
    if (record->generated != 1)
        return reportError(render::neverGenerated().text);

    const auto gui = startGui();
    render::PrintJob job(*record, printOptions(*arguments, record->layout));
    report::ReportEngine engine;
    if (!job.run(engine) || engine.pages().empty())
        return reportError(std::string(render::PuzzleGenerationCanceled));
    if (const auto warning = job.bitmapWarning())
        warn(*warning);
    for (const Failure &warning : job.warnings())
        warn(warning);

    if (pdf) {
        if (const Status written = report::writePdf(engine.pages(), *pdf, job.puzzle().title.view());
            !written)
            return reportError(written.error().text);
    }
    if (png) {
        const QImage image = report::renderPageImage(engine.pages().front(), static_cast<int>(*dpi));
        if (const Status written = report::saveImage(image, *png, "PNG"); !written)
            return reportError(written.error().text);
    }
    return 0;
}

} // namespace gw::cli
