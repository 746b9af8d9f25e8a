// Spell checking as the word list editor does it: a full puzzle's 400 texts (200 words and
// 200 clues, the clues token by token) against an open session, and opening a session, which
// loads a dictionary.  Targets: the 400 texts well under a second, a session under 300 ms.
#include "platform/ProgramPaths.h"
#include "spell/ClueTokens.h"
#include "spell/Dictionaries.h"
#include "spell/SpellCheckSession.h"
#include "spell/ThesaurusLookup.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

using namespace gw::spell;

// Words of a classroom puzzle, a few of them misspelt as pupils and teachers do.
const std::vector<std::string> Vocabulary {
    "garden",
    "flower",
    "recieve",
    "mountain",
    "river",
    "ocean",
    "weather",
    "thunder",
    "rainbow",
    "seperate",
    "teacher",
    "library",
    "pencil",
    "notebook",
    "science",
    "history",
    "planet",
    "definately",
    "galaxy",
    "comet",
    "elephant",
    "giraffe",
    "penguin",
    "dolphin",
    "butterfly",
    "occured",
    "squirrel",
    "rabbit",
    "turtle",
    "eagle",
};

struct Texts
{
    std::vector<std::string> words;
    std::vector<std::string> clues;
};

Texts fullPuzzle()
{
    Texts texts;
    for (std::size_t k = 0; k < 200; ++k) {
        texts.words.push_back(Vocabulary[k % Vocabulary.size()]);
        texts.clues.push_back("A " + Vocabulary[(k * 7) % Vocabulary.size()] + ", seen near the "
            + Vocabulary[(k * 11 + 3) % Vocabulary.size()] + " (in spring)");
    }
    return texts;
}

void BM_CheckFullPuzzle(benchmark::State &state)
{
    auto session = SpellCheckSession::open(gw::programDirectory(), gw::programDirectory(), 1, "Engl");
    if (!session) {
        state.SkipWithError("American dictionary not installed");
        return;
    }
    const Texts texts = fullPuzzle();
    for (auto _ : state) {
        int unknown = 0;
        for (const std::string &word : texts.words)
            unknown += session->accepted(word) ? 0 : 1;
        for (const std::string &clue : texts.clues)
            for (const std::string &token : splitClueTokens(clue))
                if (const std::string text = tokenCheckText(token); !text.empty())
                    unknown += session->accepted(text) ? 0 : 1;
        benchmark::DoNotOptimize(unknown);
    }
}
BENCHMARK(BM_CheckFullPuzzle)->Unit(benchmark::kMillisecond);

// The suggestions window's list for one unknown word.
void BM_SuggestOneWord(benchmark::State &state)
{
    auto session = SpellCheckSession::open(gw::programDirectory(), gw::programDirectory(), 1, "Engl");
    if (!session) {
        state.SkipWithError("American dictionary not installed");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(session->suggestions("definately"));
}
BENCHMARK(BM_SuggestOneWord)->Unit(benchmark::kMillisecond);

// Opening a checking session of each language (1..8): its dictionary is loaded.
void BM_OpenSession(benchmark::State &state)
{
    const int type = int(state.range(0));
    if (!installedDictionaries(gw::programDirectory())[std::size_t(type - 1)]) {
        state.SkipWithError("dictionary not installed");
        return;
    }
    state.SetLabel(std::string(dictionaryLanguage(type)->name));
    for (auto _ : state) {
        auto session = SpellCheckSession::open(gw::programDirectory(), gw::programDirectory(), type, "");
        benchmark::DoNotOptimize(session.hasValue());
    }
}
BENCHMARK(BM_OpenSession)->DenseRange(1, DictionaryLanguageCount)->Unit(benchmark::kMillisecond);

// Opening the American thesaurus and looking a word up, as the lookup window does on showing.
void BM_OpenThesaurusAndLookUp(benchmark::State &state)
{
    for (auto _ : state) {
        auto lookup = ThesaurusLookup::open(gw::programDirectory(), 1);
        if (!lookup) {
            state.SkipWithError("American thesaurus not installed");
            return;
        }
        benchmark::DoNotOptimize((*lookup)->lookUp("happy"));
    }
}
BENCHMARK(BM_OpenThesaurusAndLookUp)->Unit(benchmark::kMillisecond);

} // namespace
