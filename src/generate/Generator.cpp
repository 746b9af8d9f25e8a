#include "generate/Generator.h"

#include "generate/AttemptPlacer.h"
#include "generate/FinishAttempt.h"
#include "generate/OrderedWords.h"
#include "generate/RandomSequence.h"

#include <algorithm>
#include <memory>

namespace gw::generate {

namespace {

int clampedSide(std::int16_t side)
{
    return std::clamp<int>(side, 1, shapes::GridSide);
}

// Everything a run needs besides the slots, allocated once per run.  The snapshot keeps the
// inputs steady even when the caller hands in a record that the run overwrites.
struct Run
{
    Run(const model::PuzzleRecord &working, const shapes::ShapeRecord &shape)
        : snapshot(working)
        , shape(shape)
        , words(snapshot)
        , placer(words, this->shape, clampedSide(snapshot.width), clampedSide(snapshot.height))
    { }

    model::PuzzleRecord snapshot;
    shapes::ShapeRecord shape;
    OrderedWords words;
    AttemptPlacer placer;
};

// The slot (0-based) an attempt enters, or Count when it is discarded.  The comparison is
// strict, so of two attempts placing as many words the earlier one ranks higher.
int rankOf(const BestFitSlots &slots, int score)
{
    int rank = 0;
    while (rank < BestFitSlots::Count && score <= slots.slots[rank].wordsPlaced)
        ++rank;
    return rank;
}

} // namespace

BuildOutcome BuildPuzzles(const model::PuzzleRecord &working, const shapes::ShapeRecord &shape,
    const BuildOptions &options, std::uint32_t seed, BestFitSlots &slots, BuildObserver *observer)
{
    const auto run = std::make_unique<Run>(working, shape);
    const int requested = std::clamp(options.attempts, 1, MaxAttempts);
    BuildObserver *const progress = requested > 1 ? observer : nullptr;
    for (BestFitSlot &slot : slots.slots)
        slot.wordsPlaced = 0;
    RandomSequence random(seed);
    BuildOutcome outcome;
    do {
        ++outcome.attemptCounter;
        if (progress) {
            progress->attemptStarting(outcome.attemptCounter);
            progress->processEvents();
        }
        const int score = run->placer.place(random, options.quickBuild);
        if (const int rank = rankOf(slots, score); rank < BestFitSlots::Count) {
            for (int n = BestFitSlots::Count - 1; n > rank; --n)
                slots.slots[n] = slots.slots[n - 1];
            finishAttempt(
                run->snapshot, run->shape, run->words, run->placer, options.shrink, slots.slots[rank]);
        }
        // Four attempts placed every word: none can do better.
        if (slots.slots[BestFitSlots::Count - 1].wordsPlaced == run->words.count())
            outcome.attemptCounter = requested;
        if (progress) {
            progress->processEvents();
            outcome.aborted = progress->abortRequested();
            progress->processEvents();
        }
    } while (outcome.attemptCounter != requested && !outcome.aborted);
    return outcome;
}

} // namespace gw::generate
