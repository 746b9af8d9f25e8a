#include "generate/RandomSequence.h"

#include <gtest/gtest.h>
#include <vector>

namespace gw::generate {
namespace {

// Stored candidates can only be regenerated from a seed if the draws are exactly these.
TEST(RandomSequence, DrawsTheKnownSequenceFromASeed)
{
    RandomSequence random(12345);
    std::vector<std::uint32_t> draws;
    for (const std::uint32_t n : { 2u, 2u, 15u, 30u, 100u, 1000u })
        draws.push_back(random.next(n));
    EXPECT_EQ(draws, (std::vector<std::uint32_t> { 0, 0, 1, 16, 63, 341 }));
    EXPECT_EQ(random.seed(), 1467157059u);
}

// A draw is always below its bound, the largest bound included, and a bound of 0 or 1 gives 0.
TEST(RandomSequence, StaysBelowTheBound)
{
    RandomSequence random(0);
    EXPECT_EQ(random.next(0xFFFFFFFFu), 0u); // the first seed is 1
    for (int i = 0; i < 1000; ++i) {
        EXPECT_LT(random.next(7), 7u);
        EXPECT_EQ(random.next(1), 0u);
        EXPECT_EQ(random.next(0), 0u);
    }
}

// The seed is the time of day in milliseconds, so it never reaches a full day.
TEST(RandomSequence, TimeOfDaySeedIsWithinOneDay)
{
    EXPECT_LT(timeOfDaySeed(), 24u * 60 * 60 * 1000);
}

} // namespace
} // namespace gw::generate
