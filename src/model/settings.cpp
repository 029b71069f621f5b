#include "model/settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/file_names.h"
#include "model/ini_file.h"
#include "model/interface_language.h"
#include "platform/message_boxes.h"

namespace orvel {

namespace {

const QString kSection = QString::fromLatin1(kProfileSection);

// The last profile's path. Linux paths are long, so the buffer holds a whole path rather
// than the 40 characters that would cut most of them off.
constexpr int kUsuariBuffer = 4096;
constexpr int kSoBuffer = 40;
constexpr int kProfileBuffer = 512;

// The error numbers shown after "1 Error " and "3 Error": a file that cannot be read or
// written is the access error.
constexpr int kFileAccessError = 75;

QString existing_profile_path(const QString& path)
{
    if (QFileInfo(path).isFile())
        return path;
    const QString resolved = resolve_stored_name(path, QString());
    return QFileInfo(resolved).isFile() ? resolved : QString();
}

// The user's Orvel.INI starts as a copy of the program's, so that writing "usuari" does
// not hide the Interval and So set there.
bool prepare_user_settings_file(const Folders& folders)
{
    if (folders.config.isEmpty())
        return false;
    const QString target = settings_file_to_write(folders);
    if (QFileInfo::exists(target))
        return true;
    if (!QDir().mkpath(folders.config))
        return false;
    const QString shipped = find_in_folder(folders.program, QLatin1String(kSettingsFileName));
    if (QFileInfo(shipped).isFile())
        QFile::copy(shipped, target);
    return true;
}

}  // namespace

QString settings_file_to_read(const Folders& folders)
{
    return folders.find_readable(folders.config, QLatin1String(kSettingsFileName));
}

QString settings_file_to_write(const Folders& folders)
{
    return find_in_folder(folders.config, QLatin1String(kSettingsFileName));
}

QString profile_number(int value)
{
    return value >= 0 ? QLatin1Char(' ') + QString::number(value) : QString::number(value);
}

QString profile_number(double value)
{
    QString digits;
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        digits = QString::number(static_cast<qint64>(value));
    else
        digits = QString::number(value, 'g', QLocale::FloatingPointShortest).toUpper();
    return value >= 0 ? QLatin1Char(' ') + digits : digits;
}

void read_settings(UserProfile& profile, const Folders& folders, const ProfileHooks& hooks)
{
    const IniFile ini(settings_file_to_read(folders));
    const int interval = ini.read_int(kSection, QStringLiteral("Interval"), 500);
    profile.Interval = static_cast<int16_t>(std::clamp(interval, 100, int{std::numeric_limits<int16_t>::max()}));
    const QString so = ini.read_string(kSection, QStringLiteral("So"), QStringLiteral("Si"), kSoBuffer);
    profile.So = so.trimmed().toUpper() == QLatin1String("SI");
    const QString user = ini.read_string(kSection, QStringLiteral("usuari"), QString(), kUsuariBuffer).trimmed();
    if (!user.isEmpty())
        load_user_profile(profile, user, folders, hooks);
}

QString read_language_setting(const Folders& folders)
{
    const IniFile ini(settings_file_to_read(folders));
    return ini.read_string(kSection, QString::fromLatin1(kLanguageKey), QString()).trimmed();
}

bool write_language_setting(const Folders& folders, const QString& language)
{
    if (!prepare_user_settings_file(folders))
        return false;
    IniFile settings(settings_file_to_write(folders));
    return settings.write_string(kSection, QString::fromLatin1(kLanguageKey), language);
}

ProfileLoad load_user_profile(UserProfile& profile, const QString& path, const Folders& folders,
                              const ProfileHooks& hooks)
{
    const QString found = existing_profile_path(path);
    if (found.isEmpty())
        return ProfileLoad::Missing;
    QFile probe(found);
    if (!probe.open(QIODevice::ReadOnly))
        return ProfileLoad::Unreadable;
    probe.close();
    read_user_profile(profile, found, hooks);
    if (hooks.show_access_method)
        hooks.show_access_method(profile.modus);
    // Recorded as a full path so that the next start finds it from any folder.
    if (prepare_user_settings_file(folders)) {
        IniFile settings(settings_file_to_write(folders));
        settings.write_string(kSection, QStringLiteral("usuari"), QFileInfo(found).absoluteFilePath());
    }
    return ProfileLoad::Loaded;
}

void read_user_profile(UserProfile& profile, const QString& path, const ProfileHooks& hooks)
{
    const IniFile ini(path);
    auto text = [&](const char* key) {
        return ini.read_string(kSection, QString::fromLatin1(key), QString(), kProfileBuffer);
    };
    auto number = [&](const char* key) { return rounded_int16(leading_number(text(key))); };

    const QString interval = text("Interval");
    if (!interval.isEmpty())
        profile.Interval = rounded_int16(leading_number(interval));
    if (profile.Interval < 100)
        profile.Interval = 100;
    const QString so = text("So");
    if (!so.isEmpty())
        profile.So = so == QLatin1String("Si");
    profile.modus = number("modus");
    // A method the program does not have would leave the board dead while the menu
    // shows the mouse method: it is the mouse method.
    if (profile.modus < 0 || profile.modus > kHighestAccessMethod)
        profile.modus = 0;
    profile.temps = number("temps");
    profile.gruix = number("gruix");
    if (profile.gruix < 1)
        profile.gruix = 8;
    profile.color = leading_number(text("color"));
    if (profile.color < 1)
        profile.color = 255;
    profile.accio1 = number("accio1");
    profile.accio2 = number("accio2");
    const QString variable1 = text("variable1");
    if (!variable1.isEmpty())
        profile.variable1 = variable1;
    const QString variable2 = text("variable2");
    if (!variable2.isEmpty())
        profile.variable2 = variable2;
    profile.retard1 = number("retard1");
    profile.retard2 = number("retard2");
    profile.n_joystic = number("n_joystic");
    if (profile.n_joystic > 0 && hooks.detect_joystick)
        hooks.detect_joystick(profile.n_joystic - 1);
    profile.joystic_sensi = number("joystic_sensi");
    if (profile.joystic_sensi == 0)
        profile.joystic_sensi = 1;
    profile.joystic_retard = number("joystic_retard");
    if (profile.joystic_retard == 0)
        profile.joystic_retard = 10;
    // The later keys: a negative time or count means off, a flag is on when not 0.
    auto not_negative = [&](const char* key) { return std::max<int16_t>(number(key), 0); };
    auto flag = [&](const char* key) { return static_cast<int16_t>(number(key) != 0 ? 1 : 0); };
    profile.acceptacio = not_negative("acceptacio");
    profile.post_acceptacio = not_negative("post_acceptacio");
    profile.retard_inicial = not_negative("retard_inicial");
    profile.voltes = not_negative("voltes");
    profile.files = flag("files");
    profile.permanencia = not_negative("permanencia");
    profile.marc_contrast = flag("marc_contrast");
}

namespace {

bool write_profile_keys(const UserProfile& p, const QString& path, int* unmappable)
{
    IniFile ini(path);
    int missing = 0;
    auto put = [&](const char* key, const QString& value) {
        int here = 0;
        const bool ok = ini.write_string(kSection, QString::fromLatin1(key), value, &here);
        missing += here;
        return ok;
    };
    const bool ok = put("Interval", profile_number(int{p.Interval})) &&
                    put("So", p.So ? QStringLiteral("Si") : QStringLiteral("No")) &&
                    put("modus", profile_number(int{p.modus})) && put("temps", profile_number(int{p.temps})) &&
                    put("gruix", profile_number(int{p.gruix})) && put("color", profile_number(p.color)) &&
                    put("accio1", profile_number(int{p.accio1})) && put("accio2", profile_number(int{p.accio2})) &&
                    put("variable1", p.variable1) && put("variable2", p.variable2) &&
                    put("retard1", profile_number(int{p.retard1})) &&
                    put("retard2", profile_number(int{p.retard2})) &&
                    put("n_joystic", profile_number(int{p.n_joystic})) &&
                    put("joystic_sensi", profile_number(int{p.joystic_sensi})) &&
                    put("joystic_retard", profile_number(int{p.joystic_retard})) &&
                    put("acceptacio", profile_number(int{p.acceptacio})) &&
                    put("post_acceptacio", profile_number(int{p.post_acceptacio})) &&
                    put("retard_inicial", profile_number(int{p.retard_inicial})) &&
                    put("voltes", profile_number(int{p.voltes})) && put("files", profile_number(int{p.files})) &&
                    put("permanencia", profile_number(int{p.permanencia})) &&
                    put("marc_contrast", profile_number(int{p.marc_contrast}));
    if (unmappable)
        *unmappable = missing;
    return ok;
}

}  // namespace

bool write_user_profile(const UserProfile& profile, const QString& path)
{
    return write_profile_keys(profile, path, nullptr);
}

void new_user(UserProfile& profile)
{
    UserProfile fresh;
    fresh.Interval = profile.Interval;
    fresh.So = profile.So;
    fresh.modus = 0;
    fresh.temps = 0;
    fresh.gruix = 8;
    fresh.color = 255;
    fresh.accio1 = fresh.accio2 = 0;
    fresh.retard1 = fresh.retard2 = 0;
    fresh.n_joystic = fresh.joystic_sensi = fresh.joystic_retard = 0;
    profile = fresh;
}

void load_user_command(UserProfile& profile, const QString& chosen, const Folders& folders,
                       const ProfileHooks& hooks, MessageBoxes& boxes)
{
    if (chosen.size() < 5 || chosen.startsWith(QLatin1Char('*')))
        return;
    if (load_user_profile(profile, chosen, folders, hooks) == ProfileLoad::Unreadable)
        boxes.show(QStringLiteral("1 Error ") + QString::number(kFileAccessError));
}

void save_user_command(const UserProfile& profile, const QString& chosen, MessageBoxes& boxes)
{
    if (chosen.isEmpty())
        return;
    int unmappable = 0;
    if (!write_profile_keys(profile, chosen, &unmappable)) {
        boxes.show(QStringLiteral("3 Error") + QString::number(kFileAccessError));
        return;
    }
    if (unmappable > 0)
        boxes.show(QCoreApplication::translate("Orvel", "Alguns caràcters de les llistes de tecles no caben en el fitxer i s'hi "
                                  "han escrit com a \"?\": ") + chosen);
}

}  // namespace orvel
