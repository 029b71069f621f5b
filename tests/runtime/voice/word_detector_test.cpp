#include <gtest/gtest.h>

#include <cmath>

#include "runtime/voice/word_detector.h"

using namespace orvel;

namespace {

// A tone of `ms` milliseconds at `amplitude`, or quiet noise.
void add(std::vector<int16_t>& s, int ms, double amplitude)
{
    const size_t n = static_cast<size_t>(ms) * 16;
    for (size_t i = 0; i < n; ++i)
        s.push_back(static_cast<int16_t>(amplitude * std::sin(i * 0.3) + ((i * 7919) % 31) - 15));
}

struct Heard {
    std::vector<size_t> lengths;  // samples of each word taken
    int offers = 0;
};

Heard run(const std::vector<int16_t>& s, bool take_early, int longest_ms = 1400)
{
    Heard h;
    WordDetector d(
        [&](const std::vector<int16_t>& w, bool final) {
            ++h.offers;
            if (!final && !take_early)
                return false;
            h.lengths.push_back(w.size());
            return true;
        },
        longest_ms);
    d.push(s.data(), s.size());
    return h;
}

}  // namespace

TEST(WordDetector, WordsPausesCutsAndARisingBackground)
{
    // One word with a 150 ms closure inside: offered at the pause, and when
    // not taken then, heard whole after the long quiet.
    std::vector<int16_t> closure;
    add(closure, 500, 0);
    add(closure, 300, 8000);
    add(closure, 150, 0);
    add(closure, 200, 8000);
    add(closure, 600, 0);
    const Heard whole = run(closure, false);
    ASSERT_EQ(whole.lengths.size(), 1u);
    EXPECT_GT(whole.lengths[0], 650u * 16);
    EXPECT_EQ(whole.offers, 3);
    // Taken at the first short quiet, the rest is a word of its own.
    EXPECT_EQ(run(closure, true).lengths.size(), 2u);

    // Too short to be a word: a click.
    std::vector<int16_t> click;
    add(click, 500, 0);
    add(click, 60, 8000);
    add(click, 600, 0);
    EXPECT_TRUE(run(click, false).lengths.empty());

    // A word longer than the recording length is cut there, and its rest is
    // not heard as a second word; the next word after a quiet is.
    std::vector<int16_t> long_word;
    add(long_word, 500, 0);
    add(long_word, 900, 8000);
    add(long_word, 600, 0);
    add(long_word, 300, 8000);
    add(long_word, 600, 0);
    const Heard cut = run(long_word, false, 500);
    ASSERT_EQ(cut.lengths.size(), 2u);
    EXPECT_EQ(cut.lengths[0], 500u * 16);

    // A background that rises and stays (a fan) becomes the new quiet.
    std::vector<int16_t> fan;
    add(fan, 500, 0);
    add(fan, 6000, 1500);
    add(fan, 400, 12000);
    add(fan, 600, 1500);
    // The fan itself is cut once; the word said over it afterwards is heard.
    EXPECT_EQ(run(fan, false, 500).lengths.size(), 2u);
}
