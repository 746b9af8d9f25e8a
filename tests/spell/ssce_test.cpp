#include "SpellTestSupport.h"
#include "platform/Windows1252.h"
#include "spell/LexiconFile.h"
#include "spell/SpellCheckSession.h"
#include "spell/Ssce.h"
#include "spell/UserLexicon.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace gw::spell;
using gw::test::programDir;
using SpellEngine = gw::test::ScratchFolderTest;
using UserLexicon = gw::test::ScratchFolderTest;

#define SKIP_UNLESS_INSTALLED(type)                                                                          \
    if (!gw::test::languageInstalled(type))                                                                  \
    GTEST_SKIP() << dictionaryLanguage(type)->name << " dictionary not installed (hunspell package missing)"

struct Misspelling
{
    int type;
    const char *wrong; // UTF-8
    const char *first; // the first suggestion expected, UTF-8
};

using LanguageMisspelling = ::testing::TestWithParam<Misspelling>;

// Every language's dictionary is built, found, and gives a sensible first suggestion; the
// accented ones prove the conversion to and from the dictionaries' UTF-8.
TEST_P(LanguageMisspelling, IsFlaggedWithASensibleFirstSuggestion)
{
    const Misspelling &c = GetParam();
    SKIP_UNLESS_INSTALLED(c.type);
    auto session = SpellCheckSession::open(programDir(), programDir(), c.type, "");
    ASSERT_TRUE(session) << session.error().text;
    // Records cross the engine as Windows-1252; the cases are written in UTF-8.
    const std::string wrong = gw::utf8ToWindows1252(c.wrong);
    EXPECT_FALSE(session->accepted(wrong));
    const auto suggestions = session->suggestions(wrong);
    ASSERT_FALSE(suggestions.empty());
    EXPECT_EQ(gw::windows1252ToUtf8(suggestions.front()), c.first);
    EXPECT_TRUE(session->accepted(gw::utf8ToWindows1252(c.first)));
}

INSTANTIATE_TEST_SUITE_P(EightLanguages, LanguageMisspelling,
    ::testing::Values(Misspelling { 1, "recieve", "receive" },
        Misspelling { 2, "organisaton", "organisation" }, Misspelling { 3, "cancion", "canción" },
        Misspelling { 4, "giornalle", "giornale" }, Misspelling { 5, "francais", "français" },
        Misspelling { 6, "Schmeterling", "Schmetterling" }, Misspelling { 7, "schooll", "school" },
        Misspelling { 8, "sommmar", "sommar" }));

TEST_F(SpellEngine, MarksAroundAWordAndDigitsAreNotSpelt)
{
    SKIP_UNLESS_INSTALLED(1);
    auto session = SpellCheckSession::open(programDir(), programDir(), 1, "");
    ASSERT_TRUE(session);
    EXPECT_TRUE(session->accepted("dog!"));
    EXPECT_TRUE(session->accepted("'dog'"));
    EXPECT_TRUE(session->accepted("1990"));
    EXPECT_TRUE(session->accepted("ice cream"));
    EXPECT_TRUE(session->accepted("DOG"));
    EXPECT_FALSE(session->accepted("ice craem"));
    // The marks and the other words stay where they were in a suggestion.
    EXPECT_EQ(session->suggestions("recieve!").front(), "receive!");
    EXPECT_EQ(session->suggestions("ice craem").front(), "ice cream");
}

TEST_F(SpellEngine, IncludeAndExcludeLexiconsChangeTheVerdict)
{
    SKIP_UNLESS_INSTALLED(1);
    ASSERT_TRUE(gw::test::linkAmerican(dir()));
    // The user's lexicons live in the user's folder, apart from the program's.
    const std::filesystem::path user = dir() / "user";
    std::filesystem::create_directories(user);
    ASSERT_TRUE(writeUserLexicon(user / "IncEngl.tlx", SsceIncludeLexicon, 1033, { "zorblax" }));
    ASSERT_TRUE(writeUserLexicon(user / "ExcEngl.tlx", SsceExcludeLexicon, 1033, { "Receive" }));
    auto session = SpellCheckSession::open(dir(), user, 1, "Engl");
    ASSERT_TRUE(session);
    EXPECT_TRUE(session->accepted("ZORBLAX")); // case-blind
    EXPECT_FALSE(session->accepted("receive"));
    // An excluded word is never offered; an included one may be.
    for (const std::string &suggestion : session->suggestions("recieve"))
        EXPECT_NE(suggestion, "receive");
    const auto near = session->suggestions("zorblx");
    EXPECT_NE(std::find(near.begin(), near.end(), "zorblax"), near.end());
}

// A user lexicon's name on a main lexicon file must not take the place of the real ones.
TEST_F(SpellEngine, MainLexiconsUnderUserLexiconNamesArePassedOver)
{
    SKIP_UNLESS_INSTALLED(1);
    ASSERT_TRUE(gw::test::linkAmerican(dir()));
    std::filesystem::create_symlink(programDir() / "ssceam.tlx", dir() / "ExcEngl.tlx");
    std::filesystem::create_symlink(programDir() / "ssceam1.clx", dir() / "IncEngl.tlx");
    auto session = SpellCheckSession::open(dir(), dir(), 1, "Engl");
    ASSERT_TRUE(session) << session.error().text;
    EXPECT_TRUE(session->accepted("dog"));
    EXPECT_FALSE(session->accepted("dgo"));
}

TEST_F(SpellEngine, AMissingMainLexiconFailsAndClosesWhatWasOpened)
{
    ASSERT_TRUE(writeUserLexicon(dir() / "IncEngl.tlx", SsceIncludeLexicon, 1033, { "a" }));
    // More failing opens than the engine has session slots: each must give its slot back.
    for (int k = 0; k < 40; ++k) {
        auto session = SpellCheckSession::open(dir(), dir(), 1, "Engl");
        ASSERT_FALSE(session);
        EXPECT_EQ(session.error(), (gw::Failure { "Error", "Could not find one of the dictionary files." }));
    }
    EXPECT_FALSE(SpellCheckSession::open(programDir(), programDir(), 0, "Engl"));
    EXPECT_FALSE(SpellCheckSession::open(programDir(), programDir(), 9, "Engl"));
    const std::int16_t session = SSCE_OpenSession();
    EXPECT_GT(session, 0);
    SSCE_CloseSession(session);
}

TEST_F(SpellEngine, RulesWithoutStemsOrStemsWithoutRulesCheckNothing)
{
    SKIP_UNLESS_INSTALLED(1);
    const std::int16_t session = SSCE_OpenSession();
    ASSERT_GT(session, 0);
    EXPECT_EQ(SSCE_OpenLex(session, (programDir() / "ssceam1.clx").c_str(), SsceOpenToRead), SsceFileError);
    char replacement[SsceReplacementBufferSize];
    EXPECT_EQ(SSCE_CheckWord(session, SsceAcceptDigitWords, "dog", replacement, sizeof replacement),
        SsceNoDictionary);
    EXPECT_GE(SSCE_OpenLex(session, (programDir() / "ssceam.tlx").c_str(), SsceOpenToRead), 0);
    EXPECT_GE(SSCE_OpenLex(session, (programDir() / "ssceam1.clx").c_str(), SsceOpenToRead), 0);
    EXPECT_EQ(SSCE_CheckWord(session, SsceAcceptDigitWords, "dog", replacement, sizeof replacement), 0);
    EXPECT_EQ(SSCE_CheckWord(session, SsceAcceptDigitWords, "dgo", replacement, sizeof replacement),
        SsceMisspelled);
    EXPECT_STREQ(replacement, "");
    EXPECT_EQ(SSCE_CloseSession(session), 0);
}

TEST_F(SpellEngine, UnknownHandlesAreRefused)
{
    char buffer[64] = {};
    std::int16_t scores[4] = {};
    std::int32_t size = 0;
    std::int16_t format = 0;
    // Just outside the numbers the engine hands out, at both ends.
    for (const std::int16_t bad : { std::int16_t(0), std::int16_t(33) }) {
        EXPECT_EQ(SSCE_OpenLex(bad, "x.tlx", SsceOpenToRead), SsceBadSession);
        EXPECT_EQ(SSCE_CreateLex(bad, "x.tlx", SsceIncludeLexicon, 1033), SsceBadSession);
        EXPECT_EQ(SSCE_AddToLex(bad, 0, "word", ""), SsceBadSession);
        EXPECT_EQ(SSCE_CheckWord(bad, 128, "word", buffer, sizeof buffer), SsceBadSession);
        EXPECT_EQ(SSCE_Suggest(bad, "word", -1, buffer, sizeof buffer, scores, 4), SsceBadSession);
        EXPECT_EQ(SSCE_GetLexInfo(bad, 0, &size, &format), SsceBadSession);
        EXPECT_EQ(SSCE_GetLex(bad, 0, buffer, sizeof buffer), SsceBadSession);
        EXPECT_EQ(SSCE_CloseLex(bad, 0), SsceBadSession);
        EXPECT_EQ(SSCE_CloseSession(bad), SsceBadSession);
    }
    const std::int16_t session = SSCE_OpenSession();
    ASSERT_GT(session, 0);
    for (const std::int16_t bad : { std::int16_t(-1), std::int16_t(16) }) {
        EXPECT_EQ(SSCE_AddToLex(session, bad, "word", ""), SsceBadLexicon);
        EXPECT_EQ(SSCE_GetLexInfo(session, bad, &size, &format), SsceBadLexicon);
        EXPECT_EQ(SSCE_GetLex(session, bad, buffer, sizeof buffer), SsceBadLexicon);
        EXPECT_EQ(SSCE_CloseLex(session, bad), SsceBadLexicon);
    }
    EXPECT_EQ(SSCE_CloseSession(session), 0);
    // A closed session is gone: its number is refused until the engine hands it out again.
    EXPECT_EQ(SSCE_CloseSession(session), SsceBadSession);
    EXPECT_EQ(SSCE_CheckWord(session, 128, "word", buffer, sizeof buffer), SsceBadSession);
}

// The suggestion list is written whole words at a time and ended by an empty word, within
// whatever size it is given; the bytes after it are never touched.
TEST_F(SpellEngine, SuggestionBufferIsNeverOverrun)
{
    SKIP_UNLESS_INSTALLED(1);
    const std::int16_t number = SSCE_OpenSession();
    ASSERT_GT(number, 0);
    ASSERT_GE(SSCE_OpenLex(number, (programDir() / "ssceam.tlx").c_str(), SsceOpenToRead), 0);
    ASSERT_GE(SSCE_OpenLex(number, (programDir() / "ssceam1.clx").c_str(), SsceOpenToRead), 0);
    constexpr char Guard = '\x7F';
    for (const int size : { 0, 1, 2, 3, 5, 9, 17, SsceSuggestionBufferSize }) {
        std::vector<char> buffer(std::size_t(size) + 16, Guard);
        std::array<std::int16_t, SsceScoreCount + 4> scores;
        scores.fill(-7);
        const std::int16_t count = SSCE_Suggest(number, "tres", -1, buffer.data(), size, scores.data(), 3);
        ASSERT_GE(count, 0) << size;
        for (std::size_t k = std::size_t(size); k < buffer.size(); ++k)
            ASSERT_EQ(buffer[k], Guard) << "size " << size << " byte " << k;
        for (std::size_t k = 3; k < scores.size(); ++k)
            ASSERT_EQ(scores[k], -7);
        if (size < 2)
            continue;
        // count words, each zero-ended, then the empty word, all inside the buffer.
        std::size_t at = 0;
        for (int word = 0; word < count; ++word)
            at += std::strlen(buffer.data() + at) + 1;
        ASSERT_LT(at, std::size_t(size));
        EXPECT_EQ(buffer[at], '\0');
        if (size == SsceSuggestionBufferSize) {
            EXPECT_GT(count, 5);
        }
    }
    SSCE_CloseSession(number);
}

// Adding appends to the file as it stands, the same word twice included, and keeps the
// lexicon's kind and language.
TEST_F(UserLexicon, TheSameWordAddedTwiceIsStoredTwice)
{
    const auto file = dir() / "IncEngl.tlx";
    ASSERT_TRUE(addToIncludeLexicon(file, 1033, "Gridwright"));
    ASSERT_TRUE(addToIncludeLexicon(file, 1033, "Gridwright"));
    const auto stored = readLexiconFile(file);
    ASSERT_TRUE(stored);
    EXPECT_EQ(int(stored->kind), SsceIncludeLexicon);
    EXPECT_EQ(stored->language, 1033);
    EXPECT_EQ(stored->sections.front(), std::string("Gridwright\0Gridwright\0", 22));
}

// A lexicon that does not exist reads as empty; one that is not a lexicon is reported.
TEST_F(UserLexicon, MissingReadsEmptyAndForeignIsReported)
{
    EXPECT_TRUE(readUserLexicon(dir() / "IncGerm.tlx")->empty());
    std::ofstream(dir() / "IncSwed.tlx") << "dog\ncat\n";
    EXPECT_EQ(readUserLexicon(dir() / "IncSwed.tlx").error(),
        (gw::Failure { "Error", "Could not read the dictionary file IncSwed.tlx." }));
}

TEST_F(UserLexicon, AnUnwritableFileIsReported)
{
    const auto file = dir() / "no such folder" / "IncEngl.tlx";
    EXPECT_EQ(writeUserLexicon(file, SsceIncludeLexicon, 1033, { "a" }).error(),
        (gw::Failure { "Disk Error", "Could not write the dictionary file IncEngl.tlx." }));
    EXPECT_FALSE(addToIncludeLexicon(file, 1033, "a"));
}

TEST_F(UserLexicon, WordsAreListedWithinTheBufferGiven)
{
    const auto file = dir() / "IncEngl.tlx";
    ASSERT_TRUE(writeUserLexicon(file, SsceIncludeLexicon, 1033, { "alpha", "be", "gamma" }));
    const std::int16_t session = SSCE_OpenSession();
    const std::int16_t lexicon = SSCE_OpenLex(session, file.c_str(), SsceOpenToRead);
    ASSERT_GE(lexicon, 0);
    std::int32_t size = 0;
    std::int16_t format = 0;
    EXPECT_EQ(SSCE_GetLexInfo(session, lexicon, &size, &format), 15);
    EXPECT_EQ(size, 15);
    EXPECT_EQ(format, SsceIncludeLexicon);
    char buffer[12];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(SSCE_GetLex(session, lexicon, buffer, 10), 9); // "alpha" and "be"; "gamma" does not fit
    EXPECT_EQ(std::string(buffer, 12), std::string("alpha\0be\0xxx", 12));
    // Opened to read: nothing may be added.
    EXPECT_EQ(SSCE_AddToLex(session, lexicon, "delta", ""), SsceBadArgument);
    SSCE_CloseSession(session);
}

} // namespace
