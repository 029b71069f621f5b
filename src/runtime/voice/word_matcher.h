#pragma once
// Speaker-dependent isolated-word matching: each word of the list has a few
// trained examples of the person's own voice; an utterance is compared with
// every example by dynamic time warping and answers the nearest word, or -1
// when even the nearest is too far away to be that word.
#include <QString>
#include <QStringList>
#include <vector>

#include "runtime/voice/mfcc.h"

namespace orvel {

// The mean distance between matched frames along the best alignment of the two
// utterances; a large value when their lengths are too different to be one word.
double dtw_distance(const Features& a, const Features& b);

struct WordModel {
    QString word;
    std::vector<Features> examples;
};

struct Match {
    int word = -1;          // 1-based index into the list, -1 none
    double distance = 0;    // to the nearest example
    int nearest = -1;       // the nearest word even when rejected, 1-based
};

class WordMatcher {
public:
    void set_words(const QStringList& words);
    const std::vector<WordModel>& words() const { return words_; }
    std::vector<WordModel>& words() { return words_; }

    // Adds an example to word `index` (1-based).
    void add_example(int index, Features example);
    void clear_examples(int index);
    bool trained() const;

    Match recognise(const Features& utterance) const;

    // For the "Millorar" window: the smallest distance between examples of two
    // different words, per pair; the closer, the likelier they are confused.
    std::vector<std::vector<double>> word_distances() const;

    // Distances above this are no word of the list.
    static constexpr double kRejectDistance = 4.6;

private:
    std::vector<WordModel> words_;
};

}  // namespace orvel
