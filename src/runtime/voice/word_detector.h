#pragma once
// Finds spoken words in a stream of samples (voice activity detection): a word
// starts when the level rises well above the background noise for a few
// frames and ends after a short stretch back near it. The noise level follows
// the quiet parts, so a fan or a noisy room does not count as speech.
#include <cstdint>
#include <functional>
#include <vector>

namespace orvel {

class WordDetector {
public:
    static constexpr int kFrameSamples = 160;  // 10 ms at 16 kHz

    // `on_word` receives a word's samples (with a little of the quiet before
    // it) after a short quiet, with `final` false: it answers true to take the
    // word then (a confident match answers at once), false to wait. A word not
    // taken goes on when speech resumes (the closure of a "pt" is as quiet as
    // the end of a word) or is handed over again with `final` true after a long
    // quiet. `longest_ms` cuts a word that goes on.
    using WordHandler = std::function<bool(const std::vector<int16_t>& samples, bool final)>;
    explicit WordDetector(WordHandler on_word, int longest_ms = 1400);

    void set_longest_ms(int ms) { longest_frames_ = ms / 10; }
    // Samples at 16 kHz, in any block size.
    void push(const int16_t* samples, size_t count);
    // The level of the last frame in decibels below full scale (0 loudest),
    // and the background estimate: for the level window.
    double level_db() const { return last_db_; }
    double noise_db() const { return noise_db_; }
    bool in_word() const { return in_word_; }

    // Frames of quiet after which a word is offered, and after which it ends.
    static constexpr int kShortQuietFrames = 9;
    static constexpr int kLongQuietFrames = 30;

private:
    void frame(const int16_t* samples);
    // Offers the word without its trailing quiet; true when it was taken.
    bool offer_word(bool final);
    void end_word();

    WordHandler on_word_;
    int longest_frames_;
    std::vector<int16_t> pending_;       // samples not yet a whole frame
    std::vector<int16_t> preroll_;       // the last few quiet frames
    std::vector<int16_t> word_;
    bool in_word_ = false;
    int loud_run_ = 0;
    int quiet_run_ = 0;
    int word_frames_ = 0;
    int frames_seen_ = 0;
    bool offered_ = false;  // offered once during the present quiet
    bool cut_ = false;      // a word was cut at its longest: the rest of it is no new word
    int cut_frames_ = 0;
    double noise_db_ = -70;
    double last_db_ = -100;
};

}  // namespace orvel
