#include "spell/ThesDb.h"

#include "platform/Text.h"
#include "spell/DictionaryEncoding.h"
#include "spell/LexiconFile.h"
#include "spell/MemoryFile.h"
#include "spell/ProgramLexicons.h"

#include <algorithm>
#include <array>
#include <cstdio> // mythes.hxx uses FILE without including it
#include <cstring>
#include <hunspell/hunspell.hxx>
#include <memory>
#include <mythes.hxx>
#include <string>
#include <vector>

namespace gw::spell {

namespace {

constexpr std::size_t MaxSessions = 16;
constexpr std::size_t MaxThesauriPerSession = 4;
constexpr std::size_t MaxLookupLength = 100; // bytes of a word handed to the thesaurus

// One meaning of a word, its texts in Windows-1252.
struct Meaning
{
    std::uint32_t partOfSpeech = 0;
    std::string name;
    std::vector<std::string> synonyms; // every term but the antonyms, in the data's order
    std::vector<std::string> antonyms;
};

struct Thesaurus
{
    std::unique_ptr<MyThes> data;
    DictionaryEncoding encoding { "UTF-8" };
    std::string index; // the index text, for the word list of the suggestions
    std::unique_ptr<Hunspell> words; // built from the index on the first suggestion
};

// A walk through a list of texts: the First call fills it, the Next calls step on.
struct Walk
{
    std::vector<std::string> items;
    std::size_t next = 0;
};

struct Session
{
    std::array<std::unique_ptr<Thesaurus>, MaxThesauriPerSession> thesauri;
    int current = -1; // the thesaurus opened last
    std::string word; // the word of the current look-up, as the thesaurus knows it
    std::vector<Meaning> meanings;
    Walk categories;
    Walk synonyms;
    Walk suggestions;
};

std::array<std::unique_ptr<Session>, MaxSessions> sessions;

Session *findSession(std::int16_t number)
{
    if (number < 1 || std::size_t(number) > MaxSessions)
        return nullptr;
    return sessions[std::size_t(number - 1)].get();
}

Thesaurus *currentThesaurus(Session &session)
{
    return session.current >= 0 ? session.thesauri[std::size_t(session.current)].get() : nullptr;
}

// Copies text into buffer, cut to fit with its zero byte.  False when there is no room at all.
bool put(std::string_view text, char *buffer, std::int32_t size)
{
    if (!buffer || size < 1)
        return false;
    const std::size_t length = std::min(text.size(), std::size_t(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return true;
}

std::int16_t step(Walk &walk, char *buffer, std::int32_t size)
{
    if (walk.next >= walk.items.size() || !put(walk.items[walk.next], buffer, size))
        return 0;
    ++walk.next;
    return 1;
}

std::int16_t start(Walk &walk, std::vector<std::string> items, char *buffer, std::int32_t size)
{
    walk = { std::move(items), 0 };
    return step(walk, buffer, size);
}

std::string lowerCased(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower) {
        const unsigned char u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = char(u + 32);
    }
    return lower;
}

std::string capitalised(std::string_view text)
{
    std::string word = lowerCased(text);
    if (!word.empty())
        word[0] = char(upperCaseByte(static_cast<unsigned char>(word[0])));
    return word;
}

struct PartOfSpeechName
{
    std::string_view data; // as the thesaurus data writes it
    std::uint32_t code;
    std::string_view suffix;
};

constexpr std::array<PartOfSpeechName, 6> PartOfSpeechNames { {
    { "(adj)", ThesAdjective, ".adj" },
    { "(adv)", ThesAdverb, ".adv" },
    { "(noun)", ThesNoun, ".n" },
    { "(n)", ThesNoun, ".n" },
    { "(verb)", ThesVerb, ".v" },
    { "(v)", ThesVerb, ".v" },
} };

std::uint32_t partOfSpeechOf(std::string_view definition)
{
    for (const PartOfSpeechName &name : PartOfSpeechNames)
        if (definition.substr(0, name.data.size()) == name.data)
            return name.code;
    return 0;
}

std::string categoryText(std::string_view name, std::uint32_t code)
{
    for (const PartOfSpeechName &part : PartOfSpeechNames)
        if (part.code == code)
            return std::string(name) + std::string(part.suffix);
    return std::string(name);
}

// One term of a meaning: "glad (similar term)" is the word "glad" with a note.
struct Term
{
    std::string word;
    bool noted = false; // a plain synonym has no note
    bool antonym = false; // the note says "antonym"
};

Term termOf(std::string_view text)
{
    Term term { std::string(text) };
    if (!text.empty() && text.back() == ')') {
        if (const std::size_t open = text.rfind(" ("); open != std::string_view::npos) {
            term.word = std::string(text.substr(0, open));
            term.noted = true;
            term.antonym = text.substr(open) == " (antonym)";
        }
    }
    return term;
}

void addOnce(std::vector<std::string> &list, std::string text)
{
    if (!text.empty() && std::find(list.begin(), list.end(), text) == list.end())
        list.push_back(std::move(text));
}

// The meanings of word, tried as given, in lower case and capitalised.  *found receives the
// form the thesaurus knows.
std::vector<Meaning> lookUp(Thesaurus &thesaurus, std::string_view word, std::string *found = nullptr)
{
    const std::string given(word.substr(0, MaxLookupLength));
    for (const std::string &form : { given, lowerCased(given), capitalised(given) }) {
        const std::string text = thesaurus.encoding.fromWindows1252(form);
        if (text.empty())
            continue;
        mentry *entries = nullptr;
        const int count = thesaurus.data->Lookup(text.c_str(), int(text.size()), &entries);
        if (count <= 0 || !entries)
            continue;
        std::vector<Meaning> meanings;
        for (int m = 0; m < count; ++m) {
            Meaning meaning;
            meaning.partOfSpeech = entries[m].defn ? partOfSpeechOf(entries[m].defn) : 0;
            for (int k = 0; k < entries[m].count; ++k) {
                if (!entries[m].psyns || !entries[m].psyns[k])
                    continue;
                const Term term = termOf(entries[m].psyns[k]);
                std::string word = thesaurus.encoding.toWindows1252(term.word);
                if (term.antonym) {
                    addOnce(meaning.antonyms, std::move(word));
                    continue;
                }
                if (equalsIgnoringCase(word, form))
                    continue;
                // A meaning is named after its first plain synonym, or else the word itself.
                if (meaning.name.empty() && !term.noted)
                    meaning.name = word;
                addOnce(meaning.synonyms, std::move(word));
            }
            if (meaning.name.empty())
                meaning.name = form;
            meanings.push_back(std::move(meaning));
        }
        thesaurus.data->CleanUpAfterLookup(&entries, count);
        if (found)
            *found = form;
        return meanings;
    }
    return {};
}

struct CategoryName
{
    std::string name;
    std::uint32_t code = 0;
};

CategoryName splitCategory(std::string_view category)
{
    if (const std::size_t dot = category.rfind('.'); dot != std::string_view::npos && dot > 0) {
        const std::string_view suffix = category.substr(dot);
        for (const PartOfSpeechName &part : PartOfSpeechNames)
            if (suffix == part.suffix)
                return { std::string(category.substr(0, dot)), part.code };
    }
    return { std::string(category), 0 };
}

bool sameCategory(const Meaning &meaning, const CategoryName &category)
{
    return meaning.partOfSpeech == category.code && equalsIgnoringCase(meaning.name, category.name);
}

// The thesaurus's own words, one Hunspell word list, for the similar-word suggestions.
std::unique_ptr<Hunspell> buildWordList(const Thesaurus &thesaurus)
{
    std::vector<std::string_view> words;
    std::size_t at = 0;
    for (int line = 0; at < thesaurus.index.size(); ++line) {
        const std::size_t end = std::min(thesaurus.index.find('\n', at), thesaurus.index.size());
        const std::string_view text = std::string_view(thesaurus.index).substr(at, end - at);
        at = end + 1;
        if (line < 2) // the encoding and the entry count
            continue;
        const std::string_view word = text.substr(0, text.find('|'));
        if (!word.empty() && word.find_first_of(" /\t\r") == std::string_view::npos)
            words.push_back(word);
    }
    std::string affix = "SET " + std::string(thesaurus.data->get_th_encoding()) + "\n";
    affix += "TRY esianrtolcdugmphbyfvkwzESIANRTOLCDUGMPHBYFVKWZ'-\n";
    std::string list = std::to_string(words.size()) + "\n";
    for (const std::string_view word : words) {
        list += word;
        list += '\n';
    }
    auto affixFile = MemoryFile::create(affix);
    auto listFile = MemoryFile::create(list);
    if (!affixFile || !listFile)
        return nullptr;
    return std::make_unique<Hunspell>(affixFile->path().c_str(), listFile->path().c_str());
}

} // namespace

std::int16_t ThesDB_OpenSession()
{
    for (std::size_t k = 0; k < MaxSessions; ++k) {
        if (!sessions[k]) {
            sessions[k] = std::make_unique<Session>();
            return std::int16_t(k + 1);
        }
    }
    return ThesTooMany;
}

std::int16_t ThesDB_OpenThesaurus(std::int16_t sessionNumber, const char *path)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return ThesBadSession;
    if (!path)
        return ThesFileError;
    const auto file = readProgramLexicon(path);
    if (!file || file->kind != LexiconKindThesaurus || file->sections.size() != 2
        || !thesaurusSectionsConsistent(file->sections[0], file->sections[1]))
        return ThesFileError;
    const auto slot = std::find(session->thesauri.begin(), session->thesauri.end(), nullptr);
    if (slot == session->thesauri.end())
        return ThesTooMany;
    auto index = MemoryFile::create(file->sections[0]);
    auto data = MemoryFile::create(file->sections[1]);
    if (!index || !data)
        return ThesFileError;
    auto thesaurus = std::make_unique<Thesaurus>();
    thesaurus->data = std::make_unique<MyThes>(index->path().c_str(), data->path().c_str());
    if (!thesaurus->data->get_th_encoding())
        return ThesFileError;
    thesaurus->encoding = DictionaryEncoding(thesaurus->data->get_th_encoding());
    thesaurus->index = file->sections[0];
    *slot = std::move(thesaurus);
    session->current = int(slot - session->thesauri.begin());
    return std::int16_t(session->current);
}

std::int16_t ThesDB_GetFirstCategory(
    std::int16_t sessionNumber, const char *word, char *buffer, std::int32_t size)
{
    Session *session = findSession(sessionNumber);
    Thesaurus *thesaurus = session ? currentThesaurus(*session) : nullptr;
    if (!thesaurus || !word)
        return 0;
    session->word.clear();
    session->meanings = lookUp(*thesaurus, trimmed(word), &session->word);
    std::vector<std::string> categories;
    for (const Meaning &meaning : session->meanings)
        addOnce(categories, categoryText(meaning.name, meaning.partOfSpeech));
    return start(session->categories, std::move(categories), buffer, size);
}

std::int16_t ThesDB_GetNextCategory(std::int16_t sessionNumber, char *buffer, std::int32_t size)
{
    Session *session = findSession(sessionNumber);
    return session ? step(session->categories, buffer, size) : 0;
}

std::int16_t ThesDB_GetCategoryAntonym(
    std::int16_t sessionNumber, const char *category, char *buffer, std::int32_t size)
{
    Session *session = findSession(sessionNumber);
    if (!session || !category)
        return 0;
    const CategoryName wanted = splitCategory(category);
    for (const Meaning &meaning : session->meanings)
        if (sameCategory(meaning, wanted) && !meaning.antonyms.empty())
            return put(categoryText(meaning.antonyms.front(), meaning.partOfSpeech), buffer, size) ? 1 : 0;
    return 0;
}

std::int16_t ThesDB_SplitCategoryName(
    const char *category, char *name, std::int32_t size, std::uint32_t *partOfSpeech)
{
    if (!category)
        return 0;
    const CategoryName split = splitCategory(category);
    put(split.name, name, size);
    if (partOfSpeech)
        *partOfSpeech = split.code;
    return 1;
}

std::int16_t ThesDB_GetFirstSynonym(
    std::int16_t sessionNumber, const char *category, char *buffer, std::int32_t size)
{
    Session *session = findSession(sessionNumber);
    Thesaurus *thesaurus = session ? currentThesaurus(*session) : nullptr;
    if (!thesaurus || !category)
        return 0;
    const CategoryName wanted = splitCategory(category);
    std::vector<std::string> synonyms;
    for (const Meaning &meaning : session->meanings)
        if (sameCategory(meaning, wanted))
            for (const std::string &synonym : meaning.synonyms)
                addOnce(synonyms, synonym);
    if (synonyms.empty()) {
        // A category that is not a meaning of the word looked up, an antonym category most
        // often: every meaning of its name with its part of speech.
        for (const Meaning &meaning : lookUp(*thesaurus, wanted.name))
            if (wanted.code == 0 || meaning.partOfSpeech == wanted.code)
                for (const std::string &synonym : meaning.synonyms)
                    if (!equalsIgnoringCase(synonym, wanted.name))
                        addOnce(synonyms, synonym);
    }
    return start(session->synonyms, std::move(synonyms), buffer, size);
}

std::int16_t ThesDB_GetNextSynonym(std::int16_t sessionNumber, char *buffer, std::int32_t size)
{
    Session *session = findSession(sessionNumber);
    return session ? step(session->synonyms, buffer, size) : 0;
}

std::int16_t ThesDB_GetFirstSuggestion(
    std::int16_t sessionNumber, const char *word, char *buffer, std::int32_t size)
{
    Session *session = findSession(sessionNumber);
    Thesaurus *thesaurus = session ? currentThesaurus(*session) : nullptr;
    if (!thesaurus || !word)
        return 0;
    if (!thesaurus->words)
        thesaurus->words = buildWordList(*thesaurus);
    std::vector<std::string> similar;
    const std::string text = thesaurus->encoding.fromWindows1252(trimmed(word).substr(0, MaxLookupLength));
    if (thesaurus->words && !text.empty())
        for (const std::string &suggestion : thesaurus->words->suggest(text))
            // A blank marks a word split in two, not a word of the thesaurus.
            if (suggestion.find(' ') == std::string::npos && thesaurus->encoding.representable(suggestion))
                addOnce(similar, thesaurus->encoding.toWindows1252(suggestion));
    return start(session->suggestions, std::move(similar), buffer, size);
}

std::int16_t ThesDB_GetNextSuggestion(std::int16_t sessionNumber, char *buffer, std::int32_t size)
{
    Session *session = findSession(sessionNumber);
    return session ? step(session->suggestions, buffer, size) : 0;
}

std::int16_t ThesDB_CloseThesaurus(std::int16_t sessionNumber, std::int16_t thesaurus)
{
    Session *session = findSession(sessionNumber);
    if (!session)
        return ThesBadSession;
    if (thesaurus < 0 || std::size_t(thesaurus) >= MaxThesauriPerSession
        || !session->thesauri[std::size_t(thesaurus)])
        return ThesBadThesaurus;
    session->thesauri[std::size_t(thesaurus)].reset();
    if (session->current == thesaurus) {
        session->current = -1;
        session->meanings.clear();
    }
    return 0;
}

std::int16_t ThesDB_CloseSession(std::int16_t sessionNumber)
{
    if (!findSession(sessionNumber))
        return ThesBadSession;
    sessions[std::size_t(sessionNumber - 1)].reset();
    return 0;
}

} // namespace gw::spell
