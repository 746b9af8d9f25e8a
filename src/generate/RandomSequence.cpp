#include "generate/RandomSequence.h"

#include <chrono>

namespace gw::generate {

std::uint32_t timeOfDaySeed()
{
    const auto now = std::chrono::system_clock::now();
    const auto sinceMidnight = now - std::chrono::floor<std::chrono::days>(now);
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceMidnight).count());
}

} // namespace gw::generate
