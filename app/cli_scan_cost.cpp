// orvel --scan-cost BOARD.ORV PROFILE.USR: what reaching each area of the board costs
// under the profile's scanning, and the mean over the board, headless. Tab-separated:
//   # board <file>, # profile <file>, # scanning <manual|automatic> step_ms=N
//   first_step_delay_ms=N rows=<on|off>, a header line, one line per area:
//   area level kind steps presses time_ms selections text
// ("-" where an area cannot be reached, or for time in manual scanning), then
//   total <equal|selections> areas mean_presses mean_time_ms
// The mean is weighted by how often each area was selected when the reaction record in
// the user's state folder holds selections of this board.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "cli.h"
#include "exec/executor.h"
#include "model/folders.h"
#include "model/ini_file.h"
#include "model/settings.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"
#include "runtime/reaction_record.h"
#include "runtime/scan_cost.h"

namespace orvel::cli {

namespace {

constexpr int kLongestText = 40;

QString one_field(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text.left(kLongestText);
}

void refuse(const QString& text)
{
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

// A profile must be an initialisation file with the profile's section: anything else
// would silently be costed as the new-user profile.
bool read_profile(const QString& path, UserProfile& profile)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
        refuse(QCoreApplication::translate("Orvel", "No es pot llegir el perfil d'usuari: %1").arg(path));
        return false;
    }
    if (info.size() > IniFile::kMaxFileSize ||
        IniFile(path).read_section(QString::fromLatin1(kProfileSection)).isEmpty()) {
        refuse(QCoreApplication::translate("Orvel", "No és un perfil d'usuari (no té la secció [Orvel]): %1")
                   .arg(path));
        return false;
    }
    read_user_profile(profile, path, ProfileHooks{});
    return true;
}

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

}  // namespace

int scan_cost(const QStringList& args)
{
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty()) {
        std::fputs("usage: orvel --scan-cost BOARD.ORV PROFILE.USR\n", stderr);
        return kUsage;
    }
    // Loading a board changes the current folder: the profile's name is fixed first.
    const QString profile_path = QFileInfo(args[1]).absoluteFilePath();
    Template t;
    t.directory = QDir::currentPath();
    StderrMessageBoxes messages;
    if (!board_was_read(load_template(t, args[0], messages)))
        return kRefused;
    UserProfile profile;
    if (!read_profile(profile_path, profile))
        return kRefused;

    const ScanCostSettings settings = scan_cost_settings(profile);
    const std::vector<AreaCost> costs = scan_costs(t, settings);
    const std::vector<int> selections =
        selection_counts(read_reaction_record(Folders::from_environment().state), t.file_name, t.area_count);
    const ScanCostTotal total = average_scan_cost(t, costs, selections);
    const bool manual = settings.kind == ScanKind::Manual;

    QByteArray out;
    out.append("# board\t").append(QDir::toNativeSeparators(t.file_name).toUtf8()).append('\n');
    out.append("# profile\t").append(profile_path.toUtf8()).append('\n');
    out.append("# scanning\t").append(manual ? "manual" : "automatic");
    out.append("\tstep_ms=").append(QByteArray::number(settings.step_ms));
    out.append("\tfirst_step_delay_ms=").append(QByteArray::number(settings.first_step_delay_ms));
    out.append("\trows=").append(settings.rows ? "on" : "off").append('\n');
    out.append("area\tlevel\tkind\tsteps\tpresses\ttime_ms\tselections\ttext\n");
    for (int i = 2; i < static_cast<int>(costs.size()); ++i) {
        const AreaCost& c = costs[static_cast<size_t>(i)];
        const Area& a = t.area(i);
        out.append(QByteArray::number(i)).append('\t');
        out.append(QByteArray::number(a.parent)).append('\t');
        out.append(a.is_group ? "group" : "area").append('\t');
        if (c.reachable) {
            out.append(QByteArray::number(c.steps)).append('\t');
            out.append(QByteArray::number(c.presses)).append('\t');
            out.append(manual ? QByteArray("-") : QByteArray::number(static_cast<qlonglong>(c.time_ms))).append('\t');
        } else {
            out.append("-\t-\t-\t");
        }
        out.append(QByteArray::number(static_cast<size_t>(i) < selections.size() ? selections[static_cast<size_t>(i)] : 0));
        out.append('\t').append(one_field(printable_text(a.keys)).toUtf8()).append('\n');
    }
    out.append("total\t").append(total.weighted ? "selections" : "equal").append('\t');
    out.append(QByteArray::number(total.areas)).append('\t').append(number(total.presses)).append('\t');
    out.append(manual ? QByteArray("-") : number(total.time_ms)).append('\n');
    std::fwrite(out.constData(), 1, static_cast<size_t>(out.size()), stdout);
    return std::fflush(stdout) == 0 ? kOk : kRefused;
}

}  // namespace orvel::cli
