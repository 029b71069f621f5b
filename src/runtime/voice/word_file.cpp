#include "runtime/voice/word_file.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cmath>

#include "model/ini_file.h"
#include "model/settings.h"

namespace orvel {

namespace {
constexpr quint32 kMagic = 0x4F525657;  // "ORVW"
constexpr quint16 kVersion = 1;
constexpr int kMaxWords = 32;
constexpr int kMaxExamples = 50;
constexpr int kMaxFrames = 2000;       // 20 s, far beyond any word
constexpr int kMaxWordLength = 200;
constexpr int kDigestBytes = 32;       // SHA-256 of everything before it
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;

QByteArray payload(const std::vector<WordModel>& words)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out.setFloatingPointPrecision(QDataStream::SinglePrecision);
    out << kMagic << kVersion << quint16(words.size()) << quint16(Features::kDims);
    for (const WordModel& w : words) {
        out << w.word << quint16(w.examples.size());
        for (const Features& f : w.examples) {
            out << quint16(f.frames);
            for (float v : f.values)
                out << v;
        }
    }
    return bytes;
}
}  // namespace

QString default_word_file(const Folders& folders)
{
    const IniFile ini(settings_file_to_read(folders));
    const QString user = ini.read_string(QString::fromLatin1(kProfileSection), QStringLiteral("usuari"), QString(),
                                         4096).trimmed();
    QString name = QFileInfo(user).completeBaseName();
    if (name.isEmpty())
        name = QStringLiteral("USUARI");
    return folders.data + QStringLiteral("/veu/") + name + QStringLiteral(".VEU");
}

bool write_word_file(const QString& path, const std::vector<WordModel>& words, QString* error)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QByteArray bytes = payload(words);
    bytes += QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<std::vector<WordModel>> read_word_file(const QString& path, QString* error)
{
    auto refuse = [&](const QString& why) -> std::optional<std::vector<WordModel>> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(file.errorString());
    if (file.size() > kMaxFileBytes)
        return refuse(QCoreApplication::translate("Orvel", "el fitxer és massa gran"));
    const QByteArray all = file.readAll();
    if (all.size() < kDigestBytes)
        return refuse(QCoreApplication::translate("Orvel", "el fitxer és incomplet"));
    const QByteArray body = all.left(all.size() - kDigestBytes);
    if (QCryptographicHash::hash(body, QCryptographicHash::Sha256) != all.right(kDigestBytes))
        return refuse(QCoreApplication::translate("Orvel", "el fitxer és incomplet o malmès"));

    QDataStream in(body);
    in.setVersion(QDataStream::Qt_6_0);
    in.setFloatingPointPrecision(QDataStream::SinglePrecision);
    quint32 magic = 0;
    quint16 version = 0, count = 0, dims = 0;
    in >> magic >> version >> count >> dims;
    if (in.status() != QDataStream::Ok || magic != kMagic)
        return refuse(QCoreApplication::translate("Orvel", "no és un fitxer de paraules"));
    if (version != kVersion || dims != Features::kDims)
        return refuse(QCoreApplication::translate("Orvel", "és d'una altra versió"));
    if (count > kMaxWords)
        return refuse(QCoreApplication::translate("Orvel", "té massa paraules"));
    std::vector<WordModel> words(count);
    for (WordModel& w : words) {
        quint16 examples = 0;
        in >> w.word >> examples;
        if (in.status() != QDataStream::Ok || w.word.size() > kMaxWordLength || examples > kMaxExamples)
            return refuse(QCoreApplication::translate("Orvel", "el fitxer és malmès"));
        for (int e = 0; e < examples; ++e) {
            quint16 frames = 0;
            in >> frames;
            if (in.status() != QDataStream::Ok || frames == 0 || frames > kMaxFrames)
                return refuse(QCoreApplication::translate("Orvel", "el fitxer és malmès"));
            Features f;
            f.frames = frames;
            f.values.resize(static_cast<size_t>(frames) * Features::kDims);
            for (float& v : f.values) {
                in >> v;
                if (!std::isfinite(v))
                    return refuse(QCoreApplication::translate("Orvel", "el fitxer és malmès"));
            }
            if (in.status() != QDataStream::Ok)
                return refuse(QCoreApplication::translate("Orvel", "el fitxer és incomplet"));
            w.examples.push_back(std::move(f));
        }
    }
    if (!in.atEnd())
        return refuse(QCoreApplication::translate("Orvel", "el fitxer és malmès"));
    return words;
}

}  // namespace orvel
