#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/CommandUsage.h"
#include "cli/RunFolders.h"
#include "model/CollectionFailures.h"
#include "model/CollectionFile.h"
#include "platform/Text.h"
#include "platform/Windows1252.h"
#include "spell/ClueTokens.h"
#include "spell/Dictionaries.h"
#include "spell/SpellCheckSession.h"
#include "spell/ThesaurusLookup.h"

#include <cstdio>
#include <optional>
#include <string>

namespace gw::cli {

namespace {

// A number from first to last given as the value of option, or the fallback when not given.
std::optional<int> choice(const CliArguments &arguments, const std::string &option, int fallback, int last)
{
    const auto text = arguments.option(option);
    if (!text)
        return fallback;
    const auto number = wholeNumber(*text);
    if (!number || *number < 1 || *number > last)
        return std::nullopt;
    return static_cast<int>(*number);
}

void printLine(const std::string &utf8)
{
    std::puts(utf8.c_str());
}

// "word 3: RECIEVE -> RECEIVE", "clue 3: dgo -> (none)".
void reportUnknown(
    const spell::SpellCheckSession &session, const char *kind, int entry, const std::string &text)
{
    const auto suggestions = session.suggestions(text);
    printLine(std::string(kind) + " " + std::to_string(entry) + ": " + windows1252ToUtf8(text) + " -> "
        + (suggestions.empty() ? "(none)" : windows1252ToUtf8(suggestions.front())));
}

void printList(const std::string &heading, const std::vector<std::string> &items)
{
    printLine(heading);
    for (const std::string &item : items)
        printLine("  " + windows1252ToUtf8(item));
}

} // namespace

int runSpell(const std::vector<std::string> &words)
{
    const std::string usage = usageLine("spell");
    std::string error;
    const auto arguments = CliArguments::parse(words, { "dictionary" }, {}, error);
    if (!arguments)
        return reportError(error + "\n" + usage);
    if (arguments->positional().size() != 2)
        return reportError(usage);
    const std::optional<int> type = choice(*arguments, "dictionary", 1, spell::DictionaryLanguageCount);
    if (!type)
        return reportError("the dictionary must be a number from 1 to 8\n" + usage);
    const std::string &collection = arguments->positional()[0];
    const std::optional<int> number = recordNumber(arguments->positional()[1]);
    if (!number)
        return reportError(notARecordNumber(arguments->positional()[1]));
    const auto record = model::readPuzzle(collection, *number, model::unableToLoadPuzzle());
    if (!record)
        return reportError(
            record.error().text + " (" + collection + ", record " + arguments->positional()[1] + ")");

    const auto language = spell::dictionaryLanguage(*type);
    auto session
        = spell::SpellCheckSession::open(runFolders().data, runFolders().user, *type, language->userStem);
    if (!session)
        return reportError(session.error().text + " (" + std::string(language->name) + ")");
    const int count = record->safeWordCount();
    for (int entry = 1; entry <= count; ++entry) {
        const std::string word(trimmed(record->words[entry - 1].view()));
        if (!word.empty() && !session->accepted(word))
            reportUnknown(*session, "word", entry, word);
    }
    for (int entry = 1; entry <= count; ++entry) {
        for (const std::string &token : spell::splitClueTokens(record->clues[entry - 1].view())) {
            const std::string text = spell::tokenCheckText(token);
            if (!text.empty() && !session->accepted(text))
                reportUnknown(*session, "clue", entry, text);
        }
    }
    return 0;
}

int runThesaurus(const std::vector<std::string> &words)
{
    const std::string usage = usageLine("thesaurus");
    std::string error;
    const auto arguments = CliArguments::parse(words, { "thesaurus" }, {}, error);
    if (!arguments)
        return reportError(error + "\n" + usage);
    if (arguments->positional().size() != 1)
        return reportError(usage);
    const std::optional<int> type = choice(*arguments, "thesaurus", 1, spell::ThesaurusCount);
    if (!type)
        return reportError("the thesaurus must be 1 (American) or 2 (British)\n" + usage);
    auto lookup = spell::ThesaurusLookup::open(runFolders().data, *type);
    if (!lookup)
        return reportError(lookup.error().text + " (" + std::string(spell::thesaurusFile(*type)) + ")");
    const std::string word(trimmed(utf8ToWindows1252(arguments->positional()[0])));
    const auto meanings = (*lookup)->lookUp(word);
    if (!meanings) {
        const auto similar = (*lookup)->suggestions(word);
        printLine("\"" + windows1252ToUtf8(word) + "\" is not in the thesaurus");
        if (similar.empty())
            printLine("no similar words");
        else
            printList("similar words:", similar);
        return 0;
    }
    printList("categories:", meanings->categories);
    printList("antonyms:", meanings->antonyms);
    const std::string &first = meanings->categories.front();
    printList("synonyms of " + windows1252ToUtf8(first) + ":", (*lookup)->synonyms(first));
    return 0;
}

} // namespace gw::cli
