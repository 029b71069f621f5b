#include "runtime/voice/word_detector.h"

#include <algorithm>
#include <cmath>

namespace orvel {

namespace {
constexpr double kStartAboveNoise = 12;  // dB
constexpr double kStayAboveNoise = 2;
constexpr double kQuietestSpeech = -55;  // dBFS: anything softer is never speech
constexpr int kStartFrames = 3;
constexpr int kPrerollFrames = 8;
constexpr int kShortestWordFrames = 12;
constexpr double kNoiseFollow = 0.05;
constexpr int kBackgroundRiseFrames = 300;  // 3 s
}  // namespace

WordDetector::WordDetector(WordHandler on_word, int longest_ms)
    : on_word_(std::move(on_word)), longest_frames_(longest_ms / 10)
{
}

void WordDetector::push(const int16_t* samples, size_t count)
{
    pending_.insert(pending_.end(), samples, samples + count);
    size_t used = 0;
    while (pending_.size() - used >= static_cast<size_t>(kFrameSamples)) {
        frame(pending_.data() + used);
        used += kFrameSamples;
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<long>(used));
}

void WordDetector::frame(const int16_t* samples)
{
    double sum = 0;
    for (int i = 0; i < kFrameSamples; ++i)
        sum += double(samples[i]) * samples[i];
    const double db = 10 * std::log10(sum / kFrameSamples / (32768.0 * 32768.0) + 1e-12);
    last_db_ = db;
    ++frames_seen_;
    if (frames_seen_ == 1)
        noise_db_ = db;

    if (!in_word_ && cut_) {
        // After a cut, no new word starts until the level has stayed below a
        // word's start for a while; the background may have risen meanwhile.
        const bool loud = db > noise_db_ + kStartAboveNoise && db > kQuietestSpeech;
        quiet_run_ = loud ? 0 : quiet_run_ + 1;
        if (!loud)
            noise_db_ = db < noise_db_ ? db : noise_db_ + kNoiseFollow * (db - noise_db_);
        // A level that stays up this long is the new background (a fan was
        // switched on), not a word: listening resumes over it.
        if (++cut_frames_ >= kBackgroundRiseFrames)
            noise_db_ = db;
        if (quiet_run_ >= kShortQuietFrames || cut_frames_ >= kBackgroundRiseFrames) {
            cut_ = false;
            cut_frames_ = 0;
            quiet_run_ = 0;
        }
        return;
    }
    if (!in_word_) {
        const bool loud = db > noise_db_ + kStartAboveNoise && db > kQuietestSpeech;
        loud_run_ = loud ? loud_run_ + 1 : 0;
        preroll_.insert(preroll_.end(), samples, samples + kFrameSamples);
        if (loud_run_ >= kStartFrames) {
            in_word_ = true;
            word_ = preroll_;
            word_frames_ = static_cast<int>(preroll_.size()) / kFrameSamples;
            quiet_run_ = 0;
            preroll_.clear();
            return;
        }
        const size_t keep = static_cast<size_t>(kPrerollFrames + kStartFrames) * kFrameSamples;
        if (preroll_.size() > keep)
            preroll_.erase(preroll_.begin(), preroll_.begin() + static_cast<long>(preroll_.size() - keep));
        // The background follows quiet frames, and drops at once to a quieter one.
        if (!loud)
            noise_db_ = db < noise_db_ ? db : noise_db_ + kNoiseFollow * (db - noise_db_);
        return;
    }

    word_.insert(word_.end(), samples, samples + kFrameSamples);
    ++word_frames_;
    const bool quiet = db < noise_db_ + kStayAboveNoise || db < kQuietestSpeech;
    if (quiet) {
        ++quiet_run_;
    } else {
        quiet_run_ = 0;
        offered_ = false;
    }
    if (word_frames_ >= longest_frames_ || quiet_run_ >= kLongQuietFrames) {
        const bool cut = quiet_run_ < kLongQuietFrames;
        offer_word(true);
        end_word();
        cut_ = cut;
    } else if (quiet_run_ >= kShortQuietFrames && !offered_) {
        offered_ = true;
        if (offer_word(false))
            end_word();
    }
}

bool WordDetector::offer_word(bool final)
{
    // The trailing quiet is not part of the word.
    const int trailing = std::max(0, quiet_run_ - 2);
    const int frames = word_frames_ - trailing;
    if (frames - kPrerollFrames < kShortestWordFrames || !on_word_)
        return final;
    const std::vector<int16_t> word(word_.begin(), word_.end() - static_cast<long>(trailing) * kFrameSamples);
    return on_word_(word, final);
}

void WordDetector::end_word()
{
    in_word_ = false;
    loud_run_ = 0;
    quiet_run_ = 0;
    offered_ = false;
    word_.clear();
}

}  // namespace orvel
