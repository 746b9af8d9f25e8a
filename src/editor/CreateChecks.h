#pragma once

#include "model/PuzzleRecord.h"
#include "platform/Failure.h"
#include "shapes/ShapeRecord.h"

#include <optional>
#include <string_view>

namespace gw::editor {

// The entry a refused Create sends the user back to.
enum class EntryField { Title, Category, Words, Attempts, WordRow };

struct EntryProblem
{
    EntryField field;
    Failure failure;
    int entry = 0; // WordRow: the word entry, from 1
    bool exclamation = false; // sound the exclamation before the message
};

std::optional<EntryProblem> checkTitleAndCategory(std::string_view title, std::string_view category);
std::optional<EntryProblem> checkWordCount(int wordCount);

constexpr int MinAttempts = 1;
constexpr int MaxAttempts = 999;

// The number typed as creation attempts, or the problem when it is outside 1..999.
Result<int> readAttempts(std::string_view text);
std::optional<EntryProblem> attemptsProblem(const Failure &failure);

// The longest run of consecutive usable cells in any row or column of the shape.
int longestRun(const shapes::ShapeRecord &shape);

// The first stored word longer than the larger shape side, or than the longest run of usable
// cells; the length counts a phrase's inner blanks.
std::optional<EntryProblem> checkWordsFit(
    const model::PuzzleRecord &record, const shapes::ShapeRecord &shape);

} // namespace gw::editor
