#include "editor/CreateChecks.h"

#include "platform/Text.h"

#include <algorithm>
#include <string>

namespace gw::editor {

namespace {

EntryProblem problem(EntryField field, std::string text)
{
    return EntryProblem { field, Failure { "Error", std::move(text) } };
}

} // namespace

std::optional<EntryProblem> checkTitleAndCategory(std::string_view title, std::string_view category)
{
    if (trimmed(title).empty())
        return problem(EntryField::Title, "No title specified.  Please correct.");
    if (trimmed(category).empty())
        return problem(EntryField::Category, "No category specified.  Please correct.");
    return std::nullopt;
}

std::optional<EntryProblem> checkWordCount(int wordCount)
{
    if (wordCount == 0)
        return problem(EntryField::Words, "No words have been entered.  Please correct.");
    return std::nullopt;
}

Result<int> readAttempts(std::string_view text)
{
    const long long attempts = parseLeadingNumber(text);
    if (attempts < MinAttempts || attempts > MaxAttempts)
        return Failure { "Error", "Attempts must be between 1 and 999.  Please correct." };
    return static_cast<int>(attempts);
}

std::optional<EntryProblem> attemptsProblem(const Failure &failure)
{
    return EntryProblem { EntryField::Attempts, failure };
}

int longestRun(const shapes::ShapeRecord &shape)
{
    const int width = shape.safeWidth();
    const int height = shape.safeHeight();
    int longest = 0;
    for (int row = 1; row <= height; ++row) {
        int run = 0;
        for (int column = 1; column <= width; ++column) {
            run = shape.usable(shapes::cellIndex(column, row)) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    for (int column = 1; column <= width; ++column) {
        int run = 0;
        for (int row = 1; row <= height; ++row) {
            run = shape.usable(shapes::cellIndex(column, row)) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

std::optional<EntryProblem> checkWordsFit(const model::PuzzleRecord &record, const shapes::ShapeRecord &shape)
{
    const int dimension = std::max<int>(shape.width, shape.height);
    const int run = longestRun(shape);
    for (int entry = 1; entry <= record.safeWordCount(); ++entry) {
        const std::string word = record.words[entry - 1].str();
        const int length = static_cast<int>(word.size());
        if (length > dimension) {
            EntryProblem found = problem(EntryField::WordRow,
                "Word is greater than puzzle dimension size of " + std::to_string(dimension)
                    + " characters in \"" + word + "\".");
            found.entry = entry;
            return found;
        }
        if (length > run) {
            EntryProblem found = problem(EntryField::WordRow,
                "The maximum word length as provided by the selected layout is " + std::to_string(run)
                    + ".  The following word is greater than the maximum word length: \"" + word
                    + "\".  You will need to correct the word or change the layout.");
            found.entry = entry;
            found.exclamation = true;
            return found;
        }
    }
    return std::nullopt;
}

} // namespace gw::editor
