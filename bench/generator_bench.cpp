// The generator on realistic word lists, the production version beside the literal one it is
// tested against, so one run shows the speed-up.

#include "generate/Generator.h"
#include "support/ReferenceGenerator.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

namespace {

using gw::generate::BestFitSlots;
using gw::generate::BuildOptions;
using gw::generate::BuildOutcome;
using gw::model::PuzzleRecord;
using gw::shapes::ShapeRecord;

using Generator = std::function<BuildOutcome(const PuzzleRecord &, const ShapeRecord &, const BuildOptions &,
    std::uint32_t, BestFitSlots &, gw::generate::BuildObserver *)>;

// Pseudo-English: 3..12 letters drawn with English letter frequencies from a fixed sequence,
// so words cross about as often as real ones do.
std::unique_ptr<PuzzleRecord> wordList(int count, int side)
{
    static const char frequent[]
        = "EEEEEEEEEEEETTTTTTTTTAAAAAAAAOOOOOOOIIIIIIINNNNNNNSSSSSSHHHHHHRRRRRRDDDDLLLL"
          "CCCUUUMMWWFFGGYYPPBVKJXQZ";
    std::uint32_t state = 2024;
    const auto draw = [&](std::uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<std::uint64_t>(state) * n) >> 32);
    };
    auto record = std::make_unique<PuzzleRecord>();
    std::memset(record.get(), 0, sizeof(PuzzleRecord));
    for (int i = 0; i < count; ++i) {
        std::string word;
        const int length = 3 + draw(10);
        for (int k = 0; k < length; ++k)
            word += frequent[draw(sizeof frequent - 1)];
        record->words[i].assign(word);
        record->clues[i].assign("Clue for " + word);
    }
    record->wordCount = static_cast<std::int16_t>(count);
    record->width = static_cast<std::int16_t>(side);
    record->height = static_cast<std::int16_t>(side);
    return record;
}

ShapeRecord square(int side)
{
    ShapeRecord shape {};
    shape.width = shape.height = static_cast<std::int16_t>(side);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            shape.cells[(r - 1) * 50 + c - 1] = 1;
    return shape;
}

ShapeRecord diamond(int side)
{
    ShapeRecord shape = square(side);
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c)
            shape.cells[(r - 1) * 50 + c - 1]
                = std::abs(2 * r - side - 1) + std::abs(2 * c - side - 1) <= side;
    return shape;
}

void run(
    benchmark::State &state, const Generator &generate, int words, const ShapeRecord &shape, int attempts)
{
    const auto record = wordList(words, shape.width);
    auto slots = std::make_unique<BestFitSlots>();
    const BuildOptions options { attempts, false, false };
    for (auto _ : state) {
        generate(*record, shape, options, 1, *slots, nullptr);
        benchmark::DoNotOptimize(slots->slots[0].wordsPlaced);
    }
    state.counters["placed"] = slots->slots[0].wordsPlaced;
}

const bool registered = [] {
    const struct
    {
        const char *name;
        ShapeRecord shape;
    } shapes[] = { { "square15", square(15) }, { "square30", square(30) }, { "diamond30", diamond(30) } };
    const struct
    {
        const char *name;
        Generator generate;
    } generators[] = { { "production", gw::generate::BuildPuzzles },
        { "reference", gw::generate::reference::BuildPuzzles } };
    for (const auto &generator : generators)
        for (const auto &shape : shapes)
            for (const int words : { 20, 100, 200 })
                for (const int attempts : { 1, 999 }) {
                    const std::string name = std::string(generator.name) + "/" + shape.name
                        + "/words:" + std::to_string(words) + "/attempts:" + std::to_string(attempts);
                    benchmark::RegisterBenchmark(
                        name.c_str(), run, generator.generate, words, shape.shape, attempts)
                        ->Unit(benchmark::kMillisecond);
                }
    return true;
}();

} // namespace
