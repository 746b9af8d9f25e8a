#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/RunFolders.h"
#include "editor/CreateChecks.h"
#include "generate/Generator.h"
#include "generate/RandomSequence.h"
#include "layout/LayoutLibrary.h"
#include "model/CollectionFile.h"
#include "model/PuzzleRecord.h"
#include "model/Settings.h"
#include "model/WordText.h"
#include "platform/RecordFile.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"
#include "shapes/ShapeExportFile.h"
#include "shapes/ShapeLibrary.h"

#include <charconv>
#include <cstdio>
#include <memory>
#include <optional>

namespace gw::cli {

namespace {

constexpr std::size_t WordFileLimit = 1 << 20;

// The word file's "word: clue" lines in file order, as the editor's rows would hold them.
Result<std::vector<model::WordAndClue>> readWordFile(const std::string &path)
{
    const auto bytes = readFileBytes(path, WordFileLimit + 1);
    if (!bytes)
        return Failure { "Error", "cannot read the word file " + path };
    if (bytes->size() > WordFileLimit)
        return Failure { "Error", "the word file " + path + " is larger than 1 MiB" };
    std::vector<model::WordAndClue> rows = model::wordFileRows(*bytes);
    if (rows.size() > static_cast<std::size_t>(model::MaxWords))
        return Failure { "Error",
            "the word file " + path + " holds " + std::to_string(rows.size())
                + " words; a puzzle takes at most 200" };
    return rows;
}

Result<shapes::ShapeRecord> chosenShape(const CliArguments &arguments)
{
    if (const auto file = arguments.option("shape-file"))
        return shapes::readShapeExportFile(*file);
    const auto number = wholeNumber(arguments.option("shape").value_or("0"));
    const std::filesystem::path library = libraryFile(shapes::ShapeLibraryFileName);
    const auto count = RecordFile::openForReading(library, sizeof(shapes::ShapeRecord));
    if (!number || *number < 0 || !count || *number >= count->recordCount())
        return Failure { "Error",
            "there is no shape " + arguments.option("shape").value_or("0") + " in " + library.string() };
    return shapes::readShape(library, static_cast<int>(*number));
}

// The candidates to keep: every filled slot, or the one slot asked for.
Result<std::vector<int>> chosenSlots(const CliArguments &arguments, const generate::BestFitSlots &slots)
{
    const std::string choice = arguments.option("candidates").value_or("1");
    std::vector<int> chosen;
    if (choice == "all") {
        for (int slot = 1; slot <= generate::BestFitSlots::Count; ++slot) {
            if (slots.slots[slot - 1].wordsPlaced > 0)
                chosen.push_back(slot);
        }
        return chosen;
    }
    const auto slot = wholeNumber(choice);
    if (!slot || *slot < 1 || *slot > generate::BestFitSlots::Count)
        return Failure { "Error", "--candidates takes all or a slot from 1 to 4, not " + choice };
    if (slots.slots[*slot - 1].wordsPlaced <= 0)
        return Failure { "Error",
            "candidate " + choice + " is empty: the run made fewer attempts than that" };
    chosen.push_back(static_cast<int>(*slot));
    return chosen;
}

} // namespace

int runGenerate(const std::vector<std::string> &words)
{
    std::string error;
    const auto arguments = CliArguments::parse(words,
        { "words", "shape", "shape-file", "attempts", "seed", "title", "category", "out", "candidates" },
        { "shrink", "quick" }, error);
    if (!arguments)
        return reportError(error);
    if (!arguments->positional().empty())
        return reportError("unexpected argument " + arguments->positional().front());
    for (const char *required : { "words", "title", "category", "out" }) {
        if (!arguments->option(required))
            return reportError(std::string("--") + required + " is required");
    }
    if (arguments->option("shape") && arguments->option("shape-file"))
        return reportError("give either --shape or --shape-file, not both");

    const auto attempts = editor::readAttempts(arguments->option("attempts").value_or("1"));
    if (!attempts)
        return reportError(attempts.error().text);
    std::uint32_t seed = generate::timeOfDaySeed();
    if (const auto seedText = arguments->option("seed")) {
        const auto value = wholeNumber(*seedText);
        if (!value || *value < 0 || *value > 0xFFFFFFFFLL)
            return reportError("--seed takes a whole number from 0 to 4294967295");
        seed = static_cast<std::uint32_t>(*value);
    }

    const auto rows = readWordFile(*arguments->option("words"));
    if (!rows)
        return reportError(rows.error().text);
    const auto shape = chosenShape(*arguments);
    if (!shape)
        return reportError(shape.error().text);

    const std::string title = utf8ToWindows1252(*arguments->option("title"));
    const std::string category = utf8ToWindows1252(*arguments->option("category"));
    if (const auto problem = editor::checkTitleAndCategory(title, category))
        return reportError(problem->failure.text);

    const model::Settings settings = runSettings();
    auto working = std::make_unique<model::PuzzleRecord>();
    model::resetToNew(*working,
        layout::loadLayoutForPuzzle(libraryFile(layout::LayoutLibraryFileName), settings.defaultPage));
    working->title.assign(storedText(title, model::TitleCapacity));
    working->category.assign(storedText(category, model::CategoryCapacity));
    std::vector<model::WordRow> editorRows;
    for (const model::WordAndClue &row : *rows)
        editorRows.push_back({ row.word, row.clue });
    model::fillFromWordList(*working, editorRows);
    model::takeShapeGeometry(*working, *shape);
    if (const auto problem = editor::checkWordCount(working->wordCount))
        return reportError(problem->failure.text);
    if (const auto problem = editor::checkWordsFit(*working, *shape))
        return reportError(windows1252ToUtf8(problem->failure.text));

    auto slots = std::make_unique<generate::BestFitSlots>();
    const generate::BuildOptions options { *attempts, arguments->has("shrink"), arguments->has("quick") };
    generate::BuildPuzzles(*working, *shape, options, seed, *slots, nullptr);

    const auto chosen = chosenSlots(*arguments, *slots);
    if (!chosen)
        return reportError(chosen.error().text);
    const int wordsInPuzzle = working->wordCount;
    const std::filesystem::path out = *arguments->option("out");
    for (int slot : *chosen) {
        const generate::BestFitSlot &candidate = slots->slots[slot - 1];
        *working = candidate.record;
        model::stampForSaving(*working, candidate.placedFlags);
        if (const auto saved = model::savePuzzle(out, *working, true, 0, 0); !saved)
            return reportError(saved.error().text + " (" + out.string() + ")");
    }
    for (int slot = 1; slot <= generate::BestFitSlots::Count; ++slot) {
        const int placed = slots->slots[slot - 1].wordsPlaced;
        if (placed > 0)
            std::printf("slot %d: placed %d of %d\n", slot, placed, static_cast<int>(wordsInPuzzle));
    }
    return 0;
}

} // namespace gw::cli
