// Word-file reading over arbitrary contents: no crash, no hang, no huge
// allocation. The input is the file's body; its checksum is appended here, so
// the reader's parsing is reached rather than stopped at the checksum. A file
// that is read writes back to one that reads the same.
#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>

#include <cstdint>

#include "fuzz_support.h"
#include "runtime/voice/word_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvel;
    using namespace orvel::fuzz;
    static const QString path = scratch_file(QStringLiteral("words-in"), QStringLiteral(".VEU"));
    static const QString again = scratch_file(QStringLiteral("words-again"), QStringLiteral(".VEU"));
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    bytes += QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    QString why;
    const auto words = read_word_file(path, &why);
    check(words.has_value() == why.isEmpty());
    if (words) {
        check(write_word_file(again, *words, &why));
        const auto back = read_word_file(again, &why);
        check(back && back->size() == words->size());
        for (size_t i = 0; i < words->size(); ++i)
            check((*back)[i].word == (*words)[i].word && (*back)[i].examples.size() == (*words)[i].examples.size());
        QFile::remove(again);
    }
    QFile::remove(path);
    return 0;
}
