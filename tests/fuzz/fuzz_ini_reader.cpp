// Initialisation-file reading and writing over arbitrary bytes: no crash, no hang, and a
// key that was written reads back as written.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

#include "fuzz_support.h"
#include "model/ini_file.h"
#include "model/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace orvel;
    using namespace orvel::fuzz;
    static const QString path = scratch_file(QStringLiteral("ini"), QStringLiteral(".ini"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }

    IniFile ini(path);
    const QString section = QStringLiteral("Orvel");
    for (const char* key : {"Interval", "So", "usuari", "modus", "color", "variable1"}) {
        const QString value = ini.read_string(section, QString::fromLatin1(key), QStringLiteral("d"), 40);
        check(value.size() <= 39);
        leading_number(value);
        ini.read_int(section, QString::fromLatin1(key), 500);
    }
    const auto start = ini.read_section(QStringLiteral("Inici"), 512);
    for (const QString& value : start)
        check(value.size() <= 511);

    // Section and key names taken from the input itself reach the odd corners.
    const qsizetype cut = bytes.indexOf('\n');
    const QString odd_section = QString::fromLatin1(bytes.left(cut < 0 ? 8 : std::min<qsizetype>(cut, 8)));
    for (const QString& name : {section, odd_section}) {
        if (!ini.write_string(name, QStringLiteral("modus"), QStringLiteral(" 2")))
            continue;
        check(ini.read_string(name, QStringLiteral("modus"), QString()) == QLatin1String("2"));
        check(IniFile(path).read_string(name, QStringLiteral("MODUS"), QString()) == QLatin1String("2"));
    }

    UserProfile profile;
    read_user_profile(profile, path, {});
    QFile::remove(path);
    return 0;
}
