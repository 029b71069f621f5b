#pragma once
// The outside reader that reads a text file aloud by itself.
#include <QString>

namespace orvel {

class TextReader {
public:
    virtual ~TextReader() = default;
    // Starts reading the file in the given language code (99 Catalan, 101 Spanish); does not wait.
    virtual bool read_file(const QString& full_name, int16_t language_code) = 0;
};

}  // namespace orvel
