#pragma once
// The outside reader of text files: the espeak-ng command-line program, started
// detached (no shell) and left to read the file aloud by itself.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "platform/text_reader.h"

namespace orvel {

class EspeakTextReader : public TextReader {
public:
    explicit EspeakTextReader(QString program = QStringLiteral("espeak-ng"));

    bool read_file(const QString& full_name, int16_t language_code) override;

    // The reader's arguments: the language's voice, then the file.
    static QStringList arguments_for(const QString& full_name, int16_t language_code);

private:
    QString program_;
};

}  // namespace orvel
