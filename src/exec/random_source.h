#pragma once
// Where TRIA's random choices come from. The program uses a generator seeded
// once from the clock and the system's entropy; tests give fixed values.
#include <cstdint>
#include <random>

namespace orvel {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number in [0, 1).
    virtual double next() = 0;
};

class ClockSeededRandom : public RandomSource {
public:
    explicit ClockSeededRandom(uint64_t clock_ms);
    double next() override;

private:
    std::mt19937_64 generator_;
};

}  // namespace orvel
