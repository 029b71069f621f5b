#pragma once
// Where synthesised speech samples go: mono 16-bit samples at a given rate.
// The audio device implements it; tests and benchmarks can record instead.
#include <cstddef>
#include <cstdint>

namespace orvel {

class SampleSink {
public:
    virtual ~SampleSink() = default;
    // Called from the synthesis thread as samples come; must not block for long.
    virtual void push_samples(const int16_t* samples, size_t count, int rate) = 0;
    // Drops every sample not yet heard (a new reading interrupts the old one).
    virtual void drop_pending_samples() = 0;
    // Samples handed over but not yet heard.
    virtual size_t pending_samples() = 0;
};

}  // namespace orvel
