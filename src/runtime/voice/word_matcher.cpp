#include "runtime/voice/word_matcher.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace orvel {

namespace {
constexpr double kTooDifferent = 1e9;
constexpr double kLongestRatio = 2.2;  // one word said at most this much slower than another

double frame_distance(const float* a, const float* b)
{
    double sum = 0;
    for (int d = 0; d < Features::kDims; ++d) {
        const double diff = double(a[d]) - b[d];
        sum += diff * diff;
    }
    return std::sqrt(sum);
}
}  // namespace

double dtw_distance(const Features& a, const Features& b)
{
    const int n = a.frames, m = b.frames;
    if (n == 0 || m == 0)
        return kTooDifferent;
    if (n > kLongestRatio * m || m > kLongestRatio * n)
        return kTooDifferent;
    // Symmetric steps (diagonal counts twice), normalised by n + m, within a
    // band around the straight line between the two ends.
    const double inf = std::numeric_limits<double>::infinity();
    const int band = std::max(std::abs(n - m), std::max(n, m) / 3) + 2;
    std::vector<double> prev(static_cast<size_t>(m) + 1, inf), cur(static_cast<size_t>(m) + 1, inf);
    prev[0] = 0;
    for (int i = 1; i <= n; ++i) {
        std::fill(cur.begin(), cur.end(), inf);
        const int centre = static_cast<int>(std::lround(double(i) * m / n));
        const int lo = std::max(1, centre - band), hi = std::min(m, centre + band);
        for (int j = lo; j <= hi; ++j) {
            const double d = frame_distance(a.frame(i - 1), b.frame(j - 1));
            cur[j] = std::min({prev[j] + d, cur[j - 1] + d, prev[j - 1] + 2 * d});
        }
        std::swap(prev, cur);
    }
    const double total = prev[static_cast<size_t>(m)];
    return std::isfinite(total) ? total / (n + m) : kTooDifferent;
}

void WordMatcher::set_words(const QStringList& words)
{
    words_.clear();
    for (const QString& w : words)
        words_.push_back({w, {}});
}

void WordMatcher::add_example(int index, Features example)
{
    if (index >= 1 && index <= static_cast<int>(words_.size()) && example.frames > 0)
        words_[static_cast<size_t>(index - 1)].examples.push_back(std::move(example));
}

void WordMatcher::clear_examples(int index)
{
    if (index >= 1 && index <= static_cast<int>(words_.size()))
        words_[static_cast<size_t>(index - 1)].examples.clear();
}

bool WordMatcher::trained() const
{
    return !words_.empty() &&
           std::all_of(words_.begin(), words_.end(), [](const WordModel& w) { return !w.examples.empty(); });
}

Match WordMatcher::recognise(const Features& utterance) const
{
    Match best;
    best.distance = kTooDifferent;
    for (size_t w = 0; w < words_.size(); ++w)
        for (const Features& example : words_[w].examples) {
            const double d = dtw_distance(utterance, example);
            if (d < best.distance) {
                best.distance = d;
                best.nearest = static_cast<int>(w) + 1;
            }
        }
    if (best.nearest > 0 && best.distance <= kRejectDistance)
        best.word = best.nearest;
    return best;
}

std::vector<std::vector<double>> WordMatcher::word_distances() const
{
    const size_t n = words_.size();
    std::vector<std::vector<double>> table(n, std::vector<double>(n, 0.0));
    for (size_t a = 0; a < n; ++a)
        for (size_t b = a + 1; b < n; ++b) {
            double nearest = kTooDifferent;
            for (const Features& x : words_[a].examples)
                for (const Features& y : words_[b].examples)
                    nearest = std::min(nearest, dtw_distance(x, y));
            table[a][b] = table[b][a] = nearest;
        }
    return table;
}

}  // namespace orvel
