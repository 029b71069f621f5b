#pragma once
// Words spoken by espeak-ng's Catalan voice at a given speed and pitch, as
// 16 kHz mono samples (sox converts the rate), and background noise to add.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace orvel::testing {

struct Rendering {
    int speed;  // words per minute
    int pitch;  // 0..99
};

inline std::vector<int16_t> spoken_word(const QString& word, Rendering r)
{
    QProcess speak, convert;
    speak.setStandardOutputProcess(&convert);
    speak.start(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), QStringLiteral("ca"), QStringLiteral("-s"),
                                              QString::number(r.speed), QStringLiteral("-p"), QString::number(r.pitch),
                                              QStringLiteral("--stdout"), word});
    convert.start(QStringLiteral("sox"), {QStringLiteral("-t"), QStringLiteral("wav"), QStringLiteral("-"),
                                          QStringLiteral("-t"), QStringLiteral("raw"), QStringLiteral("-r"),
                                          QStringLiteral("16000"), QStringLiteral("-e"), QStringLiteral("signed"),
                                          QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-c"),
                                          QStringLiteral("1"), QStringLiteral("-")});
    speak.waitForFinished(20000);
    convert.waitForFinished(20000);
    const QByteArray raw = convert.readAllStandardOutput();
    std::vector<int16_t> samples(static_cast<size_t>(raw.size()) / 2);
    std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
    return samples;
}

// White noise `snr_db` below the word's average level, from a fixed seed.
inline void add_noise(std::vector<int16_t>& samples, double snr_db, unsigned seed)
{
    double power = 0;
    for (int16_t s : samples)
        power += double(s) * s;
    power /= std::max<size_t>(1, samples.size());
    const double sigma = std::sqrt(power / std::pow(10.0, snr_db / 10));
    std::mt19937 random(seed);
    std::normal_distribution<double> noise(0, sigma);
    for (int16_t& s : samples)
        s = static_cast<int16_t>(std::clamp(s + noise(random), -32768.0, 32767.0));
}

// The five orders of the voice method and the extra word of every list.
inline QStringList five_orders()
{
    return {QStringLiteral("avançar"), QStringLiteral("recular"), QStringLiteral("dreta"),
            QStringLiteral("esquerra"), QStringLiteral("acceptar"), QStringLiteral("test")};
}

// Everyday words that are none of the orders.
inline QStringList other_words()
{
    return QStringLiteral(
               "casa gos gat aigua pa llet mare pare escola llibre taula cadira finestra porta cotxe arbre flor "
               "sol lluna estrella mar muntanya riu ciutat poble carrer plaça mercat fruita poma pera taronja "
               "formatge sopa arròs peix carn sucre oli cafè gràcies hola adéu bicicleta jardí menjar dormir "
               "jugar avui demà dilluns")
        .split(QLatin1Char(' '));
}

}  // namespace orvel::testing
