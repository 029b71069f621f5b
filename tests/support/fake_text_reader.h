#pragma once
// An outside text reader that records the files it was asked to read.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/text_reader.h"

namespace orvel::testing {

class FakeTextReader : public TextReader {
public:
    bool read_file(const QString& full_name, int16_t language_code) override
    {
        files << full_name;
        languages.push_back(language_code);
        return succeed;
    }

    bool succeed = true;
    QStringList files;
    std::vector<int16_t> languages;
};

}  // namespace orvel::testing
