#pragma once
// A clock whose waits return at once and are only counted.
#include <vector>

#include "platform/clock.h"

namespace orvel::testing {

class FakeClock : public Clock {
public:
    int64_t now_ms() override { return now; }
    void sleep_ms(int milliseconds) override
    {
        sleeps.push_back(milliseconds);
        now += milliseconds;
    }

    int64_t now = 0;
    std::vector<int> sleeps;
};

}  // namespace orvel::testing
