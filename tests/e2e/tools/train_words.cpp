// Test tool: trains a word file as the voice dialog would, from espeak-ng's
// Catalan voice at three speeds and pitches:
//   train_words FILE TENTHS WORD...
// TENTHS is the dialog's "Dècimes de registre", the longest word taken.
// The words are found in the renderings by the engine's own word detection.
#include <QCoreApplication>
#include <cstdio>

#include "runtime/voice/mfcc.h"
#include "runtime/voice/word_detector.h"
#include "runtime/voice/word_file.h"
#include "support/spoken_words.h"

using namespace orvel;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: train_words FILE TENTHS WORD...\n");
        return 2;
    }
    const int longest_ms = args[2].toInt() * 100;
    MfccExtractor mfcc;
    std::vector<WordModel> words;
    for (const QString& word : args.mid(3)) {
        WordModel model{word, {}};
        for (testing::Rendering r : {testing::Rendering{150, 50}, {175, 40}, {130, 62}}) {
            std::vector<int16_t> samples(8000, 0);
            const auto voice = testing::spoken_word(word.toLower(), r);
            samples.insert(samples.end(), voice.begin(), voice.end());
            samples.insert(samples.end(), 16000, 0);
            testing::add_noise(samples, 30, 1);
            // As in the training window, the first whole word heard is the example.
            bool taken = false;
            WordDetector detector([&](const std::vector<int16_t>& s, bool final) {
                if (final && !taken)
                    model.examples.push_back(mfcc.extract(s));
                taken = taken || final;
                return final;
            }, longest_ms);
            detector.push(samples.data(), samples.size());
        }
        if (model.examples.size() != 3) {
            std::fprintf(stderr, "%s: %zu examples found\n", qPrintable(word), model.examples.size());
            return 1;
        }
        words.push_back(std::move(model));
    }
    QString why;
    if (!write_word_file(args[1], words, &why)) {
        std::fprintf(stderr, "%s\n", qPrintable(why));
        return 1;
    }
    return 0;
}
