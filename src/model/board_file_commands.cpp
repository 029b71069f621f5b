#include "model/board_file_commands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/command_words.h"
#include "model/file_names.h"
#include "model/messages.h"
#include "model/orvel_state.h"
#include "platform/message_boxes.h"

namespace orvel {

namespace {

constexpr int kMessageModified = 5;

QString trim_right(const QString& s)
{
    qsizetype end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' '))
        --end;
    return s.left(end);
}

bool has_lower_case_only(const QString& s)
{
    bool letter = false;
    for (QChar c : s) {
        if (c.isUpper())
            return false;
        letter = letter || c.isLower();
    }
    return letter;
}

bool same_file(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QString canonical = QFileInfo(a).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

}  // namespace

QString unused_file_name(const QString& wanted)
{
    if (!QFileInfo(wanted).exists() && !QFileInfo(wanted).isSymLink())
        return wanted;
    const QString name = file_name_part(wanted);
    const QString folder = wanted.left(wanted.size() - name.size());
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    for (int n = 2;; ++n) {
        const QString candidate = folder + stem + QLatin1Char('-') + QString::number(n) + extension;
        if (!QFileInfo(candidate).exists() && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

QString dialog_start_folder(const Template& t)
{
    if (!same_file_name(t.file_name, kUnnamedTemplate) && QFileInfo(t.directory).isDir())
        return t.directory;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString relocate_reference(const QString& f, const QString& old_folder, const QString& new_folder)
{
    if (f.isEmpty())
        return f;
    const QString full = resolve_stored_name(f, old_folder);
    if (!existing_path(full))
        return f;
    return relative_to_folder(QFileInfo(full).absoluteFilePath(), new_folder);
}

QString relocate_key_text(const QString& keys, const QString& old_folder, const QString& new_folder)
{
    QString text = keys;
    qsizetype from = 0;
    for (;;) {
        const qsizetype bar = text.indexOf(QLatin1Char('|'), from);
        if (bar < 0)
            break;
        const qsizetype close = text.indexOf(QLatin1Char('}'), bar + 1);
        if (close < 0)
            break;
        const QString body = trim_right(text.mid(bar + 1, close - bar - 1));
        const qsizetype blank = body.indexOf(QLatin1Char(' '));
        if (blank < 0) {
            from = bar + 1;
            continue;
        }
        const QString word = body.left(blank).toUpper();
        const QString argument = body.mid(blank + 1).trimmed();
        QString replacement;
        switch (command_word(word)) {
        case CommandWord::CARREGA:
        case CommandWord::SONA:
        case CommandWord::EXECUTA:
        case CommandWord::ENGANXA:
            replacement = QLatin1Char('|') + word + QLatin1Char(' ') +
                          relocate_reference(argument, old_folder, new_folder);
            break;
        case CommandWord::LLEGEIX: {
            const qsizetype f = body.indexOf(QLatin1String("/F:"), blank, Qt::CaseInsensitive);
            if (f >= 0)
                replacement = QLatin1Char('|') + word + body.mid(blank, f + 3 - blank) +
                              relocate_reference(body.mid(f + 3).trimmed(), old_folder, new_folder);
            else
                replacement = QLatin1Char('|') + word + QLatin1Char(' ') +
                              relocate_reference(argument, old_folder, new_folder);
            break;
        }
        default:
            // Not a file command: look for commands inside it (branches of a conditional).
            from = bar + 1;
            continue;
        }
        text.replace(bar, close - bar, replacement);
        from = bar + replacement.size();
    }
    return text;
}

void relocate_template(Template& t, const QString& old_folder, const QString& new_folder)
{
    t.cover_file = relocate_reference(t.cover_file, old_folder, new_folder);
    QStringList programs = t.program.split(QLatin1Char('|'));
    for (QString& p : programs)
        p = relocate_reference(p, old_folder, new_folder);
    t.program = programs.join(QLatin1Char('|'));
    t.clip_file = relocate_reference(t.clip_file, old_folder, new_folder);
    t.doc_file = relocate_reference(t.doc_file, old_folder, new_folder);
    t.initial_keys = relocate_key_text(t.initial_keys, old_folder, new_folder);
    for (int i = 1; i <= t.area_count; ++i) {
        Area& a = t.area(i);
        a.clip_file = relocate_reference(a.clip_file, old_folder, new_folder);
        a.icon_file = relocate_reference(a.icon_file, old_folder, new_folder);
        a.sound_file = relocate_reference(a.sound_file, old_folder, new_folder);
        a.keys = relocate_key_text(a.keys, old_folder, new_folder);
    }
}

QString with_default_extension(const QString& chosen)
{
    if (chosen.isEmpty())
        return chosen;
    const QString name = file_name_part(chosen);
    if (name.isEmpty() || name.contains(QLatin1Char('.')))
        return chosen;
    return chosen + (has_lower_case_only(name) ? QStringLiteral(".orv") : QStringLiteral(".ORV"));
}

QString renamed_cover(const QString& board_path, const QString& old_cover)
{
    return board_path.left(std::max<qsizetype>(0, board_path.size() - 3)) + old_cover.right(3);
}

QString cover_for_board_without_cover(const QString& board_path)
{
    const QString name = file_name_part(board_path);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name + QLatin1Char('.') : name.left(dot + 1);
    const QString extension = board_path.right(3);
    return stem + (has_lower_case_only(extension) ? QStringLiteral("bmp") : QStringLiteral("BMP"));
}

bool ask_save_changes(Template& t, MessageBoxes& messages, const std::function<void()>& save)
{
    if (t.modified != -1)
        return false;
    if (!messages.ask_yes_no(missatge(kMessageModified), QStringLiteral("Orvel")))
        return false;
    if (save)
        save();
    return static_cast<bool>(save);
}

QString snapshot_file(const Folders& folders)
{
    return folders.state + QStringLiteral("/tmp.bin");
}

QString snapshot_board_file(const Folders& folders)
{
    return folders.state + QStringLiteral("/tmp.orv");
}

bool copia_seguretat(OrvelState& state, int mode, MessageBoxes& messages)
{
    Template& t = state.tmpl;
    const QString bin = snapshot_file(state.folders);
    if (mode != 2) {
        QDir().mkpath(state.folders.state);
        return static_cast<bool>(write_template(t, bin));
    }

    QFile snapshot(bin);
    if (!snapshot.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = snapshot.readAll();
    snapshot.close();
    const QString orv = snapshot_board_file(state.folders);
    if (!write_file_atomically(orv, bytes))
        return false;

    const QString directory = t.directory;
    const QString file_name = t.file_name;
    const QString file_time = t.file_time;
    const int16_t modified = t.modified;
    const QByteArray before = template_bytes(t);

    LoadOptions options;
    options.references_folder = directory;
    options.set_current_folder = false;
    load_template(t, orv, messages, options);

    t.directory = directory;
    t.file_name = file_name;
    t.file_time = file_time;
    t.modified = (modified == -1 || template_bytes(t) != before) ? int16_t(-1) : int16_t(0);
    return true;
}

void new_board(OrvelState& state, MessageBoxes& messages, const NewBoardActions& actions)
{
    Template& t = state.tmpl;
    const int16_t global_data_on_new = t.global_data_on_new;
    ask_save_changes(t, messages, actions.save);
    reset_template(t);
    copia_seguretat(state, 0, messages);
    if (actions.speech_engine_present) {
        t.tts_language = 0;
        t.tts_voice = 0;
        t.tts_speed = 100;
    }
    t.modified = 0;
    t.format_minor = 2;
    t.global_data_on_new = 1;
    t.current_area = 0;
    if (global_data_on_new != 0 && actions.open_global_data)
        actions.open_global_data();
}

LoadOutcome open_board(OrvelState& state, const QString& chosen, MessageBoxes& messages)
{
    if (chosen.size() < 5 || chosen.startsWith(QLatin1Char('*')))
        return LoadOutcome::NothingToLoad;
    Template& t = state.tmpl;
    return load_template(t, QFileInfo(resolve_stored_name(chosen, t.directory)).absoluteFilePath(), messages);
}

SaveOutcome save_board(OrvelState& state, const QString& chosen, MessageBoxes& messages,
                       const SaveActions& actions)
{
    Template& t = state.tmpl;
    if (chosen.isEmpty())
        return SaveOutcome::NotSaved;
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (!ends_with_no_case(path, QStringLiteral(".ORV")))
        return SaveOutcome::NotSaved;

    const QString old_folder = t.directory;
    const QString new_folder = QFileInfo(path).absolutePath();
    t.directory = new_folder;
    if (!old_folder.isEmpty() && QDir::cleanPath(old_folder) != QDir::cleanPath(new_folder))
        relocate_template(t, old_folder, new_folder);

    auto fail = [&](int number) {
        messages.show(QStringLiteral("6 Error") + QString::number(number));
        return SaveOutcome::Failed;
    };

    // A board saved under a new name takes a copy of its cover named after it. The board
    // names only covers that are on disk: a missing cover is not renamed.
    if (!t.cover_file.isEmpty() && path != t.file_name) {
        const QString old_cover = resolve_stored_name(t.cover_file, new_folder);
        QString new_cover = renamed_cover(path, t.cover_file);
        if (existing_file(old_cover)) {
            if (!same_file(new_cover, old_cover)) {
                new_cover = unused_file_name(new_cover);
                QFile source(old_cover);
                if (!source.open(QIODevice::ReadOnly))
                    return fail(file_error::kPermissionDenied);
                const WriteResult copied = write_file_atomically(new_cover, source.readAll());
                if (!copied)
                    return fail(copied.error_number);
            }
            t.cover_file = relative_to_folder(new_cover, new_folder);
        }
    }

    // A board without a cover is given one only when its cover is drawn now.
    const bool draws_cover = t.auto_cover == 1 && actions.generate_cover;
    if (t.cover_file.isEmpty() && draws_cover)
        t.cover_file =
            file_name_part(unused_file_name(new_folder + QLatin1Char('/') + cover_for_board_without_cover(path)));

    // Emptying the target before writing would lose the board on a crash; a temporary file
    // renamed over it keeps the old board when anything fails. file_name changes only once saved.
    const WriteResult written = write_template(t, path);
    if (!written)
        return fail(written.error_number);
    t.file_name = path;
    if (written.unmappable > 0)
        messages.show(unmappable_message(path), QStringLiteral("Orvel"), MessageIcon::Exclamation);

    if (draws_cover)
        actions.generate_cover(t);

    t.file_time = file_time_text(path);
    t.modified = 0;
    return SaveOutcome::Saved;
}

}  // namespace orvel
