// orvel --dump, --resave and --check: the board file from the command line, headless.
// Message boxes become one line each on stderr.
#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "cli.h"
#include "exec/board_check_tools.h"
#include "exec/registry.h"
#include "model/board_check.h"
#include "model/catalogue.h"
#include "model/messages.h"
#include "model/template_file.h"
#include "platform/message_boxes.h"
#include "platform/sqlite_registry_store.h"

namespace orvel::cli {

namespace {

void append_json_string(QByteArray& out, const QString& text)
{
    out.append('"');
    const QByteArray utf8 = text.toUtf8();
    for (const char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out.append("\\\"", 2); break;
        case '\\': out.append("\\\\", 2); break;
        case '\n': out.append("\\n", 2); break;
        case '\r': out.append("\\r", 2); break;
        case '\t': out.append("\\t", 2); break;
        default:
            if (c < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out.append(escaped, 6);
            }
            else {
                out.append(ch);
            }
        }
    }
    out.append('"');
}

void field(QByteArray& out, const char* name, int value, bool first = false)
{
    if (!first)
        out.append(", ");
    out.append('"').append(name).append("\": ").append(QByteArray::number(value));
}

void field(QByteArray& out, const char* name, const QString& value, bool first = false)
{
    if (!first)
        out.append(", ");
    out.append('"').append(name).append("\": ");
    append_json_string(out, value);
}

QByteArray board_json(const Template& t)
{
    QByteArray out;
    out.append("{\n  ");
    field(out, "format_major", t.format_major, true);
    out.append(",\n  ");
    field(out, "format_minor", t.format_minor, true);
    out.append(",\n  ");
    field(out, "cover_file", t.cover_file, true);
    out.append(",\n  ");
    field(out, "area_count", t.area_count, true);
    out.append(",\n  ");
    field(out, "program", t.program, true);
    out.append(",\n  ");
    field(out, "clip_type", t.clip_type, true);
    out.append(",\n  ");
    field(out, "clip_file", t.clip_file, true);
    out.append(",\n  ");
    field(out, "initial_keys", t.initial_keys, true);
    out.append(",\n  ");
    field(out, "doc_file", t.doc_file, true);
    out.append(",\n  ");
    field(out, "app_title", t.app_title, true);
    out.append(",\n  ");
    field(out, "description", t.description, true);
    out.append(",\n  ");
    field(out, "global_data_on_new", t.global_data_on_new, true);
    out.append(",\n  ");
    field(out, "sound_active", t.sound_active, true);
    out.append(",\n  ");
    field(out, "auto_cover", t.auto_cover, true);
    out.append(",\n  ");
    field(out, "tts_language", t.tts_language, true);
    out.append(",\n  ");
    field(out, "tts_voice", t.tts_voice, true);
    out.append(",\n  ");
    field(out, "tts_speed", t.tts_speed, true);
    out.append(",\n  \"areas\": [");
    for (int i = 1; i <= t.area_count; ++i) {
        const Area& a = t.area(i);
        out.append(i == 1 ? "\n    {" : ",\n    {");
        field(out, "Xi", a.Xi, true);
        field(out, "Yi", a.Yi);
        field(out, "Xf", a.Xf);
        field(out, "Yf", a.Yf);
        field(out, "parent", a.parent);
        field(out, "clip_type", a.clip_type);
        field(out, "clip_file", a.clip_file);
        field(out, "sound_file", a.sound_file);
        field(out, "keys", a.keys);
        field(out, "icon_file", a.icon_file);
        field(out, "repeat_reading", a.repeat_reading);
        field(out, "is_group", a.is_group);
        out.append('}');
    }
    out.append(t.area_count > 0 ? "\n  ]\n}\n" : "]\n}\n");
    return out;
}

// Message boxes that keep what they were shown, for --check, which lists the reader's
// messages among its problems.
class CollectingMessages : public MessageBoxes {
public:
    void show(const QString& text, const QString&, MessageIcon) override { texts << text; }
    bool ask_yes_no(const QString& text, const QString&) override
    {
        texts << text;
        return false;
    }
    QStringList texts;
};

void print_line(FILE* stream, const QString& text)
{
    std::fprintf(stream, "%s\n", StderrMessageBoxes::as_one_line(text).toUtf8().constData());
}

Template fresh_template()
{
    Template t;
    t.directory = QDir::currentPath();
    return t;
}

int status_for(LoadOutcome outcome)
{
    return board_was_read(outcome) ? kOk : kRefused;
}

}  // namespace

int dump(const QStringList& args)
{
    if (args.size() != 1 || args[0].isEmpty()) {
        std::fputs("usage: orvel --dump BOARD.ORV\n", stderr);
        return kUsage;
    }
    Template t = fresh_template();
    StderrMessageBoxes messages;
    if (!board_was_read(load_template(t, args[0], messages)))
        return kRefused;
    const QByteArray json = board_json(t);
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    return std::fflush(stdout) == 0 ? kOk : kRefused;
}

int resave(const QStringList& args)
{
    if (args.size() != 2 || args[0].isEmpty() || args[1].isEmpty()) {
        std::fputs("usage: orvel --resave IN.ORV OUT.ORV\n", stderr);
        return kUsage;
    }
    // Loading changes the current folder: fix the output name first.
    const QString out = QFileInfo(args[1]).absoluteFilePath();
    Template t = fresh_template();
    StderrMessageBoxes messages;
    // Writing what a damaged board gave would replace it with less: a read error writes nothing.
    if (load_template(t, args[0], messages) != LoadOutcome::Read) {
        print_line(stderr, QStringLiteral("Not written: the board was not read whole (") + out + QLatin1Char(')'));
        return kRefused;
    }
    const WriteResult written = write_template(t, out);
    if (!written) {
        print_line(stderr, QStringLiteral("6 Error") + QString::number(written.error_number) +
                               QStringLiteral(" (") + out + QStringLiteral(": ") + written.error_text +
                               QLatin1Char(')'));
        return kRefused;
    }
    if (written.unmappable > 0)
        print_line(stderr, unmappable_message(out));
    return kOk;
}

int check(const QStringList& args)
{
    if (args.size() != 1 || args[0].isEmpty()) {
        std::fputs("usage: orvel --check BOARD.ORV\n", stderr);
        return kUsage;
    }
    Template t = fresh_template();
    CollectingMessages messages;
    const LoadOutcome outcome = load_template(t, args[0], messages);
    if (!board_was_read(outcome)) {
        for (const QString& text : messages.texts)
            print_line(stderr, text);
        return status_for(outcome);
    }
    QStringList problems;
    // The reader's own messages, except the missing cover, which the check lists itself.
    const QString cover_message_start = missatge(15);
    for (const QString& text : messages.texts)
        if (!text.startsWith(cover_message_start))
            problems << QStringLiteral("board: ") + text;
    // Programs are looked for as run mode looks for them: through the catalogue (and the
    // programs registered in the registry store), on PATH and in the board's folder.
    Catalogue catalogue;
    const Folders folders = Folders::from_environment();
    SqliteRegistryStore registry(SqliteRegistryStore::default_file(folders.data), &messages);
    load_program_catalogue(catalogue, folders, t.directory,
                           [&registry](const QString& id) { return progid_exe(&registry, id); });
    problems << check_board(t, board_check_tools(catalogue, t.directory));
    for (const QString& p : problems)
        print_line(stdout, p);
    std::fflush(stdout);
    return problems.isEmpty() ? kOk : kRefused;
}

}  // namespace orvel::cli
