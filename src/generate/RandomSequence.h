#pragma once

#include <cstdint>

namespace gw::generate {

// The generator's one pseudo-random sequence: a 32-bit linear congruential seed, advanced
// before every draw, whose draw is the upper half of the 64-bit product of the bound and the
// seed.  Results depend on every draw made, so the number and order of draws are part of
// what a run produces.
class RandomSequence
{
public:
    explicit RandomSequence(std::uint32_t seed)
        : m_seed(seed)
    { }

    // An integer 0..n - 1 (0 when n is 0).
    std::uint32_t next(std::uint32_t n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((static_cast<std::uint64_t>(n) * m_seed) >> 32);
    }

    std::uint32_t seed() const { return m_seed; }

private:
    std::uint32_t m_seed;
};

// Milliseconds since midnight of the current UTC day: ((h x 60 + m) x 60 + s) x 1000 + ms.
std::uint32_t timeOfDaySeed();

} // namespace gw::generate
