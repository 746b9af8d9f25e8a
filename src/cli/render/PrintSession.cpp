#include "cli/render/PrintSession.h"

#include "cli/LayoutChoice.h"
#include "cli/RunFolders.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"
#include "render/PrintMessages.h"
#include "render/PrintOptions.h"

#include <cstdio>
#include <filesystem>
#include <optional>

namespace gw::cli {

namespace {

// The options the program's Reports window would start from, changed by the command line.
render::PrintOptions printOptions(
    const CliArguments &arguments, const model::Settings &settings, const layout::LayoutRecord &pageLayout)
{
    render::PrintOptions options = render::PrintOptions::fromSettings(settings);
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
    // The layout's own Skeleton Puzzle flag holds unless one of these overrides it.
    if (arguments.has("skeleton"))
        options.useBoxes = false;
    if (arguments.has("boxes"))
        options.useBoxes = true;
    return options;
}

void warn(const Failure &warning)
{
    std::fprintf(stderr, "gridwright-cli: warning: %s\n", windows1252ToUtf8(warning.text).c_str());
}

} // namespace

std::set<std::string> printOptionNames()
{
    return { "partial-letters", "layout", "library" };
}

std::set<std::string> printSwitchNames()
{
    return { "answer-key", "no-title", "no-clues", "no-words", "no-bonus", "skeleton", "boxes" };
}

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt remarks on the runtime folder it would use for a display connection (XDG_RUNTIME_DIR
// unset, or not private): the command line never uses one, so they are not its messages and
// would only spoil its clean error output.  Every other message goes through.
void leaveOutRuntimeFolderRemarks(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    if (qtHandler)
        qtHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

std::unique_ptr<QGuiApplication> startGui()
{
    qtHandler = qInstallMessageHandler(leaveOutRuntimeFolderRemarks);
    static int argc = 1;
    static char name[] = "gridwright-cli";
    static char *argv[] = { name, nullptr };
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

std::unique_ptr<PrintedPuzzle> printPuzzle(
    const CliArguments &arguments, const model::Settings &settings, std::string &error)
{
    if (arguments.has("skeleton") && arguments.has("boxes")) {
        error = "give --skeleton or --boxes, not both";
        return nullptr;
    }
    const std::string &collection = arguments.positional().at(0);
    const std::string &number = arguments.positional().at(1);
    const std::optional<int> recordNumber = cli::recordNumber(number);
    if (!recordNumber) {
        error = notARecordNumber(number);
        return nullptr;
    }
    auto record = model::readPuzzle(collection, *recordNumber, model::unableToLoadPuzzle());
    if (!record) {
        error = record.error().text + " (" + collection + ", record " + number + ")";
        return nullptr;
    }
    if (record->generated != 1) {
        error = render::neverGenerated().text;
        return nullptr;
    }
    // "--layout N" prints with library layout N in place of the puzzle's own, as choosing it in
    // the Reports window does.
    if (const auto layoutNumber = arguments.option("layout")) {
        const auto chosen = libraryLayout(arguments, *layoutNumber, error);
        if (!chosen)
            return nullptr;
        record->layout = *chosen;
    }
    auto printed = std::make_unique<PrintedPuzzle>();
    printed->job
        = std::make_unique<render::PrintJob>(*record, printOptions(arguments, settings, record->layout));
    if (!printed->job->run(printed->engine) || printed->engine.pages().empty()) {
        error = std::string(render::PuzzleGenerationCanceled);
        return nullptr;
    }
    if (const auto warning = printed->job->bitmapWarning())
        warn(*warning);
    for (const Failure &warning : printed->job->warnings())
        warn(warning);
    return printed;
}

} // namespace gw::cli
