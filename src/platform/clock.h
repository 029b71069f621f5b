#pragma once
// Time and blocking waits, replaceable so tests run without sleeping.
#include <cstdint>

namespace orvel {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t now_ms() = 0;
    // Blocks the calling (user-interface) thread, as the board's waits do.
    virtual void sleep_ms(int milliseconds) = 0;
};

class SteadyClock : public Clock {
public:
    int64_t now_ms() override;
    void sleep_ms(int milliseconds) override;
};

}  // namespace orvel
