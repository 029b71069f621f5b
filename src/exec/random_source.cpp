#include "exec/random_source.h"

namespace orvel {

// Seeded once: seeding again before every choice, from a millisecond clock, would
// repeat the same choice for every TRIA run within the same millisecond.
ClockSeededRandom::ClockSeededRandom(uint64_t clock_ms)
{
    std::random_device entropy;
    std::seed_seq seed{static_cast<uint32_t>(clock_ms), static_cast<uint32_t>(clock_ms >> 32), entropy(), entropy()};
    generator_.seed(seed);
}

double ClockSeededRandom::next()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

}  // namespace orvel
