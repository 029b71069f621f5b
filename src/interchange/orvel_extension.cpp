#include "interchange/orvel_extension.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QRegularExpression>
#include <cmath>
#include <map>

#include "editor/cover_layout.h"
#include "model/file_names.h"

namespace orvel::obf {

namespace {

int16_t number(const QJsonObject& o, const char* name, int fallback = 0)
{
    const int v = o.value(QLatin1String(name)).toInt(fallback);
    return static_cast<int16_t>(std::clamp(v, -32768, 32767));
}

QString text(const QJsonObject& o, const char* name)
{
    return o.value(QLatin1String(name)).toString();
}

QJsonObject area_fields(const Area& a)
{
    return QJsonObject{{QStringLiteral("parent"), a.parent},       {QStringLiteral("is_group"), a.is_group},
                       {QStringLiteral("keys"), a.keys},           {QStringLiteral("sound_file"), a.sound_file},
                       {QStringLiteral("icon_file"), a.icon_file}, {QStringLiteral("repeat_reading"), a.repeat_reading},
                       {QStringLiteral("clip_type"), a.clip_type}, {QStringLiteral("clip_file"), a.clip_file}};
}

void read_area_fields(const QJsonObject& o, Area& a)
{
    a.parent = number(o, "parent");
    a.is_group = number(o, "is_group");
    a.keys = text(o, "keys");
    a.sound_file = text(o, "sound_file");
    a.icon_file = text(o, "icon_file");
    a.repeat_reading = number(o, "repeat_reading");
    a.clip_type = number(o, "clip_type");
    a.clip_file = text(o, "clip_file");
}

// Points the CARREGA commands of a key text at the boards' new names.
QString relinked(const QString& keys, const ImportLinks& links)
{
    if (!links.renamed_board)
        return keys;
    static const QRegularExpression load(QStringLiteral("\\{\\|\\s*(CARREGA|CARGA)\\s+([^{}]*)\\}"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString out;
    qsizetype last = 0;
    for (auto it = load.globalMatch(keys); it.hasNext();) {
        const auto m = it.next();
        const QString argument = m.captured(2).trimmed();
        const QString renamed = links.renamed_board(file_name_part(argument));
        out += keys.mid(last, m.capturedStart() - last);
        // The set's boards lie side by side now: a name that still says so stays as written.
        const bool same = renamed.isEmpty() || argument.compare(renamed, Qt::CaseInsensitive) == 0;
        out += same ? m.captured(0) : QStringLiteral("{|%1 %2}").arg(m.captured(1), renamed);
        last = m.capturedEnd();
    }
    return out + keys.mid(last);
}

}  // namespace

QJsonObject board_extension(const Template& t, const QString& file)
{
    QJsonObject o{{QStringLiteral("file_name"), file},
                  {QStringLiteral("program"), t.program},
                  {QStringLiteral("clip_type"), t.clip_type},
                  {QStringLiteral("clip_file"), t.clip_file},
                  {QStringLiteral("initial_keys"), t.initial_keys},
                  {QStringLiteral("doc_file"), t.doc_file},
                  {QStringLiteral("app_title"), t.app_title},
                  {QStringLiteral("description"), t.description},
                  {QStringLiteral("global_data_on_new"), t.global_data_on_new},
                  {QStringLiteral("sound_active"), t.sound_active},
                  {QStringLiteral("auto_cover"), t.auto_cover},
                  {QStringLiteral("tts_language"), t.tts_language},
                  {QStringLiteral("tts_voice"), t.tts_voice},
                  {QStringLiteral("tts_speed"), t.tts_speed}};
    if (t.area_count >= 1) {
        const Area& root = t.area(1);
        QJsonObject r = area_fields(root);
        r.insert(QStringLiteral("rect"), QJsonArray{root.Xi, root.Yi, root.Xf, root.Yf});
        o.insert(QStringLiteral("root"), r);
    }
    return o;
}

QJsonObject area_extension(const Template& t, int n)
{
    QJsonObject o = area_fields(t.area(n));
    o.insert(QStringLiteral("number"), n);
    return o;
}

QString exported_file_name(const Board& board)
{
    return text(board.ext_orvel, "file_name");
}

std::optional<Template> restore_board(const Board& board, const ImportLinks& links, const QString& where,
                                      ExchangeReport& report)
{
    const QJsonObject& e = board.ext_orvel;
    const QJsonArray rect = e.value(QStringLiteral("root")).toObject().value(QStringLiteral("rect")).toArray();
    if (e.isEmpty() || rect.size() != 4)
        return std::nullopt;
    // Every button must say which area it was, each number once, 2 to the count.
    std::map<int, const Button*> by_number;
    for (const Button& b : board.buttons) {
        const int n = b.ext_orvel.value(QStringLiteral("number")).toInt(0);
        if (n < 2 || n > kMaxAreas || !b.placement || by_number.count(n))
            return std::nullopt;
        by_number[n] = &b;
    }
    if (!by_number.empty() && by_number.rbegin()->first != static_cast<int>(by_number.size()) + 1)
        return std::nullopt;

    Template t;
    t.program = text(e, "program");
    t.clip_type = number(e, "clip_type");
    t.clip_file = text(e, "clip_file");
    t.initial_keys = relinked(text(e, "initial_keys"), links);
    t.doc_file = text(e, "doc_file");
    t.app_title = text(e, "app_title");
    t.description = text(e, "description");
    t.global_data_on_new = number(e, "global_data_on_new", 1);
    t.sound_active = number(e, "sound_active", -1);
    t.auto_cover = number(e, "auto_cover");
    t.tts_language = number(e, "tts_language");
    t.tts_voice = number(e, "tts_voice");
    t.tts_speed = number(e, "tts_speed", 100);

    Area root;
    read_area_fields(e.value(QStringLiteral("root")).toObject(), root);
    root.Xi = static_cast<int16_t>(rect.at(0).toInt());
    root.Yi = static_cast<int16_t>(rect.at(1).toInt());
    root.Xf = static_cast<int16_t>(rect.at(2).toInt());
    root.Yf = static_cast<int16_t>(rect.at(3).toInt());
    root.keys = relinked(root.keys, links);
    add_area(t, root);
    const double width = root.Xf - root.Xi, height = root.Yf - root.Yi;

    for (const auto& [n, b] : by_number) {
        Area a;
        read_area_fields(b->ext_orvel, a);
        const Placement& p = *b->placement;
        a.Xi = static_cast<int16_t>(root.Xi + std::lrint(p.left * width));
        a.Yi = static_cast<int16_t>(root.Yi + std::lrint(p.top * height));
        a.Xf = static_cast<int16_t>(root.Xi + std::lrint((p.left + p.width) * width));
        a.Yf = static_cast<int16_t>(root.Yi + std::lrint((p.top + p.height) * height));
        a.keys = relinked(a.keys, links);
        // A button's picture is the area's own only when the area had one; otherwise it
        // is the area's piece of the cover, which the new cover draws again.
        if (is_picture_symbol(a.icon_file)) {
            const QString original = a.icon_file;
            a.icon_file = b->image_id.isEmpty() || !links.picture_file
                              ? QString()
                              : links.picture_file(*b, QSize(a.Xf - a.Xi, a.Yf - a.Yi), false);
            if (a.icon_file.isEmpty())
                report.add(where, QCoreApplication::translate("Orvel", "l'àrea %1 ha perdut el símbol visual «%2»")
                                      .arg(n)
                                      .arg(original));
        }
        if (!b->sound_id.isEmpty() && links.sound_file)
            a.sound_file = links.sound_file(*b);
        else if (a.sound_file.contains(QLatin1String(".WAV"), Qt::CaseInsensitive) ||
                 a.sound_file.contains(QLatin1String(".MID"), Qt::CaseInsensitive)) {
            report.add(where, QCoreApplication::translate("Orvel", "l'àrea %1 ha perdut el símbol auditiu «%2»")
                                  .arg(n)
                                  .arg(a.sound_file));
            a.sound_file.clear();
        }
        // A parent that names no area of this board would leave the area out of scanning.
        if (a.parent < 0 || a.parent > static_cast<int>(by_number.size()) + 1 || a.parent == n)
            a.parent = 1;
        add_area(t, a);
    }
    t.modified = 0;
    return t;
}

}  // namespace orvel::obf
